#include "records/count_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include "resources/cursors.h"
#include "resources/fonts.h"
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

TFormCount::TFormCount(const TCount& count, const QString& playerName, TSettings& settings,
                       const TGameKind& kind, bool graphicsPack, QWidget* parent)
    : QDialog(parent), Settings(settings), AccountState(kind.AccountState) {
  // Without the graphics pack the window and those after it use design 2.
  if (!graphicsPack) {
    Settings.AuxPictureDesign = false;
    Settings.AuxDesign = 2;
  }
  DesignShown = Settings.AuxPictureDesign ? 4 : std::clamp<int>(Settings.AuxDesign, 1, 3);
  const TCountLayout& l = CountLayout(DesignShown);
  setWindowTitle(Row(79) + QStringLiteral(":  ") + playerName);
  setFixedSize(325, l.ClientHeight);

  Label1 = new QLabel(Row(80), this);
  Label1->setFont(SerifFont(Settings, 20, true));
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  Label1->setGeometry(DesignShown == 4 ? 5 : 10, l.TitleTop, 305, 28);
  Label1->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));

  const std::string* values[] = {&count.Count_KonAll, &count.Count_KonCur, &count.Count_ScoBeg,
                                 &count.Count_ScoCur, &count.Count_ScoAll, &count.Count_ReiBeg,
                                 &count.Count_ReiCur};
  for (int i = 0; i < 7; ++i) {
    Names[i] = new QLabel(Row(kNameRows[i]), this);
    // "The initial score:" keeps its own font whatever the serif role is.
    Names[i]->setFont(i == 2 ? SerifFont(Settings, 16, false, "Comic Sans MS") : SerifFont(Settings, 16));
    Names[i]->setGeometry(DesignShown == 4 ? 55 : 63, l.NameTops[i], 140, 22);
    Names[i]->setStyleSheet(QStringLiteral("color: purple; background: transparent;"));
    Values[i] = new QLabel(QString::fromStdString(*values[i]), this);
    Values[i]->setFont(SerifFont(Settings, 24, true));
    Values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Values[i]->setGeometry(200, l.ValueTops[i], 73, 28);
    Values[i]->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
  }
  // A long value grows to the left from its right edge; a name then gets
  // the room that is left, its font shrinking until it fits on one line.
  for (int i = 0; i < 7; ++i) {
    const QFontMetrics vm(Values[i]->font());
    const int w = std::max(73, vm.horizontalAdvance(Values[i]->text()) + 4);
    Values[i]->setGeometry(273 - w, l.ValueTops[i], w, 28);
    const int room = Values[i]->x() - Names[i]->x() - 4;
    QFont f = Names[i]->font();
    while (f.pixelSize() > 12 && QFontMetrics(f).horizontalAdvance(Names[i]->text()) > room)
      f.setPixelSize(f.pixelSize() - 1);
    Names[i]->setFont(f);
    Names[i]->setFixedWidth(room);
    if (QFontMetrics(f).horizontalAdvance(Names[i]->text()) > room) {
      // Still too long: two lines in the same row.
      Names[i]->setWordWrap(true);
      Names[i]->setGeometry(Names[i]->x(), Names[i]->y() - 6, room, 34);
    }
  }
  if (DesignShown == 4) {
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
  RxGIFAn2->SetStrip(left, QSize(60, 75), 110);
  RxGIFAn3->SetStrip(right, QSize(60, 75), 110);
  RxGIFAn2->move(DesignShown == 4 ? 10 : 50, l.KindTop);
  RxGIFAn3->move(DesignShown == 4 ? 245 : 215, l.KindTop);
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
  if (DesignShown == 4) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const TCountLayout& l = CountLayout(DesignShown);
  // The scroll behind the values, the red bar under the heading.
  const QPixmap scroll = ArtPicture(QStringLiteral("GSvitok"));
  if (!scroll.isNull()) p.drawPixmap(QRect(5, l.ScrollTop, 315, 400), scroll);
  p.fillRect(QRect(5, l.BarTop, 315, 6), QColor(200, 0, 0));
  // The heading: the ribbon with "INFO" in yellow and its half-bright shadow.
  const QRect heading(12, 5, 300, l.HeadingHeight);
  if (DesignShown == 3) {
    p.drawPixmap(QRect(heading.x() + 50, heading.y(), 200, 100), ArtPicture(QStringLiteral("GLenta200x100")));
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
  // The account picture and the lamp of the account's state.
  const QPoint account = DesignShown == 1 ? QPoint(23, 0) : DesignShown == 2 ? QPoint(25, 7) : QPoint(0, 25);
  const QString lamp = AccountState == 3 ? QStringLiteral("LampG24")
                       : AccountState == 2 ? QStringLiteral("LampY24")
                                           : QStringLiteral("LampR24");
  p.drawPixmap(heading.topLeft() + account, ArtPicture(QStringLiteral("Account48")));
  p.drawPixmap(heading.topLeft() + account + QPoint(24, 0), ArtPicture(lamp));
}

}  // namespace zembra
