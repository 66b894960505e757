// FluidSynth reads sound fonts through a loader of ours, so that it can read
// a trimmed view of a font (see sound_font_view.h) by a name given to it.
// Names that were not registered are read as ordinary files.
#pragma once

#include <memory>
#include <string>

struct _fluid_hashtable_t;
struct _fluid_sfloader_t;

namespace zembra {

class TSoundFontView;

// The name under which the synthesizer finds the view until it is forgotten.
std::string RegisterFontView(std::shared_ptr<const TSoundFontView> view);
void ForgetFontView(const std::string& name);
// A sound font loader that knows the registered views; null when FluidSynth
// cannot make one. The synthesizer it is added to owns it.
_fluid_sfloader_t* NewFontViewLoader(_fluid_hashtable_t* settings);

}  // namespace zembra
