// The options dialog and the general-score window in the picture design:
// black lacquer backgrounds with a baize heading band and a gold frame, the
// gold heading lettering in every language, and the plain design's engraved
// title pictures.
#include "graphics_kit.h"
#include "graphics_parts.h"
#include "paint_kit.h"

#include <QRadialGradient>

#include <utility>

namespace packgen {

namespace {

using namespace gfx;

struct TWord {
  const char* Language;
  const char* Options;
};

// UTF-8 words for "options" in the program's languages.
constexpr TWord kOptionWords[] = {
    {"Eng", "OPTIONS"},  {"Rus", "НАСТРОЙКИ"}, {"Deu", "OPTIONEN"}, {"Fra", "OPTIONS"},
    {"Spa", "OPCIONES"}, {"Chi", "选项"},      {"Ita", "OPZIONI"},  {"Cze", "NASTAVENÍ"},
};

// A window's background: lacquer, a heading band at the top and a gold
// frame round everything; gap is the half width kept free for the heading
// lettering between the band's ornaments, reach how far they may run out.
// The window lays its heading, emblem and flag on the band.
QImage windowBackground(int w, int h, double gap, std::uint32_t seed, int band = 66, double reach = 1e9) {
  QImage img(w, h, QImage::Format_RGB32);
  lacquer(img, seed);
  QPainter p(&img);
  art::smooth(p);
  // A faint warm glow under the band, where the heading light falls.
  QRadialGradient glow(QPointF(w / 2.0, 80), w * 0.6);
  glow.setColorAt(0, QColor(120, 80, 30, 40));
  glow.setColorAt(1, QColor(120, 80, 30, 0));
  p.fillRect(QRectF(0, 0, w, h), glow);
  goldFrame(p, QRectF(0, 0, w, h), false);
  headingBand(p, QRectF(11, 11, w - 22, band), seed + 1, gap, reach);
  return img;
}

// Gold lettering of text on a transparent w x h picture.
QImage goldHeading(int w, int h, const QString& text, const QString& language, double rim) {
  QImage img = art::canvas(w, h);
  QPainter p(&img);
  art::smooth(p);
  const double m = rim * 2 + 3;
  const QPainterPath path = fittedText(text, headingFont(language), QRectF(m, m * 0.8, w - 2 * m, h - 2 * m));
  goldLettering(p, path, rim);
  return img;
}

// The plain design's title: engraved lettering on an ivory band.
QImage plainTitle(int w, int h, const QString& text, const QString& language) {
  QImage img = art::canvas(w, h);
  QPainter p(&img);
  art::smooth(p);
  const QRectF band(1, 1, w - 2, h - 2);
  QLinearGradient ivory(band.topLeft(), band.bottomLeft());
  ivory.setColorAt(0, QColor(255, 252, 238));
  ivory.setColorAt(0.5, QColor(238, 228, 200));
  ivory.setColorAt(1, QColor(214, 200, 164));
  const QPainterPath shape = art::roundedRect(band, 6);
  p.fillPath(shape, ivory);
  p.strokePath(shape, QPen(QColor(150, 116, 60), 1.2));
  p.strokePath(art::roundedRect(band.adjusted(3, 3, -3, -3), 4), QPen(QColor(170, 136, 76, 150), 0.8));
  // Small diamonds at the ends.
  for (double x : {band.left() + 14, band.right() - 14}) {
    QPainterPath d;
    d.moveTo(x - 5, h / 2.0);
    d.lineTo(x, h / 2.0 - 5);
    d.lineTo(x + 5, h / 2.0);
    d.lineTo(x, h / 2.0 + 5);
    d.closeSubpath();
    engravedLettering(p, d, QColor(120, 80, 30));
  }
  QFont font = headingFont(language);
  font.setBold(language == QLatin1String("Chi"));
  const double textH = h * 0.56;
  const QPainterPath path = fittedText(text, font, QRectF(30, (h - textH) / 2, w - 60, textH));
  engravedLettering(p, path, QColor(70, 44, 16));
  return img;
}

}  // namespace

void AddWindowDesigns(TPackWriter& pack) {
  // The options dialog: client 500 x 400 (drawn wider when its pages need
  // it), the band high enough for the language's flag (68) at its right
  // end, the emblem at its left and the heading between them: no ornaments.
  pack.AddJpeg("GFormOpt", windowBackground(500, 400, 0, 0x0b7a11, 74, 0), 92);
  for (const TWord& w : kOptionWords) {
    const QString language = QString::fromLatin1(w.Language);
    const QString word = QString::fromUtf8(w.Options);
    pack.AddPng("GFormOpt" + language, goldHeading(300, 64, word, language, 2.2));
    pack.AddPng("Options" + language, plainTitle(360, 48, word, language));
  }
  // The general-score window: client 325 x 500; the emblem at (9, 22) and
  // the account picture at (270, 22) sit at the band's ends, "INFO" in gold
  // between its ornaments.
  QImage count = windowBackground(325, 500, 62, 0x0c0a7e, 66, 40);
  {
    QPainter p(&count);
    p.drawImage(QPoint(162 - 55, 19), goldHeading(110, 52, QStringLiteral("INFO"), QStringLiteral("Eng"), 2.0));
  }
  pack.AddJpeg("GFormCount", count, 92);
  pack.AddPng("CountInfo", plainTitle(300, 48, QStringLiteral("INFO"), QStringLiteral("Eng")));
  // The radio window: client 340 wide, the band under the heading "RADIO"
  // in the plain middle between its ornaments.
  pack.AddJpeg("GFormRadio", windowBackground(340, 400, 78, 0x0a4d10, 74, 46), 92);
  pack.AddPng("GFormCountL", goldHeading(220, 100, QStringLiteral("SCORE"), QStringLiteral("Eng"), 3.0));
}

}  // namespace packgen
