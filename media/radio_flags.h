// The national flags of the radio's 28 countries, drawn by the program
// itself at any size, for the country filter and the station list.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <string>

namespace zembra {

// filterIndex: the country filter's entry 0..27.
void DrawCountryFlag(QPainter& p, const QRectF& r, int filterIndex);
QPixmap CountryFlag(int filterIndex, int width, int height);
// The flag of a station line's country code; null for an unknown code.
QPixmap CountryFlagOfCode(const std::string& code, int width, int height);

}  // namespace zembra
