#include "service/reply_cache.h"

namespace zembra::service {

std::optional<std::string> TReplyCache::Find(const std::string& key) const {
  std::shared_lock lock(Mutex_);
  const auto it = Entries_.find(key);
  if (it == Entries_.end() || it->second.Generation != Generation_.load() ||
      std::chrono::steady_clock::now() - it->second.Taken > MaxAge_)
    return std::nullopt;
  return it->second.Reply;
}

void TReplyCache::Keep(const std::string& key, const std::string& reply, unsigned long long generation) {
  if (generation != Generation_.load()) return;  // a write came in between
  std::unique_lock lock(Mutex_);
  if (Entries_.size() >= 4096) Entries_.clear();  // the bound on memory
  Entries_[key] = {reply, generation, std::chrono::steady_clock::now()};
}

void TReplyCache::Invalidate() {
  ++Generation_;
  std::unique_lock lock(Mutex_);
  Entries_.clear();
}

}  // namespace zembra::service
