#include "records/text_fit.h"

#include <QFontMetrics>
#include <QRect>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zembra {
namespace {

QFont AtSize(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  return font;
}

int Advance(const QFont& font, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
  return widest;
}

}  // namespace

std::optional<QFont> FontForLine(const QFont& font, const QString& text, int width, int minPixelSize) {
  for (int px = font.pixelSize(); px >= std::max(1, minPixelSize); --px) {
    const QFont f = AtSize(font, px);
    if (Advance(f, text) <= width) return f;
  }
  return std::nullopt;
}

QSize LineSize(const QFont& font, const QString& text) {
  return QFontMetrics(font).boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, text).size();
}

QSize WrappedSize(const QFont& font, const QString& text, int width) {
  // QLabel draws a word-wrapped text through QPainter::drawText with the
  // same flags; boundingRect breaks its lines the same way.
  const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, std::max(1, width), 100000),
                                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
  return r.size();
}

std::optional<QFont> FontForWrapped(const QFont& font, const QString& text, QSize box, int minPixelSize) {
  for (int px = font.pixelSize(); px >= std::max(1, minPixelSize); --px) {
    const QFont f = AtSize(font, px);
    const QSize s = WrappedSize(f, text, box.width());
    if (s.width() <= box.width() && s.height() <= box.height()) return f;
  }
  return std::nullopt;
}

int PercentOfSize(const QFont& base, int percent) {
  return std::max(1, static_cast<int>(std::lround(base.pixelSize() * percent / 100.0)));
}

}  // namespace zembra
