#include "online/online_club.h"

#include <QPointer>

#include <QFile>

#include "online/club_talk.h"
#include "records/file_store.h"

namespace zembra {

TOnlineClub::TOnlineClub(const std::string& recordsAddress, const std::string& statsAddress,
                         const QString& programFolder, QObject* parent)
    : QObject(parent),
      Endpoints(DefaultEndpoints(recordsAddress, statsAddress)),
      UserFilePath_(QString::fromStdString(UserFilePath(programFolder.toStdString()))) {
  connect(&Runner, &TRequestRunner::BusyChanged, this, &TOnlineClub::BusyChanged);
}

void TOnlineClub::StartUp(bool statsReported, std::function<void(bool)> done) {
  struct TStart {
    TServiceFile File;
    TServiceEndpoints Endpoints;
    bool Reported = false;
    TAccount Account;
  };
  const TServiceEndpoints endpoints = Endpoints;
  const std::string userFile = UserFilePath_.toStdString();
  const TAccount account = Current;
  Runner.Run<TStart>(
      this,
      [endpoints, userFile, account, statsReported] {
        TStart s;
        s.Endpoints = endpoints;
        // The service file beside the records address names the rest.
        if (const auto text = TServiceClient::Get(ServiceFileUrlFor(endpoints.Records))) {
          s.File = ReadServiceFile(*text);
          s.Endpoints = WithServiceFile(endpoints, s.File);
        }
        const TServiceClient client(s.Endpoints);
        s.Reported = statsReported;
        PostLaunchStats(client.Transport(), s.Reported);
        s.Account = account;
        const auto bytes = ReadWholeFile(userFile);
        AutoLogin(client.Transport(), s.Account, bytes ? ReadUserFileText(*bytes) : std::nullopt);
        return s;
      },
      [this, done = std::move(done)](TStart s) {
        File = std::move(s.File);
        Endpoints = std::move(s.Endpoints);
        Current = std::move(s.Account);
        if (File.News.Show) Q_EMIT NewsArrived(File.News);
        Q_EMIT AccountChanged();
        if (done) done(s.Reported);
      });
}

void TOnlineClub::WithAccount(std::function<void(const TPost&, TAccount&)> work, std::function<void()> done,
                              QObject* owner) {
  const bool owned = owner != nullptr;
  QPointer<QObject> guard(owner);
  const TServiceClient client(Endpoints);
  TAccount copy = Current;
  Runner.Run<TAccount>(
      this,
      [client, copy, work = std::move(work)]() mutable {
        work(client.Transport(), copy);
        return copy;
      },
      [this, done = std::move(done), owned, guard](TAccount a) {
        Current = std::move(a);
        Q_EMIT AccountChanged();
        if (done && (!owned || guard)) done();
      });
}

bool TOnlineClub::UserFileSaved() const { return QFile::exists(UserFilePath_); }

bool TOnlineClub::SaveUserFile() {
  if (!Current.LoggedIn()) return false;
  return WriteFileAtomically(UserFilePath_.toStdString(), UserFileText({Current.User.Nick, Current.User.PwC}));
}

bool TOnlineClub::DeleteUserFile() { return !QFile::exists(UserFilePath_) || QFile::remove(UserFilePath_); }

}  // namespace zembra
