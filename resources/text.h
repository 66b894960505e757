// Rows of the localisation table as Qt strings, for the windows.
#pragma once

#include <QString>

namespace zembra {

// Row r in the current language.
QString Row(int r);

// A name as shown: the blanks that pad it in the files go, leading ones stay.
QString WithoutTrailingBlanks(const QString& s);

}  // namespace zembra
