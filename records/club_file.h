// The local club files "Zembra.clb" (games against the computer) and
// "Zembra.net" (net duels): five recent players, a top ten of cycle scores
// and a checksum line. Lines are code page 1251 bytes; names and passwords
// cross this interface as UTF-8. Failures come back as values for the
// windows to word; every rewrite goes through WriteFileAtomically.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dealing.h"
#include "engine/one_based.h"

namespace zembra {

inline constexpr const char* kClubFileName = "Zembra.clb";
inline constexpr const char* kNetClubFileName = "Zembra.net";

inline constexpr int kClubLines = 17;
inline constexpr int kRecentPlayers = 5;          // lines 1..5
inline constexpr int kTopTenFirstLine = 6;        // lines 6..15
inline constexpr int kTopTenSize = 10;
inline constexpr size_t kProfileLineLength = 59;
inline constexpr size_t kTopTenLineLength = 26;
inline constexpr size_t kClubTailLength = 28;     // lines 16 and 17
inline constexpr size_t kChecksummedLength = 583;  // 5 x 59 + 10 x 26 + 28
inline constexpr size_t kNameLength = 20;
inline constexpr size_t kPasswordLength = 5;

// Each password byte is stored as its code plus this offset, so that
// every code 0..255 becomes exactly three digits (317..572). Decoding
// subtracts it again; any other three digits are not a password.
inline constexpr int kPasswordOffset = 317;

// The first two characters of line 16: 100 + the game identifier 8, and 100 + 25.
inline constexpr char kClubMarker[] = "l}";

inline constexpr const char* kEmptyProfileLine =
    "##################################### #####################";

// Rows of the localisation table for what this module reports.
namespace club_rows {
inline constexpr int kCompletionOfGame = 49;   // title of the end-of-cycle window
inline constexpr int kIncorrectName = 67;
inline constexpr int kPasswordsDiffer = 68;
inline constexpr int kIncorrectPassword = 69;
inline constexpr int kNameChanged = 76;        // + the new name
inline constexpr int kTheFile = 90;            // the file " + path + row 91
inline constexpr int kIncorrectAttributes = 91;
inline constexpr int kIncorrectFile = 92;
inline constexpr int kCantFindFile = 93;
inline constexpr int kDiskWriteError = 97;
inline constexpr int kLocalTopTenHeading = 1063;
inline constexpr int kNetTopTenHeading = 1064;
}  // namespace club_rows

// The 17 lines of a club file without their line ends, numbered from 1.
using TClubLines = TArray1<std::string, kClubLines>;

// Sums of the character codes (0..255) of a text numbered from 1: of all
// characters, of those at even positions and of those at positions
// divisible by 3. The club and the history files seal their lines with them.
struct TThreeSums {
  int64_t All = 0;
  int64_t Even = 0;
  int64_t Third = 0;
  bool operator==(const TThreeSums&) const = default;
};
TThreeSums ThreeSums(std::string_view text);

// The lines of a record file without their ends (CR LF, or a bare LF);
// a last line without an end counts too.
std::vector<std::string_view> SplitFileLines(std::string_view bytes);

// ---- The file as a whole ----

// The lines when the file has exactly 17 of the right lengths.
std::optional<TClubLines> ParseClubFile(std::string_view bytes);
// Lines 1..16 checked against the numbers in line 17, and line 16's marker.
bool ClubFileIntact(const TClubLines& lines);
// Recomputes the checksum into positions 11..28 of line 17.
void SealClubLines(TClubLines& lines);
// The file's bytes: every line ended by CR LF.
std::string JoinClubLines(const TClubLines& lines);
// A usable file: five empty profiles, ten top-ten entries with blank names
// and score 0, line 17 beginning with "0" (the language stays as the options
// say), our distribution label and a valid checksum.
std::string InitialClubFile();
inline constexpr const char* kInitialDistributionLabel = "STD";

// The lines of the file at path; nullopt when it is missing or its
// structure is wrong.
std::optional<TClubLines> ReadClubFile(const std::string& path);

// ---- Start-up check ----

enum class TClubCheck : uint8_t {
  Usable,
  Missing,    // "Can`t find the file" "<path>"!   (row 93)
  Incorrect,  // "The incorrect file" "<path>"!    (row 92)
};

struct TClubCheckResult {
  TClubCheck Outcome = TClubCheck::Missing;
  // The structure is right and line 17 begins with "1": Russian at start-up.
  bool RussianAtStart = false;
  // Line 17, positions 7..9; read from a usable file.
  std::string DistributionLabel;
  // A usable file the user has marked read-only (no owner write
  // permission): row 90 + path + row 91, then no club file is written in
  // this run.
  bool Protected = false;
};

// Both files are checked with the same rules; the language and the
// distribution label are taken from "Zembra.clb".
TClubCheckResult CheckClubBytes(const std::optional<std::string>& bytes);
TClubCheckResult CheckClubFile(const std::string& path);

// The message box text for a Missing or Incorrect outcome: row + blank +
// quoted path + "!". rowText is the row's text in the current language.
std::string ClubCheckMessage(std::string_view rowText, std::string_view path);

enum class TClubWrite : uint8_t {
  Written,
  Unchanged,   // nothing to do
  Barred,      // writing is barred in this run; the file is as it was
  DiskError,   // "Error of disk writing!" (row 97); the file is as it was
  Unreadable,  // missing or of the wrong structure: left alone
};
// Puts InitialClubFile() at path unless a file is there already.
TClubWrite InstallClubFile(const std::string& path);

// ---- Profile lines ----

struct TProfile {
  std::string Name;              // UTF-8, trailing blanks removed
  std::optional<double> Rating;  // none: "#" in position 30
  int32_t MatchesPlayed = 0;
  int32_t CycleScore = 0;
  std::string Password;          // decoded: 5 bytes of code page 1251
};

// Position 37 (the last of the matches field) is "#".
bool IsEmptyProfileLine(std::string_view line);
// nullopt for an empty entry or a line that is not a profile.
std::optional<TProfile> ReadProfileLine(std::string_view line);
// The values a match starts from: MatchNo = matches played + 1, the cycle
// score, the rating (0 without one).
TProfileValues MatchStartValues(const TProfile& p);
// A new player (slot 6): no matches, score 0, rating 0.
TProfileValues NewPlayerValues();

// Name in code page 1251, cut or filled with blanks to 20 characters.
std::string NameField(std::string_view nameUtf8);
// Cut or filled with blanks to 5 characters, then three digits a character.
std::string EncodePassword(std::string_view passwordUtf8);
std::optional<std::string> DecodePassword(std::string_view code);

// Name, rating (6 decimals, ","), matchNo in 7, a blank, the cycle score in
// 6 and the 15-digit encoded password: 59 characters. Numbers beyond a
// field's width are held at the field's limit.
std::string MakeProfileLine(std::string_view nameUtf8, double rating, int32_t matchNo,
                            int32_t cycleScore, std::string_view passwordCode);
// Positions 1..20 and 45..59 replaced by the new name and password.
std::string RenameProfileLine(std::string_view line, std::string_view nameUtf8,
                              std::string_view passwordUtf8);

// ---- Login window checks ----

struct TLoginEntry {
  // The recent player's profile line; nullopt for a new player.
  std::optional<std::string> ProfileLine;
  std::string Name;      // as typed, UTF-8
  std::string Password;  // as typed
  std::string Repeat;    // the check field (new players only)
};

enum class TLoginOutcome : uint8_t {
  Accepted,
  IncorrectName,      // row 67, focus on the name field
  PasswordsDiffer,    // row 68, focus on the password field
  IncorrectPassword,  // row 69, focus on the password field
};

struct TLoginResult {
  TLoginOutcome Outcome = TLoginOutcome::IncorrectName;
  std::string Name;          // UTF-8, the profile's name for a recent player
  std::string PasswordCode;  // 15 digits for the profile line
  TProfileValues Values;     // what the match starts from
};

// The typed password, filled with blanks to 5, equals the profile's.
bool PasswordMatches(std::string_view profileLine, std::string_view typedUtf8);
TLoginResult CheckLogin(const TLoginEntry& entry);
int LoginStatusRow(TLoginOutcome outcome);  // 0 for Accepted

// ---- Operations on the lines ----

struct TCycleResult {
  int CyclePlace = 0;  // 1..10, 0 when the score took no place
  int32_t CycleScore = 0;
};

// Moves lines slot+1..5 up and empties line 5; false for a slot outside 1..5.
bool RemoveProfileAt(TClubLines& lines, int slot);
// The end of a cycle: the new line's score enters the top ten above the
// first entry it equals or beats, and the line's score becomes 0.
TCycleResult EnterTopTen(TClubLines& lines, std::string& profileLine);
// The line takes the first place that is empty or holds an equal or lower
// rating; returns the slot 1..5, or 0 when the line was not kept.
int PlaceInRecentList(TClubLines& lines, std::string_view profileLine);

// ---- Operations on the file ----

struct TClubAccess {
  std::string Path;
  bool WritingBarred = false;  // a club file was protected at start-up
};

struct TStoreResult {
  TClubWrite Write = TClubWrite::Unchanged;
  bool CycleEnded = false;
  TCycleResult Cycle;  // meaningful when CycleEnded
  int Slot = 0;        // where the line now is, 0 when it was not kept
};

// Ends a cycle: MatchNo a multiple of 30.
bool EndsCycle(int32_t matchNo);

TClubWrite RemoveProfile(const TClubAccess& club, int slot);
TStoreResult StoreProfile(const TClubAccess& club, std::string_view profileLine, bool endOfCycle);
// RemoveProfile(slot) then StoreProfile in one write: the end of a match
// and the renaming, so that a failed write cannot lose the profile.
// A line that is not 59 characters long is refused (Unchanged).
TStoreResult ReplaceProfile(const TClubAccess& club, int slot, std::string_view profileLine,
                            bool endOfCycle);
// Renames the recent player in slot 1..5 (others: Unchanged). The caller
// keeps playing as the returned Slot: equal ratings may reorder.
TStoreResult ChangeName(const TClubAccess& club, int slot, std::string_view nameUtf8,
                        std::string_view passwordUtf8);

// ---- What the windows show ----

// The two display modes of the player buttons: Settings.ClubMode 1 and 2.
enum class TRecentMode : uint8_t { Score = 1, Rating = 2 };
inline int RecentListHeadingRow(TRecentMode mode) { return 6 + static_cast<int>(mode); }

// Width in pixels of a UTF-8 text in the player button's font, at the
// base window size.
using TTextWidth = std::function<int(const std::string&)>;
inline constexpr int kPlayerButtonTextLimit = 361;

// The button text (UTF-8) of a profile line. With a width function the name
// is shortened from its 20th character back to its 5th while the text is
// kPlayerButtonTextLimit or wider; when a character other than a blank or
// "#" went, the last three remaining name characters become dots.
std::string RecentPlayerText(std::string_view line, TRecentMode mode, const TTextWidth& width = {});

// A recent player's text with its two values moved so that each ends where
// the heading's second and third column titles end (rows 7 and 8, spaced
// per language), measured with width in the font both are shown in; the
// name stays in front. A heading without three titles (separated by two or
// more blanks) leaves the text as it is.
std::string AlignUnderHeading(const std::string& text, std::string_view heading, const TTextWidth& width);

struct TTopTenRow {
  std::string Rank;   // "1." .. "10."
  std::string Name;   // UTF-8, positions 1..20
  std::string Score;  // positions 21..26
  bool Red = false;   // ranks 1..3; the others in navy
};
std::vector<TTopTenRow> TopTenRows(const TClubLines& lines);
inline int TopTenHeadingRow(bool netDuels) {
  return netDuels ? club_rows::kNetTopTenHeading : club_rows::kLocalTopTenHeading;
}

// A text line made of rows of the localisation table and fixed texts.
struct TTextPiece {
  int Row = -1;         // the row's text, or Literal when -1
  std::string Literal;
};
using TTextLine = std::vector<TTextPiece>;
std::string JoinTextLine(const TTextLine& line, const std::function<std::string(int)>& rowText);

enum class TCycleGame : uint8_t {
  LocalLoggedOut,  // against the computer, no account logged in
  LocalLoggedIn,   // against the computer with an account logged in: no honour
  NetDuel,
  AccountWorld,    // an account's cycle, with its world place
};

struct TCycleWindow {
  std::string Sound;
  std::string Animation;
  bool AnimationRepeats = false;
  int StillFrame = 0;       // shown instead when animations are off
  std::string PlaceImage;   // "GPlace01".."GPlace10" on "GMedal"; empty: no medal
  std::vector<TTextLine> Lines;  // top to bottom
};
inline constexpr const char* kMedalImage = "GMedal";

// place: CyclePlace, or the world place for AccountWorld.
TCycleWindow EndOfCycleWindow(TCycleGame game, int place, int32_t score);

}  // namespace zembra
