// Sound effects and spoken card names as names and bytes: which effects
// hold the next move, how long a wave recording lasts, and the names of the
// voice pack's items. No sound is played here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/cards.h"

namespace zembra {

// The effects of playing a card, declaring a marriage and emptying the
// stock: the next move waits until they have ended.
bool EffectWaits(std::string_view name);

// The playing time of a PCM wave file image in milliseconds (rounded up);
// nothing for bytes that are not one (no "RIFF"/"WAVE", no format or data
// chunk, a zero byte rate). A data chunk that claims more than the file
// holds counts only what is there.
std::optional<int> WaveLengthMs(std::string_view bytes);

// The voice pack's language suffixes, in language order ("Eng" ... "Kor":
// unlike the pictures, Japanese and Korean have their own).
inline constexpr const char* kVoiceSuffixes[] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                 "Chi", "Ita", "Cze", "Jap", "Kor"};

// The voice item of a card: its picture name, "Voice" and the language's
// suffix ("Bu3QVoiceEng"); a language out of range speaks English.
std::string VoiceItemName(TCardCode card, int language);

}  // namespace zembra
