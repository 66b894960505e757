#include "calendar/calendar_pictures.h"

#include <QDate>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace zembra {

// One tile, scaled into the widget; its hint is the tile's text.
class TTilePicture : public QWidget {
 public:
  explicit TTilePicture(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TranslucentBackground); }
  void SetTile(const QImage& image, const QString& text) {
    Image = image;
    setToolTip(text);
    setAccessibleName(text);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (Image.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), Image);
  }

 private:
  QImage Image;
};

TCalendarPictures::TCalendarPictures(QWidget* host) : QObject(host) {
  Left = new TTilePicture(host);
  Right = new TTilePicture(host);
  Left->setObjectName(QStringLiteral("CalendarDate"));
  Right->setObjectName(QStringLiteral("CalendarYear"));
  Left->hide();
  Right->hide();
  Rotation = new QTimer(this);
  Rotation->setInterval(kRotationMs);
  connect(Rotation, &QTimer::timeout, this, &TCalendarPictures::NextTile);
}

QWidget* TCalendarPictures::LeftPicture() const { return Left; }
QWidget* TCalendarPictures::RightPicture() const { return Right; }

TDate TCalendarPictures::Today() const {
  if (FixedDay) return *FixedDay;
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

void TCalendarPictures::Rebuild(const QString& folder, int language) {
  Folder = folder;
  Language = language;
  BuiltFor = Today();
  TCalendarRequest request;
  request.Folder = folder;
  request.Today = BuiltFor;
  request.Language = language;
  IsBuilt = BuildCalendar(request, &Built_);
  if (!IsBuilt) {
    Built_ = {};
    Rotation->stop();
    Left->hide();
    Right->hide();
    return;
  }
  Left->SetTile(Built_.Pictures[0], Built_.Texts[0]);
  ShowRight(2);
  SetShown(Shown);
}

void TCalendarPictures::Place(const QRect& left, const QRect& right) {
  Left->setGeometry(left);
  Right->setGeometry(right);
}

void TCalendarPictures::SetShown(bool shown) {
  Shown = shown;
  const bool visible = shown && IsBuilt;
  Left->setVisible(visible);
  Right->setVisible(visible);
  if (visible) {
    Left->raise();
    Right->raise();
  }
  // The rotation runs while the pictures show: on a day without holidays
  // it shows the year tile again, and it notices a new day.
  if (visible) {
    Rotation->start();  // the year tile gets its full ten seconds
  } else {
    Rotation->stop();
  }
}

void TCalendarPictures::NextTile() {
  if (!IsBuilt) return;
  if (Today() != BuiltFor) {
    Rebuild(Folder, Language);
    return;
  }
  ShowRight(Right_ >= Built_.Count() ? 2 : Right_ + 1);
}

void TCalendarPictures::ShowRight(int tile) {
  Right_ = tile;
  Right->SetTile(Built_.Pictures[tile - 1], Built_.Texts[tile - 1]);
}

}  // namespace zembra
