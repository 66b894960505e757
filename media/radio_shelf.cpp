#include "media/radio_shelf.h"

#include <QBitmap>
#include <QPainter>

#include "media/radio_pictures.h"
#include "resources/pack_file.h"
#include "resources/packs.h"

namespace zembra {

namespace rp = radio_pictures;

TRadioShelf::TRadioShelf(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

bool TRadioShelf::LoadPictures(const QString& folder) {
  TPackReader pack(folder, QString::fromLatin1(kPackRadio));
  if (!pack.IsOpen()) return false;
  const QString kind = QStringLiteral("RCDATA");
  Shelf = pack.Picture(kind, QString::fromLatin1(rp::kShelf));
  Radio = pack.Picture(kind, QString::fromLatin1(rp::kRadioSet));
  Lamps[0] = pack.Picture(kind, QString::fromLatin1(rp::kLampOff));
  Lamps[1] = pack.Picture(kind, QString::fromLatin1(rp::kLampSilent));
  Lamps[2] = pack.Picture(kind, QString::fromLatin1(rp::kLampPlaying));
  UpdateMask();
  update();
  return true;
}

void TRadioShelf::SetLamp(TRadioLamp lamp) {
  if (LampState == lamp) return;
  LampState = lamp;
  update();
}

QPixmap TRadioShelf::Picture() const {
  // Drawn on the base picture's 220 x 125 and scaled to the widget.
  QPixmap pm(size());
  pm.fill(Qt::transparent);
  if (Shelf.isNull()) return pm;
  QPainter p(&pm);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(static_cast<double>(width()) / rp::kShelfBox.W, static_cast<double>(height()) / rp::kShelfBox.H);
  p.drawPixmap(0, 0, Shelf);
  const rp::TBox r = rp::kRadioOnShelf, l = rp::kLampOnRadio;
  p.drawPixmap(QRect(r.X, r.Y, r.W, r.H), Radio);
  p.drawPixmap(QRect(r.X + l.X, r.Y + l.Y, l.W, l.H), Lamps[static_cast<int>(LampState)]);
  return pm;
}

void TRadioShelf::resizeEvent(QResizeEvent* e) {
  QAbstractButton::resizeEvent(e);
  UpdateMask();
}

void TRadioShelf::UpdateMask() {
  if (Shelf.isNull() || size().isEmpty()) return;
  setMask(Picture().mask());
}

void TRadioShelf::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, Picture());
}

}  // namespace zembra
