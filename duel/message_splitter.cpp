#include "duel/message_splitter.h"

#include <algorithm>
#include <array>
#include <optional>

#include "duel/duel_messages.h"

namespace zembra {
namespace {

// The messages of known length, a handshake request before the
// acknowledgement so that "orv" is not cut after its "o".
constexpr std::array<TDuelMessageKind, 7> kFixedKinds = {
    TDuelMessageKind::HandshakeRequest, TDuelMessageKind::HandshakeReply, TDuelMessageKind::Deal,
    TDuelMessageKind::Card,             TDuelMessageKind::Start,          TDuelMessageKind::Ack,
    TDuelMessageKind::Abort,
};

// The most a sender puts into one chat line: "s" and 15 characters.
constexpr size_t kLongestChat = 1 + kChatLength;

enum class TNext : uint8_t { Whole, Wait, Chat, Bad };

struct TFound {
  TNext Next = TNext::Bad;
  size_t Length = 0;  // Whole: the message's length
};

// What the bytes begin with (bytes not empty).
TFound Next(std::string_view bytes, bool expectHandshake) {
  for (TDuelMessageKind kind : kFixedKinds) {
    if (kind == TDuelMessageKind::HandshakeRequest && !expectHandshake) continue;
    const std::string_view prefix = MessagePrefix(kind);
    const size_t length = MessageLength(kind);
    if (bytes.starts_with(prefix)) {
      if (bytes.size() < length) return {TNext::Wait};
      return {TNext::Whole, length};
    }
    if (prefix.starts_with(bytes)) return {TNext::Wait};
  }
  if (bytes.starts_with(MessagePrefix(TDuelMessageKind::Chat))) return {TNext::Chat};
  return {TNext::Bad};
}

struct TSplit {
  std::vector<std::string> Messages;
  size_t Used = 0;
  bool Bad = false;
};

TSplit Split(std::string_view bytes, bool expectHandshake);

// Where a chat line at the start of rest ends when a card, a start or a
// deal follows it in the same read: the first place from which a whole,
// valid one of those begins and everything after it splits into whole
// messages. A player types no card codes and no "hsitkon2", so that is no
// chat text; an acknowledgement "o" cannot be told from a letter and stays
// text. npos when no such place is found.
size_t ChatEnd(std::string_view rest) {
  const size_t last = std::min(rest.size() - 1, kLongestChat);
  for (size_t k = 2; k <= last; ++k) {
    const std::string_view tail = rest.substr(k);
    bool strong = false;
    switch (KindOf(tail)) {
      case TDuelMessageKind::Card:
        strong = tail.size() >= kCardMessageLength && ReadCardMessage(tail.substr(0, kCardMessageLength));
        break;
      case TDuelMessageKind::Start: strong = tail.starts_with(kStartMessage); break;
      case TDuelMessageKind::Deal:
        strong = tail.size() >= kDealMessageLength && ReadDealMessage(tail.substr(0, kDealMessageLength));
        break;
      default: break;
    }
    if (!strong) continue;
    const TSplit after = Split(tail, false);
    if (!after.Bad && after.Used == tail.size()) return k;
  }
  return std::string_view::npos;
}

// bytes end where the last read ended.
TSplit Split(std::string_view bytes, bool expectHandshake) {
  TSplit out;
  // The last chat line cut at its 16th byte: where it began and how many
  // messages came before it. When the bytes after it do not split, it takes
  // them all as its text.
  struct TCutChat {
    size_t Begin;
    size_t Messages;
  };
  std::optional<TCutChat> cutChat;
  while (out.Used < bytes.size()) {
    const std::string_view rest = bytes.substr(out.Used);
    const TFound found = Next(rest, expectHandshake);
    if (found.Next == TNext::Wait) break;
    if (found.Next == TNext::Bad) {
      if (!cutChat) {
        out.Bad = true;
        break;
      }
      out.Messages.resize(cutChat->Messages);
      out.Messages.emplace_back(bytes.substr(cutChat->Begin));
      out.Used = bytes.size();
      break;
    }
    if (found.Next == TNext::Chat) {
      if (const size_t end = ChatEnd(rest); end != std::string_view::npos) {
        out.Messages.emplace_back(rest.substr(0, end));
        out.Used += end;
        continue;
      }
      if (rest.size() <= kLongestChat) {
        out.Messages.emplace_back(rest);
        out.Used = bytes.size();
        break;
      }
      cutChat = TCutChat{out.Used, out.Messages.size()};
      out.Messages.emplace_back(rest.substr(0, kLongestChat));
      out.Used += kLongestChat;
      continue;
    }
    out.Messages.emplace_back(rest.substr(0, found.Length));
    out.Used += found.Length;
  }
  return out;
}

}  // namespace

std::vector<std::string> TDuelSplitter::Feed(std::string_view bytes) {
  if (IsBroken) return {};
  Tail += bytes;
  TSplit split = Split(Tail, ExpectHandshake);
  if (split.Bad) {
    IsBroken = true;
    Tail.clear();
  } else {
    Tail.erase(0, split.Used);
  }
  return std::move(split.Messages);
}

}  // namespace zembra
