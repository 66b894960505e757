// Passwords are kept only as salted Argon2id hashes. The game sends the
// password with many requests (a rated match reads and writes the record
// twice), so a pair that verified is remembered for a few minutes, keyed by
// a keyed hash of the password that lives only in this process's memory.
#pragma once

#include <chrono>
#include <mutex>
#include <semaphore>
#include <string>
#include <unordered_map>

namespace zembra::service {

struct TVaultOptions {
  unsigned long long OpsLimit = 2;
  size_t MemLimit = 19u << 20;  // 19 MiB
  std::chrono::seconds Remember{300};
  // Hashes under way at once: each takes MemLimit of memory.
  int ConcurrentHashes = 4;
  // After this many wrong passwords for one account within a minute, the
  // account refuses without hashing until the minute is over.
  int FailuresPerMinute = 10;
};

class TPasswordVault {
 public:
  explicit TPasswordVault(TVaultOptions options = {});

  // The encoded hash (algorithm, parameters, salt and hash in one text);
  // empty when hashing failed (out of memory).
  std::string Hash(const std::string& password);
  // accountKey names the account (its id) for the short-lived memory.
  bool Verify(const std::string& accountKey, const std::string& encodedHash, const std::string& password);

 private:
  std::string MemoryKey(const std::string& accountKey, const std::string& encodedHash,
                        const std::string& password) const;

  struct TFailures {
    int Count = 0;
    std::chrono::steady_clock::time_point Since;
  };

  TVaultOptions Options_;
  unsigned char Key_[32];
  std::counting_semaphore<64> Hashing_;
  std::mutex Mutex_;
  std::unordered_map<std::string, std::chrono::steady_clock::time_point> Verified_;
  std::unordered_map<std::string, TFailures> Failures_;
};

}  // namespace zembra::service
