// The records the club service's requests fill, with the defaults a reply
// that lacks a field leaves in them. Texts are UTF-8.
#pragma once

#include <array>
#include <string>

namespace zembra {

// Personal info, in declaration order (the wire order differs).
struct TInfo14 {
  std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook, Twitter,
      Instagramm, YouTube;
};

struct TOrvUser {
  std::string Nick, Pw, City = "#", Country1 = "#", Country2 = "#";
  std::string Sex = "#";  // "M" a man, "W" a woman
  std::string EMail = "#", DateR = "00.00.0000", R01 = "#", R02 = "#", R03 = "#";
  int R04 = 0, R05 = 0, R06 = 0;
  std::string PwC;  // the password enciphered, for the user file
  TInfo14 Info;
};

// The account's rating record for this game.
struct TOrvGame {
  int Kon = 0, Score = 0, Sessions = 0;
  double Rating = 0;
  std::string PlayNow = "N";
  int R1 = 0;
  std::string R2 = "#";
  int Place = 0, Best = 0, Best5 = 0, Best6 = 0, Best7 = 0, Best8 = 0, KonL = 0;
};

struct TOrvTop10 {
  std::string Nick, City, Country;
  std::string Sex = "M";
  double Rating = 0;
};

// One row of a club table.
struct TOrvRecord {
  int RID = 0, GID = 0, Score = 0;
  std::string Nick = "#", Country = "#", City = "#", R07 = "#", R08 = "#", R09 = "#", R10 = "#*";
  int Place = 0;
};

struct TOrvStat {
  int GID = 0, Stat1 = 0, Stat2 = 0, Stat3 = 0;
  std::string Stat4;
  std::array<int, 12> StatX{};
  int StatY = 0;
  std::string StatZ;
};

struct TOrvClient {
  std::string Nick;
  int Score = 0, Kon = 0, Rating = 0;
  std::string Country, City;
  std::string Sex = "M";
  std::string IP;
};

// One tournament table.
struct TOrvTable {
  std::string IP = "0.0.0.0";
  int Port = 0;
  std::string Free = "X";
  int R1 = 0;
  std::string R2 = "X";
  std::string Nick1 = "X";
  int Score1 = 0, Kon1 = 0, Rating1 = 0;
  std::string Country1 = "X", City1 = "X", Sex1 = "M", IP1 = "X";
  std::string Nick2 = "X";
  int Score2 = 0, Kon2 = 0, Rating2 = 0;
  std::string Country2 = "X", City2 = "X", Sex2 = "M", IP2 = "X";
};

}  // namespace zembra
