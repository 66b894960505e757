// Optional resource packs: separate files of pictures, sounds or lists,
// looked for beside the program and then in its parent folder. A missing
// pack is never fatal: the setting that wanted it returns to the built-in
// pictures.
#pragma once

#include <optional>
#include <string>

namespace zembra {

inline constexpr const char* kPackCardsA = "OrvCards06A.dll";
inline constexpr const char* kPackCardsB = "OrvCards06B.dll";
inline constexpr const char* kPackCardsC = "OrvCards06C.dll";
inline constexpr const char* kPackBackgrounds = "OrvBackG03.dll";
inline constexpr const char* kPackGraphics = "OrvCGraph1.dll";
inline constexpr const char* kPackCalendar = "OrvCalendar01.dll";
inline constexpr const char* kPackRadioList = "OrvRadio.rad";
inline constexpr const char* kPackRadio = "OrvRadio02.dll";
inline constexpr const char* kPackVoice = "OrvCVoice3.dll";

// The pack's path under its bare name in the folder, else in the parent.
std::optional<std::string> FindPack(const std::string& folder, const std::string& name);

// The pack that holds a card face set (0 is built in: empty).
std::string PackOfCardSet(int cardSet);
// The pack a back set needs (0 is built in: empty).
std::string PackOfBackSet(int backSet);
// The pack a table background needs (pattern 2, colour 0 and pattern 0 are built in).
std::string PackOfBackground(int pattern, int colour);

// Whether a pack can be opened for pictures: found and a resource file this
// program can map; a damaged file counts as missing (resources/pack_file.cpp).
bool PackLoadable(const std::string& folder, const std::string& name);

}  // namespace zembra
