// Inside the club's SQL store: one worker thread's connection with its
// prepared statements, shared by the files that implement the store.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>

#include "service/sql_store.h"

namespace zembra::service {

// One thread's connection and its prepared statements, kept for the
// thread's life so that a statement is parsed once.
struct TSqlStore::TConnection {
  QString Name;
  bool Postgres = false;
  bool Suspect = false;  // a statement failed: look at the line before the next use
  std::map<const char*, std::unique_ptr<QSqlQuery>> Prepared;

  QSqlDatabase Db() const { return QSqlDatabase::database(Name, false); }

  // The prepared statement for the text (the same literal every time), its
  // values bound in order; nullptr when it does not prepare.
  QSqlQuery* Statement(const char* sql, std::initializer_list<QVariant> values) {
    auto it = Prepared.find(sql);
    if (it == Prepared.end()) {
      auto q = std::make_unique<QSqlQuery>(Db());
      if (!q->prepare(QString::fromUtf8(sql))) return nullptr;
      it = Prepared.emplace(sql, std::move(q)).first;
    }
    QSqlQuery* q = it->second.get();
    int i = 0;
    for (const QVariant& v : values) q->bindValue(i++, v);
    return q;
  }

  // Runs a statement; for a read, the caller takes the rows and calls
  // finish() (a read left open would hold its snapshot).
  QSqlQuery* Run(const char* sql, std::initializer_list<QVariant> values) {
    QSqlQuery* q = Statement(sql, values);
    if (!q) return nullptr;
    if (!q->exec()) {
      q->finish();
      Suspect = true;
      return nullptr;
    }
    return q;
  }

  bool Do(const char* sql, std::initializer_list<QVariant> values = {}) {
    QSqlQuery* q = Run(sql, values);
    if (q) q->finish();
    return q != nullptr;
  }

  std::optional<int64_t> Number(const char* sql, std::initializer_list<QVariant> values) {
    QSqlQuery* q = Run(sql, values);
    if (!q) return std::nullopt;
    std::optional<int64_t> n;
    if (q->next()) n = q->value(0).toLongLong();
    q->finish();
    return n;
  }

  // A write transaction: SQLite takes the write lock at once, so two
  // writers wait for each other instead of failing half-way.
  bool Begin() {
    QSqlQuery q(Db());
    return q.exec(Postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
  }
  bool Commit() {
    QSqlQuery q(Db());
    return q.exec(QStringLiteral("COMMIT"));
  }
  void Rollback() {
    QSqlQuery q(Db());
    q.exec(QStringLiteral("ROLLBACK"));
  }
};

}  // namespace zembra::service
