// A block of free ports in a row on loopback for a test's server, as far
// as a probe can tell.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <random>

namespace zembra::test {

inline int FreePortBlock(int count = 10) {
  std::mt19937 rng(static_cast<unsigned>(getpid()) * 7919u + static_cast<unsigned>(time(nullptr)));
  for (int attempt = 0; attempt < 50; ++attempt) {
    const int base = 30000 + static_cast<int>(rng() % 25000);
    bool free = true;
    for (int p = base; p < base + count && free; ++p) {
      const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_port = htons(static_cast<uint16_t>(p));
      a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      free = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
      ::close(fd);
    }
    if (free) return base;
  }
  return 0;
}

}  // namespace zembra::test
