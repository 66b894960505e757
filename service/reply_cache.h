// Replies to reads that carry no password (top tens, counts, places,
// statistics, personal info) are kept for a moment: the club's busiest
// requests are the same few tables read again and again. Any write through
// this service empties the cache; a short age bounds what another service
// instance on the same database may have changed meanwhile.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <unordered_map>

namespace zembra::service {

class TReplyCache {
 public:
  explicit TReplyCache(std::chrono::milliseconds maxAge = std::chrono::milliseconds(1000)) : MaxAge_(maxAge) {}

  std::optional<std::string> Find(const std::string& key) const;
  void Keep(const std::string& key, const std::string& reply, unsigned long long generation);
  // The generation to file a reply under: read it before asking the store,
  // so that a write during the read keeps the reply out.
  unsigned long long Generation() const { return Generation_.load(); }
  void Invalidate();

 private:
  struct TEntry {
    std::string Reply;
    unsigned long long Generation;
    std::chrono::steady_clock::time_point Taken;
  };
  const std::chrono::milliseconds MaxAge_;
  std::atomic<unsigned long long> Generation_{0};
  mutable std::shared_mutex Mutex_;
  std::unordered_map<std::string, TEntry> Entries_;
};

}  // namespace zembra::service
