// Where the club keeps its members, their game records and personal info,
// the numbered club tables (world top ten, chat) and the statistics
// counters. Every operation is one short transaction; nullopt or false means
// the database failed, never that a row was missing where a row is optional.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zembra::service {

struct TAccountRow {
  std::string Nick, City, Country1, Country2, Sex, EMail, DateR, R01, R02, R03;
  int64_t R04 = 0, R05 = 0, R06 = 0;
};

struct TStoredAccount {
  int64_t Id = 0;
  std::string PasswordHash;
  TAccountRow Row;
};

struct TGameRow {
  int64_t Kon = 0, Best = 0, Sessions = 0, KonL = 0, Score = 0, R1 = 0;
  double Rating = 0;
  std::string R2 = "#";
};

// Personal info in the order it travels: name 1, name 2, about, telephone,
// e-mail, web site, Skype, OK, VK, Telegram, Facebook, Twitter, Instagram,
// YouTube.
using TInfoRow = std::array<std::string, 14>;

struct TTopRow {
  std::string Nick, City, Country1, Country2, Sex;
  double Rating = 0;
};

struct TRecordRow {
  int64_t Id = 0;
  int Gid = 0;
  int64_t Score = 0;
  std::string Nick, Country, City, R07, R08, R09, R10;
  int64_t Place = 0;
};

struct TStatRow {
  int64_t Stat1 = 0, Stat2 = 0, Stat3 = 0;
  std::string Stat4;
  std::array<int64_t, 12> X{};
  int64_t Y = 0;
  std::string Z;
};

struct TStatDelta {
  int64_t Stat1 = 0, Stat2 = 0, Stat3 = 0;
  std::optional<std::string> Stat4;
  std::array<int64_t, 12> X{};
};

// A member's tournament record with what the tables show of the member.
inline constexpr int64_t kTourStartRating = 1500;
struct TTourRow {
  std::string Nick, City, Country, Sex;  // Country: the "D-NNN" code
  int64_t Score = 0, Kon = 0, Rating = kTourStartRating;
};
enum class TTourOrder { Score, Rating, Games };

enum class TCreateResult { Created, Taken, Failed };

class TClubStore {
 public:
  virtual ~TClubStore() = default;

  // Nicks are unique regardless of case.
  virtual TCreateResult CreateAccount(const TAccountRow& row, const std::string& passwordHash) = 0;
  // nullopt on a database failure; an empty account (Id 0) when no such nick.
  virtual std::optional<TStoredAccount> FindAccount(const std::string& nick) = 0;
  virtual std::optional<int64_t> CountAccounts() = 0;

  // A member without a record reads the defaults.
  virtual std::optional<TGameRow> ReadGame(int64_t accountId, const std::string& tag) = 0;
  virtual bool SaveGame(int64_t accountId, const std::string& tag, const TGameRow& game) = 0;
  virtual std::optional<std::vector<TTopRow>> TopByRating(const std::string& tag, int limit) = 0;
  // 1 + the members whose rating is above the given one.
  virtual std::optional<int64_t> PlaceByRating(const std::string& tag, double rating) = 0;

  virtual std::optional<TInfoRow> ReadInfo(int64_t accountId) = 0;
  virtual bool SaveInfo(int64_t accountId, const TInfoRow& info) = 0;

  // Rows by score, highest first (the oldest first among equal scores), with
  // their places.
  virtual std::optional<std::vector<TRecordRow>> TopRecords(int gid, int limit) = 0;
  virtual std::optional<int64_t> CountRecords(int gid) = 0;
  // The rows around the best entry of the nick and city: `radius` places
  // each side. Empty when the player has no entry.
  virtual std::optional<std::vector<TRecordRow>> RecordsAround(int gid, const std::string& nick,
                                                               const std::string& city, int radius) = 0;
  // Adds the row and returns its place. With numberInSequence the score is
  // replaced by one more than the table's highest (the chat's numbering).
  virtual std::optional<int64_t> AddRecord(const TRecordRow& row, bool numberInSequence) = 0;

  virtual bool AddStats(int gid, const TStatDelta& delta) = 0;
  virtual std::optional<TStatRow> ReadStats(int gid) = 0;

  // The tournament: a member who never played reads the start values.
  virtual std::optional<TTourRow> ReadTour(int64_t accountId) = 0;
  // Both players' records after a match, in one transaction.
  virtual bool SaveTourMatch(int64_t firstId, const TTourRow& first, int64_t secondId, const TTourRow& second) = 0;
  // Members who played, best first in the order (the earliest member first
  // among equals).
  virtual std::optional<std::vector<TTourRow>> TopTour(TTourOrder order, int limit) = 0;
  // 1 + the players whose value in the order is above the given one.
  virtual std::optional<int64_t> PlaceTour(TTourOrder order, int64_t value) = 0;

  // A trivial query: the health endpoint's answer.
  virtual bool Ping() = 0;
};

}  // namespace zembra::service
