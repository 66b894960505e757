// Draws a flag from its design: a short text of drawing steps in the flag's
// own unit square, so one table of designs serves every size and each flag
// stays sharp from the 14 x 12 list icon upwards.
//
// Steps (x across and y down, 0..1 of the current frame; radii, widths and
// star sizes in parts of the frame's height; colours "w", "k" or "#RRGGBB"):
//   fill C                      the whole frame
//   h C... / v C...             equal horizontal / vertical stripes; "C*n" weighs one n
//   rect x y w h C              a rectangle on whole pixels
//   cross x y t C               bars through (x, y) across the frame, t thick
//   checker x y w h rows cols C1 C2
//   disc x y r C / ell x y rx ry C / ring x y r t C / pie x y r from span C
//   crescent x y r dx dy ratio C   a disc less a disc of r * ratio shifted by (dx, dy)
//   star x y r C                five points, one up
//   spikes n x y r inner C      n points, the inner radius inner * r
//   starline x y r t C          a five-pointed star drawn as lines
//   hexagram x y r t C          two triangles drawn as lines
//   arcstars / arcdots x y R n r from to C   n stars or discs on an arc (degrees,
//                               counter-clockwise from the right; a whole turn spaces them evenly)
//   dots x y w h rows cols r C  a grid of discs
//   poly C x y x y ...          a polygon
//   line x1 y1 x2 y2 t C
//   saltire t C / diag t C / adiag t C   both diagonals / lower hoist to upper fly / upper hoist to lower fly
//   serrate x0 x1 n C           a hoist band to x0 with n teeth reaching x1
//   leaf x y s C                a maple leaf of half-height s
//   union                       the Union Flag filling the frame
//   ensign C                    a field of C with the Union Flag in the upper hoist quarter
//   box x y w h ... end         the steps between draw into (and are clipped to) a part of the frame
//   noframe                     the flag is not rectangular: no outline round it
#pragma once

#include <QRect>
#include <string>
#include <string_view>

class QPainter;

namespace zembra {

struct TFlagPaint {
  bool Ok = true;
  bool Framed = true;  // an outline belongs round the flag
  std::string Error;   // what could not be read, and where
};

// Draws the steps into r; a step that cannot be read stops the drawing.
TFlagPaint PaintFlagDesign(QPainter& p, const QRect& r, std::string_view design);

}  // namespace zembra
