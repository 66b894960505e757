#include "packgen.h"

namespace packgen {

void AddBackgrounds(TPackWriter&) {}

}  // namespace packgen
