// The song's presets read from MIDI files, and the trimmed view of the
// sound font: the synthesizer must sound exactly as with the whole font.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/fluid_font_loader.h"
#include "media/fluid_song_output.h"
#include "media/sound_font_view.h"

namespace zembra {
namespace {

using Bytes = std::vector<unsigned char>;

// A format-1 MIDI file of the given tracks (their events with deltas).
Bytes Midi(const std::vector<Bytes>& tracks) {
  Bytes m = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, static_cast<unsigned char>(tracks.size()), 0, 96};
  for (const Bytes& t : tracks) {
    Bytes body = t;
    body.insert(body.end(), {0, 0xFF, 0x2F, 0});
    m.insert(m.end(), {'M', 'T', 'r', 'k', 0, 0, static_cast<unsigned char>(body.size() >> 8),
                       static_cast<unsigned char>(body.size() & 0xFF)});
    m.insert(m.end(), body.begin(), body.end());
  }
  return m;
}

Bytes FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SongPresets, ReadsWhatSounds) {
  struct TCase {
    const char* What;
    std::vector<Bytes> Tracks;
    std::vector<TSongPreset> Expected;
  };
  const std::vector<TCase> cases = {
      {"no program change: piano", {{0, 0x90, 60, 100, 10, 0x80, 60, 0}}, {{0, 0}}},
      {"program, then notes in running status",
       {{0, 0xC0, 21, 0, 0x90, 60, 100, 10, 62, 100, 10, 60, 0}},
       {{0, 21}}},
      {"channel 10 plays drums", {{0, 0xC9, 0, 0, 0x99, 36, 90}}, {{128, 0}}},
      {"bank select", {{0, 0xB0, 0, 8, 0, 0xC0, 4, 0, 0x90, 60, 100}}, {{8, 4}}},
      {"a program that never sounds is left out", {{0, 0xC1, 33, 0, 0xC0, 24, 0, 0x90, 60, 100}}, {{0, 24}}},
      {"a note-on of velocity 0 is a note-off", {{0, 0x90, 60, 0, 0, 0xC0, 5, 0, 0x90, 60, 90}}, {{0, 5}}},
      {"changes between notes", {{0, 0xC0, 1, 0, 0x90, 60, 100, 20, 0xC0, 2, 0, 0x90, 60, 100}}, {{0, 1}, {0, 2}}},
      {"another track's change at the same moment comes first",
       {{96, 0xC0, 40, 0, 0x90, 60, 100}, {96, 0x90, 64, 100}},
       {{0, 40}}},
      {"meta and system exclusive events skipped",
       {{0, 0xFF, 0x03, 3, 'a', 'b', 'c', 0, 0xF0, 2, 0x7E, 0xF7, 0, 0xC0, 9, 0, 0x90, 60, 100}},
       {{0, 9}}},
  };
  for (const TCase& c : cases) EXPECT_EQ(SongPresets(Midi(c.Tracks)), c.Expected) << c.What;
}

TEST(SongPresets, RefusesWhatIsNoMidiFile) {
  Bytes cut = Midi({{0, 0xC0, 21, 0, 0x90, 60, 100}});
  cut.resize(cut.size() - 6);
  Bytes noStatus = Midi({{0, 60, 100}});
  Bytes longMeta = Midi({{0, 0xFF, 0x01, 0x7F, 'x'}});
  for (const Bytes& b : {Bytes{}, Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, cut, noStatus, longMeta})
    EXPECT_TRUE(SongPresets(b).empty());
}

class SongFont : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kSongSoundFont)) GTEST_SKIP() << "no " << kSongSoundFont;
    Song = FileBytes(ZEMBRA_SONG_MIDI);
    ASSERT_FALSE(Song.empty());
  }

  // The song (its first seconds) rendered by a synthesizer reading `font`
  // (a file, or a registered view through our loader).
  static std::vector<float> Render(const std::string& font, bool throughLoader, int seconds) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 44100.0);
    fluid_settings_setnum(settings, "synth.gain", 0.6);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (throughLoader) fluid_synth_add_sfloader(synth, NewFontViewLoader(settings));
    std::vector<float> out;
    if (fluid_synth_sfload(synth, font.c_str(), 1) != FLUID_FAILED) {
      fluid_player_t* player = new_fluid_player(synth);
      fluid_player_add(player, ZEMBRA_SONG_MIDI);
      fluid_player_play(player);
      std::vector<float> left(1024), right(1024);
      for (int block = 0; block < seconds * 44100 / 1024; ++block) {
        fluid_synth_write_float(synth, 1024, left.data(), 0, 1, right.data(), 0, 1);
        out.insert(out.end(), left.begin(), left.end());
        out.insert(out.end(), right.begin(), right.end());
      }
      fluid_player_stop(player);
      delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
  }

  Bytes Song;
};

TEST_F(SongFont, TheViewSoundsExactlyAsTheWholeFont) {
  const std::vector<TSongPreset> presets = SongPresets(Song);
  // Accordion, flute, guitar, bass, strings, clarinet and the drum kit.
  ASSERT_EQ(presets.size(), 7u);
  const auto view = TSoundFontView::Make(kSongSoundFont, presets);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->PresetCount(), 7);
  EXPECT_LT(view->InstrumentCount(), 30);
  const std::string name = RegisterFontView(view);
  const std::vector<float> whole = Render(kSongSoundFont, false, 90);
  const std::vector<float> trimmed = Render(name, true, 90);
  ForgetFontView(name);
  ASSERT_FALSE(whole.empty());
  float loudest = 0;
  for (float s : whole) loudest = std::max(loudest, std::abs(s));
  EXPECT_GT(loudest, 0.05f) << "the song is heard";
  EXPECT_TRUE(whole == trimmed);
  // A name that was never registered (or is forgotten) is a file name.
  EXPECT_TRUE(Render(name, true, 1).empty());
  EXPECT_FALSE(Render(kSongSoundFont, true, 1).empty());
}

TEST_F(SongFont, ReadsInPiecesAndRefusesToReadPastItsEnd) {
  const auto view = TSoundFontView::Make(kSongSoundFont, SongPresets(Song));
  ASSERT_TRUE(view);
  std::FILE* f = std::fopen(kSongSoundFont, "rb");
  ASSERT_TRUE(f);
  std::vector<char> whole(view->Size()), pieces(view->Size());
  EXPECT_TRUE(view->Read(f, 0, whole.data(), whole.size()));
  // Odd-sized steps cross every piece's border somewhere.
  for (std::uint64_t at = 0; at < view->Size(); at += 4093)
    ASSERT_TRUE(view->Read(f, at, pieces.data() + at, std::min<std::uint64_t>(4093, view->Size() - at)));
  EXPECT_TRUE(whole == pieces);
  EXPECT_EQ(std::string(whole.data(), 4), "RIFF");
  char byte;
  EXPECT_FALSE(view->Read(f, view->Size(), &byte, 1));
  EXPECT_FALSE(view->Read(f, view->Size() - 1, whole.data(), 2));
  std::fclose(f);
}

TEST_F(SongFont, NoViewOfWhatCannotBeTrimmed) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zembra-font-view-test";
  std::filesystem::create_directories(dir);
  const Bytes font = FileBytes(kSongSoundFont);
  auto write = [&](const char* name, const Bytes& bytes) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
  };
  const std::vector<TSongPreset> presets = SongPresets(Song);
  EXPECT_FALSE(TSoundFontView::Make((dir / "missing.sf2").string(), presets));
  EXPECT_FALSE(TSoundFontView::Make(write("cut.sf2", Bytes(font.begin(), font.begin() + font.size() / 2)), presets));
  EXPECT_FALSE(TSoundFontView::Make(write("song.mid", Song), presets));
  Bytes bent = font;
  bent[8] = 'x';  // not "sfbk"
  EXPECT_FALSE(TSoundFontView::Make(write("bent.sf2", bent), presets));
  const std::string phdr = "phdr";
  Bytes wild = font;
  const auto at = std::search(wild.begin(), wild.end(), phdr.begin(), phdr.end()) - wild.begin();
  wild[at + 8 + 24] = 0xFF;  // the first preset's bags far past the table
  wild[at + 8 + 25] = 0xFF;
  EXPECT_FALSE(TSoundFontView::Make(write("wild.sf2", wild), presets));
  EXPECT_FALSE(TSoundFontView::Make(kSongSoundFont, {}));
  EXPECT_FALSE(TSoundFontView::Make(kSongSoundFont, {{5, 5}})) << "a bank the font does not have";
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zembra
