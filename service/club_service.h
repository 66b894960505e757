// The club service's rules: one form in, one reply out, with no HTTP in
// sight. The web layer hands each POST body here with its endpoint; the
// tests drive the same entry directly.
#pragma once

#include <string>
#include <string_view>

#include "service/club_request.h"
#include "service/club_store.h"
#include "service/password_vault.h"
#include "service/reply_cache.h"

namespace zembra::service {

struct TServiceReply {
  int Status = 200;
  std::string Body;  // code page 1251, as the game reads it
  TRequestKind Kind = TRequestKind::Unknown;
  std::string Nick;  // for the log; never the password
};

class TClubService {
 public:
  // cacheAge: how long a read's reply may be given again while no write
  // came through this service (other instances on the same database may
  // write meanwhile).
  TClubService(TClubStore& store, TPasswordVault& vault,
               std::chrono::milliseconds cacheAge = std::chrono::milliseconds(1000))
      : Store_(store), Vault_(vault), Cache_(cacheAge) {}

  TServiceReply Handle(TEndpoint endpoint, std::string_view body);

 private:
  TServiceReply Register(const TForm& f);
  TServiceReply Login(const TForm& f);
  TServiceReply Members();
  TServiceReply TopTen();
  TServiceReply Place(const TForm& f);
  TServiceReply ReadGame(const TForm& f);
  TServiceReply SaveGame(const TForm& f);
  TServiceReply ReadInfo(const TForm& f);
  TServiceReply SaveInfo(const TForm& f);
  TServiceReply CountRecords(const TForm& f);
  TServiceReply TopRecords(const TForm& f);
  TServiceReply AroundRecords(const TForm& f);
  TServiceReply SubmitRecord(const TForm& f);
  TServiceReply ReadStats(const TForm& f);
  TServiceReply PostStats(TRequestKind kind, const TForm& f);

  // The account when nick and pw name one; Id 0 when they do not; nullopt
  // when the database failed.
  std::optional<TStoredAccount> Authenticate(const TForm& f);

  TServiceReply Dispatch(TRequestKind kind, const TForm& f);

  TClubStore& Store_;
  TPasswordVault& Vault_;
  TReplyCache Cache_;
};

}  // namespace zembra::service
