#include "records/count_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cstdlib>

#include "records/text_fit.h"
#include "resources/cursors.h"
#include "resources/fonts.h"
#include "resources/pack_file.h"
#include "resources/packs.h"
#include "resources/orv_cards_button.h"
#include "resources/strip_animation.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {


// The serif role's font, or a fixed family at the same height.
QFont SerifFont(const TSettings& s, double px, bool bold = false, const char* family = nullptr) {
  QFont f = RoleFont(s, TFontRoleId::Serif, px, bold);
  if (family) f.setFamily(FamilyFor(family));
  return f;
}

constexpr TCountLayout kLayouts[] = {
    {510, 48, 55, 65, 120, {155, 180, 220, 245, 270, 295, 320}, {152, 181, 217, 242, 267, 292, 317}, 475, 330, 350},
    {525, 64, 72, 82, 135, {170, 195, 235, 260, 285, 310, 335}, {167, 196, 232, 257, 282, 307, 332}, 490, 345, 365},
    {560, 100, 107, 117, 170, {205, 230, 270, 295, 320, 345, 370}, {202, 231, 267, 292, 317, 342, 367}, 525, 380, 400},
    {500, 0, 0, 0, 120, {158, 180, 219, 248, 279, 309, 339}, {155, 185, 215, 245, 275, 305, 335}, 465, 370, 380},
};

constexpr int kNameRows[] = {84, 85, 82, 81, 83, 87, 88};

// The value column: right edges at 273, at least 73 wide; a value wider
// than kValueMostWidth takes a smaller font, down to three quarters.
constexpr int kValueRight = 273;
constexpr int kValueWidth = 73;
constexpr int kValueMostWidth = 96;
// Room kept between a name and the digits of its value, and between names;
// the least width a name keeps, however long its value.
constexpr int kNameToValue = 8;
constexpr int kNameLeastWidth = 60;
constexpr int kNameGap = 2;
// How far a name's middle may move from its value's middle.
constexpr int kNameShift = 9;

// A name as the row offers it room: its text, its font at full size, its
// left edge and the width up to its value, the middle of its value and
// where the value's digits are.
struct TNameRow {
  QString Text;
  QFont Font;
  int Left = 0, Width = 0;
  int Centre = 0;
  QRect Value;
};
struct TNamePlace {
  QFont Font;
  bool Wrapped = false;
  int Top = 0, Height = 0;
};

// Stacks the names between top and bottom, each as near its value's
// middle as the others allow; false when they do not all fit or a name
// reaches into the digits of another row's value.
bool StackNames(const std::array<TNameRow, 7>& rows, std::array<TNamePlace, 7>& places, int top, int bottom) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const int wanted = rows[i].Centre - places[i].Height / 2;
    places[i].Top =
        i == 0 ? std::max(top, wanted) : std::max(wanted, places[i - 1].Top + places[i - 1].Height + kNameGap);
  }
  int limit = bottom;
  for (size_t i = rows.size(); i-- > 0;) {
    places[i].Top = std::min(places[i].Top, limit - places[i].Height);
    limit = places[i].Top - kNameGap;
  }
  if (places[0].Top < top) return false;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (std::abs(places[i].Top + places[i].Height / 2 - rows[i].Centre) > kNameShift) return false;
    const QRect name(rows[i].Left, places[i].Top, rows[i].Width, places[i].Height);
    for (size_t j = 0; j < rows.size(); ++j)
      if (j != i && name.intersects(rows[j].Value)) return false;
  }
  return true;
}

// The names in one size at most: each on one line in the largest font that
// fits it, from its own 16 pixels down to that size; a longer one
// word-wrapped at that size, its lines a font's height apart. The size is
// the largest, down to 70 %, at which every name keeps clear of the others,
// so no name is smaller than a wrapped one.
std::array<TNamePlace, 7> PlaceNames(const std::array<TNameRow, 7>& rows, int top, int bottom) {
  std::array<TNamePlace, 7> places;
  const int largest = rows[0].Font.pixelSize();
  const int smallest = PercentOfSize(rows[0].Font, 70);
  for (int px = largest; px >= smallest; --px) {
    bool narrow = true;  // no word wider than its row
    for (size_t i = 0; i < rows.size(); ++i) {
      const QFont& f = rows[i].Font;
      if (const auto line = FontForLine(f, rows[i].Text, rows[i].Width, px)) {
        places[i] = TNamePlace{*line, false, 0, std::max(LineSize(*line, rows[i].Text).height(), 20)};
        continue;
      }
      QFont wrapped = f;
      wrapped.setPixelSize(px);
      const QSize size = WrappedSize(wrapped, rows[i].Text, rows[i].Width);
      places[i] = TNamePlace{wrapped, true, 0, size.height()};
      narrow = narrow && size.width() <= rows[i].Width;
    }
    if (StackNames(rows, places, top, bottom) && narrow) break;
  }
  return places;
}

}  // namespace

std::pair<QString, QString> KindPictures(const TGameKind& kind, bool pictureDesign) {
  auto name = [&](const char* plain, const char* picture) {
    return QString::fromLatin1(pictureDesign ? picture : plain);
  };
  if (kind.Tournament) return {name("GClubE", "GifE"), QString()};
  if (kind.NetGame) return {name("GClubG", "GifG"), QString()};
  if (kind.AccountState == 3) return {name("GClubA", "GifA"), name("GClubB", "GifB")};
  return {name("GClubC", "GifC"), name("GClubF", "GifF")};
}

const TCountLayout& CountLayout(int design) { return kLayouts[std::clamp(design, 1, 4) - 1]; }

void TFormCount::LoadPictures(const QString& packFolder, const TGameKind& kind) {
  const TPackReader pack(packFolder, QString::fromLatin1(kPackGraphics));
  if (!pack.IsOpen() || pack.IsBuiltIn()) return;
  Background = pack.Picture(QStringLiteral("JPEG"), QStringLiteral("GFormCount"));
  if (Background.isNull()) return;
  const int design = Settings.AuxPictureDesign ? 4 : Settings.AuxDesign;
  if (design == 1) HeadingPicture = pack.Picture(QStringLiteral("RCDATA"), QStringLiteral("CountInfo"));
  if (design == 3) HeadingPicture = pack.Picture(QStringLiteral("RCDATA"), QStringLiteral("GFormCountL"));
  if (design != 4) return;
  EmblemStrip = pack.Picture(QStringLiteral("RCDATA"), QStringLiteral("GIcon48COunt"));
  const auto [left, right] = KindPictures(kind, true);
  const QString names[2] = {left, right};
  for (int i = 0; i < 2; ++i) {
    if (names[i].isEmpty()) continue;
    int delay = 0;
    KindStrips[i] = StripFromGif(pack.Item(QStringLiteral("GIF"), names[i]), QSize(70, 70), &delay);
    if (delay > 0) KindDelays[i] = delay;
  }
}

TFormCount::TFormCount(const TCount& count, const QString& playerName, TSettings& settings,
                       const TGameKind& kind, const QString& packFolder, QWidget* parent)
    : QDialog(parent), Settings(settings), AccountState(kind.AccountState) {
  // Without the graphics pack's background the window and those after it
  // use design 2, whatever design was chosen.
  if (Settings.AuxDesign < 1 || Settings.AuxDesign > 3) Settings.AuxDesign = 2;
  LoadPictures(packFolder, kind);
  if (Background.isNull()) {
    Settings.AuxPictureDesign = false;
    Settings.AuxDesign = 2;
  }
  DesignShown = Settings.AuxPictureDesign ? 4 : Settings.AuxDesign;
  const TCountLayout& l = CountLayout(DesignShown);
  setWindowTitle(Row(79) + QStringLiteral(":  ") + playerName);
  setFixedSize(325, l.ClientHeight);

  Label1 = new QLabel(Row(80), this);
  const QFont title = SerifFont(Settings, 20, true);
  Label1->setFont(FontForLine(title, Label1->text(), 305, PercentOfSize(title, 70)).value_or(title));
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  Label1->setGeometry(DesignShown == 4 ? 5 : 10, l.TitleTop, 305, 28);
  Label1->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
  const int nameLeft = DesignShown == 4 ? 55 : 63;

  const std::string* values[] = {&count.Count_KonAll, &count.Count_KonCur, &count.Count_ScoBeg,
                                 &count.Count_ScoCur, &count.Count_ScoAll, &count.Count_ReiBeg,
                                 &count.Count_ReiCur};
  std::array<TNameRow, 7> rows;
  for (int i = 0; i < 7; ++i) {
    Names[i] = new QLabel(Row(kNameRows[i]), this);
    Names[i]->setStyleSheet(QStringLiteral("color: purple; background: transparent;"));
    Values[i] = new QLabel(QString::fromStdString(*values[i]), this);
    Values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Values[i]->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
    // A long value keeps its right edge and grows to the left, in a
    // smaller font when it would take more than its share of the row.
    QFont vf = SerifFont(Settings, 24, true);
    vf = FontForLine(vf, Values[i]->text(), kValueMostWidth, PercentOfSize(vf, 75)).value_or(vf);
    Values[i]->setFont(vf);
    const int advance = QFontMetrics(vf).horizontalAdvance(Values[i]->text());
    const int w = std::max(kValueWidth, advance + 4);
    Values[i]->setGeometry(kValueRight - w, l.ValueTops[i], w, 28);
    // "The initial score:" keeps its own font whatever the serif role is.
    rows[i].Font = i == 2 ? SerifFont(Settings, 16, false, "Comic Sans MS") : SerifFont(Settings, 16);
    rows[i].Text = Names[i]->text();
    rows[i].Centre = l.ValueTops[i] + 14;
    // The name has the row up to a little before its value's digits.
    rows[i].Left = nameLeft;
    rows[i].Width = std::max(kNameLeastWidth, kValueRight - advance - kNameToValue - nameLeft);
    const QFontMetrics vm(vf);
    rows[i].Value = vm.tightBoundingRect(Values[i]->text())
                        .translated(kValueRight - advance, l.ValueTops[i] + (28 - vm.height()) / 2 + vm.ascent())
                        .adjusted(-kNameToValue, 0, 0, 0);
  }
  // Below the heading, above the pictures of the kind of game.
  const std::array<TNamePlace, 7> places = PlaceNames(rows, l.TitleTop + 28, l.KindTop);
  for (int i = 0; i < 7; ++i) {
    Names[i]->setFont(places[i].Font);
    Names[i]->setWordWrap(places[i].Wrapped);
    Names[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Names[i]->setGeometry(nameLeft, places[i].Top, rows[i].Width, places[i].Height);
  }
  if (DesignShown == 4) {
    // Black under the background picture.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    for (QLabel* lab : Names) lab->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    for (QLabel* lab : Values) lab->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    Label1->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
  }

  RxGIFAn1 = new TStripAnimation(this);
  RxGIFAn1->SetStrip(QStringLiteral("GGenCount"), QSize(100, 90));
  RxGIFAn1->move(DesignShown == 4 ? 115 : 112, l.AnimationTop);
  if (Settings.GifAnimation)
    RxGIFAn1->Play();
  else
    RxGIFAn1->StopOn(14);

  const auto [left, right] = KindPictures(kind, DesignShown == 4);
  RxGIFAn2 = new TStripAnimation(this);
  RxGIFAn3 = new TStripAnimation(this);
  if (DesignShown == 4) {
    // The pack's animations, 70 x 70.
    RxGIFAn2->SetPicture(left, KindStrips[0], QSize(70, 70), KindDelays[0]);
    RxGIFAn3->SetPicture(right, KindStrips[1], QSize(70, 70), KindDelays[1]);
  } else {
    RxGIFAn2->SetStrip(left, QSize(60, 75), 110);
    RxGIFAn3->SetStrip(right, QSize(60, 75), 110);
  }
  RxGIFAn2->move(DesignShown == 4 ? 10 : 50, l.KindTop);
  RxGIFAn3->move(DesignShown == 4 ? 245 : 215, l.KindTop);

  // The picture design's emblem turns at (9, 22), one frame every 50 ms.
  Timer48 = new TStripAnimation(this);
  Timer48->SetPicture(QStringLiteral("GIcon48COunt"), EmblemStrip, QSize(48, 48), 50);
  Timer48->move(9, 22);
  Timer48->setVisible(DesignShown == 4);
  if (DesignShown == 4) Timer48->Play();
  const bool still = DesignShown == 4 && !Settings.GifAnimation;
  if (!still) {
    RxGIFAn2->Play();
    if (!(DesignShown == 4 && (kind.Tournament || kind.NetGame))) RxGIFAn3->Play();
  }

  Button1 = new TOrvCardsButton(QStringLiteral("Ok"), this);
  Button1->setGeometry(2, l.OkTop, 315, 30);
  Button1->setFont(RoleFont(Settings, TFontRoleId::Decor, 20, true));
  Button1->SetColorSB(DesignShown == 4 ? TColorSB::DCards : TColorSB::DRed);
  Button1->SetLightFont(true);
  Button1->SetColorMouse(DesignShown == 4 ? QColor(255, 230, 120) : QColor(255, 255, 0));
  QPalette pal = Button1->palette();
  pal.setColor(QPalette::ButtonText, DesignShown == 4 ? QColor(200, 175, 50) : QColor(Qt::white));
  Button1->setPalette(pal);
  Button1->SetNata(Settings.NewButtons);
  Button1->setDefault(true);
  // The arrow over the window, the hand over its button: the system's or
  // the program's own.
  setCursor(ProgramCursor(Qt::ArrowCursor, Settings.OwnCursor));
  Button1->setCursor(ProgramCursor(Qt::PointingHandCursor, Settings.OwnCursor));
  connect(Button1, &QPushButton::clicked, this, [this] {
    RxGIFAn1->Clear();
    accept();
  });
}

void TFormCount::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QString lamp = AccountState == 3 ? QStringLiteral("LampG24")
                       : AccountState == 2 ? QStringLiteral("LampY24")
                                           : QStringLiteral("LampR24");
  if (DesignShown == 4) {
    // The background, and on it the account picture with its lamp at (270, 22).
    p.drawPixmap(0, 0, Background);
    p.drawPixmap(270, 22, ArtPicture(QStringLiteral("Account48")));
    p.drawPixmap(270 + 24, 22, ArtPicture(lamp));
    return;
  }
  const TCountLayout& l = CountLayout(DesignShown);
  // The scroll behind the values, the red bar under the heading.
  const QPixmap scroll = ArtPicture(QStringLiteral("GSvitok"));
  if (!scroll.isNull()) p.drawPixmap(QRect(5, l.ScrollTop, 315, 400), scroll);
  p.fillRect(QRect(5, l.BarTop, 315, 6), QColor(200, 0, 0));
  // The heading: the ribbon with "INFO" in yellow and its half-bright shadow.
  const QRect heading(12, 5, 300, l.HeadingHeight);
  p.save();
  p.setClipRect(heading);
  if (DesignShown == 1 && !HeadingPicture.isNull()) {
    p.drawPixmap(heading.topLeft(), HeadingPicture);
  } else if (DesignShown == 3) {
    p.drawPixmap(QRect(heading.x() + 50, heading.y(), 200, 100), ArtPicture(QStringLiteral("GLenta200x100")));
    p.drawPixmap(heading.topLeft() + QPoint(50, -7), HeadingPicture);
  } else {
    p.drawPixmap(QRect(heading.x(), heading.y(), 300, 64), ArtPicture(QStringLiteral("GCap300")));
    QFont f = SerifFont(Settings, 40, true);
    p.setFont(f);
    p.setPen(QColor(128, 128, 0));
    p.drawText(QRect(heading.x() + 1, heading.y() + 11, 300, 50), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("INFO"));
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(heading.x(), heading.y() + 10, 300, 50), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("INFO"));
  }
  p.restore();
  // The account picture and the lamp of the account's state.
  const QPoint account = DesignShown == 1 ? QPoint(23, 0) : DesignShown == 2 ? QPoint(25, 7) : QPoint(0, 25);
  p.drawPixmap(heading.topLeft() + account, ArtPicture(QStringLiteral("Account48")));
  p.drawPixmap(heading.topLeft() + account + QPoint(24, 0), ArtPicture(lamp));
}

}  // namespace zembra
