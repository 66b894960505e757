// What the reads of a duel connection bring, cut into whole messages:
// several messages in one read, one message over several reads, chat lines
// that only their read ends, "o" against "orv", and bytes that begin no
// message.
#include <gtest/gtest.h>

#include <random>

#include "duel/duel_messages.h"
#include "duel/message_splitter.h"
#include "engine/scenario.h"

namespace zembra {
namespace {

using test::C;
using test::DeckFrom;
using TMessages = std::vector<std::string>;

const std::string kCard = CardMessage(C("Th"));
const std::string kOtherCard = CardMessage(C("Qs"));
const std::string kDeal =
    DealMessage(DeckFrom("Ks 9h Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ts As"), 2, 10);
const std::string kRequest = HandshakeRequest(DuelName("Incognito"));
const std::string kReply = HandshakeReply(DuelName("Boris"));
const std::string kStart(kStartMessage);
const std::string kAck(kAckMessage);
const std::string kAbort(kAbortMessage);
const std::string kChatShort = ChatMessage("hi");
const std::string kChatFull = ChatMessage("Fifteen letters");  // "s" and 15 characters

struct TCase {
  const char* name;
  TMessages reads;
  TMessages expected;
  bool handshake = false;  // SetExpectHandshake
  bool broken = false;
  size_t held = 0;         // bytes kept after the last read
};

void Check(const TCase& c) {
  TDuelSplitter s;
  s.SetExpectHandshake(c.handshake);
  TMessages got;
  for (const std::string& read : c.reads)
    for (std::string& m : s.Feed(read)) got.push_back(std::move(m));
  EXPECT_EQ(got, c.expected) << c.name;
  EXPECT_EQ(s.Broken(), c.broken) << c.name;
  EXPECT_EQ(s.Held(), c.held) << c.name;
}

TEST(DuelSplitter, MergedReads) {
  const TCase cases[] = {
      {"card alone", {kCard}, {kCard}},
      {"card and ack", {kCard + kAck}, {kCard, kAck}},
      {"ack and card", {kAck + kCard}, {kAck, kCard}},
      {"start and card", {kStart + kCard}, {kStart, kCard}},
      {"deal and card", {kDeal + kCard}, {kDeal, kCard}},
      {"two cards", {kCard + kOtherCard}, {kCard, kOtherCard}},
      {"two acks", {kAck + kAck}, {kAck, kAck}},
      {"abort between", {kCard + kAbort + kAck}, {kCard, kAbort, kAck}},
      {"reply and deal", {kReply + kDeal}, {kReply, kDeal}},
      {"everything", {kDeal + kStart + kCard + kAck + kOtherCard + kAbort},
       {kDeal, kStart, kCard, kAck, kOtherCard, kAbort}},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(DuelSplitter, SplitReads) {
  const TCase cases[] = {
      {"deal in 3 pieces", {kDeal.substr(0, 1), kDeal.substr(1, 60), kDeal.substr(61)}, {kDeal}},
      {"deal waiting", {kDeal.substr(0, 100)}, {}, false, false, 100},
      {"card in 2 inside its prefix", {kCard.substr(0, 2), kCard.substr(2)}, {kCard}},
      {"card in 2 after its prefix", {kCard.substr(0, 4), kCard.substr(4)}, {kCard}},
      {"card waiting", {kCard.substr(0, 5)}, {}, false, false, 5},
      {"start in 2", {"hsit", "kon2"}, {kStart}},
      {"abort in 2", {"abo", "rt"}, {kAbort}},
      {"handshake in 2", {kRequest.substr(0, 10), kRequest.substr(10)}, {kRequest}, true},
      {"reply in 2", {"conn", kReply.substr(4)}, {kReply}},
      {"card and a piece of a deal", {kCard + kDeal.substr(0, 50), kDeal.substr(50) + kAck}, {kCard, kDeal, kAck}},
      {"empty read", {""}, {}},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(DuelSplitter, ChatLinesEndWithTheirRead) {
  const std::string twentyLetters = "s" + std::string("Twenty letters here!");
  const TCase cases[] = {
      {"chat alone", {kChatShort}, {kChatShort}},
      {"chat then card in two reads", {kChatShort, kCard}, {kChatShort, kCard}},
      {"card then chat", {kCard + kChatShort}, {kCard, kChatShort}},
      {"ack then chat", {kAck + kChatShort}, {kAck, kChatShort}},
      {"full chat then card", {kChatFull + kCard}, {kChatFull, kCard}},
      {"full chat then ack", {kChatFull + kAck}, {kChatFull, kAck}},
      {"full chat then full chat", {kChatFull + kChatFull}, {kChatFull, kChatFull}},
      {"full chat then a piece of a card", {kChatFull + "hh", "od1\xF7"}, {kChatFull, kCard}},
      // A card, a start or a deal after a short line is no text: no move is lost.
      {"short chat then card", {kChatShort + kCard}, {kChatShort, kCard}},
      {"short chat then card and ack", {kChatShort + kCard + kAck}, {kChatShort, kCard, kAck}},
      {"short chat then start", {kChatShort + kStart}, {kChatShort, kStart}},
      {"short chat then deal", {kChatShort + kDeal}, {kChatShort, kDeal}},
      // An "o" cannot be told from a letter: it stays text.
      {"short chat ending in o", {"shello"}, {"shello"}},
      {"text that only looks like a card prefix", {"shhod!"}, {"shhod!"}},
      // Longer than a sender sends: the 17th byte begins no message.
      {"longer chat", {twentyLetters}, {twentyLetters}},
      // After 16 bytes an "o" that is not followed by messages is text too.
      {"longer chat with an o", {kChatFull + "ops!"}, {kChatFull + "ops!"}},
      {"card, full chat and text", {kCard + kChatFull + "xyz"}, {kCard, kChatFull + "xyz"}},
      {"chat, card, chat and text", {kChatFull + kCard + kChatFull + "xyz"}, {kChatFull, kCard, kChatFull + "xyz"}},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(DuelSplitter, BytesThatBeginNoMessageBreakIt) {
  const TCase cases[] = {
      {"garbage", {"xyz"}, {}, false, true},
      {"card then garbage", {kCard + "xyz"}, {kCard}, false, true},
      {"nothing after", {"xyz", kCard}, {}, false, true},
      {"not the card prefix", {"hx"}, {}, false, true},
      {"not the start", {"hsitx"}, {}, false, true},
      {"garbage after a waiting prefix", {"hh", "x1\xF7o"}, {}, false, true},
      {"upper case", {"B"}, {}, false, true},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(DuelSplitter, AnOOrAHandshakeByMode) {
  const TCase cases[] = {
      // Playing: "o" is an acknowledgement at once, and a handshake is garbage.
      {"ack at once", {"o"}, {kAck}},
      {"request while playing", {kRequest}, {kAck}, false, true},
      // Connecting: "orv" begins a handshake request.
      {"request", {kRequest}, {kRequest}, true},
      {"o waits", {"o"}, {}, true, false, 1},
      {"or waits", {"or"}, {}, true, false, 2},
      {"request after a lone o", {"o", kRequest.substr(1)}, {kRequest}, true},
      {"o and a card", {kAck + kCard}, {kAck, kCard}, true},
      {"or and garbage", {"or", "x"}, {kAck}, true, true},
      {"reply while connecting", {kReply}, {kReply}, true},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(DuelSplitter, AnOHeldBackIsCutWhenTheHandshakeIsDone) {
  TDuelSplitter s;
  s.SetExpectHandshake(true);
  EXPECT_TRUE(s.Feed("o").empty());
  s.SetExpectHandshake(false);
  EXPECT_EQ(s.Feed({}), TMessages{kAck});
  EXPECT_EQ(s.Held(), 0u);
}

// Any stream of messages of known length, cut anywhere into reads, comes
// out as it went in.
TEST(DuelSplitter, RandomCutsKeepTheMessages) {
  const TMessages pool = {kCard, kOtherCard, kDeal, kStart, kAck, kAbort, kReply};
  for (uint64_t seed = 1; seed <= 200; ++seed) {
    std::mt19937_64 rng(seed);
    TMessages sent;
    std::string stream;
    const int count = 1 + static_cast<int>(rng() % 30);
    for (int i = 0; i < count; ++i) {
      sent.push_back(pool[rng() % pool.size()]);
      stream += sent.back();
    }
    TDuelSplitter s;
    TMessages got;
    for (size_t at = 0; at < stream.size();) {
      const size_t n = std::min<size_t>(1 + rng() % 150, stream.size() - at);
      for (std::string& m : s.Feed(std::string_view(stream).substr(at, n))) got.push_back(std::move(m));
      at += n;
    }
    ASSERT_FALSE(s.Broken()) << "seed " << seed;
    EXPECT_EQ(got, sent) << "seed " << seed;
    EXPECT_EQ(s.Held(), 0u) << "seed " << seed;
  }
}

}  // namespace
}  // namespace zembra
