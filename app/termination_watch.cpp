#include "app/termination_watch.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zembra {
namespace {

// The handler only writes a byte: the rest happens on the window's thread.
int Pair[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

void OnSignal(int) {
  const char byte = 1;
  const int saved = errno;
  [[maybe_unused]] const ssize_t n = ::write(Pair[0], &byte, 1);
  errno = saved;
}

}  // namespace

TTerminationWatch::TTerminationWatch(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Pair) != 0) return;
  ::fcntl(Pair[0], F_SETFL, O_NONBLOCK);
  Notifier = new QSocketNotifier(Pair[1], QSocketNotifier::Read, this);
  connect(Notifier, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::recv(Pair[1], bytes, sizeof bytes, MSG_DONTWAIT) > 0) {
    }
    Q_EMIT Requested();
  });
  struct sigaction action = {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int s : kSignals) sigaction(s, &action, nullptr);
}

TTerminationWatch::~TTerminationWatch() {
  for (int s : kSignals) std::signal(s, SIG_DFL);
  delete Notifier;
  for (int& fd : Pair) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace zembra
