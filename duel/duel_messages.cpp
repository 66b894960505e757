#include "duel/duel_messages.h"

#include <array>

#include "records/cp1251.h"

namespace zembra {
namespace {

constexpr std::string_view kRequestText = "connect1";
constexpr std::string_view kReplyPrefix = "connect2";
constexpr std::string_view kRequestPrefix = "orv";
constexpr std::string_view kDealPrefix = "b";
constexpr std::string_view kCardPrefix = "hhod";
constexpr std::string_view kChatPrefix = "s";

// Where the fields of a deal message start (0-based, the "b" at 0).
constexpr size_t kDealCardsAt = 1;
constexpr size_t kDealOrdersAt = kDealCardsAt + 2 * kDeckSize;   // 49
constexpr size_t kDealPointsAt = kDealOrdersAt + kDeckSize;      // 73
constexpr size_t kDealLeaderAt = kDealPointsAt + 2 * kDeckSize;  // 121
constexpr size_t kDealTargetAt = kDealLeaderAt + 1;              // 122
static_assert(kDealTargetAt + 2 == kDealMessageLength);

std::string TwoDigits(int n) {
  return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

// "orv0825connect1": what a request must begin with to come from this game.
std::string RequestHead() {
  return std::string(kRequestPrefix) + TwoDigits(kDuelGameId) + TwoDigits(kDuelProtocolTag) +
         std::string(kRequestText);
}

std::string FilledName(std::string_view bytes) {
  std::string name(bytes.substr(0, kDuelNameLength));
  name.resize(kDuelNameLength, ' ');
  return name;
}

// The name after a handshake's fixed head, its last character dropped.
std::optional<std::string> NameAfter(std::string_view msg, std::string_view head) {
  if (msg.size() != head.size() + kDuelNameLength || !msg.starts_with(head)) return std::nullopt;
  return Cp1251ToUtf8(msg.substr(head.size(), kDuelNameLength - 1));
}

bool IsCard(TCardCode c) { return RankOf(c).has_value() && SuitOfChar(c.Suit).has_value(); }

TCardCode CardAt(std::string_view msg, size_t at) {
  return TCardCode{static_cast<unsigned char>(msg[at]), static_cast<unsigned char>(msg[at + 1])};
}

struct TKindEntry {
  TDuelMessageKind Kind;
  std::string_view Prefix;
  size_t Length;
};

// "orv" before "o": the longer prefix decides.
constexpr std::array<TKindEntry, 8> kKinds = {{
    {TDuelMessageKind::HandshakeRequest, kRequestPrefix, kHandshakeRequestLength},
    {TDuelMessageKind::HandshakeReply, kReplyPrefix, kHandshakeReplyLength},
    {TDuelMessageKind::Deal, kDealPrefix, kDealMessageLength},
    {TDuelMessageKind::Card, kCardPrefix, kCardMessageLength},
    {TDuelMessageKind::Start, kStartMessage, kStartMessage.size()},
    {TDuelMessageKind::Ack, kAckMessage, kAckMessage.size()},
    {TDuelMessageKind::Chat, kChatPrefix, 0},
    {TDuelMessageKind::Abort, kAbortMessage, kAbortMessage.size()},
}};

const TKindEntry* EntryOf(TDuelMessageKind kind) {
  for (const TKindEntry& e : kKinds)
    if (e.Kind == kind) return &e;
  return nullptr;
}

}  // namespace

std::string_view MessagePrefix(TDuelMessageKind kind) {
  const TKindEntry* e = EntryOf(kind);
  return e ? e->Prefix : std::string_view();
}

size_t MessageLength(TDuelMessageKind kind) {
  const TKindEntry* e = EntryOf(kind);
  return e ? e->Length : 0;
}

TDuelMessageKind KindOf(std::string_view msg) {
  for (const TKindEntry& e : kKinds)
    if (msg.starts_with(e.Prefix)) return e.Kind;
  return TDuelMessageKind::Unknown;
}

std::string DuelName(std::string_view utf8Name) { return FilledName(Utf8ToCp1251(utf8Name)); }

std::string HandshakeRequest(std::string_view duelName) { return RequestHead() + FilledName(duelName); }

std::string HandshakeReply(std::string_view duelName) {
  return std::string(kReplyPrefix) + FilledName(duelName);
}

std::optional<std::string> ReadHandshakeRequest(std::string_view msg) {
  return NameAfter(msg, RequestHead());
}

std::optional<std::string> ReadHandshakeReply(std::string_view msg) { return NameAfter(msg, kReplyPrefix); }

std::string DealMessage(const TDeck& deck, int firstLeader, int target) {
  std::string msg(kDealPrefix);
  msg.reserve(kDealMessageLength);
  for (const TCardCode& c : deck) msg += CodeBytes(c);
  // An invalid card (99) still gives one digit, so the length holds.
  for (const TCardCode& c : deck) msg += static_cast<char>('0' + RankOrderOf(c) % 10);
  for (const TCardCode& c : deck) msg += TwoDigits(CardPointsOf(c));
  msg += firstLeader == 1 ? '1' : '2';
  msg += target == 8 ? "08" : "10";
  return msg;
}

std::optional<TDuelDeal> ReadDealMessage(std::string_view msg) {
  if (msg.size() != kDealMessageLength || !msg.starts_with(kDealPrefix)) return std::nullopt;
  TDuelDeal deal;
  for (int pos = 1; pos <= kDeckSize; ++pos) {
    const TCardCode c = CardAt(msg, kDealCardsAt + 2 * (pos - 1));
    if (!IsCard(c)) return std::nullopt;
    // 24 different valid cards are the whole pack.
    for (int earlier = 1; earlier < pos; ++earlier)
      if (deal.Deck[earlier] == c) return std::nullopt;
    deal.Deck[pos] = c;
  }
  const char leader = msg[kDealLeaderAt];
  if (leader != '1' && leader != '2') return std::nullopt;
  deal.SenderFirstLeader = leader - '0';
  const std::string_view target = msg.substr(kDealTargetAt);
  if (target != "08" && target != "10") return std::nullopt;
  deal.Target = target == "08" ? 8 : 10;
  // The digit fields must be exactly what the cards give.
  if (DealMessage(deal.Deck, deal.SenderFirstLeader, deal.Target) != msg) return std::nullopt;
  return deal;
}

std::string CardMessage(TCardCode card) { return std::string(kCardPrefix) + CodeBytes(card); }

std::optional<TCardCode> ReadCardMessage(std::string_view msg) {
  if (msg.size() != kCardMessageLength || !msg.starts_with(kCardPrefix)) return std::nullopt;
  const TCardCode c = CardAt(msg, kCardPrefix.size());
  if (!IsCard(c)) return std::nullopt;
  return c;
}

std::string ChatMessage(std::string_view utf8Text) {
  return std::string(kChatPrefix) + Utf8ToCp1251(utf8Text).substr(0, kChatLength);
}

std::string ReadChatText(std::string_view msg) {
  if (!msg.starts_with(kChatPrefix)) return {};
  return Cp1251ToUtf8(msg.substr(kChatPrefix.size()));
}

}  // namespace zembra
