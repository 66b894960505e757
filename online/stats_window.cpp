#include "online/stats_window.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "online/club_talk.h"
#include "online/online_club.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {
namespace {

constexpr int kCaptionRows[10] = {183, 184, 185, 186, 1020, 1021, 1022, 1023, 1024, 1025};

}  // namespace

TFormStats::TFormStats(TOnlineClub& club, TSettings& settings, const QString& packFolder, QWidget* parent)
    : TAuxDialog(settings, packFolder, parent), Club(club) {
  setWindowTitle(Row(182));
  auto* grid = new QGridLayout;
  for (int i = 0; i < 10; ++i) {
    auto* caption = new QLabel(Row(kCaptionRows[i]) + QLatin1Char(':'));
    Values[i] = new QLabel(QStringLiteral("…"));
    Values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(Values[i]);
    QFont bold = Values[i]->font();
    bold.setBold(true);
    Values[i]->setFont(bold);
    Values[i]->setAccessibleName(caption->text());
    grid->addWidget(caption, i, 0);
    grid->addWidget(Values[i], i, 1);
  }
  Body()->addLayout(grid);
  Like = new TOrvCardsButton(Row(187));
  Like->setEnabled(!Settings.LikeSent);
  Body()->addWidget(Like);
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  Body()->addWidget(ok);
  connect(Like, &QPushButton::clicked, this, &TFormStats::PressLike);
  AskNick = [this]() -> std::optional<QString> {
    bool ok = false;
    const QString nick = QInputDialog::getText(this, Row(182), Row(164), QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return nick;
  };
  SetHeading(QStringLiteral("WORLD STATS"));
  setMinimumWidth(420);

  Club.Request<std::pair<bool, TOrvStat>>(
      [](const TPost& post) {
        TOrvStat s;
        const bool read = StatRead(post, &s);
        return std::make_pair(read, s);
      },
      [this](std::pair<bool, TOrvStat> r) { Show(r.second, r.first); }, this);
}

void TFormStats::Show(const TOrvStat& s, bool read) {
  if (!read) {
    Values[0]->setText(QStringLiteral("No Connect"));
    for (int i = 1; i < 10; ++i) Values[i]->clear();
    return;
  }
  Likes = s.Stat3;
  const QString values[10] = {QString::number(s.Stat1),    QString::number(s.Stat2),    QString::number(s.Stat3),
                              QString::fromStdString(s.Stat4 == "#" ? std::string() : s.Stat4), QString::number(s.StatX[0]), QString::number(s.StatX[1]),
                              QString::number(s.StatX[2]), QString::number(s.StatX[3]), QString::number(s.StatX[4]),
                              QString::number(s.StatX[5])};
  for (int i = 0; i < 10; ++i) Values[i]->setText(values[i]);
}

void TFormStats::PressLike() {
  if (Settings.LikeSent) return;
  // A like needs a nick: the passport's, asked for while it is the default.
  while (Settings.TopTenNick.empty() || Settings.TopTenNick == "Incognito" ||
         PassportNickLamp(Settings.TopTenNick) == 1) {
    const auto nick = AskNick ? AskNick() : std::nullopt;
    if (!nick) return;
    if (PassportNickLamp(nick->toStdString()) != 1) Settings.TopTenNick = nick->toStdString();
  }
  Like->setEnabled(false);
  const std::string nick = Settings.TopTenNick;
  Club.Request<bool>([nick](const TPost& post) { return StatWindow(post, 1, nick); },
                     [this, nick](bool ok) {
                       if (!ok) {
                         Like->setEnabled(true);
                         return;
                       }
                       Values[2]->setText(QString::number(++Likes));
                       Values[3]->setText(QString::fromStdString(nick));
                       Settings.LikeSent = true;
                       if (SaveOptions) SaveOptions();
                     }, this);
}

}  // namespace zembra
