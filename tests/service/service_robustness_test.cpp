// The service under bad input, greedy or slow clients, signals and a crash;
// and its plain files.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <fstream>
#include <mutex>
#include <thread>

#include "records/options_file.h"
#include "service_fixture.h"

namespace zembra::service::test {
namespace {

const std::string kAccount = "/AccountService", kRecords = "/RecordsService", kStats = "/StatsService";

int Connect(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string JpegHead(int width, int height) {
  std::string b = {'\xFF', '\xD8', '\xFF', '\xC0', 0, 11, 8};
  for (int v : {height, width}) {
    b += static_cast<char>(v >> 8);
    b += static_cast<char>(v & 255);
  }
  return b + std::string(6, '\0') + "\xFF\xD9";
}

TEST_F(ServiceTest, BadInputIsRefusedAndNothingIsStored) {
  ASSERT_EQ(Register("Hal", "secret7").Body, "ok");
  struct TCase {
    std::string Path, Body;
    int Status;
  } cases[] = {
      {kAccount, "nick=Hal", 400},                                     // no request has only a nick
      {kAccount, "nick=Hal&&pw=secret7", 400},
      {kAccount, "nick=Ivy&pw=secret8&city=Moscow&email=a@b.cd", 400},  // registration without country and sex
      {kAccount, "nick=Abcdefghijklm&pw=secret8&city=Moscow&country1=Russia&country2=1-001&sex=M&email=a@b.cd"
                 "&dater=1&R01=&R02=&R03=&R04=0&R05=0&R06=0", 400},    // a 13-letter nick
      {kAccount, "nick=Ivy'--&pw=secret8&city=Moscow&country1=Russia&country2=1-001&sex=M&email=a@b.cd"
                 "&dater=1&R01=&R02=&R03=&R04=0&R05=0&R06=0", 400},    // SQL in a nick
      {kAccount, "nick=Ivy&pw=secret8&city=New York&country1=USA&country2=3-034&sex=W&email=a@b.cd"
                 "&dater=1&R01=&R02=&R03=&R04=0&R05=0&R06=0", 400},    // a space splits reply frames
      {kAccount, "nick=Ivy&pw=secret8&city=Moscow&country1=Rus$ia&country2=1-001&sex=M&email=a@b.cd"
                 "&dater=1&R01=&R02=&R03=&R04=0&R05=0&R06=0", 400},
      {kAccount, "nick=Ivy&pw=secret8&city=Moscow&country1=Russia&country2=9-001&sex=X&email=a@b.cd"
                 "&dater=1&R01=&R02=&R03=&R04=0&R05=0&R06=0", 400},
      {kAccount, "nick=Hal&pw=sec&ret7&label0=0", 400},                // a raw "&" in a password
      {kAccount, "nick=Hal&pw=secret7&tulvekkon=x&tulvekbest=0&tulvekrating=1&tulvekses=0&tulvekkonl=0"
                 "&tulvekscore=0&tulvekR1=0&tulvekR2=#", 400},
      {kAccount, "nick=Hal&pw=secret7&tulvekkon=1&tulvekbest=0&tulvekrating=1e999&tulvekses=0&tulvekkonl=0"
                 "&tulvekscore=0&tulvekR1=0&tulvekR2=#", 400},
      {kAccount, "tulvekrating=abc", 400},
      {kRecords, "gid=8&nick=Hal&city=Moscow&country=1-001&score=1&R7=M&R8=5.7f&R9=#&R10=a*b", 400},
      {kRecords, "gid=8&nick=H~l&city=Moscow&country=1-001&score=1&R7=M&R8=5.7f&R9=#&R10=#", 400},
      {kRecords, "gid=8&nick=Hal&city=Moscow&country=1-001&score=99999999999&R7=M&R8=5.7f&R9=#&R10=#", 400},
      {kRecords, "gid=8&nick=Hal&city=Mos%98cow&country=1-001&score=1&R7=M&R8=5.7f&R9=#&R10=#", 400},
      {kRecords, "gid=8&nick=Hal&city=Mos%07cow&country=1-001&score=1&R7=M&R8=5.7f&R9=#&R10=#", 400},
      {kRecords, "gid=-1", 400},
      {kRecords, "gid=8&gid=9", 400},
      {kStats, "gid=8&stat3=1&stat4=a b", 400},
      {"/TourService", "readtable108=0&&gid=8", 400},  // no such tournament request
  };
  for (const TCase& c : cases) {
    const TReply r = Post(c.Path, c.Body);
    EXPECT_EQ(r.Status, c.Status) << c.Body;
    for (const char* marker : {"ok", "is", "no"}) EXPECT_EQ(r.Body.find(marker), std::string::npos) << c.Body;
  }
  EXPECT_EQ(Post(kAccount, "label1=0").Body, "$1$");
  EXPECT_EQ(Post(kRecords, "rgid=8").Body, "$0$");
  EXPECT_EQ(Post(kStats, "gid=8").Body, "$0 0 0 # 0 0 0 0 0 0 0 0 0 0 0 0 0 #*");
  EXPECT_EQ(Post(kAccount, "nick=Hal&&pw=secret7&&tulvekbest=0").Body, "$0 0 0 0 0 0 0 #$");
}

TEST_F(ServiceTest, GreedyAndSlowClientsDoNotStopTheService) {
  // A 10 MB body is refused before it is read.
  const TReply huge = Post(kRecords, "gid=8&nick=" + std::string(10 << 20, 'x'));
  EXPECT_EQ(huge.Status, 413);
  // A client that sends half a request and waits holds one worker only.
  const int slow = Connect(Service_->Port());
  ASSERT_GE(slow, 0);
  const std::string half = "POST /RecordsService HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\ngid=";
  ASSERT_EQ(send(slow, half.data(), half.size(), 0), static_cast<ssize_t>(half.size()));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Post(kRecords, "rgid=8").Body, "$0$");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  // The slow one gets an error and is dropped after the read time-out.
  timeval wait{8, 0};
  setsockopt(slow, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  std::string answer;
  char buf[256];
  ssize_t got = 0;
  while ((got = recv(slow, buf, sizeof buf, 0)) > 0) answer.append(buf, static_cast<size_t>(got));
  EXPECT_EQ(got, 0) << "still open";
  EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), std::string::npos) << answer;
  close(slow);
  EXPECT_EQ(Get("/health").Body, "ok\n");
}

TEST_F(ServiceTest, ServesItsFiles) {
  const std::string file = Get("/service.txt").Body;
  const std::string base = "http://127.0.0.1:" + std::to_string(Service_->Port());
  const size_t at = file.find("AccPath=");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(DecipherAddress(file.substr(at + 8, file.find('#', at) - at - 8)), base + "/AccountService");
  // The operator's edits show at once.
  WriteFile(Data_ / "service.txt", "WTGamesPause#CTGamesPause#NewsZembra5.3=Y#Hello#{url:/news}#");
  EXPECT_EQ(Get("/service.txt").Body, "WTGamesPause#CTGamesPause#NewsZembra5.3=Y#Hello#" + base + "/news#");

  EXPECT_EQ(Get("/get_ip.php").Body, "127.0.0.1");
  EXPECT_NE(Get("/router.html").Body.find("port forwarding"), std::string::npos);
  EXPECT_EQ(Get("/health").Status, 200);

  WriteFile(Data_ / "downloads" / "OrvBackG03.dll", "pack bytes");
  WriteFile(Data_ / "musik" / "_playlist.html", "Club_Band~Evening_Waltz.mp3\n");
  EXPECT_EQ(Get("/downloads/progr/cards/OrvBackG03.dll").Body, "pack bytes");
  EXPECT_EQ(Get("/musik/_playlist.html").Body, "Club_Band~Evening_Waltz.mp3\n");
  EXPECT_EQ(Get("/downloads/progr/cards/Missing.dll").Status, 404);
  EXPECT_NE(Get("/downloads/progr/cards/../club.sqlite").Status, 200);
  EXPECT_NE(Get("/downloads/progr/cards/%2e%2e/service.txt").Status, 200);

  WriteFile(Data_ / "photos" / "ann.jpg", JpegHead(200, 250));
  WriteFile(Data_ / "photos" / "bob.jpg", JpegHead(320, 200));
  WriteFile(Data_ / "photos" / "cat.jpg", "<html>not a picture</html>");
  EXPECT_EQ(Get("/photos/Ann.jpg").Body, JpegHead(200, 250));  // nicks in any case
  EXPECT_EQ(Get("/photos/bob.jpg").Status, 404);
  EXPECT_EQ(Get("/photos/cat.jpg").Status, 404);
  EXPECT_EQ(Get("/photos/..%2Fservice.jpg").Status, 404);
}

TEST_F(ServiceTest, StopsCleanlyAndKeepsItsData) {
  ASSERT_EQ(Register("Jo", "secret9").Body, "ok");
  // One service for one data folder.
  TServiceProcess second;
  EXPECT_FALSE(second.Start(Data_.string(), Database_));
  EXPECT_EQ(second.ExitCode(), 3);
  Service_->Signal(SIGTERM);
  EXPECT_EQ(Service_->Wait(), 0);
  ASSERT_TRUE(StartService());
  EXPECT_EQ(Post(kAccount, "nick=Jo&&pw=secret9&&label0=0").Body.front(), '$');
  std::ifstream log(Data_ / "test.log");
  const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("AccountRegister nick=Jo"), std::string::npos);
  EXPECT_EQ(text.find("secret9"), std::string::npos);  // never a password
}

// A stop asked for the moment the service says it listens (a service
// manager's quick restart) is not lost, however the threads are scheduled.
TEST_F(ServiceTest, ASignalRightAfterStartUpStopsIt) {
  Service_->Signal(SIGTERM);
  ASSERT_EQ(Service_->Wait(), 0);
  for (int round = 0; round < 15; ++round) {
    TServiceProcess quick;
    ASSERT_TRUE(quick.Start(Data_.string(), Database_)) << round;
    quick.Signal(round % 2 ? SIGINT : SIGTERM);
    EXPECT_EQ(quick.WaitFor(8000), 0) << round;
  }
  ASSERT_TRUE(StartService());
}

TEST_F(ServiceTest, ADatabaseFromANewerServiceIsNotTouched) {
  if (!Database_.empty()) GTEST_SKIP() << "shown on SQLite";
  Service_->Signal(SIGTERM);
  ASSERT_EQ(Service_->Wait(), 0);
  const std::string db = (Data_ / "club.sqlite").string();
  ASSERT_EQ(std::system(("/usr/bin/python3 -c \"import sqlite3,sys; c=sqlite3.connect(sys.argv[1]); "
                         "c.execute('INSERT INTO schema_version VALUES (99)'); c.commit()\" " + db).c_str()),
            0);
  TServiceProcess newer;
  EXPECT_FALSE(newer.Start(Data_.string(), Database_));
  EXPECT_EQ(newer.ExitCode(), 2);
}

TEST_F(ServiceTest, ARestartedDatabaseServerIsReachedAgain) {
  const char* restart = std::getenv("ZEMBRA_TEST_PG_RESTART");
  if (!restart || Database_.empty()) GTEST_SKIP() << "needs the throw-away PostgreSQL server";
  ASSERT_EQ(Register("Kim", "secret10").Body, "ok");
  ASSERT_EQ(std::system(restart), 0);
  // The first request on a dead line may fail; none after it.
  Post(kAccount, "nick=Kim&&pw=secret10&&tulvekbest=0");
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Post(kAccount, "nick=Kim&&pw=secret10&&tulvekbest=0").Body, "$0 0 0 0 0 0 0 #$");
    EXPECT_EQ(Get("/health").Status, 200);
  }
}

TEST_F(ServiceTest, AKillLosesNoAcknowledgedWrite) {
  std::mutex mutex;
  std::vector<std::string> acknowledged;
  std::atomic<bool> stop{false};
  const int port = Service_->Port();
  std::vector<std::thread> writers;
  for (int w = 0; w < 4; ++w)
    writers.emplace_back([&, w] {
      httplib::Client client("127.0.0.1", port);
      client.set_read_timeout(5, 0);
      for (int i = 0; !stop; ++i) {
        const std::string nick = "W" + std::to_string(w) + "n" + std::to_string(i);
        auto res = client.Post(kRecords.c_str(),
                               "gid=8&nick=" + nick + "&city=Crash&country=1-001&score=" + std::to_string(i) +
                                   "&R7=M&R8=5.7f&R9=#&R10=#",
                               "application/x-www-form-urlencoded");
        if (!res) break;  // the service is gone
        if (res->status == 200 && res->body.front() == '$') {
          std::lock_guard lock(mutex);
          acknowledged.push_back(nick);
        }
      }
    });
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  Service_->Signal(SIGKILL);
  stop = true;
  for (auto& t : writers) t.join();
  EXPECT_EQ(Service_->Wait(), 128 + SIGKILL);
  ASSERT_GT(acknowledged.size(), 10u);
  ASSERT_TRUE(StartService());
  const std::string count = Post(kRecords, "rgid=8").Body;
  EXPECT_GE(std::stoll(count.substr(1)), static_cast<long long>(acknowledged.size()));
  for (const std::string& nick : acknowledged)
    ASSERT_NE(Post(kRecords, "gid=8&nick=" + nick + "&city=Crash").Body.find(" " + nick + " "), std::string::npos)
        << nick << " was acknowledged and is gone";
}

}  // namespace
}  // namespace zembra::service::test
