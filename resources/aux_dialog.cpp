#include "resources/aux_dialog.h"

#include <QPainter>
#include <QVBoxLayout>

#include "resources/aux_design.h"
#include "resources/aux_heading.h"
#include "resources/orv_cards_button.h"

namespace zembra {

TAuxDialog::TAuxDialog(TSettings& settings, const QString& packFolder, QWidget* parent, const QString& background)
    : QDialog(parent), Settings(settings) {
  DesignShown = Settings.AuxPictureDesign ? 4 : (Settings.AuxDesign >= 1 && Settings.AuxDesign <= 3 ? Settings.AuxDesign : 2);
  if (DesignShown == 4) {
    Backdrop = LoadAuxPictures(packFolder, background, QString(), QString()).Background;
    if (Backdrop.isNull()) {
      Settings.AuxPictureDesign = false;
      Settings.AuxDesign = 2;
      DesignShown = 2;
    }
  }
  auto* layout = new QVBoxLayout(this);
  Heading = new TAuxHeading;
  Heading->SetDesign(DesignShown);
  layout->addWidget(Heading);
  BodyLayout = new QVBoxLayout;
  layout->addLayout(BodyLayout, 1);
  if (DesignShown == 4) layout->setContentsMargins(14, 11, 14, 14);
}

void TAuxDialog::SetHeading(const QString& title) {
  Heading->SetTitle(title);
  // The colours once the contents are in place.
  TOrvCardsButton::StyleDialog(this);
  if (DesignShown != 4) return;
  ApplyPictureDesignColours(this);
  for (TOrvCardsButton* b : findChildren<TOrvCardsButton*>()) {
    b->SetColorSB(TColorSB::DCards);
    b->SetLightFont(true);
    b->SetColorMouse(QColor(255, 230, 120));
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, QColor(200, 175, 50));
    b->setPalette(pal);
  }
}

void TAuxDialog::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  if (DesignShown != 4) return;
  QPainter p(this);
  PaintAuxBackground(p, rect(), Backdrop);
}

}  // namespace zembra
