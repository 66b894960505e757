// The program's sound: the effects compiled into it (":/sounds/<name>")
// and the card names of the voice pack, through one channel on which a new
// sound cuts off the one before. The voice pack, once found, stays mapped
// for the rest of the run.
#pragma once

#include <QString>
#include <memory>

#include "app/media.h"
#include "media/effect_player.h"

namespace zembra {

class TPackReader;

class TSoundMedia : public TMedia {
 public:
  // Packs are looked for in folder and then its parent.
  explicit TSoundMedia(const QString& folder);
  ~TSoundMedia() override;

  int PlayEffect(const std::string& name, bool wait, bool enabled) override;
  bool SpeakCard(TCardCode code) override;

  TEffectPlayer& Channel() { return Player; }

 private:
  QString Folder;
  // Declared before the player: the voice pack stays mapped until the
  // player has let go of its recordings.
  std::unique_ptr<TPackReader> Voice;
  TEffectPlayer Player;
};

}  // namespace zembra
