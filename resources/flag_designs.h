// The design of every country's flag in the club's country table, keyed
// by the country's short name, in the drawing steps of flag_painter.h.
#pragma once

#include <span>
#include <string_view>

namespace zembra {

struct TFlagDesign {
  std::string_view Short;   // the country's short name
  std::string_view Design;  // drawing steps
};

std::span<const TFlagDesign> FlagDesigns();
// The design for a short name; empty when there is none.
std::string_view FlagDesignOf(std::string_view shortName);

}  // namespace zembra
