#include "app/table_painter.h"

#include "app/card_look.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "resources/fonts.h"
#include "app/pictures.h"
#include "resources/words.h"

namespace zembra {
namespace {

QRect Q(const TRect& r) { return QRect(r.X, r.Y, r.W, r.H); }
int Sc(double v, double s) { return static_cast<int>(std::lround(v * s)); }
QString Str(const std::string& s) { return QString::fromStdString(s); }

int SizeClassOf(const TPaintContext& c) { return SizeClass(c.View.Layout.Scale.S); }

// Text centred in a rectangle, with a soft dark shadow so it reads on any picture.
void ShadowText(QPainter& p, const QRect& r, const QString& text, const QColor& colour,
                int flags = Qt::AlignCenter) {
  p.setPen(QColor(0, 0, 0, 110));
  p.drawText(r.translated(1, 1), flags, text);
  p.setPen(colour);
  p.drawText(r, flags, text);
}

}  // namespace

TRect HandSlotRect(const TTableLayout& l, int player, int n, int slot) {
  const TRect& h = l.Hand[player];
  const std::vector<int> lefts = FanLefts(h.W, n, l.Card.W);
  if (slot < 1 || slot > n) return {};
  // Player 1's cards hang from the top of its image, player 2's stand on
  // the bottom of its own.
  const int y = player == 1 ? h.Y : h.Bottom() - l.Card.H;
  return {h.X + lefts[slot - 1], y, l.Card.W, l.Card.H};
}

QColor WindowColour(const TPaintContext& c) {
  // Green, maroon, brown, olive, teal, navy, purple.
  static const QRgb kColours[] = {0x008000, 0x800000, 0x804000, 0x808000, 0x008080, 0x000080, 0x800080};
  if (c.View.Screen == TScreen::Menu && c.Settings.MenuDesign == 1) return QColor(0x78, 0x00, 0xC8);
  if (c.Settings.BackgroundPattern == 0)
    return QColor(kColours[std::clamp(c.Settings.BackgroundColour, 0, 6)]);
  return {};
}

void PaintBackground(QPainter& p, const TPaintContext& c) {
  const TRect& client = c.View.Layout.Client;
  // The menu's purple design shows its picture from the graphics pack.
  const bool menuPicture = c.View.Screen == TScreen::Menu && c.Settings.MenuDesign == 1 &&
                           !CurrentCardLook().MenuPicture.isNull();
  if (const QColor plain = WindowColour(c); plain.isValid() && !menuPicture) {
    p.fillRect(Q(client), plain);
    return;
  }
  // The background stretched to the client once per size, not on every paint.
  static QPixmap scaled;
  static qint64 scaledKey = -1;
  const QPixmap& loaded = menuPicture ? CurrentCardLook().MenuPicture : CurrentCardLook().Background;
  const QPixmap bg =
      !loaded.isNull() ? loaded : Picture(c.View.WindowSize == 1 ? QStringLiteral("FonG") : QStringLiteral("FonGB"));
  if (bg.isNull()) {
    p.fillRect(Q(client), QColor(0, 128, 0));
    return;
  }
  const qint64 key = bg.cacheKey() ^ (qint64(client.W) << 32) ^ client.H;
  if (key != scaledKey) {
    scaled = bg.size() == QSize(client.W, client.H)
                 ? bg
                 : bg.scaled(client.W, client.H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaledKey = key;
  }
  p.drawPixmap(client.X, client.Y, scaled);
}

bool DecidingShown(const TPaintContext& c) {
  const TDealState& d = c.Game.Deal;
  // The deciding trump lies face up until player 1 has played its first card.
  return !d.DecidingCard.IsEmpty() && !d.RevealCards && !c.View.OpenHand1 &&
         c.Game.Match.DealNo == 1 && d.PlayedPos == 1 && d.TableCard[1].IsEmpty() &&
         d.HandCount[1] == kHandSize;
}

void PaintHand(QPainter& p, const TPaintContext& c, int player) {
  const TDealState& d = c.Game.Deal;
  const TTableLayout& l = c.View.Layout;
  const int sizeClass = SizeClassOf(c);
  const int n = d.HandCount[player];
  const bool open = player == 2 || d.RevealCards || c.View.OpenHand1;
  const bool deciding = player == 1 && DecidingShown(c);
  for (int slot = 1; slot <= n; ++slot) {
    const TCardCode card = d.Hand[player][slot];
    // Cards still flying towards this hand keep their place but are not drawn.
    if (c.View.HiddenInHand.count(CardKey(card))) continue;
    QRect r = Q(HandSlotRect(l, player, n, slot));
    if (player == 2 && card == c.View.Shaken) r.translate(c.View.ShakeOffset, 0);
    if (deciding && slot == n)
      p.drawPixmap(r, CardFace(d.DecidingCard, sizeClass));
    else
      p.drawPixmap(r, open ? CardFace(card, sizeClass) : CardBack(c.View.BackIndex, sizeClass, false));
  }
  // Which key plays which card, once the player has used the keys: a small
  // numbered tab in each card's bottom left corner.
  if (player == 2 && c.View.KeyMarks && d.InDeal) {
    const double s = l.Scale.S;
    QFont f = RoleFont(c.Settings, TFontRoleId::Decor, 13 * s, true);
    p.setFont(f);
    auto card_shift = [&](int slot) { return d.Hand[2][slot] == c.View.Shaken ? c.View.ShakeOffset : 0; };
    for (int slot = 1; slot <= n; ++slot) {
      const TRect r = HandSlotRect(l, player, n, slot);
      const double shift = card_shift(slot);
      const QRectF tab(r.X + 4 * s + shift, r.Bottom() - 20 * s, 16 * s, 16 * s);
      p.setPen(QPen(QColor(90, 60, 0), 1));
      p.setBrush(QColor(255, 236, 160));
      p.drawRoundedRect(tab, 4 * s, 4 * s);
      p.setPen(QColor(60, 30, 0));
      p.drawText(tab, Qt::AlignCenter, QString::number(slot));
    }
    p.setBrush(Qt::NoBrush);
  }
}

void PaintStock(QPainter& p, const TPaintContext& c) {
  const TDealState& d = c.Game.Deal;
  const TTableLayout& l = c.View.Layout;
  const double s = l.Scale.S;
  const int sizeClass = SizeClassOf(c);
  const int k = c.View.StockShown >= 0 ? c.View.StockShown : d.StockLeft();
  const bool small = c.View.WindowSize == 1;
  if (k == 0) {
    const QPixmap plate = Picture(small ? QStringLiteral("GKolodaLarge") : QStringLiteral("GKolodaLargeB"));
    if (!plate.isNull()) p.drawPixmap(Q(l.Stock), plate);
    const QPixmap sym = SuitSymbol(d.Trump, true);
    const int side = Sc(48, s);
    const QRect r(l.Stock.X + (l.Stock.W - side) / 2, l.Stock.Y + (l.Stock.H - side) / 2, side, side);
    if (!sym.isNull()) p.drawPixmap(r, sym);
    return;
  }
  const QPixmap plate = Picture(small ? QStringLiteral("GKolodaSmall") : QStringLiteral("GKolodaSmallB"));
  if (!plate.isNull()) p.drawPixmap(Q(l.Stock), plate);
  // The face-up trump card lies crosswise under the pile.
  QPixmap face = CardFace(d.DeckCard[kTrumpCardPos], sizeClass);
  if (!face.isNull()) {
    const QRect tr = Q(l.TrumpCard);
    p.save();
    p.translate(tr.center().x() + 1, tr.center().y() + 1);
    p.rotate(90);
    p.drawPixmap(QRect(-l.Card.W / 2, -l.Card.H / 2, l.Card.W, l.Card.H), face);
    p.restore();
  }
  const int layers = StockLayers(k);
  const QPixmap back = CardBack(c.View.BackIndex, sizeClass, false);
  const int step = std::max(1, Sc(1.5, s));
  for (int i = 0; i < layers; ++i) {
    const int off = (layers - 1 - i) * step;
    p.drawPixmap(QRect(l.StockPile.X + off, l.StockPile.Y + off, l.Card.W, l.Card.H), back);
  }
  // The count under the stock.
  QFont f = RoleFont(c.Settings, TFontRoleId::Decor, 20 * s, true);
  p.setFont(f);
  const QRect countRect(l.Stock.X, l.TrumpCard.Bottom() - Sc(2, s), l.Stock.W,
                        l.Stock.Bottom() - l.TrumpCard.Bottom() + Sc(8, s));
  // Blue, on a pale halo so that it reads on the dark plate.
  QPainterPath digits;
  const QString count = QString::number(k);
  const QFontMetrics fm(f);
  const QRect box = fm.boundingRect(countRect, Qt::AlignCenter, count);
  digits.addText(box.left(), box.top() + fm.ascent(), f, count);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.strokePath(digits, QPen(QColor(235, 245, 255, 230), std::max(3.0, 4 * s), Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
  p.fillPath(digits, QColor(0, 0, 255));
  p.restore();
}

void PaintTableCards(QPainter& p, const TPaintContext& c) {
  const TDealState& d = c.Game.Deal;
  const int sizeClass = SizeClassOf(c);
  for (int player = 1; player <= 2; ++player) {
    if (d.TableCard[player].IsEmpty() || c.View.TableHidden[player]) continue;
    p.drawPixmap(Q(c.View.Layout.TableCard[player]), CardFace(d.TableCard[player], sizeClass));
  }
}

void PaintScoreBoard(QPainter& p, const TPaintContext& c, int player) {
  const TTableLayout& l = c.View.Layout;
  const double s = l.Scale.S;
  const TRect& r = l.Board[player];
  const QPixmap pic = Picture(c.View.WindowSize == 1 ? QStringLiteral("TabloSm") : QStringLiteral("TabloBg"));
  if (!pic.isNull())
    p.drawPixmap(Q(r), pic);
  else
    p.fillRect(Q(r), QColor(90, 60, 30));
  const TScoreBoard& b = c.Game.Boards.Board[player];
  auto field = [&](int x, int y, int w, int h) {
    return QRect(r.X + Sc(x, s), r.Y + Sc(y, s), Sc(w, s), Sc(h, s));
  };

  QColor bigColour(200, 0, 200);  // card points in magenta
  if (b.BigStyle == TBigFieldStyle::Pending) bigColour = QColor(0, 150, 0);
  if (b.BigStyle == TBigFieldStyle::Result) bigColour = QColor(220, 0, 0);
  const QString big = (b.Plus && b.Big > 0 ? QStringLiteral("+") : QString()) + QString::number(b.Big);
  p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, 24 * s, true));
  p.setPen(bigColour);
  p.drawText(field(15, 15, 125, 31), Qt::AlignCenter, big);

  p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, 20 * s, true));
  p.setPen(QColor(0, 0, 220));
  p.drawText(field(55, 50, 45, 31), Qt::AlignCenter, QString::number(b.MatchPoints));

  if (b.GamePoints) {
    p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, 18 * s, true));
    p.setPen(QColor(0, 0, 128));
    p.drawText(field(105, 50, 35, 31), Qt::AlignCenter, QString::number(*b.GamePoints));
  }
  if (b.Mark) {
    const bool small = SizeClassOf(c) == 1;
    QString name = player == 1 ? QStringLiteral("Hand_Up") : QStringLiteral("Hand_Down");
    if (!small) name += QLatin1Char('B');
    const QPixmap mark = Picture(name);
    if (!mark.isNull()) p.drawPixmap(field(23, 49, 20, 30), mark);
  }
}

int BubbleFontHeight(const QString& text, const TSettings& s, double scale) {
  for (int h : {18, 16}) {
    QFontMetrics fm(RoleFont(s, TFontRoleId::Decor, h * scale, true));
    if (fm.horizontalAdvance(text) <= 150 * scale) return h;
  }
  return 14;
}

void PaintBubble(QPainter& p, const TPaintContext& c, int player) {
  const TBubbleView& b = c.View.Bubble[player];
  QString text = b.Text;
  while (text.endsWith(QLatin1Char(' '))) text.chop(1);
  if (text.isEmpty()) return;
  static const char* const kStyles[] = {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"};
  QString name = QString::fromLatin1(kStyles[static_cast<int>(b.Style)]);
  if (c.View.WindowSize != 1) name += QLatin1Char('B');
  const TRect& r = c.View.Layout.Bubble[player];
  const QPixmap pic = Picture(name);
  if (!pic.isNull()) p.drawPixmap(Q(r), pic);
  const double s = c.View.Layout.Scale.S;
  p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, BubbleFontHeight(text, c.Settings, s) * s, true));
  ShadowText(p, Q(r), text, Qt::white);
}

// The tournament's move clock beside the bubble of the side to move: a
// dial with the seconds left, red for the last seven.
void PaintClock(QPainter& p, const TPaintContext& c) {
  const int owner = c.View.ClockOwner;
  if (owner != 1 && owner != 2) return;
  const double s = c.View.Layout.Scale.S;
  const TRect& b = c.View.Layout.Bubble[owner];
  const double d = 40 * s;
  const QRectF r(b.X + b.W + 6 * s, b.Y + (b.H - d) / 2, d, d);
  const int left = c.View.ClockSeconds;
  const bool hurry = left <= 7;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(212, 175, 55), 2.5 * s));
  p.setBrush(hurry ? QColor(150, 20, 20) : QColor(15, 45, 25));
  p.drawEllipse(r);
  // What is left of the 26 seconds as a lit arc.
  p.setPen(QPen(hurry ? QColor(255, 120, 100) : QColor(120, 230, 140), 3.5 * s, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(r.adjusted(5 * s, 5 * s, -5 * s, -5 * s), 90 * 16, static_cast<int>(-360.0 * 16 * left / 26));
  p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, 17 * s, true));
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, QString::number(left));
  p.restore();
}

void PaintMatchNumber(QPainter& p, const TPaintContext& c) {
  const TRect& r = c.View.Layout.MatchNumber;
  const double s = c.View.Layout.Scale.S;
  const QPixmap frame = Picture(c.View.WindowSize == 1 ? QStringLiteral("RamkaFBSm") : QStringLiteral("RamkaFBBg"));
  if (!frame.isNull()) p.drawPixmap(Q(r), frame);
  p.setFont(RoleFont(c.Settings, TFontRoleId::Decor, 28 * s, true));
  p.setPen(QColor(0, 0, 200));
  const QString text = Str(W(415)) + QLatin1Char(' ') + QString::number(c.Game.Match.DealNo);
  p.drawText(QRect(r.X, r.Y + Sc(15, s), r.W, Sc(34, s)), Qt::AlignHCenter | Qt::AlignTop, text);
}

void PaintWaitBanner(QPainter& p, const TPaintContext& c, const QString& text) {
  const TRect& client = c.View.Layout.Client;
  const QRect r(client.X + (client.W - 350) / 2, client.Y + (client.H - 80) / 2, 350, 80);
  const QPixmap pic = Picture(QStringLiteral("AdvBar3"));
  if (!pic.isNull())
    p.drawPixmap(r, pic);
  else
    p.fillRect(r, QColor(250, 240, 200));
  // The text inside the bar's rounded ends, smaller when it is long.
  const QRect inside = r.adjusted(34, 8, -34, -8);
  double px = 32;
  QFont f = RoleFont(c.Settings, TFontRoleId::Serif, px, true);
  while (px > 14 && QFontMetrics(f).horizontalAdvance(text) > inside.width()) {
    px -= 1;
    f = RoleFont(c.Settings, TFontRoleId::Serif, px, true);
  }
  p.setFont(f);
  ShadowText(p, inside, text, QColor(255, 240, 170));
}

void PaintTable(QPainter& p, const TPaintContext& c) {
  PaintBackground(p, c);
  PaintHand(p, c, 1);
  PaintHand(p, c, 2);
  PaintStock(p, c);
  PaintTableCards(p, c);
  PaintScoreBoard(p, c, 1);
  PaintScoreBoard(p, c, 2);
  PaintMatchNumber(p, c);
  PaintBubble(p, c, 1);
  PaintBubble(p, c, 2);
  PaintClock(p, c);
  PaintChat(p, c);
}

void PaintChat(QPainter& p, const TPaintContext& c) {
  if (c.View.ChatLines[0].isEmpty()) return;
  const TTableLayout& l = c.View.Layout;
  const double s = l.Scale.S;
  const TRect panel = ScaleRect({598, 373, 156, 58}, l.Scale);  // right of the hand, under the buttons
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 235, 215));
  p.drawRoundedRect(Q(panel), 5 * s, 5 * s);
  const QFont f = RoleFont(c.Settings, TFontRoleId::Conew, 12 * s, true);
  p.setFont(f);
  p.setPen(c.View.ChatColour);
  const QFontMetrics fm(f);
  const int room = panel.W - Sc(10, s);
  for (int i = 0; i < 4; ++i) {
    QString line = c.View.ChatLines[i];
    // A line too wide loses up to twelve characters from its end, then "...".
    if (fm.horizontalAdvance(line) > room) {
      for (int cut = 0; cut < 12 && line.size() > 1 && fm.horizontalAdvance(line + QStringLiteral("...")) > room; ++cut)
        line.chop(1);
      line += QStringLiteral("...");
    }
    p.drawText(QRect(panel.X + Sc(5, s), panel.Y + Sc(2, s) + i * Sc(13.5, s), room, Sc(14, s)),
               Qt::AlignLeft | Qt::AlignVCenter, line);
  }
  p.restore();
}

}  // namespace zembra
