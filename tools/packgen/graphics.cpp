#include "packgen.h"

namespace packgen {

void AddGraphics(TPackWriter&) {}

}  // namespace packgen
