// The club's radio: Debian's Icecast server on loopback with one endless
// station for each of the club's stations, each fed by an ezstream that
// loops the music folder's MP3 files. Both kinds of child end with the
// service. It comes up on a thread of its own, so the service answers
// requests at once; anything missing (the programs, the music, a free
// port) leaves the radio off with a notice in the log.
#pragma once

#include <QString>
#include <QThread>

#include <condition_variable>
#include <mutex>
#include <memory>
#include <string>

#include "service/request_log.h"

namespace zembra::service {

struct TRadioServerOptions {
  std::string Host = "127.0.0.1";
  int Port = 0;           // 0: no radio
  QString DataFolder;     // the passwords and the stations' files go to <data>/radio
  QString MusicFolder;    // the MP3 files the stations play
  QString LogPath;        // the children's output (empty: the service's standard error)
};

class TRadioServer {
 public:
  TRadioServer(TRadioServerOptions options, TRequestLog& log);
  ~TRadioServer();
  TRadioServer(const TRadioServer&) = delete;
  TRadioServer& operator=(const TRadioServer&) = delete;

  // Starts the server on its thread and returns at once.
  void Start();
  // Ends the stations and the server and waits for them.
  void Stop();

 private:
  void Run();
  bool WaitOrStop(int ms);  // true when asked to stop meanwhile

  TRadioServerOptions Options;
  TRequestLog& Log;
  // A Qt thread: the children are QProcess objects made and ended on it.
  std::unique_ptr<QThread> Worker;
  std::mutex Mutex;
  std::condition_variable Wake;
  bool Stopping = false;
};

}  // namespace zembra::service
