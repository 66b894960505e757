// The pack builder's producers, one per source file. Each fills the packs
// it owns with real pictures under the names the program asks for
// (resources/pack_names.h).
#pragma once

#include "pack_writer.h"

namespace packgen {

// "OrvBackG03.dll": ten textures in seven colours at both sizes, JPEG.
void AddBackgrounds(TPackWriter& pack);                       // backgrounds.cpp
// Backs of back sets 1..12 and the narrow variant of back set 0
// ("OrvCards06B.dll").
void AddCardBacks(TPackWriter& pack);                         // backs.cpp
// Faces and suit symbols of sets 1..31, 32..39 and 40..47.
void AddCardFaces(TPackWriter& a, TPackWriter& b, TPackWriter& c);  // faces.cpp
// "OrvCGraph1.dll": window designs, "BGLilu", "GTouch", "GifA" and the rest.
void AddGraphics(TPackWriter& pack);                          // graphics.cpp
// "OrvCVoice3.dll": the 24 card names in ten languages, spoken by espeak-ng.
void AddVoices(TPackWriter& pack);                            // voice.cpp
// "OrvCalendar01.dll": the calendar's leaf, the signs of the zodiac, the
// animals of the year and a picture per holiday.
void AddCalendar(TPackWriter& pack);                          // calendar.cpp

}  // namespace packgen
