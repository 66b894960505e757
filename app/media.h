// The one door through which the table makes sound: effects by name and
// spoken card names. Sound itself arrives with the media module; until a
// player is installed, calls go to a player that stays silent.
#pragma once

#include <memory>
#include <string>

#include "engine/cards.h"

namespace zembra {

class TMedia {
 public:
  virtual ~TMedia() = default;
  // Plays the effect; wait blocks until it has finished; nothing when !enabled.
  virtual void PlayEffect(const std::string& name, bool wait, bool enabled) = 0;
  // Speaks the card's name in the current language; false when it cannot.
  virtual bool SpeakCard(TCardCode code) = 0;
};

TMedia& Media();
// Installs a player (null restores the silent one); returns the previous.
TMedia* SetMedia(TMedia* media);

}  // namespace zembra
