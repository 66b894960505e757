#include "engine/scenario.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/rules.h"

namespace zembra::test {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::vector<TCardCode> Cards(std::string_view list) {
  std::vector<TCardCode> out;
  std::istringstream in{std::string(list)};
  std::string tok;
  while (in >> tok) out.push_back(C(tok));
  return out;
}

void SetHand(TDealState& d, int p, std::string_view list) {
  d.Hand[p].Fill(kNoCard);
  d.HandOrder[p].Fill(kEmptyValue);
  d.HandPoints[p].Fill(kEmptyValue);
  const auto cards = Cards(list);
  for (size_t i = 0; i < cards.size(); ++i) {
    d.Hand[p][i + 1] = cards[i];
    d.HandOrder[p][i + 1] = RankOrderOf(cards[i]);
    d.HandPoints[p][i + 1] = CardPointsOf(cards[i]);
  }
  d.HandCount[p] = static_cast<uint8_t>(cards.size());
}

std::pair<int, int> Pair(std::string_view v) {
  const auto comma = v.find(',');
  return {std::stoi(std::string(v.substr(0, comma))), std::stoi(std::string(v.substr(comma + 1)))};
}

}  // namespace

TCardCode C(std::string_view token) {
  const auto c = CardFromAscii(token);
  if (!c) throw std::invalid_argument("bad card token " + std::string(token));
  return *c;
}

TDeck DeckFrom(std::string_view cards) {
  const auto list = Cards(cards);
  if (list.size() != kDeckSize) throw std::invalid_argument("a deck has 24 cards");
  TDeck deck;
  for (int i = 1; i <= kDeckSize; ++i) deck[i] = list[i - 1];
  return deck;
}

int SlotIn(const TDealState& d, int player, std::string_view token) {
  const TCardCode c = C(token);
  for (int s = 1; s <= d.HandCount[player]; ++s)
    if (d.Hand[player][s] == c) return s;
  return 0;
}

TGame MakeScenario(std::string_view spec) {
  TGame g;
  TDealState& d = g.Deal;
  d.PlayedCards.Fill(kNoCard);
  d.TableCard.Fill(kNoCard);
  d.StockPos = 25;
  d.StockEmptyAnnounced = true;
  d.PlayPhase = 2;
  d.InDeal = true;
  bool sorted = true;
  int tableSeat = 0;
  TCardCode tableCard;

  size_t pos = 0;
  while (pos <= spec.size()) {
    size_t end = spec.find(';', pos);
    if (end == std::string_view::npos) end = spec.size();
    const std::string_view item = Trim(spec.substr(pos, end - pos));
    pos = end + 1;
    if (item.empty()) continue;
    const auto eq = item.find('=');
    const std::string_view key = Trim(item.substr(0, eq));
    const std::string_view value = eq == std::string_view::npos ? "" : Trim(item.substr(eq + 1));
    if (key == "trump") {
      d.Trump = *SuitFromAscii(value.at(0));
    } else if (key == "h1") {
      SetHand(d, 1, value);
    } else if (key == "h2") {
      SetHand(d, 2, value);
    } else if (key == "lead") {
      d.Leader = value == "co" ? TLeader::Co : TLeader::Me;
    } else if (key == "stock") {
      d.StockPos = static_cast<uint8_t>(std::stoi(std::string(value)));
      d.StockEmptyAnnounced = d.StockPos > kTrumpCardPos;
    } else if (key == "taken") {
      auto [a, b] = Pair(value);
      d.Taken[1] = a;
      d.Taken[2] = b;
    } else if (key == "pending") {
      auto [a, b] = Pair(value);
      d.Pending[1] = static_cast<uint8_t>(a);
      d.Pending[2] = static_cast<uint8_t>(b);
    } else if (key == "played") {
      const auto cards = Cards(value);
      for (size_t i = 0; i < cards.size(); ++i) d.PlayedCards[i + 1] = cards[i];
      d.PlayedPos = static_cast<uint8_t>(cards.size() + 1);
    } else if (key == "table1" || key == "table2") {
      tableSeat = key == "table1" ? 1 : 2;
      tableCard = C(value);
    } else if (key == "unsorted") {
      sorted = false;
    } else {
      throw std::invalid_argument("unknown scenario key " + std::string(key));
    }
  }
  if (sorted) {
    SortHand(d, 1);
    SortHand(d, 2);
  }
  d.TurnState = static_cast<uint8_t>(d.LeaderSeat());
  if (tableSeat) {
    d.Leader = LeaderOfSeat(tableSeat);
    d.TableCard[tableSeat] = tableCard;
    d.TableOrder[tableSeat] = RankOrderOf(tableCard);
    d.TablePoints[tableSeat] = CardPointsOf(tableCard);
    d.LedSuit = tableCard.Suit;
    d.TurnState = static_cast<uint8_t>(OtherSeat(tableSeat));
  }
  d.FirstDrawer = static_cast<uint8_t>(d.LeaderSeat());
  g.Match.FirstLeader = static_cast<uint8_t>(d.LeaderSeat());
  return g;
}

}  // namespace zembra::test
