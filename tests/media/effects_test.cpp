// Effects as names and bytes: which ones hold the next move, the playing
// time of wave images (sound and damaged), and the voice pack's item names.
#include <gtest/gtest.h>

#include <string>

#include "engine/cards.h"
#include "media/effects.h"

namespace zembra {
namespace {

void PutLe32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void PutLe16(std::string& s, uint16_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>(v >> 8));
}

// A PCM wave image: format chunk, an optional extra chunk before the data,
// and dataBytes of silence (the data chunk may claim another size).
std::string Wave(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t dataBytes, uint32_t claimed,
                 const std::string& extra = {}) {
  std::string fmt;
  PutLe16(fmt, 1);
  PutLe16(fmt, channels);
  PutLe32(fmt, rate);
  PutLe32(fmt, rate * channels * bits / 8);
  PutLe16(fmt, static_cast<uint16_t>(channels * bits / 8));
  PutLe16(fmt, bits);
  std::string body = "WAVE";
  body += "fmt ";
  PutLe32(body, static_cast<uint32_t>(fmt.size()));
  body += fmt;
  if (!extra.empty()) {
    body += "LIST";
    PutLe32(body, static_cast<uint32_t>(extra.size()));
    body += extra;
    if (extra.size() % 2) body.push_back('\0');
  }
  body += "data";
  PutLe32(body, claimed);
  body.append(dataBytes, '\0');
  std::string wave = "RIFF";
  PutLe32(wave, static_cast<uint32_t>(body.size()));
  return wave + body;
}

TEST(Effects, OnlyPlayingDeclaringAndTheEmptyStockWait) {
  for (const char* name : {"WHodsDo", "WSays20", "WSays40", "WKoloNo"}) EXPECT_TRUE(EffectWaits(name)) << name;
  for (const char* name : {"WTasoKo", "WOpenFo", "WKoGutX", "WKoBadX", "WKoGood", "WKoBads", "WFiBest", "WFiGood",
                           "WFiBads", "WToMenK", "WWrongs", "STimerA", "STimerB", ""})
    EXPECT_FALSE(EffectWaits(name)) << name;
}

TEST(Effects, WaveLengths) {
  const struct {
    const char* Case;
    std::string Bytes;
    std::optional<int> Ms;
  } cases[] = {
      {"half a second, 22050 Hz mono 16-bit", Wave(22050, 1, 16, 22050, 22050), 500},
      {"stereo 44100 Hz, a quarter second", Wave(44100, 2, 16, 44100, 44100), 250},
      {"rounded up", Wave(22050, 1, 16, 45, 45), 2},
      {"an odd-sized chunk before the data", Wave(22050, 1, 16, 4410, 4410, "abc"), 100},
      {"data claimed beyond the end counts what is there", Wave(22050, 1, 16, 4410, 1000000), 100},
      {"empty data", Wave(22050, 1, 16, 0, 0), 0},
      {"zero byte rate", Wave(0, 1, 16, 100, 100), std::nullopt},
      {"not RIFF", "RIFX" + Wave(22050, 1, 16, 10, 10).substr(4), std::nullopt},
      {"too short", "RIFF", std::nullopt},
      {"no data chunk", Wave(22050, 1, 16, 10, 10).substr(0, 36), std::nullopt},
      {"nothing", "", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(WaveLengthMs(c.Bytes), c.Ms) << c.Case;
}

TEST(Effects, VoiceItemNames) {
  const TCardCode queenOfDiamonds = MakeCard(TRank::Queen, TSuit::Diamonds);
  EXPECT_EQ(VoiceItemName(queenOfDiamonds, 0), "Bu3QVoiceEng");
  EXPECT_EQ(VoiceItemName(queenOfDiamonds, 8), "Bu3QVoiceJap");  // its own suffix, unlike pictures
  EXPECT_EQ(VoiceItemName(queenOfDiamonds, 9), "Bu3QVoiceKor");
  EXPECT_EQ(VoiceItemName(MakeCard(TRank::Ace, TSuit::Spades), 1), "Pi5AVoiceRus");
  EXPECT_EQ(VoiceItemName(MakeCard(TRank::Nine, TSuit::Hearts), 7), "Ch09VoiceCze");
  EXPECT_EQ(VoiceItemName(queenOfDiamonds, 42), "Bu3QVoiceEng");
}

}  // namespace
}  // namespace zembra
