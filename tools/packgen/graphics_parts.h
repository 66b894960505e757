// The producers of "OrvCGraph1.dll", one per source file.
#pragma once

#include "pack_writer.h"

namespace packgen {

// "BGLilu": the purple background of the main menu's picture design.
void AddMenuBackground(TPackWriter& pack);    // graphics_menu.cpp
// The options dialog and the general-score window: backgrounds, headings
// and title pictures in every language.
void AddWindowDesigns(TPackWriter& pack);     // graphics_windows.cpp
// "GTouch", "GIcon48Opt", "GIcon48COunt": animation strips.
void AddAnimationStrips(TPackWriter& pack);   // graphics_anim.cpp
// "GifA" ... "GifG": the kind-of-game pictures, animated GIF.
void AddKindPictures(TPackWriter& pack);      // graphics_kinds.cpp

}  // namespace packgen
