#include "records/club_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/scoring.h"
#include "records/cp1251.h"
#include "records/file_store.h"

namespace zembra {
namespace {

constexpr int64_t kMicro = 1000000;

// Rows of the end-of-cycle window's texts.
constexpr int kCongratulations = 50, kBestResult = 51, kGoodResult = 53, kInTopTen = 54, kRegrets = 55,
              kWishBest = 56, kNotInTopTen = 57, kResult = 58, kPlace = 59, kVicePresident = 61, kMaster = 65,
              kBachelor = 66;

// Positions counted from 1, as the file's tables give them; a field that
// runs past the end of the line is cut short.
std::string_view Field(std::string_view line, size_t from, size_t length) {
  if (from - 1 >= line.size()) return {};
  return line.substr(from - 1, length);
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A blank-padded decimal, "-" before negative values.
std::optional<int64_t> IntegerField(std::string_view text) {
  text = Trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (!AllDigits(text) || text.size() > 12) return std::nullopt;
  int64_t v = 0;
  for (char c : text) v = v * 10 + (c - '0');
  return negative ? -v : v;
}

// A stored rating ("-1,230000") in millionths; nullopt when it is not one.
std::optional<int64_t> RatingMicro(std::string_view text) {
  text = Trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const size_t comma = text.find_first_of(",.");
  const std::string_view whole = text.substr(0, comma);
  std::string_view fraction = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  if (!AllDigits(whole) || whole.size() > 9) return std::nullopt;
  if (!fraction.empty() && !AllDigits(fraction)) return std::nullopt;
  int64_t v = 0;
  for (char c : whole) v = v * 10 + (c - '0');
  for (size_t i = 0; i < 6; ++i) v = v * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  return negative ? -v : v;
}

std::optional<int64_t> LineRating(std::string_view line) {
  if (line.size() < 30 || line[29] == '#') return std::nullopt;
  return RatingMicro(Field(line, 21, 10));
}

std::string RightAligned(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string FilledTo(std::string text, size_t width, char fill = ' ') {
  text.resize(width, fill);
  return text;
}

std::string Number(int64_t v, int64_t low, int64_t high) { return std::to_string(std::clamp(v, low, high)); }

// Six decimals with "," (the stored form).
std::string RatingText(double rating) {
  if (rating == 0.0) rating = 0.0;  // no "-0,000000"
  std::string s = FormatRating(std::clamp(rating, -kRatingLimit, kRatingLimit));
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

// Two decimals, halves away from zero.
std::string TwoDecimals(int64_t micro) {
  const int64_t hundredths = (std::llabs(micro) + 5000) / 10000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%lld,%02lld", micro < 0 && hundredths != 0 ? "-" : "",
                static_cast<long long>(hundredths / 100), static_cast<long long>(hundredths % 100));
  return buf;
}

std::string TopTenLine(std::string_view name, std::string_view score) {
  return FilledTo(std::string(name), kNameLength) + RightAligned(score, 6);
}

TClubWrite Commit(const TClubAccess& club, TClubLines& lines) {
  SealClubLines(lines);
  if (club.WritingBarred) return TClubWrite::Barred;
  return WriteFileAtomically(club.Path, JoinClubLines(lines)) ? TClubWrite::Written : TClubWrite::DiskError;
}

// Removes slot (when 1..5), then stores the line; the caller commits.
TStoreResult ReplaceInLines(TClubLines& lines, int slot, std::string line, bool endOfCycle) {
  TStoreResult r;
  RemoveProfileAt(lines, slot);
  if (endOfCycle) {
    r.CycleEnded = true;
    r.Cycle = EnterTopTen(lines, line);
  }
  r.Slot = PlaceInRecentList(lines, line);
  return r;
}

}  // namespace

std::vector<std::string_view> SplitFileLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = end + 1;
  }
  return lines;
}

TThreeSums ThreeSums(std::string_view text) {
  TThreeSums s;
  for (size_t i = 0; i < text.size(); ++i) {
    const int64_t code = static_cast<unsigned char>(text[i]);
    const size_t position = i + 1;
    s.All += code;
    if (position % 2 == 0) s.Even += code;
    if (position % 3 == 0) s.Third += code;
  }
  return s;
}

// ---- The file as a whole ----

std::optional<TClubLines> ParseClubFile(std::string_view bytes) {
  const auto split = SplitFileLines(bytes);
  if (split.size() != kClubLines) return std::nullopt;
  TClubLines lines;
  for (int n = 1; n <= kClubLines; ++n) {
    const size_t want = n <= kRecentPlayers ? kProfileLineLength
                        : n < kTopTenFirstLine + kTopTenSize ? kTopTenLineLength
                                                             : kClubTailLength;
    if (split[n - 1].size() != want) return std::nullopt;
    lines[n] = std::string(split[n - 1]);
  }
  return lines;
}

namespace {
TThreeSums ClubSums(const TClubLines& lines) {
  std::string text;
  for (int n = 1; n < kClubLines; ++n) text += lines[n];
  return ThreeSums(std::string_view(text).substr(0, kChecksummedLength));
}
}  // namespace

bool ClubFileIntact(const TClubLines& lines) {
  if (lines[16].compare(0, 2, kClubMarker) != 0) return false;
  const std::string_view last = lines[17];
  TThreeSums stored;
  int64_t* fields[] = {&stored.All, &stored.Even, &stored.Third};
  for (int i = 0; i < 3; ++i) {
    const std::string_view digits = Field(last, 11 + 6 * i, 6);
    if (digits.size() != 6 || !AllDigits(digits)) return false;
    *fields[i] = *IntegerField(digits);
  }
  return stored == ClubSums(lines);
}

void SealClubLines(TClubLines& lines) {
  const TThreeSums s = ClubSums(lines);
  char digits[64];
  std::snprintf(digits, sizeof digits, "%06lld%06lld%06lld", static_cast<long long>(s.All),
                static_cast<long long>(s.Even), static_cast<long long>(s.Third));
  lines[17] = FilledTo(lines[17].substr(0, 10), 10, '#') + digits;
}

std::string JoinClubLines(const TClubLines& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

std::string InitialClubFile() {
  TClubLines lines;
  for (int n = 1; n <= kRecentPlayers; ++n) lines[n] = kEmptyProfileLine;
  for (int i = 0; i < kTopTenSize; ++i) lines[kTopTenFirstLine + i] = TopTenLine("", "0");
  lines[16] = FilledTo(kClubMarker, kClubTailLength, '#');
  lines[17] = std::string("0#####") + kInitialDistributionLabel + "#";
  SealClubLines(lines);
  return JoinClubLines(lines);
}

std::optional<TClubLines> ReadClubFile(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ParseClubFile(*bytes);
}

// ---- Start-up check ----

TClubCheckResult CheckClubBytes(const std::optional<std::string>& bytes) {
  TClubCheckResult r;
  if (!bytes) return r;
  r.Outcome = TClubCheck::Incorrect;
  const auto lines = ParseClubFile(*bytes);
  if (!lines) return r;
  r.RussianAtStart = (*lines)[17][0] == '1';
  if (!ClubFileIntact(*lines)) return r;
  r.Outcome = TClubCheck::Usable;
  r.DistributionLabel = (*lines)[17].substr(6, 3);
  return r;
}

TClubCheckResult CheckClubFile(const std::string& path) {
  TClubCheckResult r = CheckClubBytes(ReadWholeFile(path));
  struct stat st {};
  // A read-only file would still be replaced by the atomic rename, so the
  // user's protection is honoured by never writing in this run.
  if (r.Outcome == TClubCheck::Usable && ::stat(path.c_str(), &st) == 0) r.Protected = (st.st_mode & S_IWUSR) == 0;
  return r;
}

std::string ClubCheckMessage(std::string_view rowText, std::string_view path) {
  return std::string(rowText) + " \"" + std::string(path) + "\"!";
}

TClubWrite InstallClubFile(const std::string& path) {
  if (ReadWholeFile(path)) return TClubWrite::Unchanged;
  return WriteFileAtomically(path, InitialClubFile()) ? TClubWrite::Written : TClubWrite::DiskError;
}

// ---- Profile lines ----

bool IsEmptyProfileLine(std::string_view line) { return line.size() < 37 || line[36] == '#'; }

std::optional<TProfile> ReadProfileLine(std::string_view line) {
  if (line.size() != kProfileLineLength || IsEmptyProfileLine(line)) return std::nullopt;
  TProfile p;
  p.Name = TrimRight(Cp1251ToUtf8(Field(line, 1, kNameLength)));
  if (const auto micro = LineRating(line)) p.Rating = static_cast<double>(*micro) / kMicro;
  p.MatchesPlayed = static_cast<int32_t>(IntegerField(Field(line, 31, 7)).value_or(0));
  p.CycleScore = static_cast<int32_t>(IntegerField(Field(line, 39, 6)).value_or(0));
  p.Password = DecodePassword(Field(line, 45, 15)).value_or(std::string(kPasswordLength, ' '));
  return p;
}

TProfileValues MatchStartValues(const TProfile& p) {
  return TProfileValues{p.MatchesPlayed + 1, p.CycleScore, p.Rating.value_or(0.0)};
}

TProfileValues NewPlayerValues() { return TProfileValues{1, 0, 0.0}; }

std::string NameField(std::string_view nameUtf8) {
  std::string name = Utf8ToCp1251(nameUtf8);
  for (char& c : name)
    if (c == '\r' || c == '\n') c = ' ';
  return FilledTo(std::move(name), kNameLength);
}

std::string EncodePassword(std::string_view passwordUtf8) {
  const std::string plain = FilledTo(Utf8ToCp1251(passwordUtf8), kPasswordLength);
  std::string code;
  for (char c : plain) code += std::to_string(static_cast<unsigned char>(c) + kPasswordOffset);
  return code;
}

std::optional<std::string> DecodePassword(std::string_view code) {
  if (code.size() != 3 * kPasswordLength || !AllDigits(code)) return std::nullopt;
  std::string plain;
  for (size_t i = 0; i < code.size(); i += 3) {
    const int value = (code[i] - '0') * 100 + (code[i + 1] - '0') * 10 + (code[i + 2] - '0') - kPasswordOffset;
    if (value < 0 || value > 255) return std::nullopt;
    plain += static_cast<char>(value);
  }
  return plain;
}

std::string MakeProfileLine(std::string_view nameUtf8, double rating, int32_t matchNo, int32_t cycleScore,
                            std::string_view passwordCode) {
  return NameField(nameUtf8) + RightAligned(RatingText(rating), 10) + RightAligned(Number(matchNo, 0, 9999999), 7) +
         " " + RightAligned(Number(cycleScore, -99999, 999999), 6) +
         FilledTo(std::string(passwordCode), 3 * kPasswordLength);
}

std::string RenameProfileLine(std::string_view line, std::string_view nameUtf8, std::string_view passwordUtf8) {
  std::string renamed = FilledTo(std::string(line), kProfileLineLength);
  renamed.replace(0, kNameLength, NameField(nameUtf8));
  renamed.replace(44, 3 * kPasswordLength, EncodePassword(passwordUtf8));
  return renamed;
}

// ---- Login window checks ----

bool PasswordMatches(std::string_view profileLine, std::string_view typedUtf8) {
  const auto stored = DecodePassword(Field(profileLine, 45, 15));
  std::string typed = Utf8ToCp1251(typedUtf8);
  if (typed.size() < kPasswordLength) typed.resize(kPasswordLength, ' ');
  return stored && *stored == typed;
}

TLoginResult CheckLogin(const TLoginEntry& entry) {
  TLoginResult r;
  if (entry.Name.empty()) return r;
  if (!entry.ProfileLine) {
    if (entry.Password != entry.Repeat) {
      r.Outcome = TLoginOutcome::PasswordsDiffer;
      return r;
    }
    r.Name = TrimRight(Cp1251ToUtf8(NameField(entry.Name)));
    r.Values = NewPlayerValues();
  } else {
    const auto profile = ReadProfileLine(*entry.ProfileLine);
    if (!profile || !PasswordMatches(*entry.ProfileLine, entry.Password)) {
      r.Outcome = TLoginOutcome::IncorrectPassword;
      return r;
    }
    r.Name = profile->Name;
    r.Values = MatchStartValues(*profile);
  }
  r.Outcome = TLoginOutcome::Accepted;
  r.PasswordCode = EncodePassword(entry.Password);
  return r;
}

int LoginStatusRow(TLoginOutcome outcome) {
  switch (outcome) {
    case TLoginOutcome::Accepted: return 0;
    case TLoginOutcome::IncorrectName: return club_rows::kIncorrectName;
    case TLoginOutcome::PasswordsDiffer: return club_rows::kPasswordsDiffer;
    case TLoginOutcome::IncorrectPassword: return club_rows::kIncorrectPassword;
  }
  return 0;
}

// ---- Operations on the lines ----

bool RemoveProfileAt(TClubLines& lines, int slot) {
  if (slot < 1 || slot > kRecentPlayers) return false;
  for (int n = slot; n < kRecentPlayers; ++n) lines[n] = lines[n + 1];
  lines[kRecentPlayers] = kEmptyProfileLine;
  return true;
}

TCycleResult EnterTopTen(TClubLines& lines, std::string& profileLine) {
  TCycleResult r;
  const std::string_view score = Field(profileLine, 39, 6);
  r.CycleScore = static_cast<int32_t>(IntegerField(score).value_or(0));
  for (int rank = 1; rank <= kTopTenSize && r.CyclePlace == 0; ++rank) {
    // An entry whose score cannot be read gives its place away.
    const auto entry = IntegerField(Field(lines[kTopTenFirstLine + rank - 1], 21, 6));
    if (!entry || *entry <= r.CycleScore) r.CyclePlace = rank;
  }
  if (r.CyclePlace != 0) {
    const int freed = kTopTenFirstLine + r.CyclePlace - 1;
    for (int n = kTopTenFirstLine + kTopTenSize - 1; n > freed; --n) lines[n] = lines[n - 1];
    lines[freed] = TopTenLine(Field(profileLine, 1, kNameLength), Trimmed(score));
  }
  profileLine.resize(kProfileLineLength, ' ');
  profileLine.replace(38, 6, "     0");
  return r;
}

int PlaceInRecentList(TClubLines& lines, std::string_view profileLine) {
  const int64_t rating = LineRating(profileLine).value_or(0);
  for (int slot = 1; slot <= kRecentPlayers; ++slot) {
    if (IsEmptyProfileLine(lines[slot]) || LineRating(lines[slot]).value_or(0) <= rating) {
      for (int n = kRecentPlayers; n > slot; --n) lines[n] = lines[n - 1];
      lines[slot] = std::string(profileLine);
      return slot;
    }
  }
  return 0;
}

// ---- Operations on the file ----

bool EndsCycle(int32_t matchNo) { return matchNo > 0 && matchNo % kCycleLength == 0; }

TClubWrite RemoveProfile(const TClubAccess& club, int slot) {
  if (slot < 1 || slot > kRecentPlayers) return TClubWrite::Unchanged;
  auto lines = ReadClubFile(club.Path);
  if (!lines) return TClubWrite::Unreadable;
  RemoveProfileAt(*lines, slot);
  return Commit(club, *lines);
}

TStoreResult StoreProfile(const TClubAccess& club, std::string_view profileLine, bool endOfCycle) {
  return ReplaceProfile(club, 0, profileLine, endOfCycle);
}

TStoreResult ReplaceProfile(const TClubAccess& club, int slot, std::string_view profileLine, bool endOfCycle) {
  // A line of another length would break the file's structure.
  if (profileLine.size() != kProfileLineLength) return {};
  auto lines = ReadClubFile(club.Path);
  if (!lines) {
    TStoreResult unreadable;
    unreadable.Write = TClubWrite::Unreadable;
    return unreadable;
  }
  TStoreResult r = ReplaceInLines(*lines, slot, std::string(profileLine), endOfCycle);
  r.Write = Commit(club, *lines);
  return r;
}

TStoreResult ChangeName(const TClubAccess& club, int slot, std::string_view nameUtf8,
                        std::string_view passwordUtf8) {
  TStoreResult r;
  r.Slot = slot;
  if (slot < 1 || slot > kRecentPlayers) return r;
  auto lines = ReadClubFile(club.Path);
  if (!lines) {
    r.Write = TClubWrite::Unreadable;
    return r;
  }
  if (IsEmptyProfileLine((*lines)[slot])) return r;
  const std::string renamed = RenameProfileLine((*lines)[slot], nameUtf8, passwordUtf8);
  r = ReplaceInLines(*lines, slot, renamed, false);
  r.Write = Commit(club, *lines);
  return r;
}

// ---- What the windows show ----

std::string RecentPlayerText(std::string_view line, TRecentMode mode, const TTextWidth& width) {
  std::string name(Field(line, 1, kNameLength));
  const bool empty = IsEmptyProfileLine(line);
  const auto matches = empty ? std::nullopt : IntegerField(Field(line, 31, 7));
  std::string rest;
  if (mode == TRecentMode::Score) {
    rest = "    " + (matches ? RightAligned(std::to_string(*matches % kCycleLength), 3) : "###") + "    " +
           std::string(Field(line, 39, 6));
  } else {
    const auto rating = LineRating(line);
    rest = "  " + (matches ? std::string(Field(line, 31, 7)) : "#######") + "  " +
           (rating ? RightAligned(TwoDecimals(*rating), 6) : "######");
  }
  if (!width) return Cp1251ToUtf8(name + rest);
  const size_t shortest = 4;  // the 5th character is the last one that may go
  bool lostLetter = false;
  while (name.size() > shortest && width(Cp1251ToUtf8(name + rest)) >= kPlayerButtonTextLimit) {
    lostLetter = lostLetter || (name.back() != ' ' && name.back() != '#');
    name.pop_back();
  }
  if (lostLetter) name.replace(name.size() - 3, 3, "...");
  return Cp1251ToUtf8(name + rest);
}

std::string AlignUnderHeading(const std::string& text, std::string_view heading, const TTextWidth& width) {
  if (!width) return text;
  // The ends of the heading's column titles.
  std::vector<size_t> ends;
  size_t i = heading.find_first_not_of(' ');
  while (i != std::string_view::npos && i < heading.size()) {
    size_t end = i;
    while (end < heading.size() && !(heading[end] == ' ' && (end + 1 >= heading.size() || heading[end + 1] == ' ')))
      ++end;
    ends.push_back(end);
    i = heading.find_first_not_of(' ', end);
  }
  // The text's two values: its last two words.
  const size_t lastStart = text.find_last_of(' ') + 1;
  const size_t gap = text.find_last_not_of(' ', lastStart - 1);
  if (ends.size() < 3 || lastStart == 0 || gap == std::string::npos) return text;
  const size_t firstStart = text.find_last_of(' ', gap) + 1;
  if (firstStart == 0) return text;
  const std::string values[2] = {text.substr(firstStart, gap + 1 - firstStart), text.substr(lastStart)};
  std::string out = text.substr(0, text.find_last_not_of(' ', firstStart - 1) + 1);
  const int blank = std::max(1, width(" "));
  for (int k = 0; k < 2; ++k) {
    const int target = width(std::string(heading.substr(0, ends[k + 1])));
    out += ' ';
    while (width(out + " " + values[k]) <= target + blank / 2) out += ' ';
    out += values[k];
  }
  return out;
}

std::vector<TTopTenRow> TopTenRows(const TClubLines& lines) {
  std::vector<TTopTenRow> rows;
  for (int rank = 1; rank <= kTopTenSize; ++rank) {
    const std::string& line = lines[kTopTenFirstLine + rank - 1];
    rows.push_back(TTopTenRow{std::to_string(rank) + ".", Cp1251ToUtf8(Field(line, 1, kNameLength)),
                              std::string(Field(line, 21, 6)), rank <= 3});
  }
  return rows;
}

std::string JoinTextLine(const TTextLine& line, const std::function<std::string(int)>& rowText) {
  std::string s;
  for (const TTextPiece& piece : line) s += piece.Row >= 0 ? rowText(piece.Row) : piece.Literal;
  return s;
}

TCycleWindow EndOfCycleWindow(TCycleGame game, int place, int32_t score) {
  const std::string result = std::to_string(score);
  TCycleWindow w;
  if (place >= 1 && place <= kTopTenSize) {
    char image[16];
    std::snprintf(image, sizeof image, "GPlace%02d", place);
    w.PlaceImage = image;
  }
  if (place == 1) {
    w.Sound = "WFiBest";
    w.Animation = "GEndBest";
    w.StillFrame = 25;
    w.Lines = {{{kCongratulations, {}}}, {{kBestResult, {}}}, {{kResult, {}}, {-1, result}}};
    const int honour = game == TCycleGame::LocalLoggedOut ? kMaster
                       : game == TCycleGame::NetDuel      ? kBachelor
                       : game == TCycleGame::AccountWorld ? kVicePresident
                                                          : 0;
    if (honour != 0) w.Lines.push_back({{honour, {}}});
  } else if (place >= 2 && place <= kTopTenSize) {
    w.Sound = "WFiGood";
    w.Animation = "GEndGood";
    w.StillFrame = 24;
    w.Lines = {{{kCongratulations, {}}}, {{kGoodResult, {}}}, {{kResult, {}}, {-1, result}}, {{kInTopTen, {}}}};
  } else {
    w.Sound = "WFiBads";
    w.Animation = "GEndBads";
    w.AnimationRepeats = true;
    w.StillFrame = 3;
    TTextLine resultLine = {{kResult, {}}, {-1, result}};
    if (game == TCycleGame::AccountWorld) {
      resultLine.back().Literal += " ; ";
      resultLine.push_back({kPlace, {}});
      resultLine.push_back({-1, std::to_string(place)});
    }
    w.Lines = {{{kRegrets, {}}}, {{kWishBest, {}}}, resultLine, {{kNotInTopTen, {}}}};
  }
  return w;
}

}  // namespace zembra
