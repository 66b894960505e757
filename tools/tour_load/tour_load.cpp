// zembra-tour-load BASEURL PORT1 [SECONDS] [SERVICE_PID]
//
// A load on a running club service's tournament: ten tables play scripted
// matches at once, one after another for SECONDS (default 60; twenty
// members registered and seated anew for each match, each pair on its own
// connections, every card the first one allowed), while 200 clients read
// the table list every 10 seconds. Prints the matches played and their
// durations, the table list's latencies, and the service's CPU time and
// memory when its process id is given.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "online/requests.h"
#include "online/service_client.h"
#include "tournament/scripted_player.h"
#include "tournament/tour_frames.h"

using namespace zembra;
using Clock = std::chrono::steady_clock;

namespace {

int Connect(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

void Send(int fd, const std::string& s) { (void)::send(fd, s.data(), s.size(), MSG_NOSIGNAL); }

// One table's match between two scripted players; its duration in ms, -1
// when it did not finish in time.
long PlayTable(int port, Clock::time_point deadline) {
  const auto start = Clock::now();
  int fds[2] = {Connect(port), Connect(port)};
  if (fds[0] < 0 || fds[1] < 0) return -1;
  TScriptedTourPlayer players[2] = {TScriptedTourPlayer(1), TScriptedTourPlayer(2)};
  TFrameReader readers[2] = {TFrameReader(true), TFrameReader(true)};
  Send(fds[0], TourFrame("connect1", 1));
  Send(fds[1], TourFrame("connect2", 2));
  long result = -1;
  while (Clock::now() < deadline) {
    pollfd p[2] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}};
    ::poll(p, 2, 50);
    bool broken = false;
    for (int i = 0; i < 2; ++i) {
      if (!(p[i].revents & (POLLIN | POLLHUP))) continue;
      char buf[4096];
      const ssize_t n = ::recv(fds[i], buf, sizeof buf, 0);
      if (n <= 0) {
        broken = true;
        continue;
      }
      for (const std::string& m : readers[i].Push(std::string_view(buf, static_cast<size_t>(n))))
        if (!players[i].Take(m)) broken = true;
    }
    for (int i = 0; i < 2; ++i)
      for (const std::string& f : players[i].Act()) Send(fds[i], f);
    if (players[0].Over() && players[1].Over()) {
      result = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
      break;
    }
    if (broken || players[0].HeardLeft() || players[1].HeardLeft()) break;
  }
  ::close(fds[0]);
  ::close(fds[1]);
  return result;
}

struct TProc {
  double CpuSeconds = 0;
  long RssKb = 0, PeakKb = 0;
};

TProc ReadProc(int pid) {
  TProc p;
  if (pid <= 0) return p;
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const size_t close = line.rfind(')');
  if (close != std::string::npos) {
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
      if (i == 14) utime = std::stol(field);
      if (i == 15) stime = std::stol(field);
    }
    p.CpuSeconds = static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
  }
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) p.RssKb = std::stol(line.substr(6));
    if (line.rfind("VmHWM:", 0) == 0) p.PeakKb = std::stol(line.substr(6));
  }
  return p;
}

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s BASEURL PORT1 [SECONDS] [SERVICE_PID]\n", argv[0]);
    return 2;
  }
  const std::string base = argv[1];
  const int port1 = std::atoi(argv[2]);
  const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
  const int pid = argc > 4 ? std::atoi(argv[4]) : 0;
  const TServiceClient client({base + "/AccountService", base + "/RecordsService", base + "/StatsService",
                               base + "/TourService"});
  const TPost post = client.Transport();
  // Twenty members, seated two to a table.
  for (int i = 1; i <= 20; ++i) {
    AccountRegister(post, ScriptedMember("Load" + std::to_string(i)));
  }
  // Both seats of table k through the club's requests.
  auto seat = [&base](int k) {
    const TServiceClient own({"", "", "", base + "/TourService"});
    for (int s = 1; s <= 2; ++s) {
      TOrvClient c;
      c.Nick = "Load" + std::to_string(2 * (k - 1) + s);
      c.Country = "Russia";
      c.City = "Tver";
      c.Sex = "M";
      c.IP = "127.0.0.1";
      if (TourSeat(own.Transport(), s, k, TSeatRequest::Take, c) != 0) return false;
    }
    return true;
  };
  const TProc before = ReadProc(pid);
  const auto start = Clock::now();
  const auto deadline = start + std::chrono::seconds(seconds);
  std::atomic<bool> playing{true};
  std::mutex m;
  std::vector<double> latencies;
  int failures = 0;
  // 200 readers of the table list, every 10 seconds, spread over the first ten.
  std::vector<std::thread> readers;
  for (int i = 0; i < 200; ++i)
    readers.emplace_back([&, i] {
      const TServiceClient own({"", "", "", base + "/TourService"});
      const TPost p = own.Transport();
      auto next = start + std::chrono::milliseconds(i * 50);
      while (playing && Clock::now() < deadline) {
        std::this_thread::sleep_until(next);
        if (!playing) break;
        std::array<TOrvTable, 10> t;
        const auto s = Clock::now();
        const bool ok = TourTables(p, &t);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - s).count();
        {
          const std::lock_guard lock(m);
          if (ok) latencies.push_back(ms);
          else ++failures;
        }
        next += std::chrono::seconds(10);
      }
    });
  std::vector<long> durations;
  int broken = 0;
  std::vector<std::thread> tables;
  for (int k = 1; k <= 10; ++k)
    tables.emplace_back([&, k] {
      // Matches one after another while one more fits.
      while (Clock::now() + std::chrono::seconds(15) < deadline) {
        if (!seat(k)) {
          std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the last match's seats not yet free
          continue;
        }
        const long d = PlayTable(port1 - 1 + k, deadline);
        const std::lock_guard lock(m);
        if (d >= 0) durations.push_back(d);
        else ++broken;
      }
    });
  for (auto& t : tables) t.join();
  // The readers go on for one more round after the matches.
  std::this_thread::sleep_for(std::chrono::seconds(10));
  playing = false;
  for (auto& t : readers) t.join();
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  const TProc after = ReadProc(pid);

  std::vector<double> secondsEach;
  for (long d : durations) secondsEach.push_back(static_cast<double>(d) / 1000.0);
  std::printf("matches finished: %zu (broken %d), median %.2f s, longest %.2f s\n", durations.size(), broken,
              Percentile(secondsEach, 0.5), Percentile(secondsEach, 1.0));
  std::printf("table list reads: %zu (failed %d), p50 %.1f ms, p99 %.1f ms, max %.1f ms\n", latencies.size(), failures,
              Percentile(latencies, 0.5), Percentile(latencies, 0.99), Percentile(latencies, 1.0));
  if (pid > 0)
    std::printf("service: %.2f s CPU over %.1f s (%.1f%% of a core), RSS %ld kB, peak %ld kB\n",
                after.CpuSeconds - before.CpuSeconds, wall, 100.0 * (after.CpuSeconds - before.CpuSeconds) / wall,
                after.RssKb, after.PeakKb);
  return !durations.empty() && broken == 0 && failures == 0 ? 0 : 1;
}
