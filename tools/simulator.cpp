#include "tools/simulator.h"

#include "ai/computer.h"
#include "engine/dealing.h"
#include "tools/deck_file.h"
#include "tools/sim_trace.h"

namespace zembra::tools {

TSimChoice ChooseForSeat(const TDealState& d, int seat, TPolicy policy) {
  TSimChoice c;
  if (policy == TPolicy::First) {
    c.Slot = 1;
    if (d.LeaderSeat() != seat) {
      for (int slot = 1; slot <= d.HandCount[seat]; ++slot) {
        if (!IsIllegalCard(d, seat, slot)) {
          c.Slot = slot;
          break;
        }
      }
    }
    return c;
  }
  const ai::TAiChoice a = seat == 1 ? ai::ChooseMove(d) : ai::ChooseMove(ai::MirrorView(d));
  c.Slot = a.Slot;
  c.Searched = a.Searched;
  c.Values = a.Values;
  return c;
}

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

}  // namespace

int RunSimulation(std::istream& decks, std::ostream& out, std::ostream& err,
                  const TSimOptions& o) {
  TDeckReader reader(decks);
  TGame g;
  g.Options.GameTo8 = o.Target == 8;
  TSimTrace trace(g, out, o.Match);
  g.SetListener(&trace);
  auto onChoice = [&](int, const TSimChoice& c) {
    if (o.Evals && c.Searched) trace.Evaluation(c.Values);
  };

  TDeck deck;
  std::string error;
  bool atEnd = false;

  if (!o.Match) {
    while (true) {
      if (!ReadDeck(reader, deck, error, atEnd)) {
        if (atEnd) return 0;
        err << "zembra-sim: " << error << '\n';
        return 2;
      }
      TDealOptions deal;
      deal.Deck = &deck;
      DealCards(g, deal);
      PlayOutDeal(g, o.Policy1, o.Policy2, onChoice);
      out << '\n';
    }
  }

  if (!ReadDeck(reader, deck, error, atEnd)) {
    err << "zembra-sim: " << (atEnd ? "no deck for deal 1" : error) << '\n';
    return 2;
  }
  TDealOptions first;
  first.Deck = &deck;
  DealCards(g, first);
  while (true) {
    PlayOutDeal(g, o.Policy1, o.Policy2, onChoice);
    Continue(g);  // score the deal
    if (g.Deal.TurnState == kTurnMatchOver) {
      Continue(g);  // sum up the match
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
    Continue(g, &deck);  // the next deal
  }
}

}  // namespace zembra::tools
