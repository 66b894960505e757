#include "tools/simulator.h"

#include "match/autoplay.h"
#include "match/seats.h"
#include "tools/deck_file.h"
#include "tools/sim_trace.h"

namespace zembra::tools {
namespace {

// Next deck of the file, or an error message naming the line.
bool ReadDeck(TDeckReader& reader, TDeck& deck, std::string& error, bool& atEnd) {
  std::string line;
  atEnd = !reader.Next(line);
  if (atEnd) return false;
  TDeckParse parsed = ParseDeckLine(line);
  if (!parsed.Deck) {
    error = "line " + std::to_string(reader.LineNo()) + ": " + parsed.Error;
    return false;
  }
  deck = *parsed.Deck;
  return true;
}

std::unique_ptr<TSeat> MakeSeat(TPolicy policy, TSimTrace& trace, bool evals) {
  if (policy == TPolicy::First) return std::make_unique<TFirstLegalSeat>();
  auto computer = std::make_unique<TComputerSeat>();
  if (evals)
    computer->OnChoice = [&trace](int, const ai::TAiChoice& c) {
      if (c.Searched) trace.Evaluation(c.Values);
    };
  return computer;
}

}  // namespace

int RunSimulation(std::istream& decks, std::ostream& out, std::ostream& err,
                  const TSimOptions& o) {
  TDeckReader reader(decks);
  TGame g;
  TSimTrace trace(g, out, o.Match);
  const std::unique_ptr<TSeat> seat1 = MakeSeat(o.Policy1, trace, o.Evals);
  const std::unique_ptr<TSeat> seat2 = MakeSeat(o.Policy2, trace, o.Evals);
  TMatchSetup setup;
  setup.Target = o.Target;
  auto dealOver = [](const TGame& game) { return game.Deal.TurnState == kTurnDealOver; };

  TDeck deck;
  std::string error;
  bool atEnd = false;

  if (!o.Match) {
    // Each deck is the first deal of a new match, played to its end.
    while (true) {
      if (!ReadDeck(reader, deck, error, atEnd)) {
        if (atEnd) return 0;
        err << "zembra-sim: " << error << '\n';
        return 2;
      }
      setup.Deck = deck;
      TMatchController c(g, setup, *seat1, *seat2);
      c.AddListener(&trace);
      c.Start();
      PlayUntil(c, dealOver);
      out << '\n';
    }
  }

  if (!ReadDeck(reader, deck, error, atEnd)) {
    err << "zembra-sim: " << (atEnd ? "no deck for deal 1" : error) << '\n';
    return 2;
  }
  setup.Deck = deck;
  TMatchController c(g, setup, *seat1, *seat2);
  c.AddListener(&trace);
  c.Start();
  while (true) {
    PlayUntil(c, [](const TGame& game) {
      return game.Deal.TurnState == kTurnMatchContinues || game.Match.MatchClosed;
    });
    if (c.Over()) {
      out.flush();
      return 0;
    }
    if (!ReadDeck(reader, deck, error, atEnd)) {
      err << "zembra-sim: "
          << (atEnd ? "the deck file ran out before the match ended (deal " +
                          std::to_string(g.Match.DealNo + 1) + ")"
                    : error)
          << '\n';
      return 2;
    }
    c.SetNextDeck(deck);
    c.Continue(2);  // the next deal
  }
}

}  // namespace zembra::tools
