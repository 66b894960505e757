#include "service/request_log.h"

#include <chrono>
#include <ctime>

namespace zembra::service {

bool TRequestLog::Open(const std::string& path, TLogLevel level) {
  Level_ = level;
  if (path.empty()) return true;
  std::FILE* f = std::fopen(path.c_str(), "a");
  if (!f) return false;
  File_ = f;
  Owned_ = true;
  return true;
}

TRequestLog::~TRequestLog() {
  if (Owned_) std::fclose(File_);
}

void TRequestLog::Request(const std::string& line) {
  if (Level_ != TLogLevel::Quiet) Write(line);
}

void TRequestLog::Notice(const std::string& line) { Write(line); }

void TRequestLog::Write(const std::string& line) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  const int ms = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900, tm.tm_mon + 1,
                tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
  std::lock_guard lock(Mutex_);
  std::fprintf(File_, "%s %s\n", stamp, line.c_str());
  std::fflush(File_);
}

}  // namespace zembra::service
