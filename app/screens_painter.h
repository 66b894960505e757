// The intro screen (the product title and the version, animated) and the
// main menu's backdrop (title, two alternating ornaments, the clock).
#pragma once

#include "app/table_painter.h"

namespace zembra {

inline constexpr const char* kVersionText = "V 5.7f";

void PaintIntro(QPainter& p, const TPaintContext& c);
void PaintMenu(QPainter& p, const TPaintContext& c);

// Intro ticks (20 ms) until the animation settles and until it rests.
inline constexpr int kIntroSettled = 60;
inline constexpr int kIntroQuiet = 250;

// Base rectangles (at 760 x 500) of the intro's title and of the menu's
// title, ornament and clock.
TRect IntroTitleRect();
TRect MenuTitleRect();
TRect MenuOrnamentRect();
TRect MenuClockRect();

// How far the menu's second ornament has faded in (0..1) at a tick.
double OrnamentMix(int menuTick);

}  // namespace zembra
