#include "calendar/calendar_tiles.h"

#include <QFontMetricsF>
#include <QPainter>

#include "calendar/calendar_plan.h"
#include "resources/fonts.h"
#include "resources/pack_file.h"
#include "resources/packs.h"

namespace zembra {
namespace {

// Where the pictures lie on the base.
constexpr QPointF kPictureAt(3, 27);
constexpr QPointF kZodiacAt(17, 65);
constexpr double kDayTop = 22, kMonthTop = 42;

QImage PackPicture(const TPackReader& pack, const std::string& name, double ratio) {
  QImage image = pack.Picture(QStringLiteral("RCDATA"), QString::fromStdString(name)).toImage();
  if (!image.isNull()) image.setDevicePixelRatio(ratio);
  return image;
}

QFont TileFont(const QString& family, double points, bool bold) {
  QFont f(family);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

// A text centred across the tile with its top at y.
void CentredText(QPainter& p, const QString& text, const QFont& font, double top) {
  p.setFont(font);
  const QFontMetricsF fm(font);
  p.drawText(QPointF((kTileWidth - fm.horizontalAdvance(text)) / 2, top + fm.ascent()), text);
}

}  // namespace

bool BuildCalendar(const TCalendarRequest& request, TCalendarTiles* tiles) {
  const TPackReader pack(request.Folder, QString::fromLatin1(kPackCalendar));
  if (!pack.IsOpen()) return false;
  const TCalendarPlan plan = PlanCalendar(request.Today, request.Language);

  // The pack's pictures are drawn at some multiple of the tile's size; the
  // base tells which.
  QImage base = pack.Picture(QStringLiteral("RCDATA"), QString::fromLatin1(kTileBasePicture)).toImage();
  const double ratio = base.isNull() ? 2.0 : std::max(1.0, base.width() / double(kTileWidth));
  auto blank = [&] {
    QImage tile(std::lround(kTileWidth * ratio), std::lround(kTileHeight * ratio), QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    tile.setDevicePixelRatio(ratio);
    if (!base.isNull()) {
      base.setDevicePixelRatio(ratio);
      QPainter p(&tile);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(QRectF(0, 0, kTileWidth, kTileHeight), base);
    }
    return tile;
  };

  tiles->Pictures.clear();
  tiles->Texts.clear();
  {
    // The date: the day's number (red on Sundays), the month, the sign.
    QImage tile = blank();
    QPainter p(&tile);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QString family = FamilyFor(request.FontName.toStdString());
    p.setPen(plan.Sunday ? QColor(200, 0, 0) : QColor(0, 0, 0));
    CentredText(p, QString::number(plan.Date.Day), TileFont(family, request.DaySize > 0 ? request.DaySize : 12, true),
                kDayTop);
    const QString month = QString::fromStdString(plan.MonthText);
    double monthSize = request.MonthSize > 0 ? request.MonthSize : 8;
    if (month.size() > 8) monthSize -= 1;
    // A name that still does not fit the tile is written smaller again.
    while (monthSize > 5 && QFontMetricsF(TileFont(family, monthSize, true)).horizontalAdvance(month) > kTileWidth - 6)
      monthSize -= 0.5;
    p.setPen(QColor(40, 40, 40));
    CentredText(p, month, TileFont(family, monthSize, true), kMonthTop);
    const QImage sign = PackPicture(pack, plan.Tiles[0].Picture, ratio);
    if (!sign.isNull()) p.drawImage(kZodiacAt, sign);
    p.end();
    tiles->Pictures.push_back(tile);
  }
  for (size_t i = 1; i < plan.Tiles.size(); ++i) {
    // The year and the holidays: their picture on the base.
    QImage tile = blank();
    const QImage picture = PackPicture(pack, plan.Tiles[i].Picture, ratio);
    if (!picture.isNull()) {
      QPainter p(&tile);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(kPictureAt, picture);
    }
    tiles->Pictures.push_back(tile);
  }
  for (const TCalendarTile& t : plan.Tiles) tiles->Texts << QString::fromStdString(t.Text);
  return true;
}

}  // namespace zembra
