#include "media/effects.h"

#include <algorithm>
#include <cstdint>

#include "resources/pack_names.h"

namespace zembra {
namespace {

uint32_t Le32(std::string_view b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

}  // namespace

bool EffectWaits(std::string_view name) {
  return name == "WHodsDo" || name == "WSays20" || name == "WSays40" || name == "WKoloNo";
}

std::optional<int> WaveLengthMs(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  uint32_t byteRate = 0;
  std::optional<uint64_t> data;
  // Chunks: four-letter id, little-endian size, body padded to even length.
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string_view id = b.substr(at, 4);
    const uint64_t size = Le32(b, at + 4);
    const size_t body = at + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= b.size()) byteRate = Le32(b, body + 8);
    if (id == "data") {
      data = std::min<uint64_t>(size, b.size() - body);
      break;
    }
    at = body + size + (size & 1);
  }
  if (!data || byteRate == 0) return std::nullopt;
  return static_cast<int>((*data * 1000 + byteRate - 1) / byteRate);
}

std::string VoiceItemName(TCardCode card, int language) {
  const int l = language >= 0 && language < 10 ? language : 0;
  return CardPictureName(card) + "Voice" + kVoiceSuffixes[l];
}

}  // namespace zembra
