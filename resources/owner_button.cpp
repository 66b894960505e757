#include "resources/owner_button.h"

#include <array>
#include <cstdlib>
#include <ostream>

namespace zembra {

namespace {

// num / den rounded to the nearest integer, halves away from zero; exact for
// the decimal factors the button uses (0.7 b is RoundDiv(7 * b, 10)).
int RoundDiv(int num, int den) {
  if (den < 0) num = -num, den = -den;
  return num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
}

constexpr std::array<TRgb, 29> kGradient30{{
    {128, 0, 0}, {17, 0, 0}, {135, 91, 91}, {232, 173, 173}, {223, 163, 163}, {215, 153, 153},
    {207, 145, 145}, {200, 136, 136}, {194, 127, 127}, {188, 117, 117}, {184, 108, 108}, {180, 99, 99},
    {178, 89, 89}, {176, 80, 80}, {152, 36, 36}, {136, 0, 0}, {144, 0, 0}, {153, 0, 0}, {161, 0, 0},
    {170, 0, 0}, {178, 0, 0}, {187, 0, 0}, {195, 0, 0}, {204, 0, 0}, {212, 0, 0}, {221, 0, 0}, {229, 0, 0},
    {238, 0, 0}, {128, 0, 0}
}};

constexpr std::array<TRgb, 44> kGradient45{{
    {128, 0, 0}, {11, 0, 0}, {132, 93, 93}, {239, 180, 180}, {233, 175, 175}, {227, 169, 169},
    {221, 162, 162}, {215, 156, 156}, {210, 150, 150}, {206, 144, 144}, {201, 139, 139}, {196, 133, 133},
    {193, 127, 127}, {189, 121, 121}, {186, 115, 115}, {183, 109, 109}, {181, 103, 103}, {178, 97, 97},
    {178, 91, 91}, {176, 85, 85}, {176, 79, 79}, {175, 74, 74}, {153, 34, 34}, {136, 0, 0}, {141, 0, 0},
    {147, 0, 0}, {153, 0, 0}, {158, 0, 0}, {164, 0, 0}, {170, 0, 0}, {175, 0, 0}, {181, 0, 0}, {187, 0, 0},
    {192, 0, 0}, {198, 0, 0}, {204, 0, 0}, {209, 0, 0}, {215, 0, 0}, {221, 0, 0}, {227, 0, 0}, {232, 0, 0},
    {238, 0, 0}, {244, 0, 0}, {128, 0, 0}
}};

constexpr std::array<TRgb, 59> kGradient60{{
    {128, 0, 0}, {9, 0, 0}, {131, 94, 94}, {243, 183, 183}, {237, 178, 178}, {232, 174, 174},
    {228, 169, 169}, {224, 165, 165}, {219, 159, 159}, {214, 156, 156}, {210, 151, 151}, {206, 147, 147},
    {202, 142, 142}, {199, 138, 138}, {196, 134, 134}, {193, 129, 129}, {190, 125, 125}, {189, 120, 120},
    {185, 116, 116}, {183, 111, 111}, {181, 107, 107}, {180, 102, 102}, {177, 97, 97}, {176, 93, 93},
    {175, 89, 89}, {174, 84, 84}, {173, 80, 80}, {172, 75, 75}, {172, 71, 71}, {150, 33, 33}, {132, 0, 0},
    {136, 0, 0}, {140, 0, 0}, {144, 0, 0}, {148, 0, 0}, {153, 0, 0}, {157, 0, 0}, {161, 0, 0}, {165, 0, 0},
    {170, 0, 0}, {174, 0, 0}, {178, 0, 0}, {182, 0, 0}, {187, 0, 0}, {191, 0, 0}, {195, 0, 0}, {200, 0, 0},
    {204, 0, 0}, {208, 0, 0}, {212, 0, 0}, {217, 0, 0}, {221, 0, 0}, {225, 0, 0}, {229, 0, 0}, {234, 0, 0},
    {238, 0, 0}, {242, 0, 0}, {246, 0, 0}, {128, 0, 0}
}};

}  // namespace

int HeightOf(THeightSB height) {
  switch (height) {
    case THeightSB::D45: return 45;
    case THeightSB::D60: return 60;
    case THeightSB::D30: break;
  }
  return 30;
}

std::ostream& operator<<(std::ostream& out, const TRgb& c) {
  return out << '(' << c.R << ',' << c.G << ',' << c.B << ')';
}

// --- Colours ----------------------------------------------------------------

TRgb MapChannels(TRgb c, TColorSB colour) {
  const int r = c.R, g = c.G, b = c.B;
  switch (colour) {
    case TColorSB::DRed: return c;
    case TColorSB::DGreen: return {g, r, b};
    case TColorSB::DBlue: return {b, r, r};
    case TColorSB::DNavy: return {b, g, r};
    case TColorSB::DYellow: return {r, r, b};
    case TColorSB::DViolet: return {r, g, r};
    case TColorSB::DOrang: {
      if (g >= r || b >= r) return c;
      const int b2 = RoundDiv(7 * b, 10);
      return {r, b2 + RoundDiv(4 * std::abs(r - b2), 10), b2};
    }
    case TColorSB::DCards: return {RoundDiv(7 * r, 10), 0, r};
  }
  return c;
}

TRgb Lighten(TRgb c, int percent) {
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  auto up = [percent](int v) { return v + RoundDiv((255 - v) * percent, 100); };
  return {up(c.R), up(c.G), up(c.B)};
}

TRgb TintColour(TRgb c, TColorSB colour, int lightPercent) {
  return Lighten(MapChannels(c, colour), lightPercent);
}

bool IsNearRed(TRgb c) {
  const int dr = c.R - 255;
  return dr * dr + c.G * c.G + c.B * c.B < 180 * 180;
}

TRgb TintPixel(TRgb c, TColorSB colour, int lightPercent, bool nata) {
  if (!nata) return TintColour(c, colour, lightPercent);
  const bool nearRed = IsNearRed(c);
  if (colour == TColorSB::DCards) {
    if (!nearRed) return c;
    return Lighten({RoundDiv(6 * c.R, 10), RoundDiv(7 * c.G, 10), c.R}, lightPercent);
  }
  const TRgb mapped = MapChannels(c, colour);
  return nearRed ? Lighten(mapped, lightPercent) : mapped;
}

bool PiecesNeedTint(TColorSB colour, int lightPercent) {
  return colour != TColorSB::DRed || lightPercent != 0;
}

// --- Pieces and sizes -------------------------------------------------------

TButtonPieces PiecesFor(int height, bool nata) {
  const char* family = height <= 30 ? "29" : height <= 45 ? "44" : "59";
  const std::string base = std::string(nata ? "Q" : "R") + family;
  TButtonPieces p{base + "_L", base + "_R", base + "_2", 0, 0};
  if (height <= 30)
    p.EndWidth = 8, p.NominalHeight = 30;
  else if (height <= 45)
    p.EndWidth = 13, p.NominalHeight = 45;
  else
    p.EndWidth = 17, p.NominalHeight = 60;
  return p;
}

int EndWidthAt(int height) {
  const TButtonPieces p = PiecesFor(height, false);
  return RoundDiv(p.EndWidth * height, p.NominalHeight);
}

int SizeIndex(int height) {
  switch (height) {
    case 30: return 1;
    case 45: return 2;
    case 60: return 3;
    default: return 0;
  }
}

bool GradientMiddle(int height, bool nata, TColorSB colour) {
  return SizeIndex(height) != 0 && !nata && colour != TColorSB::DCards;
}

std::span<const TRgb> GradientTable(int height) {
  switch (SizeIndex(height)) {
    case 1: return kGradient30;
    case 2: return kGradient45;
    case 3: return kGradient60;
    default: return {};
  }
}

// --- Glyph and caption -------------------------------------------------------

int GlyphOffset(int height) {
  switch (SizeIndex(height)) {
    case 1: return 15;
    case 2: return 18;
    case 3: return 20;
    default: return RoundDiv(16 * EndWidthAt(height), 10);
  }
}

int CaptionIndent(int height) {
  switch (SizeIndex(height)) {
    case 1: return 25;
    case 2: return 28;
    case 3: return 30;
    default: return RoundDiv(16 * EndWidthAt(height), 10) + 10;
  }
}

TSpot GlyphSpot(int width, int height, int glyphWidth, int glyphHeight, TGlyphLayout layout) {
  const int y = (height - glyphHeight - 1) / 2;
  switch (layout) {
    case TGlyphLayout::Left: return {GlyphOffset(height), y};
    case TGlyphLayout::Right: return {width - glyphWidth - GlyphOffset(height), y};
    case TGlyphLayout::Top:
    case TGlyphLayout::Bottom: break;
  }
  return {(width - glyphWidth - 1) / 2, y};
}

TCaptionBox CaptionBox(const TCaptionInput& in) {
  TCaptionBox box{0, 0, in.Width, in.Height, false};
  if (in.Margin != -1) {
    box.LeftAligned = true;
    const int skip = in.GlyphWidth + CaptionIndent(in.Height);
    if (in.Layout == TGlyphLayout::Right) {
      box.W -= skip;
    } else {
      // Without a glyph beside it the caption still clears the rounded end.
      const int start = in.Layout == TGlyphLayout::Left ? skip : CaptionIndent(in.Height);
      box.X = start;
      box.W -= start;
    }
  }
  if (in.Nata) box.Y -= 1;
  if (in.Pressed) box.X += 1, box.Y += 1;
  return box;
}

// --- Focus mark -------------------------------------------------------------

TFocusFrame FocusFrame(int height) {
  switch (SizeIndex(height)) {
    case 1: return {7, 4, 7};
    case 2: return {9, 5, 9};
    case 3: return {11, 6, 11};
    default: break;
  }
  const int b = height <= 20 ? 3 : height <= 30 ? 4 : height <= 60 ? 5 : 6;
  return {RoundDiv(8 * EndWidthAt(height), 10), b, 2 * b};
}

TRgb FrameColour(TColorSB colour) {
  switch (colour) {
    case TColorSB::DRed:
    case TColorSB::DYellow: return {255, 200, 200};
    case TColorSB::DGreen: return {200, 200, 255};
    case TColorSB::DBlue:
    case TColorSB::DNavy: return {200, 255, 200};
    case TColorSB::DViolet: return {255, 255, 200};
    case TColorSB::DOrang: return {255, 128, 64};
    case TColorSB::DCards: return {200, 175, 50};
  }
  return {255, 200, 200};
}

int DotDiameter(int height) {
  if (height < 21) return 3;
  if (height <= 30) return 4;
  if (height <= 45) return 5;
  if (height <= 60) return 6;
  return 7;
}

TFocusDots FocusDots(int width, int height) {
  int offset = EndWidthAt(height);
  switch (SizeIndex(height)) {
    case 1: offset = 10; break;
    case 2: offset = 13; break;
    case 3: offset = 15; break;
    default: break;
  }
  const int d = DotDiameter(height);
  // The bar covers columns 0 .. width - 2 and rows 0 .. height - 2.
  return {offset, width - 1 - offset - d, (height - 1 - d) / 2, d};
}

TRgb DotColour(TColorSB colour) {
  switch (colour) {
    case TColorSB::DRed: return {255, 255, 0};
    case TColorSB::DYellow: return {255, 0, 0};
    case TColorSB::DGreen:
    case TColorSB::DBlue: return {0, 0, 255};
    case TColorSB::DNavy: return {0, 255, 0};  // bright enough to show on navy
    case TColorSB::DViolet:
    case TColorSB::DOrang: return {255, 255, 255};
    case TColorSB::DCards: return {220, 180, 255};
  }
  return {255, 255, 0};
}

}  // namespace zembra
