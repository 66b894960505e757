// Title pictures "CapEng", "CapRus", ... (480 x 110): the word "Zembra" in
// gold lettering with a dark outline, a little depth and a soft shadow. The
// title reads the same in every language, so all eight are one drawing.
#include "art.h"
#include "paint_kit.h"

#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>

#include <algorithm>

namespace art {

namespace {

QImage title(const QString& family) {
  QImage img = canvas(480, 110);
  QPainter p(&img);
  smooth(p);

  QFont font(family);
  font.setPixelSize(100);
  font.setLetterSpacing(QFont::PercentageSpacing, 104);
  QPainterPath text;
  text.addText(0, 0, font, QStringLiteral("Zembra"));

  // Fit the lettering (with its outline and depth) into the picture.
  const QRectF box(22, 10, 430, 84);
  const QRectF b = text.boundingRect();
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(scale, scale);
  fit.translate(-b.center().x(), -b.center().y());
  text = fit.map(text);

  softShadow(p, text, QPointF(4, 6), 5, QColor(0, 0, 0, 150));

  // Depth: the letters stepped down-right in dark bronze.
  QPen rim(QColor(58, 30, 4), 7.0);
  rim.setJoinStyle(Qt::RoundJoin);
  for (int i = 5; i >= 1; --i) {
    p.save();
    p.translate(i * 0.55, i * 0.75);
    p.strokePath(text, rim);
    p.fillPath(text, QColor(88, 48, 8));
    p.restore();
  }
  p.strokePath(text, rim);

  // A cream line just outside the gold.
  QPen cream(QColor(255, 246, 210), 3.0);
  cream.setJoinStyle(Qt::RoundJoin);
  p.strokePath(text, cream);

  const QRectF tb = text.boundingRect();
  QLinearGradient gold(tb.topLeft(), tb.bottomLeft());
  gold.setColorAt(0.0, QColor(255, 250, 214));
  gold.setColorAt(0.38, QColor(252, 214, 96));
  gold.setColorAt(0.52, QColor(228, 164, 34));
  gold.setColorAt(0.8, QColor(246, 196, 74));
  gold.setColorAt(1.0, QColor(176, 108, 14));
  p.fillPath(text, gold);

  // A thin bright line along the top edge of each letter.
  p.save();
  p.setClipPath(text);
  p.translate(0, 1.6);
  p.strokePath(text, QPen(QColor(255, 255, 240, 120), 1.4));
  p.restore();
  p.strokePath(text, QPen(QColor(120, 70, 6, 200), 0.8));
  return img;
}

}  // namespace

QString loadLetteringFont(const QString& fontFile) {
  const int id = QFontDatabase::addApplicationFont(fontFile);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (id < 0 || families.isEmpty())
    throw ArtError("cannot load the lettering font " + fontFile.toStdString() + " (Debian: fonts-comic-neue)");
  return families.first();
}

void addTitles(ArtBook& book, const QString& fontFamily) {
  const QImage picture = title(fontFamily);
  for (const char* lang : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"})
    book.add("Cap" + QString::fromLatin1(lang), picture);
}

}  // namespace art
