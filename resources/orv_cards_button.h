// The program's own button: a rounded bar built from three picture pieces,
// tinted to one of eight colours and optionally lightened, with a hover
// colour for its caption and a focus mark. It keeps QPushButton's icon (the
// glyph), text (the caption), clicks, shortcuts and default-button handling;
// colours and geometry come from resources/owner_button.h.
#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <functional>
#include <string>

#include "resources/owner_button.h"

class QPainter;

namespace zembra {

// The state the button was drawn in.
struct TButtonItemState {
  bool Selected = false;  // pressed
  bool Disabled = false;
  bool Focus = false;
};

class TOrvCardsButton : public QPushButton {
  Q_OBJECT

 public:
  // 100 x 30, red, not lightened, focus mark and smooth ends on, old style.
  explicit TOrvCardsButton(QWidget* parent = nullptr);
  explicit TOrvCardsButton(const QString& caption, QWidget* parent = nullptr);

  TColorSB ColorSB() const { return Colour; }
  void SetColorSB(TColorSB colour);
  // Caption colour while the mouse is over the button; only with LightFont.
  QColor ColorMouse() const { return MouseColour; }
  void SetColorMouse(const QColor& colour);
  bool LightFont() const { return Light; }
  void SetLightFont(bool on);
  // A disabled button's caption is silver instead of the font colour.
  bool GrayDis() const { return Gray; }
  void SetGrayDis(bool on);
  // Drawn as a disabled button while it still takes focus and keys (the
  // table's send button outside a duel).
  void SetLookDisabled(bool on);
  bool LooksDisabled() const { return !isEnabled() || LookDisabled; }
  // Drawn grey: disabled with GrayDis, or looking disabled. The caption then
  // takes black or white, whichever reads better on the greyed bar; without
  // GrayDis a disabled button keeps its colours.
  bool GreyedOut() const { return LookDisabled || (!isEnabled() && Gray); }
  // The caption's colour as last painted (tests check that it stays legible).
  QColor CaptionColour() const { return LastCaption; }
  // Setting it also sets the button's height to 30, 45 or 60.
  THeightSB HeightSB() const { return Height; }
  void SetHeightSB(THeightSB height);
  // Lightening in percent, 0 (none) .. 100 (white).
  int KLightSB() const { return Lightening; }
  void SetKLightSB(int percent);
  // Draw the focus mark.
  bool Kontur() const { return Outline; }
  void SetKontur(bool on);
  // At heights other than 30, 45, 60 resample the ends bilinearly.
  bool Smooth() const { return SmoothEnds; }
  void SetSmooth(bool on);
  // New style: other pieces and dots as the focus mark.
  bool Nata() const { return NewStyle; }
  void SetNata(bool on);
  // -1: caption centred; otherwise left-aligned after the glyph.
  int Margin() const { return CaptionMargin; }
  void SetMargin(int margin);
  TGlyphLayout GlyphLayout() const { return Layout; }
  void SetGlyphLayout(TGlyphLayout layout);

  bool MouseOver() const { return Hover; }
  // The painter while the button draws itself (inside OnDrawButton), else null.
  QPainter* Canvas() const { return Painter; }

  // Switches the style of every such button in a widget tree, root included.
  static void SetNataAll(QWidget* root, bool nata);
  // The auxiliary windows' look: white captions, silver when disabled, and
  // a disabled button drawn dimmed (lightened by half).
  static void StyleDialog(QWidget* root);

  // Called after the button has been drawn; draw more through Canvas().
  std::function<void(TOrvCardsButton& button, const QRect& rect, TButtonItemState state)> OnDrawButton;
  // Called after the hover state changed.
  std::function<void(TOrvCardsButton& button)> OnMouseEnter, OnMouseLeave;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  template <typename T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    update();
  }

  QImage Piece(const std::string& name) const;
  QPixmap Glyph() const;
  void DrawBar(QImage& bar, const QPixmap& glyph) const;
  void DrawCaption(QPainter& p, int glyphWidth, bool pressed, const QColor& disabledColour) const;
  // Greys a disabled bar in place; returns a caption colour legible on it.
  static QColor GreyOut(QImage& bar);
  void DrawFocusMark(QPainter& p) const;

  TColorSB Colour = TColorSB::DRed;
  QColor MouseColour = QColor(255, 255, 0);
  bool Light = false;
  bool Gray = false;
  bool LookDisabled = false;
  mutable QColor LastCaption;
  THeightSB Height = THeightSB::D30;
  int Lightening = 0;
  bool Outline = true;
  bool SmoothEnds = true;
  bool NewStyle = false;
  int CaptionMargin = -1;
  TGlyphLayout Layout = TGlyphLayout::Left;
  bool Hover = false;
  QPainter* Painter = nullptr;
};

// The contrast ratio of two colours (1 to 21), as accessibility guidance
// measures legibility.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace zembra
