#include "service/http_front.h"

#include <httplib.h>
#include <sys/socket.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "records/file_store.h"
#include "service/field_rules.h"
#include "service/jpeg_check.h"
#include "service/router_page.h"
#include "service/service_file.h"

namespace zembra::service {
namespace {

thread_local std::chrono::steady_clock::time_point tStart;
thread_local std::string tNote;

constexpr const char* kFormReply = "text/html; charset=windows-1251";

bool IsHostHeader(const std::string& host) {
  if (host.empty() || host.size() > 255) return false;
  for (const char c : host)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != ':' && c != '-' && c != '[' && c != ']')
      return false;
  return true;
}

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

THttpFront::THttpFront(TClubService& service, TClubStore& store, TRequestLog& log, THttpOptions options)
    : Service_(service), Store_(store), Log_(log), Options_(std::move(options)), Server_(new httplib::Server) {
  const int threads = Options_.Threads;
  Server_->new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
  Server_->set_payload_max_length(Options_.MaxBody);
  Server_->set_read_timeout(Options_.ReadTimeoutSeconds, 0);
  Server_->set_write_timeout(Options_.ReadTimeoutSeconds, 0);
  Server_->set_keep_alive_max_count(1000);
  Server_->set_keep_alive_timeout(5);
  // Replies leave in two writes (head, body): without this the body waits
  // for the client's delayed acknowledgement, some 40 ms.
  Server_->set_tcp_nodelay(true);
  Server_->set_socket_options([this](int fd) {
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    ListenSocket_ = fd;
  });
  Routes();
}

THttpFront::~THttpFront() = default;

int THttpFront::Bind(const std::string& host, int port) {
  const int bound = port == 0 ? Server_->bind_to_any_port(host) : Server_->bind_to_port(host, port) ? port : -1;
  // The library listens with a queue of 5; a hundred members connecting at
  // once would be dropped and retried a second later. A second listen()
  // only lengthens the queue.
  if (bound > 0 && ListenSocket_ >= 0) ::listen(ListenSocket_, 1024);
  return bound;
}

bool THttpFront::Run() {
  if (Stopping_) {
    Ended_ = true;
    return true;
  }
  const bool served = Server_->listen_after_bind();
  Ended_ = true;
  return served;
}

void THttpFront::Stop() {
  Stopping_ = true;
  // The server ignores a stop that comes before its loop runs (a signal
  // just after start-up): wait for the loop, bounded, then stop it.
  for (int i = 0; i < 5000 && !Server_->is_running() && !Ended_; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  Server_->stop();
}

void THttpFront::Routes() {
  httplib::Server& s = *Server_;
  s.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
    tStart = std::chrono::steady_clock::now();
    tNote.clear();
    return httplib::Server::HandlerResponse::Unhandled;
  });
  s.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
    if (Log_.Level() == TLogLevel::Quiet) return;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - tStart).count();
    char timing[32];
    std::snprintf(timing, sizeof timing, "%.2fms", ms);
    std::string path = req.path;
    if (path.size() > 120) path = path.substr(0, 120) + "…";
    for (char& c : path)
      if (static_cast<unsigned char>(c) < 0x20) c = '?';
    Log_.Request(req.remote_addr + " " + req.method + " " + path + " " + std::to_string(res.status) + " " +
                 std::to_string(res.body.size()) + "B " + timing + (tNote.empty() ? "" : " " + tNote));
  });

  auto form = [this](TEndpoint endpoint) {
    return [this, endpoint](const httplib::Request& req, httplib::Response& res) {
      const TServiceReply reply = Service_.Handle(endpoint, req.body);
      res.status = reply.Status;
      res.set_content(reply.Body, kFormReply);
      tNote = RequestName(reply.Kind);
      if (!reply.Nick.empty()) tNote += " nick=" + reply.Nick;
    };
  };
  s.Post("/AccountService", form(TEndpoint::Account));
  s.Post("/RecordsService", form(TEndpoint::Records));
  s.Post("/StatsService", form(TEndpoint::Stats));
  // The tournament's table list, seats and ratings.
  s.Post("/TourService", [this](const httplib::Request& req, httplib::Response& res) {
    const std::optional<TForm> form = ParseForm(req.body);
    if (!Tour_ || !form) {
      res.status = Tour_ ? 400 : 404;
      res.set_content(Tour_ ? "bad request" : "tournament closed", "text/plain");  // none of the markers
      return;
    }
    const TServiceReply reply = Tour_->Handle(*form);
    res.status = reply.Status;
    res.set_content(reply.Body, kFormReply);
    if (!form->Fields().empty()) tNote = "tour " + form->Fields().front().Name.substr(0, 20);
  });

  s.Get("/service.txt", [this](const httplib::Request& req, httplib::Response& res) {
    const std::string path = Options_.DataFolder + "/service.txt";
    const auto tmpl = ReadWholeFile(path);
    std::string base = Options_.PublicUrl;
    if (base.empty()) {
      const std::string host = req.get_header_value("Host");
      base = "http://" + (IsHostHeader(host) ? host : std::string("127.0.0.1"));
    }
    res.set_content(ExpandServiceTemplate(tmpl ? *tmpl : DefaultServiceTemplate(), base),
                    "text/plain; charset=utf-8");
  });

  s.Get(R"(/photos/([^/]+)\.jpg)", [this](const httplib::Request& req, httplib::Response& res) {
    const std::string nick = req.matches[1];
    res.status = 404;
    if (!IsFrameText(nick, 12) || nick.find_first_of("/\\.") != std::string::npos) return;
    const auto bytes = ReadWholeFile(Options_.DataFolder + "/photos/" + LowerAscii(nick) + ".jpg");
    if (!bytes || !IsClubPhoto(*bytes)) return;
    res.status = 200;
    res.set_content(*bytes, "image/jpeg");
  });

  s.Get("/get_ip.php", [this](const httplib::Request& req, httplib::Response& res) {
    std::string address = req.remote_addr;
    if (Options_.TrustForwardedFor && req.has_header("X-Forwarded-For")) {
      const std::string chain = req.get_header_value("X-Forwarded-For");
      const size_t comma = chain.rfind(',');
      address = chain.substr(comma == std::string::npos ? 0 : comma + 1);
      while (!address.empty() && address.front() == ' ') address.erase(0, 1);
    }
    res.set_content(address, "text/plain");
  });

  s.Get("/router.html", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(RouterPage(), "text/html; charset=utf-8");
  });

  s.Get("/health", [this](const httplib::Request&, httplib::Response& res) {
    const bool up = Store_.Ping();
    res.status = up ? 200 : 503;
    res.set_content(up ? "ok\n" : "database unavailable\n", "text/plain");
  });

  s.set_file_extension_and_mimetype_mapping("mp3", "audio/mpeg");
  s.set_file_extension_and_mimetype_mapping("dll", "application/octet-stream");
  s.set_file_extension_and_mimetype_mapping("rad", "text/plain");
  s.set_mount_point("/downloads/progr/cards", Options_.DataFolder + "/downloads");
  s.set_mount_point("/musik", Options_.DataFolder + "/musik");
}

}  // namespace zembra::service
