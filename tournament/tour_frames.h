// The tournament's game connection carries messages in frames of 20
// characters: a message is filled with "#" to 20 and its 20th character is
// the sender's seat digit ("1" or "2"); a longer message keeps its length
// and only its 20th character is replaced. The one exception is the
// server's deal message "b", which travels whole (124 characters). Pure
// code: bytes in, messages out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

inline constexpr size_t kTourFrameLength = 20;
inline constexpr int kTourMoveSeconds = 26;

// The message framed for the seat (1 or 2).
std::string TourFrame(std::string_view message, int seat);

// The seat digit a frame carries; nothing when it has none.
std::optional<int> FrameSeat(std::string_view frame);

// What a frame says, without its filling and seat digit: "hhodXY",
// "xslit", "TOut", "sHello" …
std::string FrameText(std::string_view frame);

// Cuts what the connection brings into whole messages, keeping a message
// split over two reads until its rest arrives: 20-character frames, and a
// deal message "b" of its full length when dealsWhole.
class TFrameReader {
 public:
  explicit TFrameReader(bool dealsWhole) : DealsWhole(dealsWhole) {}
  std::vector<std::string> Push(std::string_view bytes);
  // Bytes held back for a message not yet complete.
  size_t Pending() const { return Buffer.size(); }

 private:
  bool DealsWhole;
  std::string Buffer;
};

}  // namespace zembra
