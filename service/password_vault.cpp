#include "service/password_vault.h"

#include <sodium.h>

#include <algorithm>
#include <stdexcept>

namespace zembra::service {

namespace {

// Holds one of the hashing places for the life of a hash.
class THashingPlace {
 public:
  explicit THashingPlace(std::counting_semaphore<64>& s) : S_(s) { S_.acquire(); }
  ~THashingPlace() { S_.release(); }

 private:
  std::counting_semaphore<64>& S_;
};

}  // namespace

TPasswordVault::TPasswordVault(TVaultOptions options)
    : Options_(options), Hashing_(std::clamp(options.ConcurrentHashes, 1, 64)) {
  if (sodium_init() < 0) throw std::runtime_error("libsodium failed to start");
  randombytes_buf(Key_, sizeof Key_);
}

std::string TPasswordVault::Hash(const std::string& password) {
  char out[crypto_pwhash_STRBYTES];
  THashingPlace place(Hashing_);
  if (crypto_pwhash_str_alg(out, password.data(), password.size(), Options_.OpsLimit, Options_.MemLimit,
                            crypto_pwhash_ALG_ARGON2ID13) != 0)
    return {};
  return out;
}

std::string TPasswordVault::MemoryKey(const std::string& accountKey, const std::string& encodedHash,
                                      const std::string& password) const {
  // The stored hash is part of the key, so a pair remembered for one
  // account row never vouches for another.
  unsigned char digest[32];
  crypto_generichash_state st;
  crypto_generichash_init(&st, Key_, sizeof Key_, sizeof digest);
  for (const std::string* part : {&accountKey, &encodedHash, &password}) {
    const unsigned long long n = part->size();
    crypto_generichash_update(&st, reinterpret_cast<const unsigned char*>(&n), sizeof n);
    crypto_generichash_update(&st, reinterpret_cast<const unsigned char*>(part->data()), part->size());
  }
  crypto_generichash_final(&st, digest, sizeof digest);
  return std::string(reinterpret_cast<const char*>(digest), sizeof digest);
}

bool TPasswordVault::Verify(const std::string& accountKey, const std::string& encodedHash,
                            const std::string& password) {
  if (encodedHash.empty()) return false;
  const std::string key = MemoryKey(accountKey, encodedHash, password);
  const auto now = std::chrono::steady_clock::now();
  {
    std::lock_guard lock(Mutex_);
    auto it = Verified_.find(key);
    if (it != Verified_.end()) {
      if (it->second > now) return true;
      Verified_.erase(it);
    }
    // Someone guessing: refuse without spending a hash.
    auto f = Failures_.find(accountKey);
    if (f != Failures_.end()) {
      if (now - f->second.Since > std::chrono::minutes(1)) Failures_.erase(f);
      else if (f->second.Count >= Options_.FailuresPerMinute) return false;
    }
  }
  bool verified;
  {
    THashingPlace place(Hashing_);
    verified = crypto_pwhash_str_verify(encodedHash.c_str(), password.data(), password.size()) == 0;
  }
  std::lock_guard lock(Mutex_);
  if (!verified) {
    if (Failures_.size() > 100000) Failures_.clear();
    TFailures& f = Failures_[accountKey];
    if (f.Count == 0) f.Since = now;
    ++f.Count;
    return false;
  }
  if (Verified_.size() > 100000) {  // a bound on memory: forget the expired, or everything
    for (auto it = Verified_.begin(); it != Verified_.end();) it = it->second <= now ? Verified_.erase(it) : ++it;
    if (Verified_.size() > 100000) Verified_.clear();
  }
  Verified_[key] = now + Options_.Remember;
  return true;
}

}  // namespace zembra::service
