// The tournament's ten tables with two seats each, as the club service
// keeps them in memory: who sits where, the rules for taking, leaving and
// clearing a seat, and where the game server listens. Shared by the
// tournament's HTTP requests and its game server, so every call is
// guarded by one lock.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace zembra::service {

inline constexpr int kTourTables = 10;
// Table 1's game port unless the service is told otherwise.
inline constexpr int kTourDefaultPort = 25701;

// A seated player as the game describes itself.
struct TTourClient {
  std::string Nick, Country, City, Sex, IP;
  int64_t Score = 0, Kon = 0, Rating = 0;
};

enum class TSeatResult { Taken = 0, Refused = 1, Occupied = 2 };

struct TTourTableView {
  std::array<std::optional<TTourClient>, 2> Seats;
  bool Playing = false;
};

class TTourHall {
 public:
  // Where the game server's table 1 listens (table k on port1 - 1 + k);
  // running: whether it does; the operator's greeting.
  void SetServer(std::string address, int port1, bool running, std::string greeting);
  std::string Address() const;
  int Port1() const;
  bool Running() const;
  std::string Greeting() const;

  // Seat 1 first: seat 2 only while seat 1 is held; one seat per nick;
  // an occupied seat answers Occupied.
  TSeatResult Take(int table, int seat, const TTourClient& client);
  // The player leaves: the seat must be held. Refused otherwise.
  TSeatResult Leave(int table, int seat);
  // The seat is emptied, whoever held it (nothing to do is fine).
  TSeatResult Clear(int table, int seat);

  std::array<TTourTableView, kTourTables> Tables() const;
  std::optional<TTourClient> Client(int table, int seat) const;

  // The game server's side: a game starts and ends at a table.
  void SetPlaying(int table, bool playing);
  // Called (outside the lock) when a held seat is emptied through a
  // request, so the game server can end what runs there.
  std::function<void(int table, int seat)> OnSeatFreed;

  static bool ValidPlace(int table, int seat) { return table >= 1 && table <= kTourTables && (seat == 1 || seat == 2); }

 private:
  mutable std::mutex Mutex_;
  std::array<TTourTableView, kTourTables> Tables_{};
  std::string Address_ = "127.0.0.1", Greeting_;
  int Port1_ = 0;
  bool Running_ = false;
};

}  // namespace zembra::service
