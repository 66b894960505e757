// The club radio for real: the service started on loopback with a music
// folder of one short MP3 made here with sox and lame; its Icecast server
// sends each of the club's stations as MP3 audio, and ends with the
// service. Skipped where icecast2, ezstream, sox or lame is missing.
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "media/club_stations.h"
#include "service/radio_config.h"
#include "service_process.h"

namespace zembra::service::test {
namespace {

namespace fs = std::filesystem;

bool Have(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  close(fd);
  return ntohs(a.sin_port);
}

struct TMountReply {
  int Status = 0;
  std::string ContentType;
  std::string Bytes;
};

// The first bytes a mount sends (at most limit), within a few seconds.
TMountReply ReadMount(int port, const std::string& mount, size_t limit) {
  httplib::Client client("127.0.0.1", port);
  client.set_connection_timeout(2, 0);
  client.set_read_timeout(5, 0);
  TMountReply reply;
  auto res = client.Get(
      mount,
      [&](const httplib::Response& r) {
        reply.Status = r.status;
        reply.ContentType = r.get_header_value("Content-Type");
        return true;
      },
      [&](const char* data, size_t n) {
        reply.Bytes.append(data, n);
        return reply.Bytes.size() < limit;
      });
  return reply;
}

// MPEG audio frames: an 11-bit sync word, layer III, somewhere near the start.
int Mp3FrameHeaders(const std::string& b) {
  int count = 0;
  for (size_t i = 0; i + 1 < b.size(); ++i)
    if (static_cast<unsigned char>(b[i]) == 0xFF && (static_cast<unsigned char>(b[i + 1]) & 0xE6) == 0xE2) ++count;
  return count;
}

class RadioServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"icecast2", "ezstream", "sox", "lame"})
      if (!Have(tool)) GTEST_SKIP() << tool << " is not installed";
    Data = fs::temp_directory_path() / ("zembra-radio-test-" + std::to_string(getpid()));
    fs::remove_all(Data);
    fs::create_directories(Data / "musik");
    const std::string wav = (Data / "tone.wav").string();
    const std::string mp3 = (Data / "musik" / "Probe~Tone.mp3").string();
    ASSERT_EQ(std::system(("sox -n -r 44100 -c 2 '" + wav + "' synth 4 sine 330 sine 440 gain -8 && lame --quiet -b 128 '" +
                           wav + "' '" + mp3 + "'").c_str()),
              0);
    Port = FreePort();
  }
  void TearDown() override {
    Service.reset();
    std::error_code ec;
    fs::remove_all(Data, ec);
  }
  bool Start() {
    Service = std::make_unique<TServiceProcess>();
    return Service->Start(Data.string(), "", {"--radio-port", std::to_string(Port)});
  }
  // Waits until the mount answers with audio.
  TMountReply WaitForMount(const std::string& mount) {
    TMountReply r;
    for (int i = 0; i < 50; ++i) {
      r = ReadMount(Port, mount, 32 * 1024);
      if (r.Status == 200 && r.Bytes.size() >= 32 * 1024) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return r;
  }

  fs::path Data;
  int Port = 0;
  std::unique_ptr<TServiceProcess> Service;
};

TEST_F(RadioServerTest, EveryClubStationSendsMp3Audio) {
  ASSERT_TRUE(Start());
  for (const TClubStation& s : kClubStations) {
    const TMountReply r = WaitForMount(s.Mount);
    EXPECT_EQ(r.Status, 200) << s.Mount;
    EXPECT_EQ(r.ContentType, "audio/mpeg") << s.Mount;
    ASSERT_GE(r.Bytes.size(), 32u * 1024) << s.Mount;
    // 128 kbit/s frames of 417 or 418 bytes: about 78 in 32 KiB.
    EXPECT_GT(Mp3FrameHeaders(r.Bytes), 60) << s.Mount;
  }
  // The passwords are the service's own and kept for the next run.
  const fs::path words = Data / "radio" / "passwords";
  ASSERT_TRUE(fs::exists(words));
  EXPECT_EQ(fs::status(words).permissions() & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);
  std::ifstream in(words);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_FALSE(ReadRadioPasswords(text).Source.empty());
}

TEST_F(RadioServerTest, TheStationsPlayOnAfterTheLastTrack) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(WaitForMount(kClubStations[0].Mount).Status, 200);
  // The only track lasts four seconds: well after its end the station
  // still sends audio.
  std::this_thread::sleep_for(std::chrono::seconds(6));
  const TMountReply r = ReadMount(Port, kClubStations[0].Mount, 96 * 1024);
  EXPECT_EQ(r.Status, 200);
  EXPECT_GE(r.Bytes.size(), 96u * 1024);
}

TEST_F(RadioServerTest, TheServerEndsWithTheService) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(WaitForMount(kClubStations[1].Mount).Status, 200);
  Service->Signal(SIGTERM);
  EXPECT_EQ(Service->Wait(), 0);
  EXPECT_EQ(ReadMount(Port, kClubStations[1].Mount, 1024).Status, 0);
}

TEST_F(RadioServerTest, PortZeroMeansNoRadio) {
  Service = std::make_unique<TServiceProcess>();
  ASSERT_TRUE(Service->Start(Data.string(), ""));  // the fixture's default: --radio-port 0
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_EQ(ReadMount(Port, kClubStations[0].Mount, 1024).Status, 0);
  EXPECT_FALSE(fs::exists(Data / "radio"));
}

TEST(RadioConfig, PasswordsFileRoundTripAndRefusesWeakOnes) {
  const TRadioPasswords p{"abcdefghijkLMNOP1234", "QRSTuvwxyz0987654321"};
  const TRadioPasswords back = ReadRadioPasswords(WriteRadioPasswords(p));
  EXPECT_EQ(back.Source, p.Source);
  EXPECT_EQ(back.Admin, p.Admin);
  for (const char* damaged : {"", "source=short\nadmin=short\n", "source=has space in it 12\n",
                              "source=<xml>&amp;12345678\n", "garbage"}) {
    const TRadioPasswords d = ReadRadioPasswords(damaged);
    EXPECT_TRUE(d.Source.empty()) << damaged;
    EXPECT_TRUE(d.Admin.empty()) << damaged;
  }
}

TEST(RadioConfig, ServerListensOnLoopbackOnly) {
  TRadioServerConfig c;
  c.Port = 25811;
  c.SourcePassword = "s";
  c.AdminPassword = "a";
  c.BaseFolder = "/tmp/x&y";
  const std::string xml = IcecastConfig(c);
  EXPECT_NE(xml.find("<port>25811</port>"), std::string::npos);
  EXPECT_NE(xml.find("<bind-address>127.0.0.1</bind-address>"), std::string::npos);
  EXPECT_NE(xml.find("/tmp/x&amp;y"), std::string::npos);
  const std::string station = EzstreamConfig(c, kClubStations[1], "/m/list.m3u");
  EXPECT_NE(station.find("<mountpoint>/lounge.mp3</mountpoint>"), std::string::npos);
  EXPECT_NE(station.find("<shuffle>Yes</shuffle>"), std::string::npos);
  EXPECT_NE(station.find("<stream_once>No</stream_once>"), std::string::npos);
}

}  // namespace
}  // namespace zembra::service::test
