// The flags of the club's countries, drawn by the program itself for the
// country lists, the club tables and the chat: one flag for every entry of
// the country table, and a grey "?" flag for Unknown and for any code that
// names no country.
#pragma once

#include <QPixmap>
#include <QRect>
#include <string>

class QPainter;

namespace zembra {

// The flag of a country code ("1-001" Russia). Pixmaps are kept, so asking
// again for the same code and size is cheap; like every pixmap, only on the
// window thread. A side below 1 or above 1024 pixels gives a null pixmap.
QPixmap CountryFlag(const std::string& code, int width = 14, int height = 12);

// Draws the flag straight into r, for windows that paint their own rows.
void DrawCountryFlag(QPainter& p, const QRect& r, const std::string& code);

}  // namespace zembra
