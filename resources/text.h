// Rows of the localisation table as Qt strings, for the windows.
#pragma once

#include <QString>

namespace zembra {

// Row r in the current language.
QString Row(int r);

}  // namespace zembra
