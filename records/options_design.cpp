// The options dialog's four looks: the plain designs 1..3 on the system's
// dialog colour with red buttons, and the picture design on the graphics
// pack's background with its gold heading, a turning emblem, yellow text
// and buttons in the card table's green.
#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "records/options_dialog.h"
#include "resources/aux_design.h"
#include "resources/aux_heading.h"
#include "resources/orv_cards_button.h"
#include "resources/strip_animation.h"
#include "resources/words.h"

namespace zembra {
namespace {

// The emblem turns one frame every 60 ms.
constexpr int kEmblemMs = 60;
// Captions of the picture design's buttons, and while the mouse is over them.
const QColor kGoldCaption(200, 175, 50);
const QColor kGoldHover(255, 230, 120);

}  // namespace

void TFormOptions::ApplyDesign() {
  int design = Settings.AuxPictureDesign ? 4 : std::clamp<int>(Settings.AuxDesign, 1, 3);
  if (!Settings.AuxPictureDesign && (Settings.AuxDesign < 1 || Settings.AuxDesign > 3)) design = 2;
  TAuxPictures pictures;
  if (design != 2) {
    const QString heading = LanguagePicture(design == 1 ? "Options" : "GFormOpt", Language());
    pictures = LoadAuxPictures(QString::fromStdString(Host.Folder), design == 4 ? QStringLiteral("GFormOpt") : QString(),
                               heading, design == 4 ? QStringLiteral("GIcon48Opt") : QString());
  }
  // Without its background the picture design gives way to design 2.
  if (design == 4 && pictures.Background.isNull()) {
    Settings.AuxPictureDesign = false;
    Settings.AuxDesign = 2;
    design = 2;
    pictures = {};
  }
  DesignShown = design;
  Backdrop = pictures.Background;
  Heading->SetDesign(design);
  Heading->SetPicture(pictures.Heading);

  const bool picture = design == 4;
  EmblemPicture->SetPicture(QStringLiteral("GIcon48Opt"), pictures.Emblem, QSize(48, 48), kEmblemMs);
  const bool emblem = picture && !pictures.Emblem.isNull();
  EmblemPicture->setVisible(emblem);
  if (emblem) EmblemPicture->Play();
  else EmblemPicture->StopOn(1);

  // The heading row lies on the background's band; "Ok" stands between
  // the flourishes of the frame's lower corners.
  if (picture) Layout->setContentsMargins(14, 11, 14, 14);
  else Layout->setContentsMargins(11, 11, 11, 11);
  Layout->setAlignment(Ok, picture ? Qt::AlignHCenter : Qt::AlignRight);
  if (picture) ApplyPictureDesignColours(this);
  else ClearPictureDesignColours(this);
  for (TOrvCardsButton* b : findChildren<TOrvCardsButton*>()) {
    if (!picture) {
      b->SetColorSB(TColorSB::DRed);
      continue;
    }
    b->SetColorSB(TColorSB::DCards);
    b->SetLightFont(true);
    b->SetColorMouse(kGoldHover);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, kGoldCaption);
    b->setPalette(pal);
  }
  if (!picture) TOrvCardsButton::StyleDialog(this);
  if (auto* warning = findChild<QLabel*>(QStringLiteral("FontWarning")))
    warning->setStyleSheet(picture ? QStringLiteral("color: rgb(255, 120, 100); background: transparent;")
                                   : QStringLiteral("color: #a00000;"));
  // Every page keeps its controls in view whatever the heading's height.
  Layout->activate();
  if (height() < Layout->sizeHint().height()) resize(width(), Layout->sizeHint().height());
  update();
}

void TFormOptions::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  if (DesignShown != 4) return;
  QPainter p(this);
  PaintAuxBackground(p, rect(), Backdrop);
}

}  // namespace zembra
