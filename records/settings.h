// Every user preference in one record, with the defaults a fresh
// installation starts from. Read from and written to the options file
// beside the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zembra {

struct TFontRole {
  std::string Name;
  int Scale = 100;  // percent, 50..150
};

struct TSettings {
  uint8_t Language = 0;
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimation = true;
  bool FlyCards = true;
  uint8_t ClubMode = 1;
  bool NetGame = false;
  bool OwnCursor = true;
  uint8_t FlightSpeed = 4;  // 1 slowest .. 6
  uint8_t WindowSize = 1;   // 1..5
  bool StatsReported = true;
  bool LikeSent = true;
  bool RadioListFromServer = true;
  uint8_t TitleColour = 1;
  bool NewButtons = false;
  bool AuxPictureDesign = false;
  uint8_t AuxDesign = 2;
  uint8_t MenuDesign = 0;
  uint8_t TableDesign = 0;
  bool SaluteButtons = true;
  bool SaluteCards = true;
  uint8_t CardSet = 0;
  uint8_t BackSet = 0;
  bool BackAlwaysOne = false;
  bool MatchTo8 = false;
  // Roles "decor", "serif", "fixed", "conew".
  std::array<TFontRole, 4> Fonts = {TFontRole{"Comic Sans MS", 100}, TFontRole{"Comic Sans MS", 100},
                                    TFontRole{"FixedSys", 100}, TFontRole{"Courier New", 100}};
  std::string ServerAddress = "127.0.0.1";
  std::string ServerPort = "25666";
  int BackgroundPattern = 2;
  int BackgroundColour = 0;
  std::string PlayerName = "Mr.X";
  // The world-top-ten identity stays empty until an options file with a
  // player name has been read; then it takes these defaults.
  std::string TopTenNick;
  std::string TopTenCountry;
  std::string TopTenCity;
  std::string TopTenSex;
  std::string TopTenAddress;   // plain form
  std::string StatsAddress;    // plain form
  std::string AccountAddress;  // plain form
  bool SaveGamesAsGif = false;
  uint8_t GifCaptureArea = 1;
  int GifFrameDelay = 1000;

  // Not stored: whether the services are open in this run.
  bool TopTenAvailable = false;
  bool ChatAvailable = false;
};

inline constexpr const char* kDefaultTopTenNick = "Incognito";
inline constexpr const char* kDefaultTopTenCountry = "1-001";
inline constexpr const char* kDefaultTopTenCity = "Moscow";
inline constexpr const char* kDefaultTopTenSex = "M";
// Until the club service runs elsewhere, the services live on this machine.
// Our club service on this machine (zembra-service's default port).
inline constexpr const char* kDefaultTopTenAddress = "http://127.0.0.1:25680/RecordsService";
inline constexpr const char* kDefaultStatsAddress = "http://127.0.0.1:25680/StatsService";

enum class TFontRoleId : uint8_t { Decor = 0, Serif = 1, Fixed = 2, Conew = 3 };

}  // namespace zembra
