// Painting pieces of the window designs in "OrvCGraph1.dll": dark lacquer,
// gold frames and filigree, green baize bands, gold lettering, picture
// strips and animated GIF files.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <vector>

namespace packgen::gfx {

// The house gold, light to dark.
inline const QColor kGoldLight(255, 244, 196);
inline const QColor kGold(232, 184, 72);
inline const QColor kGoldDeep(150, 96, 20);
inline const QColor kBronze(70, 40, 8);

// A vertical gold gradient over r: bright top, deep middle, warm bottom.
QLinearGradient goldGradient(const QRectF& r);

// Fills img (opaque) with black lacquer: a faint grain, a soft light from
// above and darker edges. tint mixes a little colour into the black.
void lacquer(QImage& img, std::uint32_t seed, const QColor& tint = QColor(24, 18, 14));

// A fine double gold frame inset into r with filigree in its corners (the
// top ones only with topCorners).
void goldFrame(QPainter& p, const QRectF& r, bool topCorners = true);

// One corner flourish: scrolls and a leaf spray growing from corner into
// the quadrant given by the signs dx, dy (+1 or -1).
void filigreeCorner(QPainter& p, QPointF corner, double size, int dx, int dy);

// A heading band: green baize between gold rules, with scroll ornaments
// gap to each side of its middle opening outwards.
void headingBand(QPainter& p, const QRectF& band, std::uint32_t seed, double gap, double maxReach = 1e9);

// The text's outline fitted and centred into box.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box);

// Rich gold lettering: a dark soft shadow, a bronze rim, a gold fill and a
// light edge on top.
void goldLettering(QPainter& p, const QPainterPath& text, double rim);

// Lettering cut into a light surface: dark fill, light lower edge.
void engravedLettering(QPainter& p, const QPainterPath& text, const QColor& ink);

// The font for a language's heading: a bold serif, or a CJK face for "Chi".
QFont headingFont(const QString& language);

// Frames side by side, left to right.
QImage strip(const std::vector<QImage>& frames);

// An endlessly looping animated GIF of frames (all of one size) shown
// delayCs hundredths of a second each; pixels under half opaque become
// transparent, the rest are laid over matte.
QByteArray encodeGif(const std::vector<QImage>& frames, int delayCs, const QColor& matte);

}  // namespace packgen::gfx
