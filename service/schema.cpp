#include "service/schema.h"

namespace zembra::service {
namespace {

// "{ID}" stands for the dialect's generated key.
#define ZEMBRA_SCHEMA_V1(ID)                                                                                   \
  {"CREATE TABLE accounts (id " ID ", nick TEXT NOT NULL, nick_key TEXT NOT NULL UNIQUE,"                      \
   " pw_hash TEXT NOT NULL, city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL,"               \
   " sex TEXT NOT NULL, email TEXT NOT NULL, dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL,"       \
   " r03 TEXT NOT NULL, r04 BIGINT NOT NULL, r05 BIGINT NOT NULL, r06 BIGINT NOT NULL,"                        \
   " created_at TEXT NOT NULL)",                                                                               \
   "CREATE TABLE games (account_id BIGINT NOT NULL REFERENCES accounts (id), tag TEXT NOT NULL,"               \
   " kon BIGINT NOT NULL, best BIGINT NOT NULL, rating DOUBLE PRECISION NOT NULL, sessions BIGINT NOT NULL,"   \
   " konl BIGINT NOT NULL, score BIGINT NOT NULL, r1 BIGINT NOT NULL, r2 TEXT NOT NULL,"                      \
   " PRIMARY KEY (account_id, tag))",                                                                          \
   "CREATE INDEX games_by_rating ON games (tag, rating DESC)",                                                 \
   "CREATE TABLE infos (account_id BIGINT PRIMARY KEY REFERENCES accounts (id), f1 TEXT NOT NULL,"             \
   " f2 TEXT NOT NULL, f3 TEXT NOT NULL, f4 TEXT NOT NULL, f5 TEXT NOT NULL, f6 TEXT NOT NULL,"                \
   " f7 TEXT NOT NULL, f8 TEXT NOT NULL, f9 TEXT NOT NULL, f10 TEXT NOT NULL, f11 TEXT NOT NULL,"              \
   " f12 TEXT NOT NULL, f13 TEXT NOT NULL, f14 TEXT NOT NULL)",                                                \
   "CREATE TABLE records (id " ID ", gid INTEGER NOT NULL, score BIGINT NOT NULL, nick TEXT NOT NULL,"         \
   " country TEXT NOT NULL, city TEXT NOT NULL, r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL,"      \
   " r10 TEXT NOT NULL, created_at TEXT NOT NULL)",                                                            \
   "CREATE INDEX records_by_score ON records (gid, score DESC, id)",                                           \
   "CREATE INDEX records_by_player ON records (gid, nick, city)",                                              \
   "CREATE TABLE stats (gid INTEGER PRIMARY KEY, stat1 BIGINT NOT NULL, stat2 BIGINT NOT NULL,"                \
   " stat3 BIGINT NOT NULL, stat4 TEXT NOT NULL, x1 BIGINT NOT NULL, x2 BIGINT NOT NULL, x3 BIGINT NOT NULL,"  \
   " x4 BIGINT NOT NULL, x5 BIGINT NOT NULL, x6 BIGINT NOT NULL, x7 BIGINT NOT NULL, x8 BIGINT NOT NULL,"      \
   " x9 BIGINT NOT NULL, x10 BIGINT NOT NULL, x11 BIGINT NOT NULL, x12 BIGINT NOT NULL, y BIGINT NOT NULL,"    \
   " z TEXT NOT NULL)"}

// Version 2: the tournament's score, matches and rating of each member.
#define ZEMBRA_SCHEMA_V2                                                                                      \
  {"CREATE TABLE tour (account_id BIGINT PRIMARY KEY REFERENCES accounts (id), score BIGINT NOT NULL,"         \
   " kon BIGINT NOT NULL, rating BIGINT NOT NULL)",                                                            \
   "CREATE INDEX tour_by_score ON tour (score DESC)", "CREATE INDEX tour_by_rating ON tour (rating DESC)",     \
   "CREATE INDEX tour_by_kon ON tour (kon DESC)"}

const std::vector<std::vector<const char*>> kSqlite = {ZEMBRA_SCHEMA_V1("INTEGER PRIMARY KEY"), ZEMBRA_SCHEMA_V2};
const std::vector<std::vector<const char*>> kPostgres = {ZEMBRA_SCHEMA_V1("BIGSERIAL PRIMARY KEY"), ZEMBRA_SCHEMA_V2};

#undef ZEMBRA_SCHEMA_V1
#undef ZEMBRA_SCHEMA_V2

}  // namespace

const std::vector<std::vector<const char*>>& SchemaMigrations(bool postgres) { return postgres ? kPostgres : kSqlite; }

}  // namespace zembra::service
