#include "records/options_file.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "records/cp1251.h"

namespace zembra {
namespace {


// A decimal number filling the whole text, or nothing.
std::optional<int> Number(std::string_view text) {
  int v = 0;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || p != text.data() + text.size()) return std::nullopt;
  return v;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    const bool last = end == std::string_view::npos;
    if (last) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = end + 1;
  }
  return lines;
}

std::string Cut(std::string_view s, size_t n) { return std::string(s.substr(0, n)); }

// One line of text for the file: no line breaks inside.
std::string Line(std::string_view utf8) {
  std::string s = Utf8ToCp1251(utf8);
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

void DecodeGeneral(std::string_view f, TSettings& s) {
  auto at = [&](size_t i) -> int { return i < f.size() ? static_cast<unsigned char>(f[i]) : -1; };
  if (int c = at(0); c >= '0' && c <= '9') s.Language = static_cast<uint8_t>(c - '0');
  else if (c >= 'a' && c <= 'k') s.Language = 0;  // a language this program does not have
  switch (at(1)) {
    case '0': s.SoundOn = false; s.MusicOn = false; break;
    case '1': s.SoundOn = true; s.MusicOn = true; break;
    case '2': s.SoundOn = true; s.MusicOn = false; break;
    case '3': s.SoundOn = false; s.MusicOn = true; break;
    default: break;
  }
  if (at(2) == '0') s.GifAnimation = false;
  if (at(3) == '0') s.FlyCards = false;
  if (at(4) == '2') s.ClubMode = 2;
  if (at(5) == '1') s.NetGame = true;
  if (at(6) == '0') s.OwnCursor = false;
  if (int c = at(7); c >= '1' && c <= '6') s.FlightSpeed = static_cast<uint8_t>(c - '0');
  if (int c = at(8); c >= '1' && c <= '5') s.WindowSize = static_cast<uint8_t>(c - '0');
  if (at(9) >= 0) s.StatsReported = at(9) == 'R';
  if (at(10) >= 0) s.LikeSent = at(10) == 'L';
  if (at(11) == '0') s.RadioListFromServer = true;
  if (at(11) == '1') s.RadioListFromServer = false;
  if (int c = at(12); c >= '1' && c <= '7') s.TitleColour = static_cast<uint8_t>(c - '0');
  if (at(13) == '1') s.NewButtons = true;
  if (at(13) == '0') s.NewButtons = false;
  if (at(14) == '1') s.AuxPictureDesign = true;
  if (at(14) == '0') s.AuxPictureDesign = false;
  if (int c = at(15); c >= '1' && c <= '3') s.AuxDesign = static_cast<uint8_t>(c - '0');
  if (int c = at(16); c == '0' || c == '1') s.MenuDesign = static_cast<uint8_t>(c - '0');
  if (int c = at(17); c == '0' || c == '1') s.TableDesign = static_cast<uint8_t>(c - '0');
  if (int c = at(18); c == '0' || c == '1') s.SaluteButtons = c == '1';
  if (int c = at(19); c == '0' || c == '1') s.SaluteCards = c == '1';
}

// Files written before the club service had its own port name the
// placeholder addresses of that time; they mean the local service.
std::string CurrentAddress(std::string address) {
  if (address == "http://127.0.0.1:8666/records") return kDefaultTopTenAddress;
  if (address == "http://127.0.0.1:8666/stats") return kDefaultStatsAddress;
  return address;
}

}  // namespace

TSettings DefaultSettings() { return TSettings{}; }

std::string EncipherAddress(std::string_view plain) {
  // Each byte shifted by its position and written as two hex digits: no
  // readable address in the file, and nothing that could break a line.
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < plain.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(plain[i] + 17 + i * 7);
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  return out;
}

std::string DecipherAddress(std::string_view enciphered) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  for (size_t i = 0; i + 1 < enciphered.size(); i += 2) {
    const int hi = digit(enciphered[i]), lo = digit(enciphered[i + 1]);
    if (hi < 0 || lo < 0) return {};
    out += static_cast<char>((hi << 4 | lo) - 17 - (i / 2) * 7);
  }
  return out;
}

bool IsValidCountry(std::string_view line) {
  static constexpr int kLimit[] = {48, 51, 35, 14, 23, 54};
  if (line.size() != 5 || line[0] < '1' || line[0] > '6' || line[1] != '-') return false;
  const auto n = Number(line.substr(2));
  return n && *n >= 0 && *n <= kLimit[line[0] - '1'];
}

TOptionsRead ReadOptions(const std::optional<std::string>& fileBytes) {
  TOptionsRead r;
  r.Settings = DefaultSettings();
  TSettings& s = r.Settings;
  if (!fileBytes) return r;
  const std::vector<std::string_view> lines = SplitLines(*fileBytes);
  if (lines.size() < kOptionsLines) return r;  // a short file gives nothing
  auto L = [&](int n) { return lines[n - 1]; };

  DecodeGeneral(L(2), s);
  r.LastLine = 2;
  const auto cardSet = Number(L(4));
  if (!cardSet) return r;
  if (*cardSet >= 0 && *cardSet <= 47) s.CardSet = static_cast<uint8_t>(*cardSet);
  r.LastLine = 4;
  if (L(6).size() <= 2) return r;
  const auto backSet = Number(L(6).substr(0, 2));
  if (!backSet) return r;
  if (*backSet >= 0 && *backSet <= 12) s.BackSet = static_cast<uint8_t>(*backSet);
  s.BackAlwaysOne = L(6)[2] == '1';
  r.LastLine = 6;
  s.MatchTo8 = !L(8).empty() && L(8)[0] == '1';
  r.LastLine = 8;

  for (int i = 0; i < 4; ++i) {
    if (L(10 + i).size() < 2) return r;
    s.Fonts[i].Name = Cp1251ToUtf8(L(10 + i));
    r.LastLine = 10 + i;
  }
  for (int i = 0; i < 4; ++i) {
    const auto scale = Number(L(14 + i));
    if (!scale) return r;
    s.Fonts[i].Scale = std::clamp(*scale, 50, 150);
    r.LastLine = 14 + i;
  }
  if (L(18).empty()) return r;
  s.ServerAddress = Cp1251ToUtf8(L(19));
  r.LastLine = 19;
  if (L(20).empty()) return r;
  s.ServerPort = Cp1251ToUtf8(L(20));
  r.LastLine = 20;
  if (L(21).empty() || L(22).empty()) return r;
  const auto pattern = Number(L(22).substr(0, 2));
  const auto colour = Number(L(22).substr(std::min<size_t>(2, L(22).size()), 1));
  if (!pattern || !colour) return r;
  if (*pattern >= 0 && *pattern <= 10) s.BackgroundPattern = *pattern;
  if (*colour >= 0 && *colour <= 6) s.BackgroundColour = *colour;
  r.LastLine = 22;
  if (L(23).empty() || L(24).empty()) return r;
  s.PlayerName = Cp1251ToUtf8(L(24));
  r.LastLine = 24;

  s.TopTenNick = kDefaultTopTenNick;
  s.TopTenCountry = kDefaultTopTenCountry;
  s.TopTenCity = kDefaultTopTenCity;
  s.TopTenSex = kDefaultTopTenSex;
  s.TopTenAddress = kDefaultTopTenAddress;
  s.StatsAddress = kDefaultStatsAddress;

  if (L(26).empty()) return r;
  s.TopTenAddress = CurrentAddress(DecipherAddress(L(26)));
  r.LastLine = 26;
  if (L(27).empty()) return r;
  s.TopTenNick = Cp1251ToUtf8(Cut(L(27), 12));
  r.LastLine = 27;
  if (L(28).size() != 5) return r;
  if (IsValidCountry(L(28))) s.TopTenCountry = Cut(L(28), 15);
  r.LastLine = 28;
  if (L(29).empty()) return r;
  s.TopTenCity = Cp1251ToUtf8(Cut(L(29), 15));
  r.LastLine = 29;
  if (L(30).empty()) return r;
  s.TopTenSex = L(30).substr(0, 1) == "W" ? "W" : "M";
  r.LastLine = 30;
  r.ReachedIdentity = true;

  if (!L(31).empty()) s.StatsAddress = CurrentAddress(DecipherAddress(L(31)));
  r.LastLine = 31;
  s.SaveGamesAsGif = L(33) == std::string_view("\xE8", 1);
  r.LastLine = 33;
  const auto area = Number(L(34));
  if (!area) return r;
  if (*area == 1 || *area == 2) s.GifCaptureArea = static_cast<uint8_t>(*area);
  r.LastLine = 34;
  const auto delay = Number(L(35));
  if (!delay) return r;
  s.GifFrameDelay = std::clamp(*delay, 10, 5000);
  r.LastLine = 35;
  return r;
}

std::string GeneralFlags(const TSettings& s) {
  std::string f(20, '#');
  f[0] = static_cast<char>(s.Language <= 9 ? '0' + s.Language : 'a' + (s.Language - 10));
  f[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
  f[2] = s.GifAnimation ? '1' : '0';
  f[3] = s.FlyCards ? '1' : '0';
  f[4] = s.ClubMode == 2 ? '2' : '1';
  f[5] = s.NetGame ? '1' : '0';
  f[6] = s.OwnCursor ? '1' : '0';
  f[7] = static_cast<char>(s.FlightSpeed >= 1 && s.FlightSpeed <= 6 ? '0' + s.FlightSpeed : '4');
  f[8] = static_cast<char>(s.WindowSize >= 1 && s.WindowSize <= 5 ? '0' + s.WindowSize : '1');
  f[9] = s.StatsReported ? 'R' : '#';
  f[10] = s.LikeSent ? 'L' : '#';
  f[11] = s.RadioListFromServer ? '0' : '1';
  f[12] = static_cast<char>('0' + s.TitleColour % 10);
  f[13] = s.NewButtons ? '1' : '0';
  f[14] = s.AuxPictureDesign ? '1' : '0';
  f[15] = static_cast<char>('0' + s.AuxDesign % 10);
  f[16] = s.MenuDesign ? '1' : '0';
  f[17] = s.TableDesign ? '1' : '0';
  f[18] = s.SaluteButtons ? '1' : '0';
  f[19] = s.SaluteCards ? '1' : '0';
  return f;
}

std::string WriteOptions(const TSettings& s) {
  std::vector<std::string> l;
  l.push_back("<# General>");
  l.push_back(GeneralFlags(s));
  l.push_back("<# Cards>");
  l.push_back(std::to_string(s.CardSet));
  l.push_back("<# Decks>");
  l.push_back((s.BackSet < 10 ? "0" : "") + std::to_string(s.BackSet) + (s.BackAlwaysOne ? "1" : "0"));
  l.push_back("<# Individual>");
  l.push_back(std::string(s.MatchTo8 ? "1" : "0") + "#####");
  l.push_back("<# Fonts>");
  for (const auto& f : s.Fonts) l.push_back(Line(f.Name));
  for (const auto& f : s.Fonts) l.push_back(std::to_string(f.Scale));
  l.push_back("<# IP & Port>");
  l.push_back(Line(s.ServerAddress));
  l.push_back(Line(s.ServerPort));
  l.push_back("<# Background>");
  std::string bg = std::to_string(s.BackgroundPattern) + std::to_string(s.BackgroundColour);
  if (bg.size() == 2) bg = "0" + bg;
  l.push_back(bg);
  l.push_back("<# Name Of Player>");
  l.push_back(Line(s.PlayerName));
  l.push_back("<# World Top Ten>");
  // An identity still empty (no options file at this start) is written as
  // the defaults the next start would give it: an empty line there would
  // end the next reading early and lose every setting after it.
  auto orDefault = [](const std::string& v, const char* d) { return v.empty() ? std::string(d) : v; };
  l.push_back(EncipherAddress(orDefault(s.TopTenAddress, kDefaultTopTenAddress)));
  l.push_back(Line(orDefault(s.TopTenNick, kDefaultTopTenNick)));
  l.push_back(Line(orDefault(s.TopTenCountry, kDefaultTopTenCountry)));
  l.push_back(Line(orDefault(s.TopTenCity, kDefaultTopTenCity)));
  l.push_back(Line(orDefault(s.TopTenSex, kDefaultTopTenSex)));
  l.push_back(EncipherAddress(orDefault(s.StatsAddress, kDefaultStatsAddress)));
  l.push_back("<# Save Games as GIF>");
  l.push_back(s.SaveGamesAsGif ? "\xE8" : "\xEB");
  l.push_back(std::to_string(s.GifCaptureArea));
  l.push_back(std::to_string(s.GifFrameDelay));
  std::string out;
  for (const auto& line : l) out += line + "\r\n";
  return out;
}

}  // namespace zembra
