#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "records/cp1251.h"
#include "records/file_store.h"
#include "records/options_file.h"

namespace zembra {
namespace {

// A complete file as lines (without line ends), the way a player's options
// might have been saved.
std::vector<std::string> GoodLines() {
  return {"<# General>",  "111011153R0131030101X",  // line 2 has one extra character
          "<# Cards>",    "5",
          "<# Decks>",    "071",
          "<# Individual>", "1#####",
          "<# Fonts>",    "Arial", "Times New Roman", "Courier", "Courier New",
          "120", "90", "100", "150",
          "<# IP & Port>", "192.168.0.7", "25667",
          "<# Background>", "103",
          "<# Name Of Player>", "Anna",
          "<# World Top Ten>", EncipherAddress("http://club.example/top"),
          "Annushka", "2-014", "Riga", "W",
          EncipherAddress("http://club.example/stats"),
          "<# Save Games as GIF>", "\xE8", "2", "500"};
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

std::string With(int line, const std::string& text) {
  auto lines = GoodLines();
  lines[line - 1] = text;
  return Join(lines);
}

TEST(OptionsFile, NoFileGivesDefaults) {
  const TOptionsRead r = ReadOptions(std::nullopt);
  const TSettings& s = r.Settings;
  EXPECT_EQ(s.Language, 0);
  EXPECT_TRUE(s.SoundOn);
  EXPECT_TRUE(s.MusicOn);
  EXPECT_EQ(s.WindowSize, 1);
  EXPECT_EQ(s.FlightSpeed, 4);
  EXPECT_EQ(s.PlayerName, "Mr.X");
  EXPECT_EQ(s.ServerAddress, "127.0.0.1");
  EXPECT_EQ(s.ServerPort, "25666");
  EXPECT_EQ(s.BackgroundPattern, 2);
  EXPECT_EQ(s.BackgroundColour, 0);
  EXPECT_TRUE(s.TopTenNick.empty());  // the identity stays empty
  EXPECT_FALSE(r.ReachedIdentity);
  EXPECT_EQ(r.LastLine, 0);
}

// The first start without a file, then the next: what was chosen in the
// first run survives, also past the world-top-ten lines.
TEST(OptionsFile, TheFirstRunsChoicesSurviveTheNextStart) {
  TSettings first = ReadOptions(std::nullopt).Settings;
  first.SaveGamesAsGif = true;
  first.GifCaptureArea = 2;
  first.GifFrameDelay = 500;
  first.Language = 3;
  const std::string written = WriteOptions(first);
  const std::vector<std::string> lines = [&] {
    std::vector<std::string> v;
    size_t at = 0;
    while (at < written.size()) {
      const size_t end = written.find("\r\n", at);
      v.push_back(written.substr(at, end - at));
      at = end + 2;
    }
    return v;
  }();
  ASSERT_GE(lines.size(), 35u);
  EXPECT_EQ(DecipherAddress(lines[25]), kDefaultTopTenAddress);  // line 26
  const TOptionsRead next = ReadOptions(written);
  EXPECT_EQ(next.LastLine, 35);
  EXPECT_TRUE(next.Settings.SaveGamesAsGif);
  EXPECT_EQ(next.Settings.GifCaptureArea, 2);
  EXPECT_EQ(next.Settings.GifFrameDelay, 500);
  EXPECT_EQ(next.Settings.Language, 3);
  // The identity the next start takes is the one it would have given anyway.
  EXPECT_EQ(next.Settings.TopTenAddress, kDefaultTopTenAddress);
  EXPECT_EQ(next.Settings.TopTenNick, kDefaultTopTenNick);
  EXPECT_EQ(next.Settings.TopTenCountry, kDefaultTopTenCountry);
  EXPECT_EQ(next.Settings.TopTenCity, kDefaultTopTenCity);
  EXPECT_EQ(next.Settings.TopTenSex, kDefaultTopTenSex);
}

TEST(OptionsFile, AGoodFileIsReadToTheEnd) {
  const TOptionsRead r = ReadOptions(Join(GoodLines()));
  const TSettings& s = r.Settings;
  EXPECT_EQ(r.LastLine, 35);
  EXPECT_TRUE(r.ReachedIdentity);
  EXPECT_EQ(s.Language, 1);
  EXPECT_TRUE(s.SoundOn);
  EXPECT_TRUE(s.MusicOn);
  EXPECT_TRUE(s.GifAnimation);
  EXPECT_FALSE(s.FlyCards);
  EXPECT_EQ(s.ClubMode, 1);
  EXPECT_TRUE(s.NetGame);
  EXPECT_TRUE(s.OwnCursor);
  EXPECT_EQ(s.FlightSpeed, 5);
  EXPECT_EQ(s.WindowSize, 3);
  EXPECT_TRUE(s.StatsReported);
  EXPECT_FALSE(s.LikeSent);  // position 10 holds '0', not 'L'
  EXPECT_FALSE(s.RadioListFromServer);
  EXPECT_EQ(s.TitleColour, 3);
  EXPECT_TRUE(s.NewButtons);
  EXPECT_FALSE(s.AuxPictureDesign);
  EXPECT_EQ(s.AuxDesign, 3);
  EXPECT_EQ(s.MenuDesign, 0);
  EXPECT_EQ(s.TableDesign, 1);
  EXPECT_FALSE(s.SaluteButtons);
  EXPECT_TRUE(s.SaluteCards);
  EXPECT_EQ(s.CardSet, 5);
  EXPECT_EQ(s.BackSet, 7);
  EXPECT_TRUE(s.BackAlwaysOne);
  EXPECT_TRUE(s.MatchTo8);
  EXPECT_EQ(s.Fonts[1].Name, "Times New Roman");
  EXPECT_EQ(s.Fonts[3].Scale, 150);
  EXPECT_EQ(s.ServerAddress, "192.168.0.7");
  EXPECT_EQ(s.BackgroundPattern, 10);
  EXPECT_EQ(s.BackgroundColour, 3);
  EXPECT_EQ(s.PlayerName, "Anna");
  EXPECT_EQ(s.TopTenAddress, "http://club.example/top");
  EXPECT_EQ(s.TopTenNick, "Annushka");
  EXPECT_EQ(s.TopTenCountry, "2-014");
  EXPECT_EQ(s.TopTenCity, "Riga");
  EXPECT_EQ(s.TopTenSex, "W");
  EXPECT_EQ(s.StatsAddress, "http://club.example/stats");
  EXPECT_TRUE(s.SaveGamesAsGif);
  EXPECT_EQ(s.GifCaptureArea, 2);
  EXPECT_EQ(s.GifFrameDelay, 500);
}

struct TDamageCase {
  const char* Name;
  std::string File;
  int LastLine;
  // What must hold afterwards.
  std::function<void(const TSettings&)> Check;
};

TEST(OptionsFile, DamagedFilesKeepWhatWasReadBeforeTheFault) {
  auto lines34 = GoodLines();
  lines34.pop_back();
  const TDamageCase cases[] = {
      {"34 lines: nothing at all", Join(lines34), 0,
       [](const TSettings& s) {
         EXPECT_EQ(s.Language, 0);
         EXPECT_EQ(s.WindowSize, 1);
       }},
      {"line 2 '1': Russian, the rest default", With(2, "1"), 35,
       [](const TSettings& s) {
         EXPECT_EQ(s.Language, 1);
         EXPECT_TRUE(s.SoundOn);
         EXPECT_TRUE(s.FlyCards);
         EXPECT_EQ(s.WindowSize, 1);
         EXPECT_TRUE(s.StatsReported);
       }},
      {"a language index above 9 is English", With(2, "b"), 35,
       [](const TSettings& s) { EXPECT_EQ(s.Language, 0); }},
      {"line 4 not a number stops", With(4, "five"), 2,
       [](const TSettings& s) {
         EXPECT_EQ(s.Language, 1);
         EXPECT_EQ(s.CardSet, 0);
         EXPECT_EQ(s.PlayerName, "Mr.X");
       }},
      {"line 6 of two characters stops", With(6, "07"), 4,
       [](const TSettings& s) {
         EXPECT_EQ(s.CardSet, 5);
         EXPECT_EQ(s.BackSet, 0);
         EXPECT_FALSE(s.MatchTo8);
       }},
      {"a one-character font name stops", With(11, "X"), 10,
       [](const TSettings& s) {
         EXPECT_EQ(s.Fonts[0].Name, "Arial");
         EXPECT_EQ(s.Fonts[1].Name, "Comic Sans MS");
         EXPECT_EQ(s.Fonts[0].Scale, 100);
       }},
      {"a scale that is not a number stops", With(15, "9o"), 14,
       [](const TSettings& s) {
         EXPECT_EQ(s.Fonts[0].Scale, 120);
         EXPECT_EQ(s.Fonts[1].Scale, 100);
         EXPECT_EQ(s.ServerAddress, "127.0.0.1");
       }},
      {"an empty address is taken as it is", With(19, ""), 35,
       [](const TSettings& s) { EXPECT_EQ(s.ServerAddress, ""); }},
      {"an empty player name stops before the identity", With(24, ""), 22,
       [](const TSettings& s) {
         EXPECT_EQ(s.PlayerName, "Mr.X");
         EXPECT_TRUE(s.TopTenNick.empty());
       }},
      {"continent 7: country stays, reading goes on", With(28, "7-001"), 35,
       [](const TSettings& s) {
         EXPECT_EQ(s.TopTenCountry, "1-001");
         EXPECT_EQ(s.TopTenCity, "Riga");
         EXPECT_EQ(s.GifFrameDelay, 500);
       }},
      {"continent 1 country 49: country stays", With(28, "1-049"), 35,
       [](const TSettings& s) {
         EXPECT_EQ(s.TopTenCountry, "1-001");
         EXPECT_TRUE(s.SaveGamesAsGif);
       }},
      {"continent 6 country 54 is valid", With(28, "6-054"), 35,
       [](const TSettings& s) { EXPECT_EQ(s.TopTenCountry, "6-054"); }},
      {"a four-character line 28 stops", With(28, "1-01"), 27,
       [](const TSettings& s) {
         EXPECT_EQ(s.TopTenNick, "Annushka");
         EXPECT_EQ(s.TopTenCountry, "1-001");
         EXPECT_EQ(s.TopTenCity, "Moscow");
         EXPECT_EQ(s.TopTenSex, "M");
         EXPECT_EQ(s.StatsAddress, kDefaultStatsAddress);
         EXPECT_FALSE(s.SaveGamesAsGif);
         EXPECT_EQ(s.GifFrameDelay, 1000);
       }},
      {"sex other than M or W is M", With(30, "X"), 35,
       [](const TSettings& s) { EXPECT_EQ(s.TopTenSex, "M"); }},
      {"line 33 must be exactly the byte E8", With(33, "\xE8 "), 35,
       [](const TSettings& s) { EXPECT_FALSE(s.SaveGamesAsGif); }},
      {"a long nick is cut to 12", With(27, "ABCDEFGHIJKLMNOP"), 35,
       [](const TSettings& s) { EXPECT_EQ(s.TopTenNick, "ABCDEFGHIJKL"); }},
  };
  for (const auto& c : cases) {
    const TOptionsRead r = ReadOptions(c.File);
    EXPECT_EQ(r.LastLine, c.LastLine) << c.Name;
    SCOPED_TRACE(c.Name);
    c.Check(r.Settings);
  }
}

TEST(OptionsFile, WriteThenReadGivesTheSameSettings) {
  TSettings s = ReadOptions(Join(GoodLines())).Settings;
  s.PlayerName = "Вася Пупкин";
  s.Language = 9;
  s.SoundOn = false;
  s.MusicOn = true;
  const std::string bytes = WriteOptions(s);
  // 35 lines of code page 1251, each ended by CR LF.
  size_t crlf = 0;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) crlf += bytes[i] == '\r' && bytes[i + 1] == '\n';
  EXPECT_EQ(crlf, 35u);
  EXPECT_NE(bytes.find(Utf8ToCp1251("Вася Пупкин")), std::string::npos);
  const TSettings back = ReadOptions(bytes).Settings;
  EXPECT_EQ(WriteOptions(back), bytes);
  EXPECT_EQ(back.PlayerName, "Вася Пупкин");
  EXPECT_EQ(back.Language, 9);
  EXPECT_FALSE(back.SoundOn);
  EXPECT_TRUE(back.MusicOn);
}

TEST(OptionsFile, LineFormats) {
  TSettings s;
  s.BackgroundPattern = 10;
  s.BackgroundColour = 3;
  EXPECT_NE(WriteOptions(s).find("\r\n103\r\n"), std::string::npos);
  s.BackgroundPattern = 2;
  s.BackgroundColour = 0;
  EXPECT_NE(WriteOptions(s).find("\r\n020\r\n"), std::string::npos);
  s.BackSet = 3;
  s.BackAlwaysOne = false;
  EXPECT_NE(WriteOptions(s).find("<# Decks>\r\n030\r\n"), std::string::npos);
  EXPECT_EQ(GeneralFlags(TSettings{}), "011110141RL010020011");
  const std::string off = WriteOptions(TSettings{});
  EXPECT_NE(off.find("<# Save Games as GIF>\r\n\xEB\r\n1\r\n1000\r\n"), std::string::npos);
}

TEST(OptionsFile, AddressesAreEncipheredReversibly) {
  for (const char* a : {"", "http://127.0.0.1:8666/records", "https://example.org/a?b=c&d=é"}) {
    const std::string e = EncipherAddress(a);
    EXPECT_EQ(e.find_first_of("\r\n/:."), std::string::npos) << e;
    EXPECT_EQ(DecipherAddress(e), a);
  }
  EXPECT_EQ(DecipherAddress("ZZ"), "");
}

TEST(OptionsFile, OlderPlaceholderAddressesMeanTheLocalClubService) {
  auto lines = GoodLines();
  lines[25] = EncipherAddress("http://127.0.0.1:8666/records");
  lines[30] = EncipherAddress("http://127.0.0.1:8666/stats");
  const TSettings s = ReadOptions(Join(lines)).Settings;
  EXPECT_EQ(s.TopTenAddress, kDefaultTopTenAddress);
  EXPECT_EQ(s.StatsAddress, kDefaultStatsAddress);
  EXPECT_EQ(ReadOptions(Join(GoodLines())).Settings.TopTenAddress, "http://club.example/top");
}

TEST(FileStore, AtomicReplaceKeepsThePreviousFileOnFailure) {
  const auto dir = std::filesystem::temp_directory_path() / "zembra-store-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "Zembra.ini").string();
  EXPECT_FALSE(ReadWholeFile(path).has_value());
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_TRUE(WriteFileAtomically(path, "second"));
  EXPECT_EQ(ReadWholeFile(path), "second");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  // A target inside a missing folder cannot be written; nothing is left behind.
  EXPECT_FALSE(WriteFileAtomically((dir / "missing" / "x.ini").string(), "x"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zembra
