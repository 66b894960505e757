// The card faces of sets 1..47 and their suit symbols. Every set has a
// look: the freely licensed SVG deck its pictures come from (Debian's
// card decks), whether its courts keep the deck's whole card or sit as a
// framed picture on our own paper, whether nines, tens and aces are drawn
// here, its paper, ink changes (tints, sepia, four-colour suits), edge band
// and frame, and its corner index. Each deck card is rendered once at the
// large size; the small faces are the large (wide) composition scaled down
// with a crisp index drawn again at that size.
#include "packgen.h"

#include "faces_kit.h"
#include "resources/pack_names.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QSvgRenderer>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace packgen {

namespace {

using namespace faces;
using zembra::TRank;
using zembra::TSuit;

constexpr int kLargeH = 198;
constexpr int kSmallW = 69, kSmallH = 94;

enum Deck : int {
  kAncient, kDondorf, kParis, kRoyal, kOrnamental, kNicuWhite, kOxygen, kOxygenAir, kOxygenWhite,
  kPenguins, kStandard, kTigullio, kXFrench, kXGerman, kDeckCount
};

struct DeckInfo {
  const char* file;
  double trimW, trimH;  // drop shadow right and below, in deck units
  QRectF court;         // the court picture inside the card, in fractions
  SuitForm form;
};

const DeckInfo kDecks[kDeckCount] = {
    {"svg-ancient-egyptians/Ancient_Egyptians.svgz", 0, 0, {0.15, 0.09, 0.70, 0.82}, SuitForm::French},
    {"svg-dondorf/dondorf.svgz", 0, 0, {0.13, 0.075, 0.74, 0.85}, SuitForm::French},
    {"svg-gm-paris/paris.svgz", 0, 0, {0.13, 0.08, 0.74, 0.84}, SuitForm::French},
    {"svg-jolly-royal/jolly-royal.svgz", 0, 0, {0.14, 0.08, 0.72, 0.84}, SuitForm::French},
    {"svg-nicu-ornamental/ornamental.svgz", 2, 2, {0.2, 0.14, 0.6, 0.72}, SuitForm::French},
    {"svg-nicu-white/white.svgz", 2, 2, {0.19, 0.12, 0.62, 0.76}, SuitForm::French},
    {"svg-oxygen/oxygen.svgz", 0, 0, {0.18, 0.12, 0.64, 0.76}, SuitForm::French},
    {"svg-oxygen-air/oxygen-air.svgz", 0, 0, {0.14, 0.10, 0.72, 0.80}, SuitForm::French},
    {"svg-oxygen-white/oxygen-white.svgz", 0, 0, {0.14, 0.10, 0.72, 0.80}, SuitForm::French},
    {"svg-penguins/penguins.svgz", 0, 0, {0.16, 0.10, 0.68, 0.80}, SuitForm::French},
    {"svg-standard/standard.svgz", 0, 0, {0.17, 0.10, 0.66, 0.80}, SuitForm::French},
    {"svg-tigullio-international/tigullio-international.svgz", 0, 0, {0.17, 0.10, 0.66, 0.80}, SuitForm::French},
    {"svg-xskat-french/french.svgz", 0, 0, {0.13, 0.08, 0.74, 0.84}, SuitForm::French},
    {"svg-xskat-german/german.svgz", 0, 0, {0.13, 0.08, 0.74, 0.84}, SuitForm::German},
};

enum class Index { Keep, Latin, Russian, Big };
enum class Four { None, Bridge, Turnier };
enum class AceArt { Plain, Ring, Crown, Star, Wave };

struct Look {
  int deck = kStandard;     // where the courts (and undrawn nines, tens, aces) come from
  bool framed = false;      // courts as a framed picture on our paper
  bool drawnPips = false;   // nines, tens and the ace drawn here
  QColor paper = Qt::white; // our paper; multiplied over deck renders
  double texture = 0;       // blotches on the paper
  double sepia = 0;
  int hue = 0;
  Four four = Four::None;
  QColor blueInk;           // all ink in one colour (invalid: none)
  QColor redInk;            // red ink in another colour (invalid: none)
  QColor band;              // coloured edge band (invalid: none)
  QColor frame;             // frame line (invalid: none)
  Index index = Index::Keep;
  bool indexLarge = false;  // our index over a deck card at the large size too
  PipFill pips = PipFill::Glossy;
  AceArt ace = AceArt::Plain;
  bool serif = false;
  QColor red{204, 22, 34}, black{22, 22, 28};
  QColor border{70, 70, 70};
};

Look MakeLook(int set) {
  Look l;
  auto mod = [&l](int deck, QColor frame) {  // the "Mod" family: our pips, framed courts
    l.deck = deck;
    l.framed = l.drawnPips = true;
    l.frame = frame;
    l.index = Index::Latin;
    l.pips = PipFill::Flat;
    l.red = QColor(214, 30, 42);
    l.black = QColor(26, 30, 42);
  };
  auto sea = [&l](int deck, QColor frame) {  // the "Sea" family
    l.deck = deck;
    l.framed = l.drawnPips = true;
    l.paper = QColor(234, 245, 247);
    l.frame = frame;
    l.band = QColor(24, 104, 128);
    l.index = Index::Latin;
    l.ace = AceArt::Wave;
    l.red = QColor(206, 34, 58);
    l.black = QColor(14, 40, 62);
  };
  switch (set) {
    case 1: l.deck = kDondorf; l.paper = QColor(252, 240, 212); l.texture = 0.08; l.band = QColor(120, 70, 30); l.serif = true; break;
    case 2: mod(kOxygen, QColor(70, 96, 130)); break;
    case 3: l.deck = kAncient; l.serif = true; break;
    case 4: l.deck = kOrnamental; l.serif = true; break;
    case 5: l.deck = kNicuWhite; l.redInk = l.red = QColor(24, 120, 64); l.paper = QColor(238, 248, 236); l.band = QColor(30, 100, 60); break;
    case 6: mod(kOrnamental, QColor(184, 142, 40)); l.ace = AceArt::Crown; break;
    case 7: mod(kTigullio, QColor(170, 30, 40)); break;
    case 8: l.deck = kStandard; break;
    case 9: l.deck = kXFrench; break;
    case 10: mod(kDondorf, QColor(110, 70, 35)); l.sepia = 0.85; break;
    case 11: l.deck = kPenguins; l.paper = QColor(240, 250, 232); l.band = QColor(60, 120, 50); break;
    case 12: l.deck = kDondorf; l.sepia = 0.9; l.paper = QColor(246, 230, 198); l.texture = 0.14; l.band = QColor(90, 55, 25); l.serif = true; break;
    case 13: mod(kParis, QColor(40, 70, 150)); break;
    case 14: l.deck = kRoyal; break;
    case 15: l.deck = kOxygen; break;
    case 16: mod(kOxygenAir, QColor(60, 60, 60)); l.index = Index::Big; break;
    case 17: l.deck = kOxygenWhite; l.four = Four::Bridge; l.band = QColor(0, 120, 160); break;
    case 18: l.deck = kOxygenAir; l.paper = QColor(236, 240, 248); l.band = QColor(30, 40, 90); break;
    case 19: sea(kStandard, QColor(24, 104, 128)); break;
    case 20: sea(kPenguins, QColor(170, 40, 70)); break;
    case 21: sea(kOxygenWhite, QColor(24, 104, 128)); break;
    case 22: l.deck = kXGerman; l.paper = QColor(250, 244, 226); l.band = QColor(60, 90, 50); break;
    case 23: l.deck = kParis; l.paper = QColor(250, 238, 214); l.texture = 0.08; l.band = QColor(120, 30, 30); l.serif = true; break;
    case 24: l.deck = kPenguins; l.index = Index::Latin; l.indexLarge = true; l.paper = QColor(255, 246, 214); l.band = QColor(220, 120, 20); break;
    case 25: l.deck = kXGerman; l.framed = true; l.paper = QColor(250, 244, 226); l.frame = l.band = QColor(30, 50, 110); l.index = Index::Latin; break;
    case 26: l.deck = kAncient; l.paper = QColor(234, 238, 252); l.band = QColor(30, 40, 110); l.frame = QColor(200, 160, 50); l.serif = true; break;
    case 27: mod(kNicuWhite, QColor(180, 20, 20)); l.index = Index::Russian; l.ace = AceArt::Star; break;
    case 28: l.deck = kOxygenWhite; l.band = QColor(140, 146, 158); break;
    case 29: l.deck = kXGerman; break;
    case 30: l.deck = kXFrench; l.four = Four::Turnier; break;
    case 31: l.deck = kXFrench; l.paper = QColor(255, 252, 244); l.band = QColor(20, 90, 50); l.frame = QColor(200, 160, 60); break;
    case 32: l.deck = kDondorf; break;
    case 33: l.deck = kParis; break;
    case 34: l.deck = kRoyal; l.index = Index::Russian; l.indexLarge = true; l.band = QColor(170, 130, 40); l.serif = true; break;
    case 35: l.deck = kStandard; l.paper = QColor(240, 246, 255); l.band = QColor(40, 60, 120); break;
    case 36: l.deck = kOrnamental; l.index = Index::Russian; l.indexLarge = true; l.paper = QColor(252, 242, 236); l.band = QColor(160, 20, 30); l.serif = true; break;
    case 37: l.deck = kNicuWhite; l.blueInk = QColor(24, 60, 150); l.paper = QColor(246, 249, 255); l.index = Index::Russian; l.indexLarge = true;
             l.red = l.black = QColor(24, 60, 150); l.band = QColor(24, 60, 150); break;
    case 38: l.deck = kAncient; l.index = Index::Latin; l.indexLarge = true; l.sepia = 0.3; l.paper = QColor(244, 222, 190); l.band = QColor(40, 110, 80); break;
    case 39: l.deck = kDondorf; l.framed = l.drawnPips = true; l.index = Index::Russian; l.paper = QColor(252, 238, 200); l.texture = 0.06;
             l.frame = l.band = QColor(170, 30, 30); l.pips = PipFill::Engraved; l.ace = AceArt::Ring; l.serif = true; break;
    case 40: l.deck = kXFrench; l.four = Four::Bridge; l.band = QColor(20, 60, 140); break;
    case 41: l.deck = kDondorf; l.sepia = 0.6; l.paper = QColor(245, 236, 215); l.band = QColor(150, 120, 50); l.serif = true; break;
    case 42: l.deck = kStandard; l.four = Four::Bridge; break;
    case 43: l.deck = kPenguins; l.paper = QColor(236, 244, 252); break;
    case 44: l.deck = kParis; l.framed = l.drawnPips = true; l.four = Four::Bridge; l.frame = QColor(40, 40, 40); l.index = Index::Latin; l.ace = AceArt::Ring; break;
    case 45: l.deck = kTigullio; l.paper = QColor(252, 244, 228); l.band = QColor(170, 20, 20); l.frame = QColor(212, 170, 60); break;
    case 46: l.deck = kTigullio; break;
    case 47: l.deck = kXGerman; l.sepia = 0.3; l.paper = QColor(248, 236, 208); l.texture = 0.1; l.band = QColor(110, 70, 30); break;
    default: break;
  }
  if (set == 15) l.border = QColor(20, 20, 20);
  return l;
}

bool IsCourt(TRank r) { return r == TRank::Jack || r == TRank::Queen || r == TRank::King; }

Suit SuitOf(TSuit s) { return static_cast<Suit>(static_cast<int>(s)); }

QColor SuitColour(const Look& l, TSuit s) {
  switch (s) {
    case TSuit::Hearts: return l.red;
    case TSuit::Diamonds:
      return l.four == Four::Bridge ? QColor(20, 86, 196) : l.four == Four::Turnier ? QColor(232, 140, 0) : l.red;
    case TSuit::Clubs: return l.four == Four::Bridge ? QColor(0, 128, 60) : l.black;
    case TSuit::Spades: return l.four == Four::Turnier ? QColor(20, 128, 40) : l.black;
  }
  return l.black;
}

// ---- deck renders ----

class DeckCache {
 public:
  explicit DeckCache(QString root) : Root_(std::move(root)) {}

  // The whole card at the large height and the deck's own width.
  const QImage& Card(int deck, TSuit suit, TRank rank) {
    const int key = deck * 64 + static_cast<int>(suit) * 8 + static_cast<int>(rank);
    auto it = Cards_.find(key);
    if (it != Cards_.end()) return it->second;
    QSvgRenderer& r = Renderer(deck);
    static const char* const kSuits[] = {"heart", "diamond", "club", "spade"};
    const char* rankId = rank == TRank::Nine ? "9" : rank == TRank::Ten ? "10" : rank == TRank::Jack ? "jack"
                         : rank == TRank::Queen ? "queen" : rank == TRank::King ? "king" : "1";
    const QString id = QString::fromLatin1(rankId) + "_" + QString::fromLatin1(kSuits[static_cast<int>(suit)]);
    if (!r.elementExists(id)) throw PackError("the card deck " + std::string(kDecks[deck].file) + " has no " + id.toStdString());
    const QRectF b = r.boundsOnElement(id);
    const DeckInfo& info = kDecks[deck];
    const double k = kLargeH / (b.height() - info.trimH);
    const int w = static_cast<int>(std::lround((b.width() - info.trimW) * k));
    QImage img = Canvas(w, kLargeH);
    {
      QPainter p(&img);
      Smooth(p);
      r.render(&p, id, QRectF(0, 0, b.width() * k, b.height() * k));
    }
    return Cards_.emplace(key, std::move(img)).first->second;
  }

 private:
  QSvgRenderer& Renderer(int deck) {
    auto& slot = Renderers_[deck];
    if (!slot) {
      const QString file = Root_ + "/" + QString::fromLatin1(kDecks[deck].file);
      slot = std::make_unique<QSvgRenderer>(file);
      if (!slot->isValid()) throw PackError("cannot read the card deck " + file.toStdString());
    }
    return *slot;
  }

  QString Root_;
  std::array<std::unique_ptr<QSvgRenderer>, kDeckCount> Renderers_;
  std::map<int, QImage> Cards_;
};

// The look's ink and paper changes on a piece of a deck card.
void ApplyInk(const Look& l, QImage& img, TSuit suit, bool court) {
  if (l.hue) TurnHue(img, l.hue);
  if (l.redInk.isValid()) RecolourRed(img, l.redInk);
  if (l.blueInk.isValid()) {
    RecolourRed(img, l.blueInk);
    RecolourBlack(img, l.blueInk);
  } else if (!court && l.four != Four::None) {
    if (suit == TSuit::Diamonds) RecolourRed(img, SuitColour(l, suit));
    if ((suit == TSuit::Clubs && l.four == Four::Bridge) || (suit == TSuit::Spades && l.four == Four::Turnier))
      RecolourBlack(img, SuitColour(l, suit));
  }
  if (l.sepia > 0) Sepia(img, l.sepia);
  if (l.paper != QColor(Qt::white) || l.texture > 0) TintPaper(img, l.paper, l.texture, 17);
}

// ---- corner index ----

struct IndexGeom {
  double x, w, top, rankPx, suitPx;
};

IndexGeom GeomFor(Index style, bool small, bool plate = false) {
  if (plate && !small) return IndexGeom{2.5, 25, 3.5, 25, 17};  // big enough to hide a deck's own index
  if (style == Index::Big) return small ? IndexGeom{1.5, 17, 1.5, 18, 10} : IndexGeom{3, 32, 4, 38, 22};
  return small ? IndexGeom{1.5, 13, 2, 11, 8} : IndexGeom{3, 18, 5, 20, 13};
}

QString RankText(Index style, SuitForm form, TRank r) {
  const bool russian = style == Index::Russian;
  const bool german = form == SuitForm::German;
  switch (r) {
    case TRank::Nine: return "9";
    case TRank::Ten: return "10";
    case TRank::Jack: return russian ? QString::fromUtf8("В") : german ? "U" : "J";
    case TRank::Queen: return russian ? QString::fromUtf8("Д") : german ? "O" : "Q";
    case TRank::King: return russian ? QString::fromUtf8("К") : "K";
    case TRank::Ace: return russian ? QString::fromUtf8("Т") : "A";
  }
  return {};
}

// Draws the index top left and, turned, bottom right. With label, it sits
// on a small plate of paper that hides the deck's own index.
void DrawIndex(QPainter& p, const Look& l, Index style, TSuit suit, TRank rank, int w, int h, bool small, bool label,
               const QColor& paper) {
  const IndexGeom g = GeomFor(style, small, label);
  const SuitForm form = kDecks[l.deck].form;
  QColor ink = SuitColour(l, suit);
  const bool dark = qGray(paper.rgb()) < 110;
  if (dark) ink = (suit == TSuit::Hearts || suit == TSuit::Diamonds) ? QColor(255, 120, 120) : QColor(235, 235, 235);
  if (form == SuitForm::German && !l.blueInk.isValid())
    ink = suit == TSuit::Hearts ? QColor(200, 20, 30) : suit == TSuit::Diamonds ? QColor(170, 100, 0)
          : suit == TSuit::Clubs ? QColor(110, 70, 20) : QColor(30, 110, 40);
  const QString text = RankText(style, form, rank);
  QFont font(l.serif ? "DejaVu Serif" : "DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(static_cast<int>(g.rankPx));
  if (text.size() > 1) {
    font.setStretch(style == Index::Big ? 70 : 62);
    font.setLetterSpacing(QFont::AbsoluteSpacing, small ? -0.6 : -1.2);
  }
  const QFontMetricsF fm(font);
  const double capH = fm.capHeight();
  const double textTop = g.top + (small ? 0.5 : 1);
  const double suitTop = textTop + capH + (small ? 1.5 : 3);
  const QRectF suitBox(g.x + (g.w - g.suitPx) / 2, suitTop, g.suitPx, g.suitPx);
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(w, h);
      p.rotate(180);
    }
    if (label) {
      const QRectF plate(g.x - (small ? 0.5 : 1.5), g.top - (small ? 0.5 : 1.5), g.w + (small ? 1 : 3),
                         suitBox.bottom() - g.top + (small ? 2 : 4));
      p.setPen(QPen(Mix(paper, Qt::black, 0.3), small ? 0.6 : 1.0));
      p.setBrush(paper);
      p.drawRoundedRect(plate, small ? 2 : 4, small ? 2 : 4);
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(g.x - 4, textTop - fm.ascent() + capH, g.w + 8, fm.height()), Qt::AlignHCenter | Qt::AlignTop, text);
    PaintSuit(p, SuitOf(suit), form, suitBox, ink, small ? PipFill::Flat : l.pips == PipFill::Engraved ? PipFill::Flat : l.pips);
    p.restore();
  }
}

// ---- our own nines, tens and aces ----

void DrawPips(QPainter& p, const Look& l, TSuit suit, TRank rank, int w, int h) {
  const IndexGeom g = GeomFor(l.index, false);
  const double side = g.x + g.w + 4;
  const QRectF area(side, 14, w - 2 * side, h - 28);
  const QColor ink = SuitColour(l, suit);
  const SuitForm form = kDecks[l.deck].form;
  const Suit s = SuitOf(suit);
  if (rank == TRank::Ace) {
    const double size = std::min(area.width() * 0.72, 66.0);
    const QPointF c(w / 2.0, h / 2.0);
    const QRectF box(c.x() - size / 2, c.y() - size / 2, size, size);
    p.save();
    switch (l.ace) {
      case AceArt::Plain: break;
      case AceArt::Ring: {
        p.setPen(QPen(Mix(ink, Qt::white, 0.35), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, size * 0.78, size * 0.78);
        p.setPen(QPen(Mix(ink, Qt::white, 0.6), 1));
        p.drawEllipse(c, size * 0.86, size * 0.86);
        break;
      }
      case AceArt::Crown: {
        const QColor gold(196, 154, 44);
        p.setPen(QPen(gold, 3));
        p.setBrush(QColor(252, 244, 214));
        p.drawEllipse(c, size * 0.8, size * 0.8);
        p.setPen(QPen(gold.darker(130), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, size * 0.72, size * 0.72);
        for (int i = 0; i < 24; ++i) {  // a ring of small beads
          const double a = i * M_PI / 12;
          p.setBrush(gold);
          p.setPen(Qt::NoPen);
          p.drawEllipse(QPointF(c.x() + std::cos(a) * size * 0.8, c.y() + std::sin(a) * size * 0.8), 1.6, 1.6);
        }
        break;
      }
      case AceArt::Star: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
          const double a = -M_PI / 2 + i * M_PI / 5;
          const double r = (i % 2 ? 0.38 : 0.95) * size;
          const QPointF pt(c.x() + std::cos(a) * r, c.y() + 4 + std::sin(a) * r);
          if (i == 0) star.moveTo(pt); else star.lineTo(pt);
        }
        star.closeSubpath();
        p.fillPath(star, QColor(214, 40, 40, 60));
        p.strokePath(star, QPen(QColor(190, 30, 30), 1.5));
        break;
      }
      case AceArt::Wave: {
        for (int i = 0; i < 3; ++i) {
          QColor ring = l.frame;
          ring.setAlphaF(static_cast<float>(0.55 - i * 0.15));
          p.setPen(QPen(ring, 2));
          p.setBrush(Qt::NoBrush);
          p.drawEllipse(c, size * (0.72 + 0.14 * i), size * (0.72 + 0.14 * i));
        }
        break;
      }
    }
    p.restore();
    const double pip = l.ace == AceArt::Star ? size * 0.6 : size;
    PaintSuit(p, s, form, QRectF(c.x() - pip / 2, c.y() - pip / 2, pip, pip), ink, l.pips);
    return;
  }
  const double pip = std::min(26.0, area.width() / 3.4);
  const double left = area.left() + pip * 0.6, right = area.right() - pip * 0.6, mid = w / 2.0;
  const double top = area.top() + pip * 0.55, bottom = area.bottom() - pip * 0.55;
  const double step = (bottom - top) / 3;
  struct Pip { double x, y; };
  std::vector<Pip> at;
  for (int i = 0; i < 4; ++i) {
    at.push_back({left, top + i * step});
    at.push_back({right, top + i * step});
  }
  if (rank == TRank::Nine) at.push_back({mid, h / 2.0});
  else {
    at.push_back({mid, top + step / 2});
    at.push_back({mid, bottom - step / 2});
  }
  for (const Pip& q : at) {
    p.save();
    p.translate(q.x, q.y);
    if (q.y > h / 2.0 + 1) p.rotate(180);
    PaintSuit(p, s, form, QRectF(-pip / 2, -pip / 2, pip, pip), ink, l.pips);
    p.restore();
  }
}

// ---- one card ----

QPainterPath Outline(int w, int h, double radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, w, h), radius, radius);
  return path;
}

// A deck card at the large height and width w: wider by doubling plain
// columns; narrower by shrinking it a little as a whole, dropping plain
// columns for the rest and doubling plain rows back to the full height.
QImage Fit(const QImage& card, int w) {
  if (w >= card.width()) return Retarget(card, w);
  const double k = 0.9;
  QImage small = card.scaled(static_cast<int>(std::lround(card.width() * k)), static_cast<int>(std::lround(kLargeH * k)),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  small = Retarget(small, std::min(w, small.width()));
  const QTransform quarter = QTransform().rotate(90);
  QImage turned = Retarget(small.transformed(quarter), kLargeH);
  return Retarget(turned.transformed(quarter.inverted()), w);
}

// The card at the large height and width w, without our index when
// withIndex is false; paper gets the colour under the index.
QImage Compose(const Look& l, DeckCache& decks, TSuit suit, TRank rank, int w, bool withIndex, QColor& paper) {
  const int h = kLargeH;
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  const bool court = IsCourt(rank);
  const bool ours = court ? l.framed : l.drawnPips;
  paper = l.paper;
  if (!ours) {
    QImage card = Fit(decks.Card(l.deck, suit, rank), w);
    ApplyInk(l, card, suit, court);
    p.drawImage(0, 0, card);
    paper = PaperOf(card);
  } else {
    p.fillPath(Outline(w, h, 9), l.paper);
    if (l.texture > 0) {
      QImage sheet = Canvas(w, h);
      sheet.fill(Qt::white);
      TintPaper(sheet, l.paper, l.texture, 17);
      p.setClipPath(Outline(w, h, 9));
      p.drawImage(0, 0, sheet);
      p.setClipping(false);
    }
    if (court) {
      const IndexGeom g = GeomFor(l.index, false);
      const double side = g.x + g.w + 3;
      const QRectF pic(side, 8, w - 2 * side, h - 16);
      const QImage& whole = decks.Card(l.deck, suit, rank);
      const QRectF f = kDecks[l.deck].court;
      QRectF src(f.x() * whole.width(), f.y() * whole.height(), f.width() * whole.width(), f.height() * whole.height());
      // Cover the frame: trim the picture's longer side evenly.
      const double want = pic.width() / pic.height();
      if (src.width() / src.height() > want) {
        const double nw = src.height() * want;
        src.adjust((src.width() - nw) / 2, 0, -(src.width() - nw) / 2, 0);
      } else {
        const double nh = src.width() / want;
        src.adjust(0, (src.height() - nh) / 2, 0, -(src.height() - nh) / 2);
      }
      QImage piece = whole.copy(src.toAlignedRect());
      ApplyInk(l, piece, suit, true);
      p.save();
      p.setClipPath(Outline(static_cast<int>(pic.width()), static_cast<int>(pic.height()), 4).translated(pic.topLeft()));
      p.fillRect(pic, l.paper);
      p.drawImage(pic, piece);
      p.restore();
      const QColor frame = l.frame.isValid() ? l.frame : QColor(80, 80, 80);
      p.setPen(QPen(frame, 1.6));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(pic, 4, 4);
      p.setPen(QPen(Mix(frame, Qt::white, 0.55), 0.8));
      p.drawRoundedRect(pic.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    } else {
      DrawPips(p, l, suit, rank, w, h);
    }
  }
  if (l.band.isValid()) {
    QPainterPath ring = Outline(w, h, 9).subtracted(Outline(w - 9, h - 9, 6).translated(4.5, 4.5));
    p.fillPath(ring, l.band);
    p.setPen(QPen(Mix(l.band, Qt::white, 0.6), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.9, 4.9, w - 9.8, h - 9.8), 6, 6);
    if (l.frame.isValid() && !ours) {
      p.setPen(QPen(l.frame, 1.2));
      p.drawRoundedRect(QRectF(6.2, 6.2, w - 12.4, h - 12.4), 5, 5);
    }
  }
  if (withIndex) {
    const Index style = l.index == Index::Keep ? Index::Latin : l.index;
    if (ours) DrawIndex(p, l, style, suit, rank, w, h, false, false, l.paper);
    else if (l.indexLarge) DrawIndex(p, l, style, suit, rank, w, h, false, true, paper);
  }
  return img;
}

// Rounded corners with a transparent outside and a thin edge.
void Finish(QImage& img, const Look& l, double radius) {
  QImage out = Canvas(img.width(), img.height());
  QPainter p(&out);
  Smooth(p);
  const QPainterPath outline = Outline(img.width(), img.height(), radius);
  p.setClipPath(outline);
  p.drawImage(0, 0, img);
  p.setClipping(false);
  p.setPen(QPen(l.border, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5, 0.5, img.width() - 1, img.height() - 1), radius - 0.5, radius - 0.5);
  p.end();
  img = out;
}

QImage LargeFace(const Look& l, DeckCache& decks, TSuit suit, TRank rank, bool wide) {
  QColor paper;
  QImage img = Compose(l, decks, suit, rank, wide ? 146 : 126, true, paper);
  Finish(img, l, 9);
  return img;
}

QImage SmallFace(const Look& l, DeckCache& decks, TSuit suit, TRank rank) {
  QColor paper;
  const QImage large = Compose(l, decks, suit, rank, 146, false, paper);
  QImage img = large.scaled(kSmallW, kSmallH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  Smooth(p);
  const bool ours = IsCourt(rank) ? l.framed : l.drawnPips;
  const Index style = l.index == Index::Keep ? Index::Latin : l.index;
  DrawIndex(p, l, style, suit, rank, kSmallW, kSmallH, true, !ours, paper);
  p.end();
  Finish(img, l, 4.5);
  return img;
}

QImage Symbol(const Look& l, TSuit suit, bool large) {
  const int n = large ? 40 : 20;
  QImage img = Canvas(n, n);
  QPainter p(&img);
  Smooth(p);
  const Suit s = SuitOf(suit);
  const SuitForm form = kDecks[l.deck].form;
  const QRectF box = large ? QRectF(3, 3, 34, 34) : QRectF(1.5, 1.5, 17, 17);
  if (form == SuitForm::French) {  // a light halo reads on any table
    QPen halo(QColor(255, 255, 255, 200), large ? 3 : 2);
    halo.setJoinStyle(Qt::RoundJoin);
    p.strokePath(SuitPath(s, form, box), halo);
  }
  const PipFill fill = large ? (l.pips == PipFill::Flat ? PipFill::Flat : l.pips) : PipFill::Flat;
  PaintSuit(p, s, form, box, SuitColour(l, suit), large && fill == PipFill::Engraved ? PipFill::Engraved : fill);
  return img;
}

// The set of a pack's range whose own code is code: it draws the pictures
// named with that code.
int OwnerOf(const std::string& code, int first, int last, int fallback) {
  for (int s = first; s <= last; ++s)
    if (zembra::CardSetCode(s) == code) return s;
  return fallback;
}

void FillPack(TPackWriter& pack, int first, int last, DeckCache& decks) {
  static const TRank kRanks[] = {TRank::Nine, TRank::Ten, TRank::Jack, TRank::Queen, TRank::King, TRank::Ace};
  static const TSuit kSuits[] = {TSuit::Hearts, TSuit::Diamonds, TSuit::Clubs, TSuit::Spades};
  std::map<int, Look> looks;
  // Pictures are composed here in turn and encoded on two threads at the end.
  std::vector<std::pair<QString, QImage>> jobs;
  std::set<QString> queued;
  auto want = [&](const QString& name) { return !pack.Has("RCDATA", name) && queued.insert(name).second; };
  auto lookOf = [&looks](int s) -> const Look& {
    auto it = looks.find(s);
    if (it == looks.end()) it = looks.emplace(s, MakeLook(s)).first;
    return it->second;
  };
  for (int set = first; set <= last; ++set) {
    for (TRank rank : kRanks) {
      const std::string code = rank == TRank::Nine || rank == TRank::Ten ? zembra::PipCode(set)
                               : rank == TRank::Ace                       ? zembra::AceCode(set)
                                                                          : zembra::CardSetCode(set);
      const int owner = OwnerOf(code, first, last, set);
      const Look& look = lookOf(owner);
      for (TSuit suit : kSuits) {
        const zembra::TCardCode card = zembra::MakeCard(rank, suit);
        const QString small = QString::fromStdString(zembra::FaceItemName(set, card, 1));
        const QString large = QString::fromStdString(zembra::FaceItemName(set, card, 0));
        if (want(small))
          jobs.emplace_back(small, InvertInside(SmallFace(look, decks, suit, rank), InvertedEllipse(false, true)));
        if (want(large)) {
          const bool wide = zembra::WideCardSet(owner);
          jobs.emplace_back(large, InvertInside(LargeFace(look, decks, suit, rank, wide), InvertedEllipse(true, wide)));
        }
      }
    }
    const int symbolOwner = OwnerOf(zembra::SymbolCode(set), first, last, set);
    for (TSuit suit : kSuits) {
      for (bool large : {false, true}) {
        const QString name = QString::fromStdString(zembra::SuitSymbolName(set, suit, large));
        if (want(name)) jobs.emplace_back(name, Symbol(lookOf(symbolOwner), suit, large).convertToFormat(QImage::Format_ARGB32));
      }
    }
  }
  std::vector<QByteArray> encoded(jobs.size());
  auto encode = [&](size_t from) {
    for (size_t i = from; i < jobs.size(); i += 2) {
      QBuffer buffer(&encoded[i]);
      buffer.open(QIODevice::WriteOnly);
      jobs[i].second.save(&buffer, "PNG");
    }
  };
  std::thread other(encode, 1);
  encode(0);
  other.join();
  for (size_t i = 0; i < jobs.size(); ++i) {
    if (encoded[i].isEmpty()) throw PackError("cannot encode " + jobs[i].first.toStdString());
    pack.AddRaw(jobs[i].first, "RCDATA", encoded[i]);
  }
}

}  // namespace

void AddCardFaces(TPackWriter& a, TPackWriter& b, TPackWriter& c) {
  DeckCache decks(QString::fromLatin1(ZEMBRA_CARD_DECKS));
  FillPack(a, 1, 31, decks);
  FillPack(b, 32, 39, decks);
  FillPack(c, 40, 47, decks);
}

}  // namespace packgen
