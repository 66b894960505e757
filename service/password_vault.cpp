#include "service/password_vault.h"

#include <sodium.h>

#include <stdexcept>

namespace zembra::service {

TPasswordVault::TPasswordVault(TVaultOptions options) : Options_(options) {
  if (sodium_init() < 0) throw std::runtime_error("libsodium failed to start");
  randombytes_buf(Key_, sizeof Key_);
}

std::string TPasswordVault::Hash(const std::string& password) const {
  char out[crypto_pwhash_STRBYTES];
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
  }
  if (crypto_pwhash_str_verify(encodedHash.c_str(), password.data(), password.size()) != 0) return false;
  std::lock_guard lock(Mutex_);
  if (Verified_.size() > 100000) {  // a bound on memory: forget the expired, or everything
    for (auto it = Verified_.begin(); it != Verified_.end();) it = it->second <= now ? Verified_.erase(it) : ++it;
    if (Verified_.size() > 100000) Verified_.clear();
  }
  Verified_[key] = now + Options_.Remember;
  return true;
}

}  // namespace zembra::service
