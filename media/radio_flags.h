// The flags of the radio's 28 countries for the country filter and the
// station list: the club's own flags, found through each country's entry
// in the club's country table.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <string>

namespace zembra {

// filterIndex: the country filter's entry 0..27.
void DrawRadioFlag(QPainter& p, const QRectF& r, int filterIndex);
QPixmap RadioFlag(int filterIndex, int width, int height);
// The flag of a station line's country code; null for an unknown code.
QPixmap RadioFlagOfCode(const std::string& code, int width, int height);

}  // namespace zembra
