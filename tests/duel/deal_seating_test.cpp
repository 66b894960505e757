// A deal message received by the client seats the deck as the server dealt
// it: the cards the server gave its opponent are the client's own (seat 2),
// the first leader is mirrored and the target is the deal's.
#include <gtest/gtest.h>

#include <random>

#include "duel/duel_messages.h"
#include "engine/dealing.h"
#include "engine/scenario.h"
#include "match/match_controller.h"
#include "match/seats.h"

namespace zembra {
namespace {

TEST(DealSeating, ClientHoldsTheServersSeatOneCards) {
  struct Case {
    int senderLeader;
    int target;
    int clientLeader;  // in the client's seats
  } cases[] = {
      {1, 8, 2},
      {2, 8, 1},
      {1, 10, 2},
      {2, 10, 1},
  };
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    for (const Case& c : cases) {
      std::mt19937_64 rng(seed);
      TDealState server;
      ShuffleDeck(server, rng);
      const std::string msg = DealMessage(server.DeckCard, c.senderLeader, c.target);
      ASSERT_EQ(msg[121], '0' + c.senderLeader);
      const std::optional<TDuelDeal> deal = ReadDealMessage(msg);
      ASSERT_TRUE(deal);

      TGame game;
      TMatchSetup setup;
      setup.Mode = TMatchMode::DuelClient;
      setup.Target = c.target == 8 ? 10 : 8;  // the deal's target wins over the setup's
      TWaitingSeat remote, local;
      TMatchController client(game, setup, remote, local);
      ASSERT_TRUE(client.ReceiveDeal(deal->Deck, deal->SenderFirstLeader, deal->Target));

      const TDealState& d = game.Deal;
      const std::string at = "seed " + std::to_string(seed) + " leader " + std::to_string(c.senderLeader);
      EXPECT_EQ(d.DeckCard, server.DeckCard) << at;
      EXPECT_NE(SlotOf(d, 2, server.DeckCard[3]), 0) << at << ": deck position 3 is the client's";
      for (int pos = 1; pos <= 6; ++pos) EXPECT_NE(SlotOf(d, 2, server.DeckCard[pos]), 0) << at << " pos " << pos;
      for (int pos = 7; pos <= 12; ++pos) EXPECT_NE(SlotOf(d, 1, server.DeckCard[pos]), 0) << at << " pos " << pos;
      EXPECT_EQ(d.HandCount[1], 6);
      EXPECT_EQ(d.HandCount[2], 6);
      EXPECT_EQ(d.Trump, server.DeckCard[24].Suit) << at;
      EXPECT_EQ(game.Match.FirstLeader, c.clientLeader) << at;
      EXPECT_EQ(game.Match.MatchTarget, c.target) << at;
    }
  }
}

// Position 121 "1" and 122..123 "08", on the bytes of a fixed deck.
TEST(DealSeating, LeaderOneAndTargetEightFromTheBytes) {
  const TDeck deck = test::DeckFrom("9h Jh Qh Kh Th Ah 9d Jd Qd Kd Td Ad 9c Jc Qc Kc Tc Ac 9s Js Qs Ks Ts As");
  const std::string msg = DealMessage(deck, 1, 8);
  ASSERT_EQ(msg.substr(121), "108");
  const std::optional<TDuelDeal> deal = ReadDealMessage(msg);
  ASSERT_TRUE(deal);
  TGame game;
  TMatchSetup setup;
  setup.Mode = TMatchMode::DuelClient;
  TWaitingSeat remote, local;
  TMatchController client(game, setup, remote, local);
  ASSERT_TRUE(client.ReceiveDeal(deal->Deck, deal->SenderFirstLeader, deal->Target));
  EXPECT_EQ(HandToString(game.Deal, 2), "9h Jh Qh Kh Th Ah");
  EXPECT_EQ(HandToString(game.Deal, 1), "9d Jd Qd Kd Td Ad");
  EXPECT_EQ(game.Match.FirstLeader, 2);
  EXPECT_EQ(game.Match.MatchTarget, 8);
}

}  // namespace
}  // namespace zembra
