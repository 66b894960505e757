#include "graphics_parts.h"

namespace packgen {

void AddKindPictures(TPackWriter&) {}

}  // namespace packgen
