#include "packgen.h"

namespace packgen {

void AddCardFaces(TPackWriter&, TPackWriter&, TPackWriter&) {}

}  // namespace packgen
