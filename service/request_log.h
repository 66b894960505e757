// One readable line per request (time, caller, method, path, status, bytes,
// duration, the request's name and nick; never a password), and the
// service's own notices, to a file or to standard error.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

namespace zembra::service {

enum class TLogLevel { Quiet, Info, Debug };

class TRequestLog {
 public:
  // An empty path logs to standard error; false when the file cannot be
  // opened for appending.
  bool Open(const std::string& path, TLogLevel level);
  ~TRequestLog();

  TLogLevel Level() const { return Level_; }
  void Request(const std::string& line);
  void Notice(const std::string& line);

 private:
  void Write(const std::string& line);

  std::mutex Mutex_;
  std::FILE* File_ = stderr;
  bool Owned_ = false;
  TLogLevel Level_ = TLogLevel::Info;
};

}  // namespace zembra::service
