#include "media/effect_player.h"

#include <QResource>
#include <QSoundEffect>
#include <QUrl>

#include "media/effects.h"

namespace zembra {

TEffectPlayer::TEffectPlayer(QObject* parent) : QObject(parent) {}

TEffectPlayer::~TEffectPlayer() { Stop(); }

int TEffectPlayer::LengthMs(const QString& path) {
  const QResource r(path);
  if (!r.isValid()) return 0;
  const QByteArray bytes = r.uncompressedData();
  return WaveLengthMs(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))).value_or(0);
}

QSoundEffect* TEffectPlayer::Effect(const QString& path) {
  if (QSoundEffect* e = Effects.value(path)) return e;
  if (!QResource(path).isValid()) return nullptr;
  auto* e = new QSoundEffect(this);
  e->setSource(QUrl(QStringLiteral("qrc") + path));
  Effects.insert(path, e);
  return e;
}

void TEffectPlayer::Prepare(const QString& path) { Effect(path); }

int TEffectPlayer::Play(const QString& path) {
  QSoundEffect* e = Effect(path);
  if (!e) return 0;
  Stop();
  CurrentPath = path;
  e->play();
  return LengthMs(path);
}

void TEffectPlayer::Stop() {
  if (QSoundEffect* e = Effects.value(CurrentPath)) e->stop();
  CurrentPath.clear();
}

bool TEffectPlayer::Playing() const {
  const QSoundEffect* e = Effects.value(CurrentPath);
  return e && e->isPlaying();
}

}  // namespace zembra
