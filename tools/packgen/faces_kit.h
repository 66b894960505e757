// Painting helpers for the card faces of the packs: suit shapes (French and
// German), pixel operations on rendered deck cards (paper tints, sepia, hue
// turns, suit recolouring), width changes that move whole columns instead
// of squashing, and the stored form of a face (colours inside an ellipse
// inverted).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QRectF>

#include <cstdint>

#include "paint_kit.h"

namespace packgen::faces {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

// French suits, or the German ones: hearts, bells, acorns, leaves.
enum class SuitForm { French, German };

// The picture generator's painting kit.
inline QImage Canvas(int w, int h) { return art::canvas(w, h); }
inline void Smooth(QPainter& p) { art::smooth(p); }
inline QColor Mix(const QColor& a, const QColor& b, double t) { return art::mix(a, b, t); }

// The suit outline fitted (keeping its proportions) and centred in box.
QPainterPath SuitPath(Suit s, SuitForm form, const QRectF& box);

// How a suit sign is filled.
enum class PipFill { Flat, Glossy, Outline, Engraved };

// Paints one suit sign in box; German signs get their own two-colour look.
void PaintSuit(QPainter& p, Suit s, SuitForm form, const QRectF& box, const QColor& colour, PipFill fill);

// Pixel operations, in place, on any 32-bit image (kept premultiplied).
// Multiplies every pixel by paper (paper printing), optionally with a faint
// blotchy texture of the given strength.
void TintPaper(QImage& img, const QColor& paper, double texture, std::uint32_t seed);
// Mixes toward a brown monochrome by amount (0..1).
void Sepia(QImage& img, double amount);
// Turns the hue of coloured pixels by degrees.
void TurnHue(QImage& img, int degrees);
// Gives dark neutral ink the colour ink (black suits in another colour).
void RecolourBlack(QImage& img, const QColor& ink);
// Gives red ink the hue of ink (red suits in another colour).
void RecolourRed(QImage& img, const QColor& ink);

// Changes the width of img to w by dropping or doubling the columns with
// the least detail (plain background between indices, pips and pictures);
// the outermost columns stay.
QImage Retarget(const QImage& img, int w);

// The colour of the paper: the median of a few samples along the left
// margin, between the corner indices.
QColor PaperOf(const QImage& img);

// The ellipse whose colours are stored inverted: on the small pictures the
// rectangle from (10,10) to (84,59), on the large ones from (10,10) to
// (188,136) for wide sets and to (188,116) for narrow ones.
QRect InvertedEllipse(bool large, bool wide);
// A pixel is inside when its centre lies in the ellipse inscribed in the
// rectangle (as a QRectF): ((x+0.5-cx)/rx)^2 + ((y+0.5-cy)/ry)^2 <= 1.
bool InsideEllipse(const QRect& ellipse, int x, int y);
// Returns a non-premultiplied copy with RGB -> 255 - RGB inside the
// ellipse (alpha kept); applying it twice gives the picture back.
QImage InvertInside(const QImage& img, const QRect& ellipse);

}  // namespace packgen::faces
