#include "app/sound_media.h"

#include <QDir>

#include "media/effects.h"
#include "resources/pack_file.h"
#include "resources/packs.h"
#include "resources/words.h"

namespace zembra {

TSoundMedia::TSoundMedia(const QString& folder) : Folder(folder) {
  // Every effect is made ready now, so the first of each plays at once.
  for (const QString& name : QDir(QStringLiteral(":/sounds")).entryList(QDir::Files))
    Player.Prepare(QStringLiteral(":/sounds/") + name);
}

TSoundMedia::~TSoundMedia() = default;

int TSoundMedia::PlayEffect(const std::string& name, bool wait, bool enabled) {
  if (!enabled) return 0;
  const int length = Player.Play(QStringLiteral(":/sounds/") + QString::fromStdString(name));
  return wait ? length : 0;
}

bool TSoundMedia::SpeakCard(TCardCode code) {
  if (!Voice) {
    // Looked for again at every right click until found: a pack fetched
    // meanwhile speaks at once.
    auto pack = std::make_unique<TPackReader>(Folder, QString::fromLatin1(kPackVoice));
    if (!pack->IsOpen()) return false;
    Voice = std::move(pack);
  }
  const QString path =
      Voice->ItemPath(QStringLiteral("RCDATA"), QString::fromStdString(VoiceItemName(code, Language())));
  return !path.isEmpty() && Player.Play(path) > 0;
}

}  // namespace zembra
