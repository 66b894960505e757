// The end of the desktop session (or a plain `kill`) reaches the program as
// a signal: SIGTERM, SIGHUP or SIGINT. The watch turns it into a Qt signal
// on the window's thread, so the program closes as its Exit button closes
// it: the options and the radio written, the song's file removed.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zembra {

class TTerminationWatch : public QObject {
  Q_OBJECT

 public:
  // One watch at a time; it takes the three signals over while it lives.
  explicit TTerminationWatch(QObject* parent = nullptr);
  ~TTerminationWatch() override;

 Q_SIGNALS:
  void Requested();

 private:
  QSocketNotifier* Notifier = nullptr;
};

}  // namespace zembra
