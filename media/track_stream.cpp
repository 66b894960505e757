#include "media/track_stream.h"

#include <QAudioOutput>
#include <QMediaPlayer>

namespace zembra {

TMediaTrackStream::TMediaTrackStream(QObject* parent) : TTrackStream(parent) {
  Player = new QMediaPlayer(this);
  Audio = new QAudioOutput(this);
  Player->setAudioOutput(Audio);
  // The end of the media is the end of the track; no polling of positions.
  connect(Player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia) Q_EMIT Ended();
  });
}

TMediaTrackStream::~TMediaTrackStream() { Player->stop(); }

void TMediaTrackStream::Open(const QUrl& url, int volume) {
  Player->stop();
  // The address is opened when the track is first played: a stream that
  // is never played costs no connection.
  Source = url;
  SourceSet = false;
  SetVolume(volume);
}

void TMediaTrackStream::Play() {
  if (!SourceSet) {
    Player->setSource(Source);
    SourceSet = true;
  }
  Player->play();
}

void TMediaTrackStream::Stop() { Player->pause(); }

void TMediaTrackStream::SetVolume(int volume) { Audio->setVolume(static_cast<float>(volume) / 100.0f); }

}  // namespace zembra
