#include "service/sql_store.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>

#include <atomic>
#include <map>
#include <unordered_map>

#include "service/schema.h"
#include "service/sql_connection.h"

namespace zembra::service {
namespace {

std::atomic<unsigned long long> gNextSerial{1};

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QVariant& v) { return v.toString().toStdString(); }

}  // namespace


bool ParseDatabaseUrl(const std::string& url, const std::string& dataFolder, TDatabaseAddress* out,
                      std::string* error) {
  *out = {};
  if (url.empty()) {
    out->Path = dataFolder + "/club.sqlite";
    return true;
  }
  if (url.rfind("sqlite:", 0) == 0) {
    std::string path = url.substr(7);
    if (path.empty()) {
      *error = "the SQLite address names no file";
      return false;
    }
    out->Path = path[0] == '/' ? path : dataFolder + "/" + path;
    return true;
  }
  const QUrl u(Q(url));
  if (!u.isValid() || (u.scheme() != "postgresql" && u.scheme() != "postgres")) {
    *error = "the database address is neither sqlite:FILE nor postgresql://…";
    return false;
  }
  const QUrlQuery query(u);
  out->Postgres = true;
  out->Host = u.host().toStdString();
  out->Port = u.port(5432);
  out->User = u.userName().toStdString();
  out->Password = u.password().toStdString();
  out->Name = u.path().mid(1).toStdString();
  if (query.hasQueryItem("host")) out->Host = query.queryItemValue("host", QUrl::FullyDecoded).toStdString();
  if (query.hasQueryItem("port")) out->Port = query.queryItemValue("port").toInt();
  if (query.hasQueryItem("user")) out->User = query.queryItemValue("user", QUrl::FullyDecoded).toStdString();
  if (out->Name.empty()) {
    *error = "the PostgreSQL address names no database";
    return false;
  }
  return true;
}

TSqlStore::TSqlStore(const TDatabaseAddress& address) : Address_(address), Serial_(gNextSerial++) {}

// Connections stay registered until the process ends: a worker thread's
// prepared statements may outlive the store by a moment, and removing a
// connection under a live statement is not allowed.
TSqlStore::~TSqlStore() = default;

TSqlStore::TConnection* TSqlStore::Connection(std::string* openError) {
  // Connections belong to the thread that opened them; a thread keeps one
  // per store for its whole life.
  thread_local std::unordered_map<unsigned long long, std::unique_ptr<TConnection>> connections;
  static std::atomic<unsigned long long> opened{0};
  auto it = connections.find(Serial_);
  if (it != connections.end()) {
    TConnection& c = *it->second;
    if (c.Suspect) {
      // After a failure, a database server that went away or restarted
      // leaves a dead line: try it, and open a new one when it is dead.
      QSqlQuery probe(c.Db());
      c.Suspect = !probe.exec("SELECT 1");
    }
    if (!c.Suspect && c.Db().isOpen()) return &c;
    const QString old = c.Name;
    connections.erase(it);
    QSqlDatabase::removeDatabase(old);
  }
  auto c = std::make_unique<TConnection>();
  c->Postgres = Address_.Postgres;
  c->Name = QStringLiteral("club-%1-%2-%3")
                .arg(Serial_)
                .arg(reinterpret_cast<quintptr>(QThread::currentThreadId()))
                .arg(opened++);
  {
    QSqlDatabase db = QSqlDatabase::contains(c->Name) ? QSqlDatabase::database(c->Name, false)
                                                      : QSqlDatabase::addDatabase(
                                                            Address_.Postgres ? "QPSQL" : "QSQLITE", c->Name);
    if (Address_.Postgres) {
      db.setHostName(Q(Address_.Host));
      db.setPort(Address_.Port);
      db.setDatabaseName(Q(Address_.Name));
      db.setUserName(Q(Address_.User));
      db.setPassword(Q(Address_.Password));
      db.setConnectOptions("connect_timeout=5");
    } else {
      db.setDatabaseName(Q(Address_.Path));
      db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10000");
    }
    if (!db.open()) {
      if (openError) *openError = db.lastError().text().toStdString();
      db = QSqlDatabase();
      QSqlDatabase::removeDatabase(c->Name);
      return nullptr;
    }
    if (Address_.Postgres) {
      QSqlQuery q(db);
      q.exec("SET client_min_messages TO warning");
    } else {
      QSqlQuery q(db);
      q.exec("PRAGMA journal_mode=WAL");
      q.exec("PRAGMA synchronous=FULL");
      q.exec("PRAGMA foreign_keys=ON");
    }
  }
  TConnection* raw = c.get();
  connections[Serial_] = std::move(c);
  return raw;
}

std::unique_ptr<TSqlStore> TSqlStore::Open(const TDatabaseAddress& address, std::string* error) {
  std::unique_ptr<TSqlStore> store(new TSqlStore(address));
  std::string reason;
  TConnection* c = store->Connection(&reason);
  if (!c) {
    *error = "cannot open the database: " + reason;
    return nullptr;
  }
  if (!store->Migrate(error)) return nullptr;
  return store;
}

bool TSqlStore::Migrate(std::string* error) {
  TConnection* c = Connection();
  QSqlDatabase db = c->Db();
  QSqlQuery q(db);
  // Several instances may start together on one PostgreSQL database: one
  // migrates, the others wait and then find the work done.
  if (c->Postgres && !q.exec("SELECT pg_advisory_lock(25680)")) {
    *error = "cannot lock the schema: " + q.lastError().text().toStdString();
    return false;
  }
  bool ok = q.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
  int version = 0;
  if (ok && q.exec("SELECT MAX(version) FROM schema_version") && q.next()) version = q.value(0).toInt();
  q.finish();
  const auto& steps = SchemaMigrations(c->Postgres);
  if (version > static_cast<int>(steps.size())) {
    *error = "the database has schema version " + std::to_string(version) + ", newer than this service knows (" +
             std::to_string(steps.size()) + "): run a newer zembra-service";
    ok = false;
  }
  for (size_t v = version; ok && v < steps.size(); ++v) {
    ok = c->Begin();
    for (const char* statement : steps[v]) {
      if (!ok) break;
      if (!q.exec(QString::fromUtf8(statement))) {
        *error = "schema step " + std::to_string(v + 1) + " failed: " + q.lastError().text().toStdString();
        ok = false;
      }
    }
    ok = ok && q.exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(v + 1));
    if (ok) ok = c->Commit();
    else c->Rollback();
  }
  if (c->Postgres) q.exec("SELECT pg_advisory_unlock(25680)");
  if (!ok && error->empty()) *error = "cannot bring the schema up to date: " + q.lastError().text().toStdString();
  return ok;
}

int TSqlStore::SchemaVersion() {
  TConnection* c = Connection();
  if (!c) return -1;
  QSqlQuery q(c->Db());
  return q.exec("SELECT MAX(version) FROM schema_version") && q.next() ? q.value(0).toInt() : -1;
}

std::unique_lock<std::mutex> TSqlStore::WriteTurn() {
  return Address_.Postgres ? std::unique_lock<std::mutex>() : std::unique_lock<std::mutex>(Writers_);
}

bool TSqlStore::Ping() {
  TConnection* c = Connection();
  return c && c->Number("SELECT 1", {}).has_value();
}

TCreateResult TSqlStore::CreateAccount(const TAccountRow& r, const std::string& passwordHash) {
  const auto turn = WriteTurn();
  TConnection* c = Connection();
  if (!c) return TCreateResult::Failed;
  const QString key = Q(r.Nick).toLower();
  QSqlQuery* q = c->Run(
      "INSERT INTO accounts (nick, nick_key, pw_hash, city, country1, country2, sex, email, dater, r01, r02, r03,"
      " r04, r05, r06, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
      " ON CONFLICT (nick_key) DO NOTHING RETURNING id",
      {Q(r.Nick), key, Q(passwordHash), Q(r.City), Q(r.Country1), Q(r.Country2), Q(r.Sex), Q(r.EMail),
       Q(r.DateR), Q(r.R01), Q(r.R02), Q(r.R03), qlonglong(r.R04), qlonglong(r.R05), qlonglong(r.R06),
       QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
  if (!q) return TCreateResult::Failed;
  const bool created = q->next();
  q->finish();
  return created ? TCreateResult::Created : TCreateResult::Taken;
}

std::optional<TStoredAccount> TSqlStore::FindAccount(const std::string& nick) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT id, pw_hash, nick, city, country1, country2, sex, email, dater, r01, r02, r03, r04, r05, r06"
      " FROM accounts WHERE nick_key = ?",
      {Q(nick).toLower()});
  if (!q) return std::nullopt;
  TStoredAccount a;
  if (q->next()) {
    a.Id = q->value(0).toLongLong();
    a.PasswordHash = S(q->value(1));
    a.Row = {S(q->value(2)), S(q->value(3)), S(q->value(4)), S(q->value(5)), S(q->value(6)),
             S(q->value(7)), S(q->value(8)), S(q->value(9)), S(q->value(10)), S(q->value(11)),
             q->value(12).toLongLong(), q->value(13).toLongLong(), q->value(14).toLongLong()};
  }
  q->finish();
  return a;
}

std::optional<int64_t> TSqlStore::CountAccounts() {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  return c->Number("SELECT COUNT(*) FROM accounts", {});
}

std::optional<TGameRow> TSqlStore::ReadGame(int64_t accountId, const std::string& tag) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT kon, best, rating, sessions, konl, score, r1, r2 FROM games WHERE account_id = ? AND tag = ?",
      {qlonglong(accountId), Q(tag)});
  if (!q) return std::nullopt;
  TGameRow g;
  if (q->next()) {
    g.Kon = q->value(0).toLongLong();
    g.Best = q->value(1).toLongLong();
    g.Rating = q->value(2).toDouble();
    g.Sessions = q->value(3).toLongLong();
    g.KonL = q->value(4).toLongLong();
    g.Score = q->value(5).toLongLong();
    g.R1 = q->value(6).toLongLong();
    g.R2 = S(q->value(7));
  }
  q->finish();
  return g;
}

bool TSqlStore::SaveGame(int64_t accountId, const std::string& tag, const TGameRow& g) {
  const auto turn = WriteTurn();
  TConnection* c = Connection();
  return c && c->Do(
                  "INSERT INTO games (account_id, tag, kon, best, rating, sessions, konl, score, r1, r2)"
                  " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (account_id, tag) DO UPDATE SET"
                  " kon = excluded.kon, best = excluded.best, rating = excluded.rating,"
                  " sessions = excluded.sessions, konl = excluded.konl, score = excluded.score,"
                  " r1 = excluded.r1, r2 = excluded.r2",
                  {qlonglong(accountId), Q(tag), qlonglong(g.Kon), qlonglong(g.Best), g.Rating,
                   qlonglong(g.Sessions), qlonglong(g.KonL), qlonglong(g.Score), qlonglong(g.R1), Q(g.R2)});
}

std::optional<std::vector<TTopRow>> TSqlStore::TopByRating(const std::string& tag, int limit) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating FROM games g"
      " JOIN accounts a ON a.id = g.account_id WHERE g.tag = ? AND g.kon > 0"
      " ORDER BY g.rating DESC, a.id LIMIT ?",
      {Q(tag), limit});
  if (!q) return std::nullopt;
  std::vector<TTopRow> rows;
  while (q->next())
    rows.push_back({S(q->value(0)), S(q->value(1)), S(q->value(2)), S(q->value(3)), S(q->value(4)),
                    q->value(5).toDouble()});
  q->finish();
  return rows;
}

std::optional<int64_t> TSqlStore::PlaceByRating(const std::string& tag, double rating) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  const auto above = c->Number("SELECT COUNT(*) FROM games WHERE tag = ? AND kon > 0 AND rating > ?", {Q(tag), rating});
  if (!above) return std::nullopt;
  return *above + 1;
}

std::optional<TInfoRow> TSqlStore::ReadInfo(int64_t accountId) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14 FROM infos WHERE account_id = ?",
      {qlonglong(accountId)});
  if (!q) return std::nullopt;
  TInfoRow info;
  if (q->next())
    for (int i = 0; i < 14; ++i) info[i] = S(q->value(i));
  q->finish();
  return info;
}

bool TSqlStore::SaveInfo(int64_t accountId, const TInfoRow& i) {
  const auto turn = WriteTurn();
  TConnection* c = Connection();
  return c && c->Do(
                  "INSERT INTO infos (account_id, f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14)"
                  " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (account_id) DO UPDATE SET"
                  " f1 = excluded.f1, f2 = excluded.f2, f3 = excluded.f3, f4 = excluded.f4, f5 = excluded.f5,"
                  " f6 = excluded.f6, f7 = excluded.f7, f8 = excluded.f8, f9 = excluded.f9, f10 = excluded.f10,"
                  " f11 = excluded.f11, f12 = excluded.f12, f13 = excluded.f13, f14 = excluded.f14",
                  {qlonglong(accountId), Q(i[0]), Q(i[1]), Q(i[2]), Q(i[3]), Q(i[4]), Q(i[5]), Q(i[6]), Q(i[7]),
                   Q(i[8]), Q(i[9]), Q(i[10]), Q(i[11]), Q(i[12]), Q(i[13])});
}

std::optional<std::vector<TRecordRow>> TSqlStore::ReadRecords(TConnection& c, int gid, int limit, int64_t offset) {
  QSqlQuery* q = c.Run(
      "SELECT id, score, nick, country, city, r07, r08, r09, r10 FROM records WHERE gid = ?"
      " ORDER BY score DESC, id LIMIT ? OFFSET ?",
      {gid, limit, qlonglong(offset)});
  if (!q) return std::nullopt;
  std::vector<TRecordRow> rows;
  while (q->next()) {
    TRecordRow r;
    r.Id = q->value(0).toLongLong();
    r.Gid = gid;
    r.Score = q->value(1).toLongLong();
    r.Nick = S(q->value(2));
    r.Country = S(q->value(3));
    r.City = S(q->value(4));
    r.R07 = S(q->value(5));
    r.R08 = S(q->value(6));
    r.R09 = S(q->value(7));
    r.R10 = S(q->value(8));
    r.Place = offset + static_cast<int64_t>(rows.size()) + 1;
    rows.push_back(std::move(r));
  }
  q->finish();
  return rows;
}

std::optional<std::vector<TRecordRow>> TSqlStore::TopRecords(int gid, int limit) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  return ReadRecords(*c, gid, limit, 0);
}

std::optional<int64_t> TSqlStore::CountRecords(int gid) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  return c->Number("SELECT COUNT(*) FROM records WHERE gid = ?", {gid});
}

std::optional<std::vector<TRecordRow>> TSqlStore::RecordsAround(int gid, const std::string& nick,
                                                                const std::string& city, int radius) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT id, score FROM records WHERE gid = ? AND nick = ? AND city = ? ORDER BY score DESC, id LIMIT 1",
      {gid, Q(nick), Q(city)});
  if (!q) return std::nullopt;
  if (!q->next()) {
    q->finish();
    return std::vector<TRecordRow>{};
  }
  const qlonglong id = q->value(0).toLongLong(), score = q->value(1).toLongLong();
  q->finish();
  const auto ahead = c->Number("SELECT COUNT(*) FROM records WHERE gid = ? AND (score > ? OR (score = ? AND id < ?))",
                               {gid, score, score, id});
  if (!ahead) return std::nullopt;
  const int64_t offset = std::max<int64_t>(0, *ahead - radius);
  return ReadRecords(*c, gid, static_cast<int>(*ahead - offset) + radius + 1, offset);
}

std::optional<int64_t> TSqlStore::AddRecord(const TRecordRow& r, bool numberInSequence) {
  const auto turn = WriteTurn();
  TConnection* c = Connection();
  if (!c || !c->Begin()) return std::nullopt;
  auto fail = [&]() -> std::optional<int64_t> {
    c->Rollback();
    return std::nullopt;
  };
  qlonglong score = r.Score;
  if (numberInSequence) {
    // Numbers in sequence even with several instances on one database.
    if (c->Postgres && !c->Do("SELECT pg_advisory_xact_lock(?)", {qlonglong(25680000) + r.Gid})) return fail();
    const auto top = c->Number("SELECT COALESCE(MAX(score), 0) FROM records WHERE gid = ?", {r.Gid});
    if (!top) return fail();
    score = *top + 1;
  }
  QSqlQuery* q = c->Run(
      "INSERT INTO records (gid, score, nick, country, city, r07, r08, r09, r10, created_at)"
      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id",
      {r.Gid, score, Q(r.Nick), Q(r.Country), Q(r.City), Q(r.R07), Q(r.R08), Q(r.R09), Q(r.R10),
       QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
  if (!q || !q->next()) {
    if (q) q->finish();
    return fail();
  }
  const qlonglong id = q->value(0).toLongLong();
  q->finish();
  const auto ahead = c->Number("SELECT COUNT(*) FROM records WHERE gid = ? AND (score > ? OR (score = ? AND id < ?))",
                               {r.Gid, score, score, id});
  if (!ahead || !c->Commit()) return fail();
  return *ahead + 1;
}

bool TSqlStore::AddStats(int gid, const TStatDelta& d) {
  const auto turn = WriteTurn();
  TConnection* c = Connection();
  const auto& x = d.X;
  return c && c->Do(
                  "INSERT INTO stats (gid, stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11,"
                  " x12, y, z) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, '')"
                  " ON CONFLICT (gid) DO UPDATE SET stat1 = stats.stat1 + excluded.stat1,"
                  " stat2 = stats.stat2 + excluded.stat2, stat3 = stats.stat3 + excluded.stat3,"
                  " stat4 = CASE WHEN excluded.stat4 = '' THEN stats.stat4 ELSE excluded.stat4 END,"
                  " x1 = stats.x1 + excluded.x1, x2 = stats.x2 + excluded.x2, x3 = stats.x3 + excluded.x3,"
                  " x4 = stats.x4 + excluded.x4, x5 = stats.x5 + excluded.x5, x6 = stats.x6 + excluded.x6,"
                  " x7 = stats.x7 + excluded.x7, x8 = stats.x8 + excluded.x8, x9 = stats.x9 + excluded.x9,"
                  " x10 = stats.x10 + excluded.x10, x11 = stats.x11 + excluded.x11, x12 = stats.x12 + excluded.x12",
                  {gid, qlonglong(d.Stat1), qlonglong(d.Stat2), qlonglong(d.Stat3), Q(d.Stat4.value_or("")),
                   qlonglong(x[0]), qlonglong(x[1]), qlonglong(x[2]), qlonglong(x[3]), qlonglong(x[4]),
                   qlonglong(x[5]), qlonglong(x[6]), qlonglong(x[7]), qlonglong(x[8]), qlonglong(x[9]),
                   qlonglong(x[10]), qlonglong(x[11])});
}

std::optional<TStatRow> TSqlStore::ReadStats(int gid) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12, y, z"
      " FROM stats WHERE gid = ?",
      {gid});
  if (!q) return std::nullopt;
  TStatRow s;
  if (q->next()) {
    s.Stat1 = q->value(0).toLongLong();
    s.Stat2 = q->value(1).toLongLong();
    s.Stat3 = q->value(2).toLongLong();
    s.Stat4 = S(q->value(3));
    for (int i = 0; i < 12; ++i) s.X[i] = q->value(4 + i).toLongLong();
    s.Y = q->value(16).toLongLong();
    s.Z = S(q->value(17));
  }
  q->finish();
  return s;
}

}  // namespace zembra::service
