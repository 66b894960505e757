// The one door through which the table makes sound: effects by name and
// spoken card names. The program installs the player of app/sound_media.h
// once its window shows; until then, and in tests, calls go to a player
// that stays silent.
#pragma once

#include <memory>
#include <string>

#include "engine/cards.h"

namespace zembra {

class TMedia {
 public:
  virtual ~TMedia() = default;
  // Plays the effect, cutting the one before; nothing when !enabled. Never
  // blocks: for a waiting effect it returns how long the next move must
  // wait (its length in milliseconds), else 0.
  virtual int PlayEffect(const std::string& name, bool wait, bool enabled) = 0;
  // Speaks the card's name in the current language, whatever the sound
  // setting; false, silently, when the voice pack cannot be loaded.
  virtual bool SpeakCard(TCardCode code) = 0;
};

TMedia& Media();
// Installs a player (null restores the silent one); returns the previous.
TMedia* SetMedia(TMedia* media);

}  // namespace zembra
