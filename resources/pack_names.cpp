#include "resources/pack_names.h"

#include <cmath>
#include <cstdio>

namespace zembra {
namespace {

const char* const kSetCodes[kCardSetCount + 1] = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat", "Old", "Par", "Roy", "Sha",
    "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2", "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF",
    "Bel", "Dia", "Kny", "Pas", "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

const char* const kBackCodes[kBackSetCount + 1] = {"",    "Cl1", "Cl2", "Car", "Cro", "Che", "Dia",
                                                   "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

const char* const kBackDays[10] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                   "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

const char* const kSymbols[4] = {"Cher", "Bubi", "Kres", "Piki"};

bool ValidSet(int s) { return s >= 1 && s <= kCardSetCount; }

}  // namespace

int SizeClassOf(double scale) { return scale >= 2.0 ? 2 : scale >= 1.3 ? 0 : 1; }

const char* SizeSuffix(int sizeClass) { return sizeClass == 1 ? "" : "B"; }

bool WideCardSet(int s) {
  if (s >= 28 && s <= 39) return false;
  if ((s >= 41 && s <= 44) || s == 46 || s == 47) return false;
  return true;
}

TPackCardSize CardSizeFor(int sizeClass, double scale, bool wide) {
  if (sizeClass == 1) return {71, 96};
  if (sizeClass == 2) return {wide ? 146 : 126, 198};
  return {static_cast<int>(std::lround(scale * (wide ? 71 : 61))), static_cast<int>(std::lround(scale * 96))};
}

std::string CardSetCode(int s) { return ValidSet(s) ? kSetCodes[s] : ""; }

std::string PipCode(int s) {
  switch (s) {
    case 6: case 7: case 10: case 13: return "Mod";
    case 19: case 20: return "Sea";
    case 25: return "Rhi";
    case 27: return "Big";
    default: return CardSetCode(s);
  }
}

std::string AceCode(int s) {
  switch (s) {
    case 6: return "Cor";
    case 7: case 10: case 13: return "Mod";
    case 19: case 20: return "Sea";
    case 25: return "Boy";
    case 27: return "USR";
    default: return CardSetCode(s);
  }
}

std::string SymbolCode(int s) { return s == 11 ? "Mod" : PipCode(s); }

std::string CardPictureName(TCardCode card) { return ImageName(card); }

std::string FaceItemName(int cardSet, TCardCode card, int sizeClass) {
  const std::string name = ImageName(card);
  const auto rank = RankOf(card);
  if (name.empty() || !rank) return {};
  if (!ValidSet(cardSet)) return name + SizeSuffix(sizeClass);
  const std::string code = *rank == TRank::Nine || *rank == TRank::Ten ? PipCode(cardSet)
                           : *rank == TRank::Ace                       ? AceCode(cardSet)
                                                                       : CardSetCode(cardSet);
  return name + code + SizeSuffix(sizeClass);
}

std::string SuitSymbolName(int cardSet, TSuit suit, bool large) {
  return std::string(kSymbols[static_cast<int>(suit)]) + SymbolCode(cardSet) + (large ? "B" : "");
}

std::string BackSetCode(int b) { return b >= 1 && b <= kBackSetCount ? kBackCodes[b] : ""; }

bool RandomBackSet(int b) { return b >= 8 && b <= 11; }

int BackCount(int b) { return RandomBackSet(b) ? 10 : 7; }

std::string BackItemName(int backSet, int index, bool crosswise, int sizeClass, bool narrowFaces) {
  if (index < 1 || index > 10) return {};
  const char* suffix = sizeClass == 1 ? "" : narrowFaces ? "U" : "B";
  return std::string(kBackDays[index - 1]) + (crosswise ? "R" : "") + BackSetCode(backSet) + suffix;
}

bool InsideFaceEllipse(int left, int top, int right, int bottom, int x, int y) {
  const double rx = (right - left + 1) / 2.0, ry = (bottom - top + 1) / 2.0;
  const double dx = (x + 0.5 - left - rx) / rx, dy = (y + 0.5 - top - ry) / ry;
  return dx * dx + dy * dy <= 1.0;
}

const char* BackgroundColourCode(int colour) {
  static const char* const kCodes[7] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
  return colour >= 0 && colour < 7 ? kCodes[colour] : "Gr";
}

std::string BackgroundItemName(int pattern, int colour, int windowSize) {
  if (pattern < 1 || pattern > 10) return {};
  const char* suffix = windowSize == 1 ? "" : "B";
  if (pattern == 2 && colour == 0) return std::string("FonG") + suffix;
  char buf[16];
  std::snprintf(buf, sizeof buf, "Fon%02d", pattern);
  return std::string(buf) + BackgroundColourCode(colour) + suffix;
}

}  // namespace zembra
