#include "service/tour_hall.h"

namespace zembra::service {

void TTourHall::SetServer(std::string address, int port1, bool running, std::string greeting) {
  const std::lock_guard lock(Mutex_);
  Address_ = std::move(address);
  Port1_ = port1;
  Running_ = running;
  Greeting_ = std::move(greeting);
}

std::string TTourHall::Address() const {
  const std::lock_guard lock(Mutex_);
  return Address_;
}

int TTourHall::Port1() const {
  const std::lock_guard lock(Mutex_);
  return Port1_;
}

bool TTourHall::Running() const {
  const std::lock_guard lock(Mutex_);
  return Running_;
}

std::string TTourHall::Greeting() const {
  const std::lock_guard lock(Mutex_);
  return Greeting_;
}

TSeatResult TTourHall::Take(int table, int seat, const TTourClient& client) {
  if (!ValidPlace(table, seat) || client.Nick.empty()) return TSeatResult::Refused;
  const std::lock_guard lock(Mutex_);
  TTourTableView& t = Tables_[static_cast<size_t>(table - 1)];
  if (t.Seats[static_cast<size_t>(seat - 1)]) return TSeatResult::Occupied;
  if (seat == 2 && !t.Seats[0]) return TSeatResult::Refused;
  for (const TTourTableView& other : Tables_)
    for (const auto& s : other.Seats)
      if (s && s->Nick == client.Nick) return TSeatResult::Refused;  // one seat a player
  t.Seats[static_cast<size_t>(seat - 1)] = client;
  return TSeatResult::Taken;
}

TSeatResult TTourHall::Leave(int table, int seat) {
  if (!ValidPlace(table, seat)) return TSeatResult::Refused;
  {
    const std::lock_guard lock(Mutex_);
    auto& s = Tables_[static_cast<size_t>(table - 1)].Seats[static_cast<size_t>(seat - 1)];
    if (!s) return TSeatResult::Refused;
    s.reset();
  }
  if (OnSeatFreed) OnSeatFreed(table, seat);
  return TSeatResult::Taken;
}

TSeatResult TTourHall::Clear(int table, int seat) {
  if (!ValidPlace(table, seat)) return TSeatResult::Refused;
  bool held = false;
  {
    const std::lock_guard lock(Mutex_);
    auto& s = Tables_[static_cast<size_t>(table - 1)].Seats[static_cast<size_t>(seat - 1)];
    held = s.has_value();
    s.reset();
  }
  if (held && OnSeatFreed) OnSeatFreed(table, seat);
  return TSeatResult::Taken;
}

std::array<TTourTableView, kTourTables> TTourHall::Tables() const {
  const std::lock_guard lock(Mutex_);
  return Tables_;
}

std::optional<TTourClient> TTourHall::Client(int table, int seat) const {
  if (!ValidPlace(table, seat)) return std::nullopt;
  const std::lock_guard lock(Mutex_);
  return Tables_[static_cast<size_t>(table - 1)].Seats[static_cast<size_t>(seat - 1)];
}

void TTourHall::SetPlaying(int table, bool playing) {
  if (table < 1 || table > kTourTables) return;
  const std::lock_guard lock(Mutex_);
  Tables_[static_cast<size_t>(table - 1)].Playing = playing;
}

}  // namespace zembra::service
