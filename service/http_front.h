// The club service on HTTP: the form endpoints, the service file, photos,
// downloads, music, the caller's address, the router page and the health
// check. Requests run on a pool of worker threads, each with its own
// database connection; keep-alive connections, a bound on body size and
// read time-outs keep slow or greedy clients from starving the others.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "service/club_service.h"
#include "service/request_log.h"
#include "service/tour_service.h"

namespace httplib {
class Server;
}

namespace zembra::service {

struct THttpOptions {
  std::string DataFolder;
  std::string PublicUrl;  // empty: "http://" + the Host the caller used
  int Threads = 128;
  size_t MaxBody = 64 * 1024;
  int ReadTimeoutSeconds = 5;
  bool TrustForwardedFor = false;  // behind a proxy that sets X-Forwarded-For
};

class THttpFront {
 public:
  THttpFront(TClubService& service, TClubStore& store, TRequestLog& log, THttpOptions options);
  ~THttpFront();

  // Binds the address; port 0 takes a free port. The bound port, or -1.
  int Bind(const std::string& host, int port);
  // Serves until Stop(); false when serving could not start.
  bool Run();
  // From any thread, also before Run() has begun serving: it then serves
  // not at all, or stops as soon as it has begun.
  void Stop();
  // The tournament's requests; without it "/TourService" answers 404.
  void SetTour(TTourService* tour) { Tour_ = tour; }

 private:
  void Routes();

  TClubService& Service_;
  TClubStore& Store_;
  TRequestLog& Log_;
  THttpOptions Options_;
  std::unique_ptr<httplib::Server> Server_;
  std::atomic<bool> Stopping_{false};
  std::atomic<bool> Ended_{false};
  int ListenSocket_ = -1;
  TTourService* Tour_ = nullptr;
};

}  // namespace zembra::service
