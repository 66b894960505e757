// The program's own button without Qt: the eight bar colours and their
// lightening, which pictures a height uses and how wide its ends are, the
// gradient rows of the old style, and where glyph, caption and focus mark go.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

namespace zembra {

enum class TColorSB : std::uint8_t { DRed = 0, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
inline constexpr int kColorSBCount = 8;

enum class THeightSB : std::uint8_t { D30, D45, D60 };
// 30, 45 or 60.
int HeightOf(THeightSB height);

// Where the glyph sits relative to the caption.
enum class TGlyphLayout : std::uint8_t { Left, Right, Top, Bottom };

struct TRgb {
  int R = 0, G = 0, B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};
std::ostream& operator<<(std::ostream& out, const TRgb& c);

// --- Colours ----------------------------------------------------------------

// The channel swap of a bar colour, without lightening.
TRgb MapChannels(TRgb c, TColorSB colour);
// Each channel moved towards 255 by percent (0 none, 100 white).
TRgb Lighten(TRgb c, int percent);
// A gradient row (and an old-style picture pixel): swap, then lighten.
TRgb TintColour(TRgb c, TColorSB colour, int lightPercent);
// Closer than 180 to pure red (255, 0, 0): the pixels the new style recolours
// under DCards and lightens under every colour.
bool IsNearRed(TRgb c);
// One pixel of a picture piece in the old (nata false) or new style.
TRgb TintPixel(TRgb c, TColorSB colour, int lightPercent, bool nata);
// False when every piece stays as drawn (red, not lightened).
bool PiecesNeedTint(TColorSB colour, int lightPercent);

// --- Pieces and sizes -------------------------------------------------------

struct TButtonPieces {
  std::string Left, Right, Middle;  // names of ":/art/<name>.png"
  int EndWidth = 0;                 // c: width of an end piece as drawn
  int NominalHeight = 0;            // the height the pieces are drawn for
};
TButtonPieces PiecesFor(int height, bool nata);

// q = rnd(c * height / nominal height): the end width at this height.
int EndWidthAt(int height);
// 1, 2, 3 for the standard heights 30, 45, 60; 0 for any other height.
int SizeIndex(int height);
// The old style at a standard height draws its middle as gradient rows
// (except DCards); everything else stretches the middle piece.
bool GradientMiddle(int height, bool nata, TColorSB colour);
// Row k - 1 of the bar is entry k - 1: 29, 44 or 59 red colours for the
// heights 30, 45, 60; empty for any other height.
std::span<const TRgb> GradientTable(int height);

// --- Glyph and caption -------------------------------------------------------
// The bar covers columns 0 .. width - 2 and rows 0 .. height - 2: the last
// column and row stay free for the one-pixel shift of a pressed button.

// Distance of a side glyph from its end of the button.
int GlyphOffset(int height);
// With a margin the caption starts this far after the glyph's width.
int CaptionIndent(int height);

struct TSpot {
  int X = 0, Y = 0;
  friend bool operator==(const TSpot&, const TSpot&) = default;
};
TSpot GlyphSpot(int width, int height, int glyphWidth, int glyphHeight, TGlyphLayout layout);

struct TCaptionInput {
  int Width = 0, Height = 0;
  int GlyphWidth = 0;  // 0 when there is no glyph
  TGlyphLayout Layout = TGlyphLayout::Left;
  int Margin = -1;  // -1: caption centred
  bool Nata = false;
  bool Pressed = false;
};
struct TCaptionBox {
  int X = 0, Y = 0, W = 0, H = 0;
  bool LeftAligned = false;
  friend bool operator==(const TCaptionBox&, const TCaptionBox&) = default;
};
TCaptionBox CaptionBox(const TCaptionInput& in);

// Caption of a disabled button with GrayDis.
inline constexpr TRgb kSilver{192, 192, 192};

// --- Focus mark -------------------------------------------------------------

// Old style: a rounded frame inset into the bar.
struct TFocusFrame {
  int InsetX = 0, InsetY = 0, Corner = 0;
  friend bool operator==(const TFocusFrame&, const TFocusFrame&) = default;
};
TFocusFrame FocusFrame(int height);
TRgb FrameColour(TColorSB colour);

// New style: two dots; X and Y are the top left of each dot's square.
struct TFocusDots {
  int LeftX = 0, RightX = 0, Y = 0, Diameter = 0;
  friend bool operator==(const TFocusDots&, const TFocusDots&) = default;
};
int DotDiameter(int height);
TFocusDots FocusDots(int width, int height);
TRgb DotColour(TColorSB colour);

}  // namespace zembra
