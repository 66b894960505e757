#include "graphics_parts.h"

namespace packgen {

void AddAnimationStrips(TPackWriter&) {}

}  // namespace packgen
