#include "records/cycle_window.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "resources/orv_cards_button.h"
#include "resources/strip_animation.h"
#include "resources/words.h"

namespace zembra {

TFormCycle::TFormCycle(const TCycleWindow& cycle, bool animate, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(W(club_rows::kCompletionOfGame)));
  auto* layout = new QVBoxLayout(this);
  // The medal with the place on it, when the cycle took a place.
  if (!cycle.PlaceImage.empty()) {
    auto* medal = new QLabel;
    QPixmap m = ArtPicture(QString::fromLatin1(kMedalImage));
    const QPixmap place = ArtPicture(QString::fromStdString(cycle.PlaceImage));
    if (!m.isNull()) {
      QPainter p(&m);
      // The place number sits on the medal's disc, below the ribbon.
      if (!place.isNull()) p.drawPixmap(32, 38, place);
      medal->setPixmap(m);
      medal->setAlignment(Qt::AlignCenter);
      layout->addWidget(medal);
    }
  }
  if (!cycle.Animation.empty()) {
    auto* animation = new TStripAnimation;
    animation->SetStrip(QString::fromStdString(cycle.Animation), QSize(100, 90));
    if (animation->FrameCount() > 0) {
      layout->addWidget(animation, 0, Qt::AlignHCenter);
      if (animate)
        animation->Play(cycle.AnimationRepeats);
      else
        animation->StopOn(cycle.StillFrame);
    }
  }
  bool first = true;
  for (const TTextLine& line : cycle.Lines) {
    const QString text = QString::fromStdString(JoinTextLine(line, [](int row) { return W(row); }));
    Texts << text;
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(first ? QStringLiteral("font-size: 22px; font-weight: bold; color: #a00000;")
                               : QStringLiteral("font-size: 16px; color: #000080;"));
    first = false;
    layout->addWidget(label);
  }
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  ok->setMinimumWidth(200);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setMinimumWidth(360);
}

}  // namespace zembra
