// "OrvCGraph1.dll": the pictures of the picture design of the program's
// windows, black lacquer with gold and green baize.
#include "graphics_parts.h"
#include "packgen.h"

namespace packgen {

void AddGraphics(TPackWriter& pack) {
  AddMenuBackground(pack);
  AddWindowDesigns(pack);
  AddAnimationStrips(pack);
  AddKindPictures(pack);
}

}  // namespace packgen
