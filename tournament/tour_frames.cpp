#include "tournament/tour_frames.h"

#include "duel/duel_messages.h"

namespace zembra {

std::string TourFrame(std::string_view message, int seat) {
  std::string frame(message);
  if (frame.size() < kTourFrameLength) frame.resize(kTourFrameLength, '#');
  frame[kTourFrameLength - 1] = seat == 2 ? '2' : '1';
  return frame;
}

std::optional<int> FrameSeat(std::string_view frame) {
  if (frame.size() < kTourFrameLength) return std::nullopt;
  const char c = frame[kTourFrameLength - 1];
  if (c == '1' || c == '2') return c - '0';
  return std::nullopt;
}

std::string FrameText(std::string_view frame) {
  std::string_view text = frame.substr(0, kTourFrameLength - 1);
  const size_t fill = text.find('#');
  return std::string(text.substr(0, fill));
}

std::vector<std::string> TFrameReader::Push(std::string_view bytes) {
  Buffer.append(bytes);
  std::vector<std::string> out;
  size_t at = 0;
  while (true) {
    const size_t need = DealsWhole && at < Buffer.size() && Buffer[at] == 'b' ? kDealMessageLength : kTourFrameLength;
    if (Buffer.size() - at < need) break;
    out.push_back(Buffer.substr(at, need));
    at += need;
  }
  Buffer.erase(0, at);
  return out;
}

}  // namespace zembra
