#include "resources/orv_cards_button.h"

#include <cmath>

#include <QEnterEvent>
#include <QHash>
#include <QIcon>
#include <QPainter>

#include <algorithm>

namespace zembra {

namespace {

QColor ToQColor(TRgb c) { return QColor(c.R, c.G, c.B); }

}  // namespace

TOrvCardsButton::TOrvCardsButton(QWidget* parent) : QPushButton(parent) {
  setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  resize(100, HeightOf(Height));
}

TOrvCardsButton::TOrvCardsButton(const QString& caption, QWidget* parent) : TOrvCardsButton(parent) {
  setText(caption);
}

void TOrvCardsButton::SetColorSB(TColorSB colour) { Change(Colour, colour); }
void TOrvCardsButton::SetColorMouse(const QColor& colour) { Change(MouseColour, colour); }
void TOrvCardsButton::SetLightFont(bool on) { Change(Light, on); }
void TOrvCardsButton::SetGrayDis(bool on) { Change(Gray, on); }
void TOrvCardsButton::SetLookDisabled(bool on) { Change(LookDisabled, on); }
void TOrvCardsButton::SetKLightSB(int percent) { Change(Lightening, std::clamp(percent, 0, 100)); }
void TOrvCardsButton::SetKontur(bool on) { Change(Outline, on); }
void TOrvCardsButton::SetSmooth(bool on) { Change(SmoothEnds, on); }
void TOrvCardsButton::SetNata(bool on) { Change(NewStyle, on); }
void TOrvCardsButton::SetMargin(int margin) { Change(CaptionMargin, margin); }
void TOrvCardsButton::SetGlyphLayout(TGlyphLayout layout) { Change(Layout, layout); }

void TOrvCardsButton::SetHeightSB(THeightSB height) {
  if (Height == height) return;
  Height = height;
  resize(width(), HeightOf(height));
  updateGeometry();
  update();
}

void TOrvCardsButton::SetNataAll(QWidget* root, bool nata) {
  if (!root) return;
  if (auto* button = qobject_cast<TOrvCardsButton*>(root)) button->SetNata(nata);
  for (TOrvCardsButton* button : root->findChildren<TOrvCardsButton*>()) button->SetNata(nata);
}

QSize TOrvCardsButton::sizeHint() const {
  const int h = HeightOf(Height);
  const QPixmap glyph = Glyph();
  QString caption = text();
  caption.remove(QLatin1Char('&'));
  const int glyphWidth = glyph.isNull() ? 0 : static_cast<int>(glyph.deviceIndependentSize().width());
  const int w = fontMetrics().horizontalAdvance(caption) + glyphWidth + 2 * CaptionIndent(h);
  return QSize(std::max(100, w), h);
}

QSize TOrvCardsButton::minimumSizeHint() const {
  const int h = HeightOf(Height);
  return QSize(2 * EndWidthAt(h) + 2, h);
}

// Pieces are loaded once per name, colour and lightening and kept tinted.
QImage TOrvCardsButton::Piece(const std::string& name) const {
  static QHash<QString, QImage> cache;
  const QString file = QString::fromStdString(name);
  const QString key = QStringLiteral("%1/%2/%3").arg(file).arg(static_cast<int>(Colour)).arg(Lightening);
  if (auto it = cache.constFind(key); it != cache.cend()) return *it;

  QImage image(QStringLiteral(":/art/") + file + QStringLiteral(".png"));
  if (!image.isNull() && PiecesNeedTint(Colour, Lightening)) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    const bool nata = !name.empty() && name.front() == 'Q';
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const QRgb px = line[x];
        if (qAlpha(px) == 0) continue;
        const TRgb c = TintPixel({qRed(px), qGreen(px), qBlue(px)}, Colour, Lightening, nata);
        line[x] = qRgba(c.R, c.G, c.B, qAlpha(px));
      }
    }
  }
  // Premultiplied, so that resampling does not darken the rounded edges.
  if (!image.isNull()) image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  cache.insert(key, image);
  return image;
}

QPixmap TOrvCardsButton::Glyph() const {
  if (icon().isNull()) return {};
  return icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void TOrvCardsButton::DrawBar(QImage& bar, const QPixmap& glyph) const {
  const int w = bar.width(), h = bar.height();
  const int rows = h - 1;
  const int q = EndWidthAt(h);
  const TButtonPieces pieces = PiecesFor(h, NewStyle);
  // Standard heights draw the pieces at their own size; other heights
  // resample them, bilinearly when Smooth.
  const Qt::TransformationMode ends =
      SizeIndex(h) == 0 && SmoothEnds ? Qt::SmoothTransformation : Qt::FastTransformation;

  QPainter p(&bar);
  p.drawImage(0, 0, Piece(pieces.Left).scaled(q, rows, Qt::IgnoreAspectRatio, ends));
  p.drawImage(w - q - 1, 0, Piece(pieces.Right).scaled(q, rows, Qt::IgnoreAspectRatio, ends));

  if (GradientMiddle(h, NewStyle, Colour)) {
    const int c = pieces.EndWidth;
    const std::span<const TRgb> table = GradientTable(h);
    for (int row = 0; row < rows && row < static_cast<int>(table.size()); ++row)
      p.fillRect(c, row, w - 2 * c - 1, 1, ToQColor(TintColour(table[row], Colour, Lightening)));
  } else if (w - 2 * q - 1 > 0) {
    p.drawImage(q, 0, Piece(pieces.Middle).scaled(w - 2 * q - 1, rows, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  }

  if (!glyph.isNull()) {
    const QSize size = glyph.deviceIndependentSize().toSize();
    const TSpot at = GlyphSpot(w, h, size.width(), size.height(), Layout);
    p.drawPixmap(at.X, at.Y, glyph);
  }
}

void TOrvCardsButton::DrawCaption(QPainter& p, int glyphWidth, bool pressed, const QColor& disabledColour) const {
  if (text().isEmpty()) return;
  const TCaptionBox box = CaptionBox({width(), height(), glyphWidth, Layout, CaptionMargin, NewStyle, pressed});
  QColor colour = palette().color(QPalette::Active, QPalette::ButtonText);
  if (Light && Hover && !GreyedOut()) colour = MouseColour;
  if (GreyedOut()) colour = disabledColour;
  LastCaption = colour;
  p.setFont(font());
  p.setPen(colour);
  const int align = (box.LeftAligned ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
  p.drawText(QRect(box.X, box.Y, box.W, box.H), align | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
}

void TOrvCardsButton::DrawFocusMark(QPainter& p) const {
  const int w = width(), h = height();
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (!NewStyle) {
    const TFocusFrame f = FocusFrame(h);
    p.setPen(QPen(ToQColor(FrameColour(Colour)), 1.0));
    p.setBrush(Qt::NoBrush);
    // Centred in the bar (columns 0 .. w - 2, rows 0 .. h - 2), on pixel centres.
    const QRectF frame(f.InsetX + 0.5, f.InsetY + 0.5, w - 2 - 2 * f.InsetX, h - 2 - 2 * f.InsetY);
    p.drawRoundedRect(frame, f.Corner / 2.0, f.Corner / 2.0);
  } else {
    const TFocusDots d = FocusDots(w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(DotColour(Colour)));
    p.drawEllipse(QRectF(d.LeftX, d.Y, d.Diameter, d.Diameter));
    p.drawEllipse(QRectF(d.RightX, d.Y, d.Diameter, d.Diameter));
  }
  p.restore();
}

namespace {

// Relative luminance of a colour (0 black .. 1 white), as contrast is measured.
double Luminance(const QColor& c) {
  auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TOrvCardsButton::GreyOut(QImage& bar) {
  // A disabled bar loses most of its colour and a little of its light; the
  // caption is then dark on a light bar or light on a dark one, so it can
  // still be read.
  double sum = 0;
  int count = 0;
  for (int y = 0; y < bar.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(bar.scanLine(y));
    for (int x = 0; x < bar.width(); ++x) {
      const QRgb px = line[x];
      const int a = qAlpha(px);
      if (a == 0) continue;
      const int grey = (qRed(px) * 11 + qGreen(px) * 16 + qBlue(px) * 5) / 32;
      auto mixc = [&](int c) { return (c * 25 + grey * 75) / 100; };
      line[x] = qRgba(mixc(qRed(px)), mixc(qGreen(px)), mixc(qBlue(px)), a);
      if (a == 255) {
        sum += Luminance(QColor::fromRgb(line[x]));
        ++count;
      }
    }
  }
  const double mean = count ? sum / count : 0.5;
  const QColor dark(0, 0, 0), light(255, 255, 255);
  // Of the two, the one with more contrast to the bar's mean light.
  return (mean + 0.05) / (Luminance(dark) + 0.05) >= (Luminance(light) + 0.05) / (mean + 0.05) ? dark : light;
}

void TOrvCardsButton::paintEvent(QPaintEvent*) {
  const int w = width(), h = height();
  if (w < 2 || h < 2) return;
  const bool pressed = isDown();
  const QPixmap glyph = Glyph();

  // Off-screen, transparent where there is no bar: the parent shows through
  // around the rounded ends and in the free column and row.
  QImage bar(w, h, QImage::Format_ARGB32_Premultiplied);
  bar.fill(Qt::transparent);
  DrawBar(bar, glyph);
  const QColor disabledCaption = GreyedOut() ? GreyOut(bar) : QColor();

  QPainter p(this);
  Painter = &p;
  p.drawImage(pressed ? QPoint(1, 1) : QPoint(0, 0), bar);
  DrawCaption(p, glyph.isNull() ? 0 : static_cast<int>(glyph.deviceIndependentSize().width()), pressed,
              disabledCaption);

  const TButtonItemState state{pressed, LooksDisabled(), hasFocus()};
  if (OnDrawButton) OnDrawButton(*this, rect(), state);
  if (state.Focus && Outline) DrawFocusMark(p);
  Painter = nullptr;
}

void TOrvCardsButton::enterEvent(QEnterEvent* e) {
  QPushButton::enterEvent(e);
  Hover = true;
  update();
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TOrvCardsButton::leaveEvent(QEvent* e) {
  QPushButton::leaveEvent(e);
  Hover = false;
  update();
  if (OnMouseLeave) OnMouseLeave(*this);
}

void TOrvCardsButton::StyleDialog(QWidget* root) {
  if (!root) return;
  for (TOrvCardsButton* b : root->findChildren<TOrvCardsButton*>()) {
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, Qt::white);
    b->setPalette(pal);
    b->SetGrayDis(true);
    b->SetKLightSB(b->isEnabled() ? 0 : 50);
  }
}

}  // namespace zembra
