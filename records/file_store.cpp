#include "records/file_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace zembra {
namespace {

bool WriteOnce(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  bool ok = true;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) {
      ok = false;
      break;
    }
    done += static_cast<size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::ifstream in(path, std::ios::binary);
    if (!in) continue;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) continue;
    return s.str();
  }
  return std::nullopt;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  return WriteOnce(path, bytes) || WriteOnce(path, bytes);
}

}  // namespace zembra
