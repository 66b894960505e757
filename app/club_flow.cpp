// The main window's side of the online club: the start-up (news, the start
// notice, the login from the user file) and what the account's state shows.
#include <QLabel>
#include <algorithm>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>

#include "app/main_window.h"
#include "online/chat_window.h"
#include "online/club_talk.h"
#include "online/online_club.h"
#include "online/stats_window.h"
#include "online/world_top_ten.h"
#include "resources/packs.h"
#include "resources/text.h"

namespace zembra {

void TMainWindow::StartClub() {
  if (OnlineClub) return;
  OnlineClub = new TOnlineClub(Settings.TopTenAddress, Settings.StatsAddress, Folder, this);
  if (!ShowNews) {
    ShowNews = [this](const QString& text, const QString& second, const QString& link) {
      // The attention dialog: the message, its second line and the link.
      QMessageBox box(QMessageBox::Information, QStringLiteral("Zembra"), QString(), QMessageBox::Ok, this);
      box.setTextFormat(Qt::RichText);
      box.setTextInteractionFlags(Qt::TextBrowserInteraction);
      QString html = text.toHtmlEscaped() + QStringLiteral("<br>") + second.toHtmlEscaped();
      if (!link.isEmpty())
        html += QStringLiteral("<br><a href=\"%1\">%2</a>").arg(link.toHtmlEscaped(), link.toHtmlEscaped());
      box.setText(html);
      box.exec();
    };
  }
  connect(OnlineClub, &TOnlineClub::NewsArrived, this, [this](const TNews& n) {
    ShowNews(QString::fromStdString(n.Text), QString::fromStdString(n.Second), QString::fromStdString(n.Link));
  });
  connect(OnlineClub, &TOnlineClub::AccountChanged, this, [this] {
    Mode.AccountLoggedIn = OnlineClub->Account().LoggedIn();
    LayOutClubIcons();  // the account's lamp
    if (MenuShown()) RefreshRecentPlayers();
    Settings.TopTenAvailable = !OnlineClub->ServiceFile().RecordsPaused;
    Settings.ChatAvailable = !OnlineClub->ServiceFile().ChatPaused;
    Table->update();
  });
  OnlineClub->StartUp(Settings.StatsReported, [this](bool reported) {
    if (reported == Settings.StatsReported) return;
    Settings.StatsReported = reported;
    WriteOptionsFile();
  });
}

namespace {

// The side icons: a globe, a bar chart, a player, a speech bubble; gold on
// a dark disc, drawn at any size.
QPixmap ClubIconPicture(int kind, int size, int lamp) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size / 64.0;
  p.scale(s, s);
  QRadialGradient disc(QPointF(26, 22), 40);
  disc.setColorAt(0, QColor(40, 110, 60));
  disc.setColorAt(1, QColor(8, 40, 20));
  p.setPen(QPen(QColor(212, 175, 55), 3));
  p.setBrush(disc);
  p.drawEllipse(QRectF(3, 3, 58, 58));
  const QColor gold(240, 205, 90);
  p.setPen(QPen(gold, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (kind) {
    case 0:  // world top ten: a globe
      p.drawEllipse(QRectF(16, 16, 32, 32));
      p.drawEllipse(QRectF(25, 16, 14, 32));
      p.drawLine(QPointF(16, 32), QPointF(48, 32));
      p.drawLine(QPointF(19, 24), QPointF(45, 24));
      p.drawLine(QPointF(19, 40), QPointF(45, 40));
      break;
    case 1:  // statistics: bars
      p.setBrush(gold);
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(17, 34, 8, 14));
      p.drawRect(QRectF(28, 24, 8, 24));
      p.drawRect(QRectF(39, 16, 8, 32));
      break;
    case 2: {  // account: a player, with the account's lamp
      p.setBrush(gold);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(25, 14, 14, 14));
      QPainterPath body;
      body.moveTo(17, 50);
      body.cubicTo(17, 32, 47, 32, 47, 50);
      body.closeSubpath();
      p.drawPath(body);
      const QColor c = lamp == 3 ? QColor(40, 210, 70) : lamp == 2 ? QColor(245, 205, 30) : QColor(225, 40, 40);
      QRadialGradient g(QPointF(48, 46), 9);
      g.setColorAt(0, c.lighter(160));
      g.setColorAt(1, c.darker(130));
      p.setBrush(g);
      p.setPen(QPen(QColor(20, 20, 20), 1.5));
      p.drawEllipse(QRectF(42, 42, 14, 14));
      break;
    }
    case 4: {  // tournament: a cup
      QPainterPath cup;
      cup.moveTo(21, 16);
      cup.lineTo(43, 16);
      cup.cubicTo(43, 32, 38, 37, 32, 38);
      cup.cubicTo(26, 37, 21, 32, 21, 16);
      cup.closeSubpath();
      p.setBrush(gold);
      p.setPen(Qt::NoPen);
      p.drawPath(cup);
      p.drawRect(QRectF(30, 37, 4, 7));
      p.drawRoundedRect(QRectF(24, 44, 16, 4), 1.5, 1.5);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(gold, 2.6));
      p.drawArc(QRectF(14, 18, 10, 11), 90 * 16, 180 * 16);
      p.drawArc(QRectF(40, 18, 10, 11), -90 * 16, 180 * 16);
      break;
    }
    default: {  // chat: a speech bubble
      QPainterPath b;
      b.addRoundedRect(QRectF(14, 16, 36, 24), 8, 8);
      b.moveTo(22, 40);
      b.lineTo(20, 50);
      b.lineTo(31, 40);
      p.drawPath(b.simplified());
      p.setBrush(gold);
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(23 + i * 9, 28), 2.5, 2.5);
      break;
    }
  }
  return pm;
}

}  // namespace

void TMainWindow::BuildClubIcons() {
  if (!ClubIcons.empty()) return;
  for (int kind = 0; kind < 5; ++kind) {
    auto* b = new QPushButton(this);
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    ClubIcons.push_back(b);
  }
  connect(ClubIcons[1], &QPushButton::clicked, this, &TMainWindow::OpenStatistics);
  connect(ClubIcons[3], &QPushButton::clicked, this, &TMainWindow::OpenChat);
  connect(ClubIcons[0], &QPushButton::clicked, this, &TMainWindow::OpenWorldTopTen);
  connect(ClubIcons[2], &QPushButton::clicked, this, [this] { OpenAccount(false); });
  connect(ClubIcons[4], &QPushButton::clicked, this, &TMainWindow::ShowTournament);
  LayOutClubIcons();
}

void TMainWindow::LayOutClubIcons() {
  if (ClubIcons.empty()) return;
  const TScale& sc = View.Layout.Scale;
  // Their names: the captions of their windows.
  const QString names[] = {QStringLiteral("World Top Ten"), Row(182), Row(196), Row(178), Row(1051)};
  // In the menu's order: world top ten, tournament, statistics, account, chat.
  const int place[] = {0, 2, 3, 4, 1};
  for (size_t i = 0; i < ClubIcons.size(); ++i) {
    // Bottom right: the bottom left is the music player's.
    const TRect r = ScaleRect({496 + place[i] * 46, 440, 40, 40}, sc);
    QPushButton* b = ClubIcons[i];
    b->setGeometry(r.X, r.Y, r.W, r.H);
    b->setIcon(QIcon(ClubIconPicture(static_cast<int>(i), r.W, OnlineClub ? static_cast<int>(OnlineClub->Account().State) : 1)));
    b->setIconSize(QSize(r.W, r.H));
    b->setToolTip(names[i]);
    b->setAccessibleName(names[i]);
  }
}

void TMainWindow::SetClubIconsVisible(bool on) {
  for (QPushButton* b : ClubIcons) b->setVisible(on);
}

void TMainWindow::OpenStatistics() {
  if (TableBusy()) return;
  if (!OnlineClub) StartClub();
  PlaySound("WOpenFo");
  TFormStats window(*OnlineClub, Settings, Folder, this);
  window.SaveOptions = [this] { WriteOptionsFile(); };
  RunModal(window);
}

void TMainWindow::OpenChat() {
  if (TableBusy()) return;
  if (!OnlineClub) StartClub();
  PlaySound("WOpenFo");
  if (OnlineClub->ServiceFile().ChatPaused) {
    ShowMessage(Row(155));
    return;
  }
  TFormChat window(*OnlineClub, Settings, Folder, this);
  window.ShowMessage = ShowMessage;
  RunModal(window);
}

void TMainWindow::OpenWorldTopTen() {
  if (TableBusy()) return;
  if (!OnlineClub) StartClub();
  PlaySound("WOpenFo");
  if (OnlineClub->ServiceFile().RecordsPaused) {
    ShowMessage(Row(154));
    return;
  }
  TFormWorldTopTen window(*OnlineClub, Settings, Folder, PackLoadable(Folder.toStdString(), kPackGraphics),
                          TFormWorldTopTen::NextTable(), this);
  RunModal(window);
}

void TMainWindow::PostMatchStats(int result, bool cycleDone) {
  if (!OnlineClub) return;
  TGameKindStat kind = TGameKindStat::Computer;
  if (Mode.Kind == TPlayKind::DuelServer) kind = TGameKindStat::NetDuelServer;
  if (Mode.Kind == TPlayKind::DuelClient) kind = TGameKindStat::NetDuelClient;
  if (Mode.Tournament()) kind = Mode.TournamentSeat == 1 ? TGameKindStat::TournamentSeat1 : TGameKindStat::TournamentSeat2;
  const std::array<int, 12> counters = GameStatCounters(kind, result, cycleDone);
  if (std::all_of(counters.begin(), counters.end(), [](int v) { return v == 0; })) return;
  OnlineClub->Request<bool>([counters](const TPost& post) { return StatResults(post, counters); }, [](bool) {});
}

}  // namespace zembra
