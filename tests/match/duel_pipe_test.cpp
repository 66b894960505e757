// Two controllers joined by an in-memory pipe, as two copies of the
// program are joined by a duel connection: what one side's player does
// reaches the other side as the moves of its remote seat. No window.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>

#include "match/autoplay.h"
#include "match/match_controller.h"
#include "match/seats.h"

namespace zembra {
namespace {

// Messages in flight, delivered when the test pumps them (as a socket's
// read events arrive between the timer's ticks).
struct TPipe {
  std::deque<std::function<void()>> Queue;
  void Pump() {
    while (!Queue.empty()) {
      auto m = std::move(Queue.front());
      Queue.pop_front();
      m();
    }
  }
};

// Seat 1 of one side: the other side's player. It hears this side's
// player and sends what the other side must know.
class TPipeSeat : public TSeat {
 public:
  TPipeSeat(TPipe& pipe, const TGame& game) : Pipe(pipe), Game(game) {}
  TMatchController* Peer = nullptr;
  std::vector<TMoveVerdict> PeerVerdicts;
  bool PeerDealRefused = false;

  std::optional<int> OnTurn(const TDealState&, int) override { return std::nullopt; }

  void OnEvent(const TEngineEvent& e) override {
    if (e.Kind == TEventKind::CardPlayed && e.Player == 2) {
      const TCardCode card = e.Card;
      Pipe.Queue.push_back([this, card] { PeerVerdicts.push_back(Peer->SubmitCard(1, card)); });
    }
    if (e.Kind == TEventKind::DealDealt && (Peer->Mode() == TMatchMode::DuelClient)) {
      const TDeck deck = Game.Deal.DeckCard;
      const int leader = Game.Match.FirstLeader;
      const int target = Game.Match.MatchTarget;
      Pipe.Queue.push_back([this, deck, leader, target] {
        if (!Peer->ReceiveDeal(deck, leader, target)) PeerDealRefused = true;
      });
    }
  }
  void OnSignal(TMatchSignal s) override {
    if (s == TMatchSignal::Started) Pipe.Queue.push_back([this] { Peer->PeerStarted(); });
    if (s == TMatchSignal::Acknowledged) Pipe.Queue.push_back([this] { Peer->PeerAcknowledged(); });
  }

 private:
  TPipe& Pipe;
  const TGame& Game;
};

struct TDuel {
  explicit TDuel(int target, std::mt19937_64* rng)
      : ToClient(), ToServer(), ServerRemote(ToClient, ServerGame), ClientRemote(ToServer, ClientGame),
        Server(ServerGame, Setup(TMatchMode::DuelServer, target, rng, "Anna", "Boris"), ServerRemote, ServerPlayer),
        Client(ClientGame, Setup(TMatchMode::DuelClient, 10, nullptr, "Boris", "Anna"), ClientRemote, ClientPlayer) {
    ServerRemote.Peer = &Client;
    ClientRemote.Peer = &Server;
  }
  static TMatchSetup Setup(TMatchMode mode, int target, std::mt19937_64* rng, const char* opponent,
                           const char* self) {
    TMatchSetup s;
    s.Mode = mode;
    s.Target = target;
    s.Random = rng;
    s.Names = {"", opponent, self};
    return s;
  }
  // Delivers messages and lets both sides act until nothing moves.
  void Run() {
    for (int guard = 0; guard < 5000; ++guard) {
      const bool delivered = !ToClient.Queue.empty() || !ToServer.Queue.empty();
      ToClient.Pump();
      ToServer.Pump();
      const bool a = StepAutomatically(Server);
      const bool b = StepAutomatically(Client);
      if (!delivered && !a && !b) return;
    }
    FAIL() << "the duel did not settle";
  }

  TGame ServerGame, ClientGame;
  TPipe ToClient, ToServer;
  TPipeSeat ServerRemote, ClientRemote;
  TComputerSeat ServerPlayer, ClientPlayer;
  TMatchController Server, Client;
};

TEST(DuelPipe, WholeMatchesEndMirrored) {
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    std::mt19937_64 rng(seed);
    const int target = seed % 2 ? 10 : 8;
    TDuel duel(target, &rng);
    duel.Server.Start();
    duel.Run();
    ASSERT_TRUE(duel.Server.Over()) << "seed " << seed << "\n" << ToString(duel.ServerGame.Deal);
    ASSERT_TRUE(duel.Client.Over()) << "seed " << seed << "\n" << ToString(duel.ClientGame.Deal);
    const TMatchOutcome& s = *duel.Server.Outcome();
    const TMatchOutcome& c = *duel.Client.Outcome();
    EXPECT_EQ(s.Target, target);
    EXPECT_EQ(c.Target, target) << "the client takes the target from the deal";
    EXPECT_EQ(s.MatchPoints[1], c.MatchPoints[2]) << "seed " << seed;
    EXPECT_EQ(s.MatchPoints[2], c.MatchPoints[1]) << "seed " << seed;
    EXPECT_EQ(s.MatchResult, -c.MatchResult) << "seed " << seed;
    EXPECT_NE(s.MatchResult, 0);
    EXPECT_EQ(s.Deals, c.Deals);
    EXPECT_EQ(c.Names[1], s.Names[2]);
    for (TMoveVerdict v : duel.ServerRemote.PeerVerdicts) EXPECT_EQ(v, TMoveVerdict::Ok) << "seed " << seed;
    for (TMoveVerdict v : duel.ClientRemote.PeerVerdicts) EXPECT_EQ(v, TMoveVerdict::Ok) << "seed " << seed;
    EXPECT_FALSE(duel.ServerRemote.PeerDealRefused);
    // The trick log is the same on both sides, seat for seat mirrored.
    EXPECT_EQ(duel.ServerGame.Deal.PlayedPos, duel.ClientGame.Deal.PlayedPos);
    for (int i = 1; i + 1 < duel.ServerGame.Deal.PlayedPos; i += 2) {
      EXPECT_EQ(duel.ServerGame.Deal.PlayedCards[i], duel.ClientGame.Deal.PlayedCards[i + 1]);
      EXPECT_EQ(duel.ServerGame.Deal.PlayedCards[i + 1], duel.ClientGame.Deal.PlayedCards[i]);
    }
  }
}

// Steps one side until pred holds, delivering nothing.
template <typename P>
void StepUntil(TMatchController& c, P pred) {
  for (int guard = 0; guard < 100 && !pred(c.Game().Deal); ++guard)
    if (!StepAutomatically(c)) break;
}

// Both sides step until pred holds on both, their messages delivered.
template <typename P>
void BothUntil(TDuel& duel, P pred) {
  for (int i = 0; i < 200; ++i) {
    if (pred(duel.ServerGame.Deal) && pred(duel.ClientGame.Deal)) return;
    StepUntil(duel.Server, pred);
    StepUntil(duel.Client, pred);
    duel.ToClient.Pump();
    duel.ToServer.Pump();
  }
}

TEST(DuelPipe, PacingOfTheContinueButtons) {
  std::mt19937_64 rng(7);
  TDuel duel(10, &rng);
  duel.Server.Start();
  EXPECT_TRUE(duel.Server.ContinueOpen()) << "the server starts the deal";
  EXPECT_FALSE(duel.ClientGame.Deal.InDeal);
  duel.ToClient.Pump();
  ASSERT_TRUE(duel.ClientGame.Deal.InDeal);
  // Deck position 3 of the server's deck lies in the client's own hand.
  const TCardCode third = duel.ServerGame.Deal.DeckCard[3];
  EXPECT_NE(SlotOf(duel.ClientGame.Deal, 2, third), 0);
  EXPECT_NE(SlotOf(duel.ServerGame.Deal, 1, third), 0);
  EXPECT_EQ(duel.ClientGame.Match.FirstLeader, 3 - duel.ServerGame.Match.FirstLeader);
  EXPECT_FALSE(duel.Client.ContinueOpen());
  EXPECT_EQ(duel.Client.Continue(2), TContinueVerdict::NotNow);

  EXPECT_EQ(duel.Server.Continue(2), TContinueVerdict::Ok);
  EXPECT_EQ(duel.ClientGame.Deal.PlayPhase, 1);
  duel.ToClient.Pump();  // "start"
  EXPECT_EQ(duel.ClientGame.Deal.PlayPhase, 2);

  // The first trick: both sides play until it is complete.
  BothUntil(duel, [](const TDealState& d) { return d.TurnState == kTurnTrickComplete; });
  ASSERT_EQ(duel.ServerGame.Deal.TurnState, kTurnTrickComplete);
  ASSERT_EQ(duel.ClientGame.Deal.TurnState, kTurnTrickComplete);
  // Only the side whose opponent won the trick may collect first.
  const bool serverWon = duel.ServerGame.Deal.Leader == TLeader::Me;
  TMatchController& loser = serverWon ? duel.Client : duel.Server;
  TMatchController& winner = serverWon ? duel.Server : duel.Client;
  EXPECT_TRUE(loser.ContinueOpen());
  EXPECT_FALSE(winner.ContinueOpen());
  EXPECT_EQ(winner.Continue(2), TContinueVerdict::NotNow);
  EXPECT_EQ(loser.Continue(2), TContinueVerdict::Ok);
  duel.ToClient.Pump();  // "o"
  duel.ToServer.Pump();
  EXPECT_TRUE(winner.ContinueOpen());
  EXPECT_EQ(winner.Continue(2), TContinueVerdict::Ok);

  // The end of the deal: the client scores first, the server after its "o".
  BothUntil(duel, [](const TDealState& d) { return d.TurnState == kTurnDealOver; });
  ASSERT_EQ(duel.ServerGame.Deal.TurnState, kTurnDealOver);
  ASSERT_EQ(duel.ClientGame.Deal.TurnState, kTurnDealOver);
  EXPECT_FALSE(duel.Server.ContinueOpen());
  EXPECT_TRUE(duel.Client.ContinueOpen());
  EXPECT_EQ(duel.Client.Continue(2), TContinueVerdict::Ok);
  EXPECT_FALSE(duel.Client.ContinueOpen()) << "the client waits after scoring";
  duel.ToServer.Pump();
  EXPECT_TRUE(duel.Server.ContinueOpen());
  EXPECT_EQ(duel.Server.Continue(2), TContinueVerdict::Ok);
  EXPECT_EQ(duel.ServerGame.Match.MatchPoints[1], duel.ClientGame.Match.MatchPoints[2]);
  EXPECT_EQ(duel.ServerGame.Match.MatchPoints[2], duel.ClientGame.Match.MatchPoints[1]);
}

TEST(DuelPipe, StrayMessagesAreRefused) {
  std::mt19937_64 rng(3);
  TDuel duel(10, &rng);
  // A deal offered to the side that deals itself, a second deal in the middle of one.
  EXPECT_FALSE(duel.Server.ReceiveDeal(duel.ServerGame.Deal.DeckCard, 1, 10));
  duel.Server.Start();
  duel.ToClient.Pump();
  EXPECT_FALSE(duel.Client.ReceiveDeal(duel.ServerGame.Deal.DeckCard, 1, 10));
  EXPECT_FALSE(duel.Client.ReceiveDeal(duel.ServerGame.Deal.DeckCard, 7, 10));
  // An acknowledgement while a card is due opens nothing; a card the remote
  // seat does not hold, or played before the start, is refused.
  duel.Client.PeerAcknowledged();
  EXPECT_FALSE(duel.Client.ContinueOpen());
  EXPECT_EQ(duel.Client.SubmitCard(1, duel.ClientGame.Deal.Hand[2][1]), TMoveVerdict::PlayNotStarted);
  duel.Server.Continue(2);
  duel.ToClient.Pump();
  const int mover = duel.ClientGame.Deal.TurnState;
  EXPECT_EQ(duel.Client.SubmitCard(1, duel.ClientGame.Deal.Hand[2][1]),
            mover == 1 ? TMoveVerdict::NoSuchSlot : TMoveVerdict::NotYourTurn);
}

}  // namespace
}  // namespace zembra
