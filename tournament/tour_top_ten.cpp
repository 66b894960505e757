#include "tournament/tour_top_ten.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "online/online_club.h"
#include "online/requests.h"
#include "resources/country_flags.h"
#include "resources/orv_cards_button.h"
#include "resources/strip_animation.h"
#include "resources/text.h"

namespace zembra {

int TFormTourTopTen::LastOrder = 0;

namespace {

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

// The medal of a place 1..10.
QPixmap MedalOf(int place) {
  QPixmap medal = ArtPicture(QStringLiteral("GMedal"));
  const QPixmap number = ArtPicture(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')));
  if (medal.isNull()) return number;
  QPainter p(&medal);
  if (!number.isNull()) p.drawPixmap(32, 38, number);
  return medal;
}

}  // namespace

TFormTourTopTen::TFormTourTopTen(TOnlineClub& club, const TOrvClient& me, TSettings& settings,
                                 const QString& packFolder, QWidget* parent)
    : TAuxDialog(settings, packFolder, parent), Club(club) {
  setWindowTitle(QStringLiteral("Tournament Top Ten"));
  Values[0] = me.Score;
  Values[1] = me.Rating;
  Values[2] = me.Kon;
  auto* switchRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    Orders[i] = new QRadioButton(Row(1054 + i));
    switchRow->addWidget(Orders[i]);
    connect(Orders[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) ShowOrder(i);
    });
  }
  switchRow->addStretch(1);
  Body()->addLayout(switchRow);
  auto* middle = new QHBoxLayout;
  Rows = new QTableWidget(0, 6);
  Rows->setAccessibleName(QStringLiteral("Tournament Top Ten"));
  Rows->verticalHeader()->hide();
  Rows->horizontalHeader()->hide();
  Rows->setShowGrid(false);
  Rows->setMinimumHeight(280);
  middle->addWidget(Rows, 1);
  auto* place = new QVBoxLayout;
  Medal = new QLabel;
  Medal->setAlignment(Qt::AlignCenter);
  PlaceText = new QLabel;
  PlaceText->setAlignment(Qt::AlignCenter);
  place->addWidget(Medal);
  place->addWidget(PlaceText);
  place->addStretch(1);
  middle->addLayout(place);
  Body()->addLayout(middle, 1);
  auto* close = new TOrvCardsButton(Row(159));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Body()->addWidget(close);
  SetHeading(QStringLiteral("Tournament Top Ten"));
  resize(620, 460);
  Orders[LastOrder]->setChecked(true);
  if (LastOrder == 0) ShowOrder(0);  // the switch did not change
}

void TFormTourTopTen::ShowOrder(int order) {
  LastOrder = order;
  const TTourOrder o = order == 1 ? TTourOrder::Rating : order == 2 ? TTourOrder::Games : TTourOrder::Score;
  const int value = Values[order];
  struct TRead {
    bool Rows = false;
    std::array<TOrvRecord, 10> R{};
    int Place = -1;
  };
  Club.Request<TRead>(
      [o, value](const TPost& post) {
        TRead r;
        r.Rows = TourTopTen(post, o, &r.R);
        r.Place = TourPlace(post, o, value);
        return r;
      },
      [this](TRead r) {
        Rows->setRowCount(0);
        if (!r.Rows) {
          Rows->setRowCount(1);
          Rows->setItem(0, 3, Cell(QStringLiteral("No Connect")));
        } else {
          for (const TOrvRecord& rec : r.R) {
            if (rec.Nick == "#") continue;
            const int row = Rows->rowCount();
            Rows->insertRow(row);
            Rows->setItem(row, 0, Cell(QString::number(rec.Place) + QLatin1Char('.')));
            QTableWidgetItem* flag = Cell(QString());
            flag->setIcon(QIcon(CountryFlag(rec.Country, 21, 18)));
            Rows->setItem(row, 1, flag);
            Rows->setItem(row, 2, Cell(rec.R07 == "W" ? QStringLiteral("\u2640") : QStringLiteral("\u2642")));
            Rows->setItem(row, 3, Cell(QString::fromStdString(rec.Nick)));
            Rows->setItem(row, 4, Cell(QString::fromStdString(rec.City)));
            Rows->setItem(row, 5, Cell(QString::number(rec.Score)));
          }
        }
        Rows->resizeColumnsToContents();
        Rows->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
        // A place among the ten as its medal; another as a line; nothing
        // when it could not be read.
        Medal->clear();
        PlaceText->clear();
        if (r.Place >= 1 && r.Place <= 10) {
          Medal->setPixmap(MedalOf(r.Place));
          Medal->setAccessibleName(Row(161) + QStringLiteral(": ") + QString::number(r.Place));
        } else if (r.Place > 10) {
          PlaceText->setText(Row(161) + QStringLiteral(":\n") + QString::number(r.Place));
        }
      },
      this);
}

}  // namespace zembra
