// The tournament's game server for real, over loopback: two members take
// the seats of a table through the club's requests, connect to its port
// and play a whole match with their own copies of the game, as the
// program does; the result is in the club's store and the seats are free
// again. A card that cannot be played, and a connection that talks
// nonsense at another table, end only what they should.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include "duel/duel_messages.h"
#include "engine/dealing.h"
#include "engine/game.h"
#include "engine/move_check.h"
#include "engine/rules.h"
#include "match/seats.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "free_ports.h"
#include "service_fixture.h"
#include "tournament/scripted_player.h"
#include "tournament/tour_frames.h"

namespace zembra::service::test {
namespace {

using zembra::test::FreePortBlock;

class TSocket {
 public:
  explicit TSocket(int port) {
    Fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Ok = ::connect(Fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~TSocket() { ::close(Fd); }
  bool Ok = false;
  void Send(const std::string& bytes) { ASSERT_EQ(::send(Fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size())); }
  // What arrives within ms; empty when nothing; Closed set at the end.
  std::string Read(int ms) {
    pollfd p{Fd, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) return {};
    char buf[4096];
    const ssize_t n = ::recv(Fd, buf, sizeof buf, 0);
    if (n <= 0) {
      Closed = true;
      return {};
    }
    return std::string(buf, static_cast<size_t>(n));
  }
  bool Closed = false;

 private:
  int Fd = -1;
};

// A player's side as the program keeps it, on a socket of its own.
struct TPlayer {
  TSocket Socket;
  TFrameReader Reader{true};
  TScriptedTourPlayer P;

  TPlayer(int seat, int port) : Socket(port), P(seat) {}
  const TGame& G() const { return P.Game(); }
  bool Over() const { return P.Over(); }
  int Seat() const { return P.SeatNumber(); }

  void Poll(int ms) {
    for (const std::string& m : Reader.Push(Socket.Read(ms))) ASSERT_TRUE(P.Take(m)) << m;
  }
  void Move() {
    for (const std::string& frame : P.Act()) Socket.Send(frame);
  }
};

class TourGameTest : public ServiceTest {
 protected:
  int Port1 = 0;
  void SetUp() override {
    ServiceTest::SetUp();
    Port1 = FreePortBlock();
    ASSERT_GT(Port1, 0);
    Service_.reset();
    ASSERT_TRUE(StartService({"--tour-port", std::to_string(Port1)}));
    for (const char* nick : {"Anna", "Boris"}) {
      TOrvUser u = ScriptedMember(nick);
      u.DateR = "11.12.2026";
      ASSERT_EQ(AccountRegister(Client().Transport(), u), TRegisterResult::Registered);
    }
  }
  TServiceClient Client() const {
    const std::string base = "http://127.0.0.1:" + std::to_string(Service_->Port());
    return TServiceClient({base + "/AccountService", base + "/RecordsService", base + "/StatsService",
                           base + "/TourService"});
  }
  void Seat(int table) {
    const TServiceClient client = Client();
    for (int seat = 1; seat <= 2; ++seat) {
      TOrvClient c;
      c.Nick = seat == 1 ? "Anna" : "Boris";
      c.Country = "Russia";
      c.City = "Tver";
      c.Sex = "M";
      c.IP = "127.0.0.1";
      ASSERT_EQ(TourSeat(client.Transport(), seat, table, TSeatRequest::Take, c), 0);
    }
  }
  bool TableFree(int table) {
    const TServiceClient client = Client();
    std::array<TOrvTable, 10> t;
    return TourTables(client.Transport(), &t) && t[static_cast<size_t>(table - 1)].Nick1 == "X" &&
           t[static_cast<size_t>(table - 1)].Nick2 == "X";
  }
  void WaitTableFree(int table) {
    for (int i = 0; i < 50 && !TableFree(table); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(TableFree(table));
  }
};

TEST_F(TourGameTest, AWholeMatchAtATableIsRefereedAndCounted) {
  const TServiceClient client = Client();
  char state = 0;
  std::string greeting;
  ASSERT_TRUE(TourServerInfo(client.Transport(), &state, &greeting));
  EXPECT_EQ(state, 'Y');
  // A connection that talks nonsense at another table changes nothing.
  TSocket noise(Port1 + 4);
  ASSERT_TRUE(noise.Ok);
  noise.Send(std::string(200, '\x07') + TourFrame("connect1", 1));

  Seat(3);
  TPlayer anna(1, Port1 + 2), boris(2, Port1 + 2);
  ASSERT_TRUE(anna.Socket.Ok && boris.Socket.Ok);
  anna.Socket.Send(TourFrame("connect1", 1));
  boris.Socket.Send(TourFrame("connect2", 2));
  for (int step = 0; step < 4000 && !(anna.Over() && boris.Over()); ++step) {
    anna.Poll(5);
    boris.Poll(5);
    anna.Move();
    boris.Move();
    if (::testing::Test::HasFatalFailure()) return;
  }
  ASSERT_TRUE(anna.Over() && boris.Over());
  // Both copies agree with each other.
  EXPECT_EQ(anna.G().Match.MatchResult, -boris.G().Match.MatchResult);
  const int annaResult = anna.G().Match.MatchResult;
  int score = 0, kon = 0, rating = 0;
  for (int i = 0; i < 50 && kon == 0; ++i) {
    ASSERT_TRUE(TourReadRating(client.Transport(), "Anna", &score, &kon, &rating));
    if (kon == 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(kon, 1);
  EXPECT_EQ(score, annaResult);
  EXPECT_EQ(rating, annaResult > 0 ? 1516 : 1484);
  ASSERT_TRUE(TourReadRating(client.Transport(), "Boris", &score, &kon, &rating));
  EXPECT_EQ(score, -annaResult);
  WaitTableFree(3);
  std::array<TOrvRecord, 10> top;
  ASSERT_TRUE(TourTopTen(client.Transport(), TTourOrder::Rating, &top));
  EXPECT_EQ(top[0].Nick, annaResult > 0 ? "Anna" : "Boris");
  EXPECT_EQ(top[0].Score, 1516);
  // The noisy connection was sent away.
  for (int i = 0; i < 20 && !noise.Closed; ++i) noise.Read(100);
  EXPECT_TRUE(noise.Closed);
}

TEST_F(TourGameTest, ACardThatCannotBePlayedLosesTheMatch) {
  Seat(7);
  TPlayer anna(1, Port1 + 6), boris(2, Port1 + 6);
  anna.Socket.Send(TourFrame("connect1", 1));
  boris.Socket.Send(TourFrame("connect2", 2));
  for (int i = 0; i < 100 && !(anna.G().Deal.InDeal && boris.G().Deal.InDeal); ++i) {
    anna.Poll(20);
    boris.Poll(20);
  }
  ASSERT_TRUE(anna.G().Deal.InDeal && boris.G().Deal.InDeal);
  // The seat not to move plays anyway.
  TPlayer& idle = anna.G().Deal.TurnState == kTurnPlayer2 ? boris : anna;
  TPlayer& other = &idle == &anna ? boris : anna;
  idle.Socket.Send(TourFrame(CardMessage(idle.G().Deal.Hand[2][1]), idle.Seat()));
  for (int i = 0; i < 100 && !other.P.HeardLeft(); ++i) other.Poll(20);
  EXPECT_TRUE(other.P.HeardLeft());
  const TServiceClient client = Client();
  int score = 0, kon = 0, rating = 0;
  const char* winner = other.Seat() == 1 ? "Anna" : "Boris";
  for (int i = 0; i < 50 && kon == 0; ++i) {
    ASSERT_TRUE(TourReadRating(client.Transport(), winner, &score, &kon, &rating));
    if (kon == 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(kon, 1);
  EXPECT_GT(score, 0);
  EXPECT_EQ(rating, 1516);
  WaitTableFree(7);
}

}  // namespace
}  // namespace zembra::service::test
