#include "resources/packs.h"

#include <filesystem>

namespace zembra {

std::optional<std::string> FindPack(const std::string& folder, const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path bare = fs::path(folder) / name;
  if (fs::is_regular_file(bare, ec)) return bare.string();
  const fs::path parent = fs::path(folder).parent_path() / name;
  if (fs::is_regular_file(parent, ec)) return parent.string();
  return std::nullopt;
}

std::string PackOfCardSet(int cardSet) {
  if (cardSet >= 1 && cardSet <= 31) return kPackCardsA;
  if (cardSet >= 32 && cardSet <= 39) return kPackCardsB;
  if (cardSet >= 40 && cardSet <= 47) return kPackCardsC;
  return {};
}

std::string PackOfBackSet(int backSet) { return backSet >= 1 && backSet <= 12 ? kPackCardsB : ""; }

std::string PackOfBackground(int pattern, int colour) {
  if (pattern == 0 || (pattern == 2 && colour == 0)) return {};
  return kPackBackgrounds;
}

}  // namespace zembra
