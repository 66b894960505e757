#include "tournament/tour_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "duel/external_address.h"
#include "online/online_club.h"
#include "online/requests.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"
#include "tournament/seat_rules.h"
#include "tournament/tour_link.h"

namespace zembra {
namespace {

// The server's icon: a green or red lamp on a dark disc.
QPixmap ServerPicture(bool on) {
  QPixmap pm(28, 28);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(20, 30, 25));
  p.setPen(QPen(QColor(212, 175, 55), 2));
  p.drawEllipse(QRectF(1, 1, 26, 26));
  const QColor c = on ? QColor(40, 210, 70) : QColor(220, 40, 40);
  QRadialGradient g(QPointF(11, 11), 10);
  g.setColorAt(0, c.lighter(170));
  g.setColorAt(1, c.darker(130));
  p.setBrush(g);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(7, 7, 14, 14));
  return pm;
}

struct TTablesRead {
  bool Tables = false, Info = false;
  std::array<TOrvTable, 10> T{};
  char State = 'X';
  std::string Greeting;
};

TOrvClient Nobody() {
  TOrvClient c;
  c.Nick = c.Country = c.City = c.Sex = c.IP = "X";
  return c;
}

}  // namespace

TFormTournament::TFormTournament(TOnlineClub& club, TTourLink& link, TSettings& settings, const QString& packFolder,
                                 QWidget* parent)
    : TAuxDialog(settings, packFolder, parent), Club(club), Link(link) {
  setWindowTitle(Row(1051));
  PlaySound = [](const char*) {};
  ShowMessage = [](const QString&) {};
  auto* top = new QHBoxLayout;
  ServerIcon = new QLabel;
  top->addWidget(ServerIcon);
  Greeting = new QLabel;
  Greeting->setAlignment(Qt::AlignCenter);
  Greeting->setWordWrap(true);
  top->addWidget(Greeting, 1);
  Body()->addLayout(top);

  auto* middle = new QHBoxLayout;
  auto* grid = new QGridLayout;
  const QString rule = Row(448) + QStringLiteral(": ") + Row(640);
  for (int k = 1; k <= 10; ++k) {
    auto* label = new QLabel(Row(1052) + QLatin1Char(' ') + QString::number(k));
    label->setToolTip(rule);
    grid->addWidget(label, k - 1, 0);
    for (int seat = 1; seat <= 2; ++seat) {
      auto* b = new TOrvCardsButton;
      b->setMinimumWidth(170);
      b->setToolTip(rule);
      connect(b, &QPushButton::clicked, this, [this, k, seat] { SeatClick(k, seat); });
      grid->addWidget(b, k - 1, seat);
      SeatButtons[static_cast<size_t>(k - 1)][static_cast<size_t>(seat - 1)] = b;
    }
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  middle->addLayout(grid, 1);
  // My results.
  auto* panel = new QGridLayout;
  auto* caption = new QLabel(Row(197));
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  panel->addWidget(caption, 0, 0, 1, 2);
  const int rows[6] = {164, 160, 161, 217, 412, 166};
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(Row(rows[i]) + QLatin1Char(':'));
    Results[static_cast<size_t>(i)] = new QLabel;
    label->setBuddy(Results[static_cast<size_t>(i)]);
    panel->addWidget(label, i + 1, 0);
    panel->addWidget(Results[static_cast<size_t>(i)], i + 1, 1);
  }
  panel->setRowStretch(7, 1);
  middle->addLayout(panel);
  Body()->addLayout(middle, 1);

  // Only the operator may send the game to another address.
  OperatorBox = new QLineEdit(QStringLiteral("127.0.0.1"));
  OperatorBox->setAccessibleName(QStringLiteral("Game server"));
  OperatorBox->setVisible(Club.Account().User.Nick == kTourOperatorNick);
  Body()->addWidget(OperatorBox);

  auto* buttons = new QHBoxLayout;
  RefreshButton = new TOrvCardsButton(Row(254));
  TopButton = new TOrvCardsButton(QStringLiteral("Top 10"));
  CloseButton = new TOrvCardsButton(Row(159));
  buttons->addWidget(RefreshButton);
  buttons->addWidget(TopButton);
  buttons->addWidget(CloseButton);
  Body()->addLayout(buttons);
  connect(RefreshButton, &QPushButton::clicked, this, &TFormTournament::RefreshTables);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(TopButton, &QPushButton::clicked, this, [this] {
    if (OpenTopTen) OpenTopTen();
  });

  // The first deal ends the window: the match begins.
  connect(&Link, &TTourLink::DealArrived, this, [this](const TDuelDeal& deal) {
    if (Deal) return;
    Deal = deal;
    RefreshTimer.stop();
    ErrorTimer.stop();
    accept();
  });
  connect(&Link, &TTourLink::Failed, this, [this] { Error = true; });
  connect(&Link, &TTourLink::Lost, this, [this] { Error = true; });

  RefreshTimer.setInterval(10000);
  connect(&RefreshTimer, &QTimer::timeout, this, &TFormTournament::RefreshTables);
  ErrorTimer.setInterval(1000);
  connect(&ErrorTimer, &QTimer::timeout, this, [this] {
    if (Error) ConnectionError();
  });
  SetHeading(Row(1051));
  resize(760, 620);
  ShowTables();
  ReadMe();
  RefreshTables();
  RefreshTimer.start();
  ErrorTimer.start();
}

void TFormTournament::ReadMe() {
  // The player as the tables will show them: the account, the tournament's
  // numbers and place, the address the internet sees.
  const TAccount& a = Club.Account();
  MyClient.Nick = a.User.Nick;
  MyClient.Country = a.User.Country1;
  MyClient.City = a.User.City;
  MyClient.Sex = a.User.Sex;
  const std::string ipPage = ExternalAddressUrl(Club.Addresses().Account);
  struct TMe {
    bool Rating = false;
    int Score = 0, Kon = 0, Rating_ = 0, Place = -1;
    std::string Ip;
  };
  const std::string nick = MyClient.Nick;
  Club.Request<TMe>(
      [nick, ipPage](const TPost& post) {
        TMe me;
        me.Rating = TourReadRating(post, nick, &me.Score, &me.Kon, &me.Rating_);
        if (me.Rating) me.Place = TourPlace(post, TTourOrder::Score, me.Score);
        me.Ip = FetchExternalAddress(ipPage);
        return me;
      },
      [this](TMe me) {
        MyClient.Score = me.Score;
        MyClient.Kon = me.Kon;
        MyClient.Rating = me.Rating_;
        MyClient.IP = me.Ip.empty() ? "X" : me.Ip;
        const QString values[6] = {QString::fromStdString(MyClient.Nick),
                                   me.Rating ? QString::number(me.Score) : QString(),
                                   me.Place > 0 ? QString::number(me.Place) : QStringLiteral("No Connect"),
                                   me.Rating ? QString::number(me.Rating_) : QString(),
                                   me.Rating ? QString::number(me.Kon) : QString(),
                                   QString::fromStdString(MyClient.City)};
        for (size_t i = 0; i < Results.size(); ++i) Results[i]->setText(values[i]);
      },
      this);
}

void TFormTournament::RefreshTables() {
  Club.Request<TTablesRead>(
      [](const TPost& post) {
        TTablesRead r;
        r.Tables = TourTables(post, &r.T);
        r.Info = TourServerInfo(post, &r.State, &r.Greeting);
        return r;
      },
      [this](TTablesRead r) {
        Read = r.Tables;
        InfoRead = r.Info;
        Tables = r.T;
        On = r.Tables && r.Info && r.State == 'Y';
        if (r.Tables) {
          ServerAddress = Tables[0].IP;
          PortBase = Tables[0].Port - 1;
        }
        QString greeting = QString::fromStdString(r.Greeting).replace(QLatin1Char('_'), QLatin1Char(' '));
        if (!r.Info) greeting = QStringLiteral("No Connect");
        QFont f = Greeting->font();
        f.setPixelSize(greeting.size() > 54 ? 20 : greeting.size() > 39 ? 24 : 28);
        Greeting->setFont(f);
        Greeting->setText(greeting);
        // A server gone off takes the player's seat with it.
        if (!On && Table != 0) ClearMySeat();
        ShowTables();
      },
      this);
  ReadMe();
}

void TFormTournament::ShowTables() {
  ServerIcon->setPixmap(ServerPicture(On));
  ServerIcon->setToolTip(On ? QStringLiteral("Server On") : QStringLiteral("Server Off"));
  ServerIcon->setAccessibleName(ServerIcon->toolTip());
  for (int k = 1; k <= 10; ++k)
    for (int seat = 1; seat <= 2; ++seat) {
      const TSeatButton b = SeatButtonOf(Tables[static_cast<size_t>(k - 1)], k, seat, MyClient.Nick, Table, On);
      QString text;
      switch (b.Caption) {
        case TSeatCaption::LogOff: text = Row(1053); break;
        case TSeatCaption::Occupant: text = QString::fromStdString(b.Occupant); break;
        case TSeatCaption::TakePlace: text = Row(1046); break;
        case TSeatCaption::Free: text = Row(1047); break;
        case TSeatCaption::ServerOff: text = QStringLiteral("Server Off"); break;
      }
      QPushButton* button = SeatButtons[static_cast<size_t>(k - 1)][static_cast<size_t>(seat - 1)];
      button->setText(text);
      button->setAccessibleName(Row(1052) + QLatin1Char(' ') + QString::number(k) + QStringLiteral(", ") + text);
      button->setEnabled(b.Enabled);
    }
  const bool seated = Table != 0 && On;
  for (QPushButton* b : {RefreshButton, CloseButton, TopButton}) b->setEnabled(!seated);
}

void TFormTournament::SeatClick(int table, int seat) {
  // One seat request at a time; the club's other reads queue before it.
  if (SeatPending) return;
  if (table == Table && seat == Seat) {
    // Leaving the own seat.
    SeatPending = true;
    Club.Request<int>([table, seat](const TPost& post) { return TourSeat(post, seat, table, TSeatRequest::Leave, Nobody()); },
                      [this](int result) {
                        SeatPending = false;
                        if (result != 0) {
                          PlaySound("WWrongs");
                          return;
                        }
                        Table = Seat = 0;
                        Link.SendLeave();
                        Link.Close();
                        Link.SetPhase(TTourPhase::None);
                        RefreshTables();
                      },
                      this);
    return;
  }
  if (Table != 0) return;
  const TOrvClient me = MyClient;
  const std::string server = ServerAddress;
  const bool operatorNick = MyClient.Nick == kTourOperatorNick;
  SeatPending = true;
  Club.Request<int>(
      [table, seat, me, server, operatorNick](const TPost& post) {
        if (seat == 2) {
          TOrvClient first;
          if (TourReadClient(post, 1, table, &first) && SameAddressRefused(first.IP, me.IP, server, operatorNick))
            return -1;
        }
        return TourSeat(post, seat, table, TSeatRequest::Take, me);
      },
      [this, table, seat](int result) {
        SeatPending = false;
        if (result == -1) {
          ShowMessage(Row(1050));
          return;
        }
        if (result != 0) {
          PlaySound("WWrongs");
          return;
        }
        TakeSeat(table, seat);
      },
      this);
}

void TFormTournament::TakeSeat(int table, int seat) {
  Table = table;
  Seat = seat;
  const TOrvTable& t = Tables[static_cast<size_t>(table - 1)];
  Opponent = seat == 1 ? t.Nick2 : t.Nick1;
  QString address = QString::fromStdString(ServerAddress);
  if (MyClient.Nick == kTourOperatorNick && !OperatorBox->text().trimmed().isEmpty())
    address = OperatorBox->text().trimmed();
  Error = false;
  Link.Connect(address, static_cast<quint16>(PortBase + table), seat);
  RefreshTables();
}

void TFormTournament::ClearMySeat() {
  const int table = Table, seat = Seat;
  Table = Seat = 0;
  Link.Close();
  Link.SetPhase(TTourPhase::None);
  // The player's seat, and seat 2 with it when the player held seat 1.
  Club.Request<int>(
      [table, seat](const TPost& post) {
        TourSeat(post, seat, table, TSeatRequest::Clear, Nobody());
        if (seat == 1) TourSeat(post, 2, table, TSeatRequest::Clear, Nobody());
        return 0;
      },
      [this](int) { RefreshTables(); }, this);
}

void TFormTournament::ConnectionError() {
  Error = false;
  ShowMessage(Row(1048));
  if (Table != 0) ClearMySeat();
}

}  // namespace zembra
