// Painting pieces of the calendar pack "OrvCalendar01.dll". Pictures are
// designed in the tile's units (a tile is 60 x 100, a holiday picture
// 54 x 70, a sign 26 x 26) and drawn at kScale pixels per unit, so the
// program's tiles stay sharp on large windows.
#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <functional>
#include <initializer_list>

#include "pack_writer.h"

namespace packgen::cal {

inline constexpr double kScale = 2;
inline constexpr double kPi = 3.14159265358979323846;
// A holiday picture, and the animal of the year, in tile units.
inline constexpr double kPictureW = 54, kPictureH = 70;

using TPaint = std::function<void(QPainter&)>;

// A transparent picture of w x h units; paint draws in units.
QImage Sheet(double w, double h, const TPaint& paint);

// A holiday picture: a rounded card with the background painted first,
// then the scene, clipped to the card, and a fine rim.
QImage Vignette(const TPaint& background, const TPaint& scene);

// Fills the whole picture with a vertical gradient, or a round one from
// inner at c to outer at radius r.
void Sky(QPainter& p, const QColor& top, const QColor& bottom);
void Radial(QPainter& p, QPointF c, double r, const QColor& inner, const QColor& outer);
// A table or a shelf from y down to the bottom, its front edge lit.
void Ledge(QPainter& p, double y, const QColor& colour);
// Gold from light at top to deep at bottom.
QLinearGradient Gold(double top, double bottom);

// Shapes.
QPainterPath Ellipse(QPointF c, double rx, double ry, double turnDeg = 0);
QPainterPath Poly(std::initializer_list<QPointF> points);
QPainterPath Box(const QRectF& r);
QPainterPath Star(QPointF c, double outer, double inner, int points = 5, double turnDeg = 0);
QPainterPath Heart(QPointF c, double size);  // size: the width
// The area a pen of width covers along path, round capped.
QPainterPath Stroke(const QPainterPath& path, double width, Qt::PenCapStyle cap = Qt::RoundCap);
QPainterPath Unite(std::initializer_list<QPainterPath> parts);

// Fills with a colour lit from the top left: a lighter spot and a darker
// far edge, optionally a gloss spot.
void Lit(QPainter& p, const QPainterPath& path, const QColor& colour, bool gloss = false);
// A soft shadow under path, offset in units.
void Shadow(QPainter& p, const QPainterPath& path, QPointF offset = QPointF(0.6, 0.9), double blur = 1.2,
            int alpha = 90);
// A little four-pointed sparkle.
void Sparkle(QPainter& p, QPointF c, double r, const QColor& colour);
// Snow or star dots scattered by seed over a rectangle.
void Dots(QPainter& p, const QRectF& area, int count, double radius, const QColor& colour, unsigned seed);

// A soft round glow of colour fading out at r.
void Glow(QPainter& p, QPointF c, double r, const QColor& colour);
// An eighth note: its head at head, its stem stem units tall.
QPainterPath Note(QPointF head, double stem);
// A maple leaf of radius r turned by turn degrees, with its stalk.
QPainterPath MapleLeaf(QPointF c, double r, double turn);

// A flag waving on a pole over a summer sky; flat paints the flag into
// its rectangle (3 : 2 or as given by aspect = height / width).
QImage WavingFlag(const std::function<void(QPainter&, const QRectF&)>& flat, double aspect = 2.0 / 3.0);

// The producers, one per source file.
void AddTileBaseAndSigns(TPackWriter& pack);  // calendar_signs.cpp: "R_BASE", "R_01" .. "R_12"
void AddAnimals(TPackWriter& pack);           // calendar_animals.cpp: "R_VOS..."
void AddFlags(TPackWriter& pack);             // calendar_flags.cpp
void AddFeasts(TPackWriter& pack);            // calendar_feasts.cpp: the holidays of the world
void AddScenes(TPackWriter& pack);            // calendar_scenes.cpp: days of work, study and celebration
void AddChurchAndWar(TPackWriter& pack);      // calendar_church.cpp: church feasts, remembrance, orders

}  // namespace packgen::cal
