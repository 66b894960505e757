#include "app/screens_painter.h"

#include <QTime>
#include <QtMath>
#include <cmath>

#include "resources/fonts.h"
#include "app/pictures.h"
#include "resources/words.h"

namespace zembra {
namespace {

QRect Q(const TRect& r) { return QRect(r.X, r.Y, r.W, r.H); }

QString TitlePicture() {
  return QStringLiteral("Cap") + QString::fromLatin1(kLanguageCodes[ValidLanguage(Language())]);
}

void PaintTitle(QPainter& p, const QRect& r, double lift, double opacity) {
  const QPixmap title = Picture(TitlePicture());
  p.save();
  p.setOpacity(opacity);
  if (!title.isNull()) {
    p.drawPixmap(r.translated(0, static_cast<int>(-lift)), title);
  } else {
    p.setPen(QColor(255, 215, 80));
    QFont f = p.font();
    f.setPixelSize(r.height() * 2 / 3);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r.translated(0, static_cast<int>(-lift)), Qt::AlignCenter, QStringLiteral("Zembra"));
  }
  p.restore();
}

}  // namespace

TRect IntroTitleRect() { return {140, 40, 480, 110}; }
TRect MenuTitleRect() { return {140, 8, 480, 110}; }
TRect MenuOrnamentRect() { return {255, 392, 250, 100}; }
TRect MenuClockRect() { return {630, 12, 120, 50}; }

double OrnamentMix(int menuTick) {
  const double phase = std::fmod(menuTick / 150.0, 2.0);  // 3 s a turn at 20 ms
  return std::clamp((phase < 1 ? phase : 2 - phase) * 4 - 1.5, 0.0, 1.0);
}

void PaintIntro(QPainter& p, const TPaintContext& c) {
  PaintBackground(p, c);
  const TScale& sc = c.View.Layout.Scale;
  const double s = sc.S;
  const int t = c.View.IntroTick;

  // Four aces sweep open into a fan.
  const double open = std::min(1.0, t / 60.0);
  const double ease = 1 - std::pow(1 - open, 3);
  // The fan uses the large faces whatever the window size.
  const int sizeClass = 2;
  const TRect centre = ScaleRect({380 - 35, 255, 70, 96}, sc);
  const TCardCode aces[] = {MakeCard(TRank::Ace, TSuit::Hearts), MakeCard(TRank::Ace, TSuit::Clubs),
                            MakeCard(TRank::Ace, TSuit::Diamonds), MakeCard(TRank::Ace, TSuit::Spades)};
  const int cw = static_cast<int>(std::lround(110 * s)), ch = static_cast<int>(std::lround(149 * s));
  for (int i = 0; i < 4; ++i) {
    const double angle = (i - 1.5) * 18.0 * ease;
    p.save();
    p.translate(centre.X + centre.W / 2.0, centre.Y + ch * 1.25);
    p.rotate(angle);
    p.drawPixmap(QRect(-cw / 2, -ch * 5 / 4, cw, ch), CardFace(aces[i], sizeClass));
    p.restore();
  }

  // The title drops in and settles; then breathes gently.
  const TRect title = ScaleRect(IntroTitleRect(), sc);
  const double drop = t < 40 ? (1 - t / 40.0) * 160 * s : 0;
  // A gentle breath that fades out by the time the screen rests.
  const double fade = std::clamp((kIntroQuiet - t) / double(kIntroQuiet - 40), 0.0, 1.0);
  const double breathe = t >= 40 ? std::sin((t - 40) / 25.0) * 3 * s * fade : 0;
  PaintTitle(p, Q(title), drop + breathe, std::min(1.0, t / 30.0));

  p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, 22 * s, true));
  p.setPen(QColor(255, 240, 180));
  const TRect version = ScaleRect({560, 455, 180, 30}, sc);
  p.drawText(Q(version), Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(kVersionText));
}

void PaintMenu(QPainter& p, const TPaintContext& c) {
  PaintBackground(p, c);
  const TScale& sc = c.View.Layout.Scale;
  const double s = sc.S;
  PaintTitle(p, Q(ScaleRect(MenuTitleRect(), sc)), 0, 1.0);

  // Two ornaments take turns, crossfading every few seconds.
  const QRect orn = Q(ScaleRect(MenuOrnamentRect(), sc));
  const double mix = OrnamentMix(c.View.MenuTick);
  p.save();
  p.setOpacity(1 - mix);
  p.drawPixmap(orn, Picture(QStringLiteral("PngMenu1")));
  p.setOpacity(mix);
  p.drawPixmap(orn, Picture(QStringLiteral("PngMenu2")));
  p.restore();

  // The digital clock on large windows.
  if (s >= 1.6) {
    const QTime now = QTime::currentTime();
    const TRect plate = ScaleRect(MenuClockRect(), sc);
    p.drawPixmap(Q(plate), Picture(QStringLiteral("GClockBG")));
    const int dh = plate.H * 36 / 50, dw = dh * 22 / 36, cw = dh * 10 / 36;
    const QString hh = QString::number(now.hour());  // no leading zero
    const QString mm = QStringLiteral("%1").arg(now.minute(), 2, 10, QLatin1Char('0'));
    const int total = (hh.size() + 2) * dw + cw;
    int x = plate.X + (plate.W - total) / 2;
    const int y = plate.Y + (plate.H - dh) / 2;
    auto digit = [&](QChar ch) {
      p.drawPixmap(QRect(x, y, dw, dh), Picture(QStringLiteral("GBClock") + ch));
      x += dw;
    };
    for (QChar ch : hh) digit(ch);
    if (now.msec() >= 500) p.drawPixmap(QRect(x, y, cw, dh), Picture(QStringLiteral("GBClockP")));
    x += cw;
    for (QChar ch : mm) digit(ch);
  }
}

}  // namespace zembra
