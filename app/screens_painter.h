// The intro screen (the product title and the version, animated) and the
// main menu's backdrop (title, two alternating ornaments, the clock).
#pragma once

#include "app/table_painter.h"

namespace zembra {

inline constexpr const char* kVersionText = "V 5.7f";

void PaintIntro(QPainter& p, const TPaintContext& c);
void PaintMenu(QPainter& p, const TPaintContext& c);

// Base rectangles of the menu (at 760 x 500): title, ornament, clock.
TRect MenuTitleRect();
TRect MenuOrnamentRect();

}  // namespace zembra
