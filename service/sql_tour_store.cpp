// The tournament's part of the club's SQL store: one row per member who
// played, joined with the member's account for the tables.
#include "service/sql_connection.h"

namespace zembra::service {
namespace {

std::string Text(const QVariant& v) { return v.toString().toStdString(); }

// The ordering column of an order; a fixed text, never from a request.
const char* const kTopQueries[3] = {
    "SELECT a.nick, a.city, a.country2, a.sex, t.score, t.kon, t.rating FROM tour t JOIN accounts a ON a.id = "
    "t.account_id WHERE t.kon > 0 ORDER BY t.score DESC, a.id LIMIT ?",
    "SELECT a.nick, a.city, a.country2, a.sex, t.score, t.kon, t.rating FROM tour t JOIN accounts a ON a.id = "
    "t.account_id WHERE t.kon > 0 ORDER BY t.rating DESC, a.id LIMIT ?",
    "SELECT a.nick, a.city, a.country2, a.sex, t.score, t.kon, t.rating FROM tour t JOIN accounts a ON a.id = "
    "t.account_id WHERE t.kon > 0 ORDER BY t.kon DESC, a.id LIMIT ?"};
const char* const kPlaceQueries[3] = {"SELECT COUNT(*) FROM tour WHERE kon > 0 AND score > ?",
                                      "SELECT COUNT(*) FROM tour WHERE kon > 0 AND rating > ?",
                                      "SELECT COUNT(*) FROM tour WHERE kon > 0 AND kon > ?"};

}  // namespace

std::optional<TTourRow> TSqlStore::ReadTour(int64_t accountId) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(
      "SELECT a.nick, a.city, a.country2, a.sex, t.score, t.kon, t.rating FROM accounts a"
      " LEFT JOIN tour t ON t.account_id = a.id WHERE a.id = ?",
      {qlonglong(accountId)});
  if (!q) return std::nullopt;
  TTourRow r;
  if (q->next()) {
    r = {Text(q->value(0)), Text(q->value(1)), Text(q->value(2)), Text(q->value(3))};
    if (!q->value(4).isNull()) {
      r.Score = q->value(4).toLongLong();
      r.Kon = q->value(5).toLongLong();
      r.Rating = q->value(6).toLongLong();
    }
  }
  q->finish();
  return r;
}

bool TSqlStore::SaveTourMatch(int64_t firstId, const TTourRow& first, int64_t secondId, const TTourRow& second) {
  const auto turn = WriteTurn();
  TConnection* c = Connection();
  if (!c || !c->Begin()) return false;
  const char* upsert =
      "INSERT INTO tour (account_id, score, kon, rating) VALUES (?, ?, ?, ?) ON CONFLICT (account_id) DO UPDATE"
      " SET score = excluded.score, kon = excluded.kon, rating = excluded.rating";
  const bool ok =
      c->Do(upsert, {qlonglong(firstId), qlonglong(first.Score), qlonglong(first.Kon), qlonglong(first.Rating)}) &&
      c->Do(upsert, {qlonglong(secondId), qlonglong(second.Score), qlonglong(second.Kon), qlonglong(second.Rating)});
  if (!ok) {
    c->Rollback();
    return false;
  }
  return c->Commit();
}

std::optional<std::vector<TTourRow>> TSqlStore::TopTour(TTourOrder order, int limit) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  QSqlQuery* q = c->Run(kTopQueries[static_cast<int>(order)], {limit});
  if (!q) return std::nullopt;
  std::vector<TTourRow> rows;
  while (q->next())
    rows.push_back({Text(q->value(0)), Text(q->value(1)), Text(q->value(2)), Text(q->value(3)),
                    q->value(4).toLongLong(), q->value(5).toLongLong(), q->value(6).toLongLong()});
  q->finish();
  return rows;
}

std::optional<int64_t> TSqlStore::PlaceTour(TTourOrder order, int64_t value) {
  TConnection* c = Connection();
  if (!c) return std::nullopt;
  const auto above = c->Number(kPlaceQueries[static_cast<int>(order)], {qlonglong(value)});
  if (!above) return std::nullopt;
  return *above + 1;
}

}  // namespace zembra::service
