// The one sound channel of the program: plays a wave recording held in
// the resources (the program's own or a mapped pack's) and cuts off the
// one before it, so only one sound is ever heard. Each recording is loaded
// once and kept ready; playing never blocks.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace zembra {

class TEffectPlayer : public QObject {
  Q_OBJECT

 public:
  explicit TEffectPlayer(QObject* parent = nullptr);
  ~TEffectPlayer() override;

  // Loads a recording ahead of its first play (resource path ":/sounds/X").
  void Prepare(const QString& path);
  // Cuts the sound that plays and starts this one; returns its length in
  // milliseconds, 0 when there is no such recording.
  int Play(const QString& path);
  void Stop();
  // The recording last started, while it may still be heard.
  const QString& Current() const { return CurrentPath; }
  bool Playing() const;
  static int LengthMs(const QString& path);
  // Waits, bounded, until no recording is still being loaded.
  void SettleLoads(int timeoutMs);

 private:
  QSoundEffect* Effect(const QString& path);
  QHash<QString, QSoundEffect*> Effects;
  QString CurrentPath;
};

}  // namespace zembra
