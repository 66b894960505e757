// The window shown while a duel connects: what this side is waiting for,
// the lines that tell that the other player came, a little animation, Ok
// (the server starts the match) and Cancel (give up and close the socket),
// and a once-a-second timer that tells a client when no game answers.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace zembra {

class TSuitWheel;

class TWaitingWindow : public QDialog {
  Q_OBJECT

 public:
  // server: the waiting text of the server, else the client's.
  TWaitingWindow(bool server, QWidget* parent);

  // The other player came (server): the first "connected" line shows, Ok
  // is enabled and Cancel disabled.
  void PlayerJoined();
  // That player left again before Ok: back to waiting.
  void PlayerLeft();
  // The client's connection failed: the next tick says no game answers.
  void SetConnectionError(bool on) { ConnectionError = on; }
  // The duel has started (server: Ok; client: the handshake's reply).
  void Started();
  bool DuelStarted() const { return Began; }
  // One tick of the once-a-second timer.
  void Tick();

  QLabel* Status() const { return StatusText; }
  QLabel* JoinedLine(int i) const { return Lines[i]; }
  QPushButton* OkButton() const { return Ok; }
  QPushButton* CancelButton() const { return Cancel; }

 private:
  QLabel* StatusText;
  std::array<QLabel*, 3> Lines{};
  QPushButton* Ok;
  QPushButton* Cancel;
  QTimer* Timer;
  TSuitWheel* Wheel;
  bool ConnectionError = false;
  bool Began = false;
};

}  // namespace zembra
