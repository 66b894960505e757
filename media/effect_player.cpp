#include "media/effect_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QResource>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include "media/effects.h"

namespace zembra {

TEffectPlayer::TEffectPlayer(QObject* parent) : QObject(parent) {}

TEffectPlayer::~TEffectPlayer() {
  Stop();
  SettleLoads(3000);
}

// Qt Multimedia loads recordings on a thread of its own and, at the end of
// the process, stops that thread while holding the lock a finishing load
// needs: a load still running then would hang the exit. So the channel lets
// its loads finish (or fail) before it goes.
void TEffectPlayer::SettleLoads(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  auto loading = [this] {
    for (const QSoundEffect* e : std::as_const(Effects))
      if (e->status() == QSoundEffect::Loading) return true;
    return false;
  };
  while (loading() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QThread::msleep(2);
  }
}

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
