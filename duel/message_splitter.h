// The duel connection has no delimiters: one read may bring several
// messages or a piece of one. The splitter cuts what the reads bring into
// whole messages by their leading characters and known lengths, and
// keeps an incomplete message until the rest arrives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembra {

// How the bytes are cut:
// - A message of known length (handshake request 35, reply 28, deal 124,
//   card 6, start 8, acknowledgement 1, "abort" 5) is cut at its length; a
//   read that ends inside one, or inside its leading characters ("hh",
//   "hsit", "conn", "b" and a piece of a deal), waits for the next read.
// - A chat line has no length: the sender sends "s" and at most 15
//   characters with one send, and the receiver takes the rest of the read
//   as the text. So a chat line runs to the end of its read, except that
//   after its 16th byte the splitting goes on when what follows splits into
//   messages, the last perhaps still incomplete (a chat line of 15
//   characters and a card in one read). When it does not split,
//   everything to the end of the read is the chat text.
//   A shorter chat line followed by another message in the same read
//   cannot be told from a longer text and stays one chat line; the rest of
//   a chat line that only a later read brings cannot be told from garbage.
// - "o" is an acknowledgement, and "orv" also begins a handshake request.
//   Only the server while it waits for the handshake expects a request:
//   with SetExpectHandshake(true), "o" followed by "rv" is a handshake
//   request and an "o" or "or" at the end of a read waits for more; "o"
//   followed by anything else is still an acknowledgement. Otherwise "o" is
//   an acknowledgement at once (the client never sets it; the server clears
//   it when the handshake is done, and Feed({}) then cuts a byte held back).
// - Bytes that can begin no message break the connection: Broken() turns
//   true, Feed returns the messages before them, and from then on nothing
//   (the caller ends the duel).
class TDuelSplitter {
 public:
  // The whole messages the bytes complete, in order; an incomplete tail is
  // kept for the next read.
  std::vector<std::string> Feed(std::string_view bytes);

  void SetExpectHandshake(bool expect) { ExpectHandshake = expect; }
  bool ExpectsHandshake() const { return ExpectHandshake; }

  bool Broken() const { return IsBroken; }
  // The bytes kept for the next read.
  size_t Held() const { return Tail.size(); }

 private:
  std::string Tail;
  bool ExpectHandshake = false;
  bool IsBroken = false;
};

}  // namespace zembra
