#include "service/radio_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <pthread.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <vector>

#include "records/file_store.h"
#include "service/radio_config.h"

namespace zembra::service {
namespace {

std::string RandomWord() {
  static constexpr char kAlphabet[] = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
  std::string word;
  for (int i = 0; i < 24; ++i)
    word += kAlphabet[QRandomGenerator::system()->bounded(static_cast<int>(sizeof(kAlphabet) - 1))];
  return word;
}

sockaddr_in Address(const std::string& host, int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  inet_pton(AF_INET, host.c_str(), &a.sin_addr);
  return a;
}

// Whether the port can be bound now (nobody else listens on it).
bool PortFree(const std::string& host, int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const int one = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  const sockaddr_in a = Address(host, port);
  const bool free = bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
  close(fd);
  return free;
}

bool PortAnswers(const std::string& host, int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const sockaddr_in a = Address(host, port);
  const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
  close(fd);
  return answers;
}

// Who a child runs as: Icecast refuses to run as root, so a root service
// hands it to the user Debian's package made for it.
struct TChildUser {
  bool Drop = false;
  uid_t Uid = 0;
  gid_t Gid = 0;
};

TChildUser ServerUser() {
  TChildUser u;
  if (geteuid() != 0) return u;
  for (const char* name : {"icecast2", "nobody"}) {
    if (const passwd* pw = getpwnam(name)) {
      u.Drop = true;
      u.Uid = pw->pw_uid;
      u.Gid = pw->pw_gid;
      break;
    }
  }
  return u;
}

std::unique_ptr<QProcess> StartChild(const QString& program, const QStringList& args, const QString& logPath,
                                     TChildUser user) {
  auto p = std::make_unique<QProcess>();
  p->setChildProcessModifier([user] {
    // The service blocks its stop signals for its waiting thread; the
    // child must feel them, and end when the thread that started it ends.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_UNBLOCK, &all, nullptr);
    if (user.Drop && (setgroups(0, nullptr) != 0 || setgid(user.Gid) != 0 || setuid(user.Uid) != 0)) _exit(127);
    // After the change of user: a change of credentials clears it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
  });
  p->setProcessChannelMode(QProcess::MergedChannels);
  if (logPath.isEmpty()) p->setProcessChannelMode(QProcess::ForwardedChannels);
  else p->setStandardOutputFile(logPath, QIODevice::Append);
  p->start(program, args);
  if (!p->waitForStarted(5000)) return nullptr;
  return p;
}

void EndChild(QProcess& p) {
  if (p.state() == QProcess::NotRunning) return;
  p.terminate();
  if (!p.waitForFinished(3000)) {
    p.kill();
    p.waitForFinished(1000);
  }
}

// Writes a file only its owner may read.
bool WritePrivate(const std::string& path, const std::string& text, const TChildUser& owner = {}) {
  if (!WriteFileAtomically(path, text)) return false;
  if (owner.Drop && chown(path.c_str(), owner.Uid, owner.Gid) != 0) return false;
  return chmod(path.c_str(), 0600) == 0;
}

}  // namespace

TRadioServer::TRadioServer(TRadioServerOptions options, TRequestLog& log) : Options(std::move(options)), Log(log) {}

TRadioServer::~TRadioServer() { Stop(); }

void TRadioServer::Start() {
  if (Options.Port <= 0 || Worker) return;
  Worker.reset(QThread::create([this] { Run(); }));
  Worker->start();
}

void TRadioServer::Stop() {
  {
    std::lock_guard lock(Mutex);
    Stopping = true;
  }
  Wake.notify_all();
  if (Worker) Worker->wait();
}

bool TRadioServer::WaitOrStop(int ms) {
  std::unique_lock lock(Mutex);
  return Wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return Stopping; });
}

void TRadioServer::Run() {
  const std::string port = std::to_string(Options.Port);
  const QString icecast = QStandardPaths::findExecutable("icecast2");
  const QString ezstream = QStandardPaths::findExecutable("ezstream");
  if (icecast.isEmpty() || ezstream.isEmpty()) {
    Log.Notice("radio off: icecast2 or ezstream is not installed");
    return;
  }
  std::vector<std::string> tracks;
  for (const QFileInfo& f : QDir(Options.MusicFolder).entryInfoList({"*.mp3", "*.MP3"}, QDir::Files, QDir::Name))
    tracks.push_back(f.absoluteFilePath().toStdString());
  if (tracks.empty()) {
    Log.Notice("radio off: no MP3 files in " + Options.MusicFolder.toStdString());
    return;
  }
  if (!PortFree(Options.Host, Options.Port)) {
    Log.Notice("radio off: port " + port + " is in use");
    return;
  }

  // The passwords stay the same from run to run, in the data folder.
  const QString folder = Options.DataFolder + "/radio";
  QDir().mkpath(folder);
  const std::string passwordsPath = (folder + "/passwords").toStdString();
  TRadioPasswords words = ReadRadioPasswords(ReadWholeFile(passwordsPath).value_or(""));
  if (words.Source.empty() || words.Admin.empty()) {
    words = {RandomWord(), RandomWord()};
    if (!WritePrivate(passwordsPath, WriteRadioPasswords(words))) {
      Log.Notice("radio off: cannot write " + passwordsPath);
      return;
    }
  }
  TRadioServerConfig config;
  config.Host = Options.Host;
  config.Port = Options.Port;
  config.SourcePassword = words.Source;
  config.AdminPassword = words.Admin;

  // The server's own folder: in the data folder, or, when the server runs
  // as another user who cannot enter it, a private folder of that user's.
  const TChildUser user = ServerUser();
  std::string serverFolder = folder.toStdString();
  if (user.Drop) {
    char pattern[] = "/tmp/zembra-radio-XXXXXX";
    if (!mkdtemp(pattern) || chown(pattern, user.Uid, user.Gid) != 0) {
      Log.Notice("radio off: cannot make a folder for icecast2");
      return;
    }
    serverFolder = pattern;
  }
  config.BaseFolder = serverFolder;
  const std::string serverConfig = serverFolder + "/icecast.xml";
  if (!WritePrivate(serverConfig, IcecastConfig(config), user)) {
    Log.Notice("radio off: cannot write " + serverConfig);
    return;
  }

  std::unique_ptr<QProcess> server = StartChild(icecast, {"-c", QString::fromStdString(serverConfig)},
                                                Options.LogPath, user);
  std::vector<std::unique_ptr<QProcess>> stations;
  auto cleanUp = [&] {
    for (auto& s : stations) EndChild(*s);
    if (server) EndChild(*server);
    if (user.Drop) std::filesystem::remove_all(serverFolder);
  };
  if (!server) {
    Log.Notice("radio off: icecast2 did not start");
    cleanUp();
    return;
  }
  bool up = false;
  for (int i = 0; i < 100 && !up; ++i) {
    if (WaitOrStop(100) || server->state() == QProcess::NotRunning) break;
    up = PortAnswers(Options.Host, Options.Port);
  }
  if (!up) {
    if (!Stopping) Log.Notice("radio off: icecast2 does not answer on port " + port);
    cleanUp();
    return;
  }

  const std::string playlist = (folder + "/club.m3u").toStdString();
  if (!WriteFileAtomically(playlist, RadioPlaylist(tracks))) {
    Log.Notice("radio off: cannot write " + playlist);
    cleanUp();
    return;
  }
  for (const TClubStation& s : kClubStations) {
    const QString name = QFileInfo(QString::fromLatin1(s.Mount)).baseName();
    const std::string path = (folder + "/station-" + name + ".xml").toStdString();
    if (!WritePrivate(path, EzstreamConfig(config, s, playlist))) continue;
    if (auto p = StartChild(ezstream, {"-c", QString::fromStdString(path)}, Options.LogPath, {}))
      stations.push_back(std::move(p));
  }
  Log.Notice("radio on http://" + Options.Host + ":" + port + " with " + std::to_string(stations.size()) +
             " stations of " + std::to_string(tracks.size()) + " tracks");
  while (!WaitOrStop(1000)) {
  }
  cleanUp();
  Log.Notice("radio stopped");
}

}  // namespace zembra::service
