// The duel's messages byte for byte: what the builders send, what the
// readers take back, and the damaged or foreign messages they refuse.
#include <gtest/gtest.h>

#include <random>

#include "duel/duel_messages.h"
#include "engine/dealing.h"
#include "engine/scenario.h"

namespace zembra {
namespace {

using test::C;
using test::DeckFrom;
using test::kOrderedDeck;


// The deal message of kOrderedDeck, first leader 1, target 8, written out
// by hand: ranks 9 В Д К 1 Т, suits ч б к п.
const std::string kOrderedDealBytes = std::string("b") +
    "9\xF7" "\xC2\xF7" "\xC4\xF7" "\xCA\xF7" "1\xF7" "\xD2\xF7"
    "9\xE1" "\xC2\xE1" "\xC4\xE1" "\xCA\xE1" "1\xE1" "\xD2\xE1"
    "9\xEA" "\xC2\xEA" "\xC4\xEA" "\xCA\xEA" "1\xEA" "\xD2\xEA"
    "9\xEF" "\xC2\xEF" "\xC4\xEF" "\xCA\xEF" "1\xEF" "\xD2\xEF"
    "123456123456123456123456"
    "000203041011000203041011000203041011000203041011"
    "1"
    "08";

std::string Blanks(size_t n) { return std::string(n, ' '); }

TEST(DuelName, CodePageCutToTwentyAndFilledWithBlanks) {
  struct Case {
    const char* utf8;
    std::string bytes;
  } cases[] = {
      {"Incognito", "Incognito" + Blanks(11)},
      {"", Blanks(20)},
      {"Twenty characters!!!", "Twenty characters!!!"},
      {"Abcdefghijklmnopqrstuvwxyz", "Abcdefghijklmnopqrst"},
      {"Иван", "\xC8\xE2\xE0\xED" + Blanks(16)},
      {"ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", std::string(20, '\xC6')},  // 22 letters, one byte each
      {"王 Li", "? Li" + Blanks(16)},                          // the code page lacks it
  };
  for (const Case& c : cases) EXPECT_EQ(DuelName(c.utf8), c.bytes) << c.utf8;
}

TEST(Handshake, IncognitoByteForByte) {
  const std::string request = HandshakeRequest(DuelName("Incognito"));
  EXPECT_EQ(request, "orv0825connect1Incognito           ");
  EXPECT_EQ(request.size(), kHandshakeRequestLength);
  // The 20th character, a blank, is dropped: "Incognito" and 10 blanks.
  EXPECT_EQ(ReadHandshakeRequest(request), "Incognito" + Blanks(10));

  const std::string reply = HandshakeReply(DuelName("Incognito"));
  EXPECT_EQ(reply, "connect2Incognito           ");
  EXPECT_EQ(reply.size(), kHandshakeReplyLength);
  EXPECT_EQ(ReadHandshakeReply(reply), "Incognito" + Blanks(10));
}

TEST(Handshake, NamesRoundTripAsTheWireGivesThem) {
  struct Case {
    std::string sent;  // code page 1251, as the builder takes it
    std::string read;  // UTF-8, 19 characters
  } cases[] = {
      {DuelName("Иван Петров"), "Иван Петров" + Blanks(8)},
      {DuelName("Twenty characters!!!"), "Twenty characters!!"},  // its own last character goes
      {DuelName(""), Blanks(19)},
      {"Short", "Short" + Blanks(14)},                       // filled by the builder
      {"Much too long a name here", "Much too long a nam"},  // cut by the builder
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadHandshakeRequest(HandshakeRequest(c.sent)), c.read) << c.sent;
    EXPECT_EQ(ReadHandshakeReply(HandshakeReply(c.sent)), c.read) << c.sent;
  }
}

std::string Edited(std::string msg, size_t at, std::string_view text) {
  msg.replace(at, text.size(), text);
  return msg;
}

TEST(Handshake, ForeignOrDamagedRequestsAreRefused) {
  const std::string good = HandshakeRequest(DuelName("Incognito"));
  ASSERT_TRUE(ReadHandshakeRequest(good));
  struct Case {
    const char* name;
    std::string msg;
  } cases[] = {
      {"another game", Edited(good, 3, "09")},
      {"another protocol", Edited(good, 5, "24")},
      {"no leading orv", Edited(good, 0, "orw")},
      {"not connect1", Edited(good, 7, "connect2")},
      {"short", good.substr(0, 34)},
      {"head only", good.substr(0, 15)},
      {"long", good + " "},
      {"empty", ""},
      {"a reply", HandshakeReply(DuelName("Incognito"))},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadHandshakeRequest(c.msg)) << c.name;
}

TEST(Handshake, ForeignOrDamagedRepliesAreRefused) {
  const std::string good = HandshakeReply(DuelName("Incognito"));
  ASSERT_TRUE(ReadHandshakeReply(good));
  struct Case {
    const char* name;
    std::string msg;
  } cases[] = {
      {"connect1", Edited(good, 0, "connect1")},
      {"short", good.substr(0, 27)},
      {"long", good + " "},
      {"empty", ""},
      {"a request", HandshakeRequest(DuelName("Incognito"))},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadHandshakeReply(c.msg)) << c.name;
}

TEST(DealMessage, OrderedDeckByteForByte) {
  const TDeck deck = DeckFrom(kOrderedDeck);
  const std::string msg = DealMessage(deck, 1, 8);
  EXPECT_EQ(msg.size(), kDealMessageLength);
  EXPECT_EQ(msg, kOrderedDealBytes);
  // Leader and target are the last three characters.
  EXPECT_EQ(DealMessage(deck, 2, 10).substr(121), "210");
  EXPECT_EQ(DealMessage(deck, 1, 10).substr(121), "110");
  EXPECT_EQ(DealMessage(deck, 2, 8).substr(121), "208");

  const auto read = ReadDealMessage(kOrderedDealBytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Deck, deck);
  EXPECT_EQ(read->SenderFirstLeader, 1);
  EXPECT_EQ(read->Target, 8);
}

// Shuffled decks with both leaders and both targets come back whole; the
// digit fields carry the engine's own DeckOrder and DeckPoints.
TEST(DealMessage, ShuffledDecksRoundTrip) {
  for (uint64_t seed = 1; seed <= 25; ++seed) {
    std::mt19937_64 rng(seed);
    TDealState d;
    ShuffleDeck(d, rng);
    for (int leader : {1, 2}) {
      for (int target : {8, 10}) {
        const std::string msg = DealMessage(d.DeckCard, leader, target);
        ASSERT_EQ(msg.size(), kDealMessageLength) << "seed " << seed;
        for (int pos = 1; pos <= kDeckSize; ++pos) {
          EXPECT_EQ(msg.substr(2 * pos - 1, 2), CodeBytes(d.DeckCard[pos])) << "seed " << seed;
          EXPECT_EQ(msg[48 + pos], '0' + d.DeckOrder[pos]) << "seed " << seed << " pos " << pos;
          EXPECT_EQ(msg[71 + 2 * pos], '0' + d.DeckPoints[pos] / 10) << "seed " << seed << " pos " << pos;
          EXPECT_EQ(msg[72 + 2 * pos], '0' + d.DeckPoints[pos] % 10) << "seed " << seed << " pos " << pos;
        }
        const TDuelDeal expected{d.DeckCard, leader, target};
        EXPECT_EQ(ReadDealMessage(msg), expected) << "seed " << seed;
      }
    }
  }
}

TEST(DealMessage, DamagedDealsAreRefused) {
  const std::string good = kOrderedDealBytes;
  ASSERT_TRUE(ReadDealMessage(good));
  TDeck twice = DeckFrom(kOrderedDeck);
  twice[2] = twice[1];  // 9h twice, Jh missing; its digits as the cards give them
  TDeck withEmpty = DeckFrom(kOrderedDeck);
  withEmpty[24] = kNoCard;
  struct Case {
    const char* name;
    std::string msg;
  } cases[] = {
      {"empty", ""},
      {"short", good.substr(0, 123)},
      {"long", good + "0"},
      {"not b", Edited(good, 0, "B")},
      {"letter in the order field", Edited(good, 49, "a")},
      {"letter in the points field", Edited(good, 74, "x")},
      {"blank in the points field", Edited(good, 73, " ")},
      {"order not the card's", Edited(good, 49, "2")},
      {"points not the card's", Edited(good, 73, "02")},
      {"orders swapped", Edited(good, 49, "21")},
      {"duplicate card", DealMessage(twice, 1, 8)},
      {"empty place", DealMessage(withEmpty, 1, 8)},
      {"unknown rank", Edited(good, 1, "X")},
      {"unknown suit", Edited(good, 2, "h")},
      {"suit and rank swapped", Edited(good, 1, "\xF7" "9")},
      {"leader 3", Edited(good, 121, "3")},
      {"leader 0", Edited(good, 121, "0")},
      {"target 09", Edited(good, 122, "09")},
      {"target 8 without its zero", Edited(good, 122, " 8")},
      {"target 10 as 010", good.substr(0, 122) + "010"},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadDealMessage(c.msg)) << c.name;
}

TEST(CardMessage, EveryCardRoundTrips) {
  EXPECT_EQ(CardMessage(C("Th")), "hhod1\xF7");
  EXPECT_EQ(CardMessage(C("Js")), "hhod\xC2\xEF");
  for (int n = 1; n <= kDeckSize; ++n) {
    const TCardCode card = CardOfNumber(n);
    const std::string msg = CardMessage(card);
    EXPECT_EQ(msg, "hhod" + CodeBytes(card));
    EXPECT_EQ(ReadCardMessage(msg), card) << ToAscii(card);
  }
}

TEST(CardMessage, DamagedCardsAreRefused) {
  struct Case {
    const char* name;
    std::string msg;
  } cases[] = {
      {"empty place", "hhod##"},
      {"unknown rank", "hhodX\xF7"},
      {"unknown suit", "hhod9h"},
      {"suit and rank swapped", "hhod\xF7" "9"},
      {"short", "hhod9"},
      {"prefix only", "hhod"},
      {"long", "hhod9\xF7o"},
      {"other prefix", "hhox9\xF7"},
      {"empty", ""},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadCardMessage(c.msg)) << c.name;
}

TEST(ChatMessage, CodePageCutToFifteen) {
  struct Case {
    const char* utf8;
    std::string bytes;
    const char* read;  // what the receiver shows
  } cases[] = {
      {"Hello", "sHello", "Hello"},
      {"", "s", ""},
      {"Fifteen letters", "sFifteen letters", "Fifteen letters"},
      {"Sixteen letters!", "sSixteen letters", "Sixteen letters"},
      {"Привет", "s\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
      {"Привет, как дела?", "s\xCF\xF0\xE8\xE2\xE5\xF2, \xEA\xE0\xEA \xE4\xE5\xEB", "Привет, как дел"},
      {"sos", "ssos", "sos"},  // only the leading "s" goes
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChatMessage(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(ReadChatText(c.bytes), c.read) << c.utf8;
  }
  EXPECT_EQ(ReadChatText("hhod1\xF7"), "") << "not a chat line";
}

TEST(MessageKind, BuiltMessagesAreKnownByTheirLeadingCharactersAndLengths) {
  struct Case {
    std::string msg;
    TDuelMessageKind kind;
  } cases[] = {
      {HandshakeRequest(DuelName("Anna")), TDuelMessageKind::HandshakeRequest},
      {HandshakeReply(DuelName("Boris")), TDuelMessageKind::HandshakeReply},
      {kOrderedDealBytes, TDuelMessageKind::Deal},
      {CardMessage(C("As")), TDuelMessageKind::Card},
      {std::string(kStartMessage), TDuelMessageKind::Start},
      {std::string(kAckMessage), TDuelMessageKind::Ack},
      {std::string(kAbortMessage), TDuelMessageKind::Abort},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KindOf(c.msg), c.kind) << c.msg;
    EXPECT_EQ(MessageLength(c.kind), c.msg.size()) << c.msg;
    EXPECT_TRUE(c.msg.starts_with(MessagePrefix(c.kind))) << c.msg;
  }
  EXPECT_EQ(KindOf(ChatMessage("Hi")), TDuelMessageKind::Chat);
  EXPECT_EQ(MessageLength(TDuelMessageKind::Chat), 0u);
  EXPECT_EQ(kStartMessage, "hsitkon2");
  EXPECT_EQ(kAckMessage, "o");
  EXPECT_EQ(kAbortMessage, "abort");
}

TEST(MessageKind, UnknownBeginnings) {
  for (const char* msg : {"", "xyz", "connect1Incognito", "hsit", "hh", "abo", "Orv", "#"})
    EXPECT_EQ(KindOf(msg), TDuelMessageKind::Unknown) << msg;
  // Any other "o" message is an acknowledgement.
  EXPECT_EQ(KindOf("ox"), TDuelMessageKind::Ack);
  EXPECT_EQ(KindOf("or"), TDuelMessageKind::Ack);
}

}  // namespace
}  // namespace zembra
