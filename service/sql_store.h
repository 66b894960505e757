// The club's store on Qt SQL: SQLite in one file of the data folder by
// default (write-ahead log, full sync, so an acknowledged write survives a
// crash), PostgreSQL for a club that runs several service instances on one
// database. Every statement is prepared and takes its values as parameters.
// Each worker thread gets its own connection, opened on first use.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "service/club_store.h"

class QSqlDatabase;
class QSqlQuery;

namespace zembra::service {

struct TDatabaseAddress {
  bool Postgres = false;
  std::string Path;  // SQLite: the file
  std::string Host, User, Password, Name;
  int Port = 5432;
};

// "sqlite:FILE" (relative to the data folder), "postgresql://user:pw@host:port/name"
// or "postgresql:///name?host=/socket/folder&port=5433&user=u"; an empty URL
// is the data folder's "club.sqlite".
bool ParseDatabaseUrl(const std::string& url, const std::string& dataFolder, TDatabaseAddress* out,
                      std::string* error);

class TSqlStore final : public TClubStore {
 public:
  // Opens the database and brings its schema to the current version;
  // nullptr and a reason when that fails.
  static std::unique_ptr<TSqlStore> Open(const TDatabaseAddress& address, std::string* error);
  ~TSqlStore() override;

  int SchemaVersion();

  TCreateResult CreateAccount(const TAccountRow& row, const std::string& passwordHash) override;
  std::optional<TStoredAccount> FindAccount(const std::string& nick) override;
  std::optional<int64_t> CountAccounts() override;
  std::optional<TGameRow> ReadGame(int64_t accountId, const std::string& tag) override;
  bool SaveGame(int64_t accountId, const std::string& tag, const TGameRow& game) override;
  std::optional<std::vector<TTopRow>> TopByRating(const std::string& tag, int limit) override;
  std::optional<int64_t> PlaceByRating(const std::string& tag, double rating) override;
  std::optional<TInfoRow> ReadInfo(int64_t accountId) override;
  bool SaveInfo(int64_t accountId, const TInfoRow& info) override;
  std::optional<std::vector<TRecordRow>> TopRecords(int gid, int limit) override;
  std::optional<int64_t> CountRecords(int gid) override;
  std::optional<std::vector<TRecordRow>> RecordsAround(int gid, const std::string& nick, const std::string& city,
                                                       int radius) override;
  std::optional<int64_t> AddRecord(const TRecordRow& row, bool numberInSequence) override;
  bool AddStats(int gid, const TStatDelta& delta) override;
  std::optional<TStatRow> ReadStats(int gid) override;
  std::optional<TTourRow> ReadTour(int64_t accountId) override;
  bool SaveTourMatch(int64_t firstId, const TTourRow& first, int64_t secondId, const TTourRow& second) override;
  std::optional<std::vector<TTourRow>> TopTour(TTourOrder order, int limit) override;
  std::optional<int64_t> PlaceTour(TTourOrder order, int64_t value) override;
  bool Ping() override;

 private:
  struct TConnection;
  explicit TSqlStore(const TDatabaseAddress& address);
  TConnection* Connection(std::string* openError = nullptr);
  bool Migrate(std::string* error);
  std::optional<std::vector<TRecordRow>> ReadRecords(TConnection& c, int gid, int limit, int64_t offset);

  // SQLite takes one writer at a time; writers of this process queue here
  // instead of in SQLite's busy wait, whose growing sleeps make long tails.
  std::unique_lock<std::mutex> WriteTurn();

  TDatabaseAddress Address_;
  const unsigned long long Serial_;
  std::mutex Writers_;
};

}  // namespace zembra::service
