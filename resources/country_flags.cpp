#include "resources/country_flags.h"

#include <QFont>
#include <QHash>
#include <QPainter>

#include "online/countries.h"
#include "resources/flag_designs.h"
#include "resources/flag_painter.h"

namespace zembra {
namespace {

void DrawUnknownFlag(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(200, 200, 200));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(std::max(6, r.height() * 9 / 10));
  p.setFont(font);
  p.setPen(QColor(90, 90, 90));
  p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

// The design of a code's country; empty for Unknown and for invalid codes.
std::string_view DesignOf(const std::string& code) {
  const auto country = CountryByCode(code);
  return country ? FlagDesignOf(country->Short) : std::string_view();
}

}  // namespace

void DrawCountryFlag(QPainter& p, const QRect& r, const std::string& code) {
  if (r.width() < 1 || r.height() < 1) return;
  p.save();
  const std::string_view design = DesignOf(code);
  bool framed = true;
  if (design.empty()) {
    DrawUnknownFlag(p, r);
  } else {
    const TFlagPaint paint = PaintFlagDesign(p, r, design);
    // A design that cannot be read is caught by the tests; a player would
    // see what was drawn up to the fault.
    framed = paint.Framed;
  }
  if (framed) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  p.restore();
}

QPixmap CountryFlag(const std::string& code, int width, int height) {
  constexpr int kLargest = 1024;
  if (width < 1 || height < 1 || width > kLargest || height > kLargest) return QPixmap();
  // Every code that names no country shares the "?" flag, so odd codes
  // from the club cannot grow the store.
  const QString key = (DesignOf(code).empty() ? QStringLiteral("?") : QString::fromStdString(code)) +
                      QStringLiteral("/%1x%2").arg(width).arg(height);
  static QHash<QString, QPixmap> kept;
  if (const auto found = kept.constFind(key); found != kept.constEnd()) return *found;
  QPixmap pm(width, height);
  pm.fill(Qt::transparent);
  {
    QPainter p(&pm);
    DrawCountryFlag(p, QRect(0, 0, width, height), code);
  }
  kept.insert(key, pm);
  return pm;
}

}  // namespace zembra
