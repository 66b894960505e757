// The four font roles of the program ("decor", "serif", "fixed", "conew")
// and the look-alike fonts bundled with it, so the table looks the same on
// every machine: the Windows names map to Comic Neue and Liberation Mono.
#pragma once

#include <QFont>

#include "records/settings.h"

namespace zembra {

// Registers the bundled fonts; call once after the application exists.
void LoadBundledFonts();

// The family to use for a configured font name.
QString FamilyFor(const std::string& configuredName);

// A font of a role at a base pixel height, scaled by the window scale and
// the role's percentage.
QFont RoleFont(const TSettings& settings, TFontRoleId role, double pixelHeight, bool bold = false);

}  // namespace zembra
