// The messages two copies of the program exchange in a duel: 8-bit strings
// in code page 1251 with no delimiter and no length field, told apart by
// their first characters. The builders give the exact bytes a peer sends;
// the readers take only what a sound peer can send and refuse the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/deal_state.h"

namespace zembra {

inline constexpr int kDuelGameId = 8;         // this game among the programs that share the protocol
inline constexpr int kDuelProtocolTag = 25;
inline constexpr size_t kDuelNameLength = 20;  // a player's name on the wire, filled with blanks
inline constexpr size_t kHandshakeRequestLength = 35;  // "orv" "08" "25" "connect1" + name
inline constexpr size_t kHandshakeReplyLength = 28;    // "connect2" + name
inline constexpr size_t kDealMessageLength = 124;
inline constexpr size_t kCardMessageLength = 6;
inline constexpr size_t kChatLength = 15;  // the characters a chat line holds

inline constexpr std::string_view kStartMessage = "hsitkon2";  // the server's human started play
inline constexpr std::string_view kAckMessage = "o";  // collected a trick or scored a deal: go on
inline constexpr std::string_view kAbortMessage = "abort";  // dropped without any action

enum class TDuelMessageKind : uint8_t {
  HandshakeRequest,  // client to server, while connecting
  HandshakeReply,    // server to client, while connecting
  Deal,              // server to client, a new deal
  Card,              // either way: the sender's human played the card
  Start,
  Ack,
  Chat,
  Abort,
  Unknown,
};

// The leading characters that name a message of the kind ("" for Unknown).
std::string_view MessagePrefix(TDuelMessageKind kind);
// The length of every message of the kind; 0 for a chat line (only its read
// ends it) and for Unknown.
size_t MessageLength(TDuelMessageKind kind);

// The kind a whole message names by its leading characters; the readers
// below check the rest. "orv" is a handshake request, any other message
// beginning with "o" an acknowledgement.
TDuelMessageKind KindOf(std::string_view msg);

// A player's name as the handshake carries it: code page 1251 (characters
// the code page lacks become '?'), cut to 20 characters, filled with blanks
// to 20.
std::string DuelName(std::string_view utf8Name);

// duelName as DuelName gives it; other bytes are cut or filled with blanks
// to 20 all the same, so the message keeps its length.
std::string HandshakeRequest(std::string_view duelName);
std::string HandshakeReply(std::string_view duelName);

// The opponent's name in UTF-8: the 19 characters after the fixed head, the
// 20th dropped, trailing blanks kept (the window trims them). Nothing when
// the message has another length, game identifier, protocol tag or text.
std::optional<std::string> ReadHandshakeRequest(std::string_view msg);
std::optional<std::string> ReadHandshakeReply(std::string_view msg);

// "b", the 24 card codes in deck order, the rank order of each card as one
// digit, its card points as two ("00".."11"), the first leader in the
// sender's seats ('1' or '2'), the target ("08" for 8, "10" otherwise).
std::string DealMessage(const TDeck& deck, int firstLeader, int target);

struct TDuelDeal {
  TDeck Deck;
  int SenderFirstLeader = 1;  // in the sender's seats: the receiver's seat is the other one
  int Target = 10;
  bool operator==(const TDuelDeal&) const = default;
};

// Only a real deal: 124 bytes, 24 different valid cards, the digits the
// cards give, a leader of 1 or 2, a target of 8 or 10.
std::optional<TDuelDeal> ReadDealMessage(std::string_view msg);

// "hhod" and the card's two bytes.
std::string CardMessage(TCardCode card);
// Exactly six bytes naming a valid card.
std::optional<TCardCode> ReadCardMessage(std::string_view msg);

// "s" and the text in code page 1251, cut to 15 characters.
std::string ChatMessage(std::string_view utf8Text);
// The text in UTF-8 without the leading "s"; empty when msg is no chat line.
std::string ReadChatText(std::string_view msg);

}  // namespace zembra
