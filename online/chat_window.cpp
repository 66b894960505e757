#include "online/chat_window.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

#include "online/club_talk.h"
#include "online/online_club.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {

TFormChat::TFormChat(TOnlineClub& club, TSettings& settings, const QString& packFolder, QWidget* parent)
    : TAuxDialog(settings, packFolder, parent), Club(club) {
  setWindowTitle(Row(179));
  List = new QListWidget;
  List->setAccessibleName(Row(179));
  List->setWordWrap(true);
  List->setMinimumHeight(320);
  Status = new QLabel;
  Reverse = new QCheckBox(Row(180));
  OpenOnNew = new QCheckBox(Row(181));
  Refresh = new TOrvCardsButton(Row(254));
  Line = new QLineEdit;
  Line->setMaxLength(static_cast<int>(kChatMostCharacters));
  Line->setAccessibleName(Row(158));
  SendBtn = new TOrvCardsButton(Row(158));
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  Body()->addWidget(Status);
  Body()->addWidget(List, 1);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(Reverse);
  boxes->addWidget(OpenOnNew);
  boxes->addStretch(1);
  boxes->addWidget(Refresh);
  Body()->addLayout(boxes);
  auto* send = new QHBoxLayout;
  send->addWidget(Line, 1);
  send->addWidget(SendBtn);
  Body()->addLayout(send);
  Body()->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Refresh, &QPushButton::clicked, this, &TFormChat::Reload);
  connect(SendBtn, &QPushButton::clicked, this, &TFormChat::Send);
  connect(Line, &QLineEdit::returnPressed, this, &TFormChat::Send);
  connect(Reverse, &QCheckBox::toggled, this, [this] { Show(RowsRead, Rows); });
  // After a reload the button hides itself; it comes back after 15 s.
  RefreshTimer.setInterval(15000);
  RefreshTimer.setSingleShot(true);
  connect(&RefreshTimer, &QTimer::timeout, this, [this] {
    Refresh->show();
    Line->setEnabled(MayWrite());
    SendBtn->setEnabled(MayWrite());
  });
  ShowMessage = [this](const QString& text) { QMessageBox::warning(this, Row(179), text); };
  Line->setEnabled(MayWrite());
  SendBtn->setEnabled(MayWrite());
  SetHeading(Row(178));
  resize(560, 620);
  Reload();
}

bool TFormChat::MayWrite() const {
  return PassportNickLamp(Settings.TopTenNick) >= 2 && ValidateField(Settings.TopTenCity, TFieldKind::City) >= 2;
}

void TFormChat::Reload() {
  Refresh->hide();
  RefreshTimer.start();
  Club.Request<std::pair<bool, std::array<TOrvRecord, 10>>>(
      [](const TPost& post) {
        std::array<TOrvRecord, 10> rows;
        const bool read = RecordsTopTen(post, kChatTable, &rows);
        return std::make_pair(read, rows);
      },
      [this](std::pair<bool, std::array<TOrvRecord, 10>> r) { Show(r.first, r.second); }, this);
}

void TFormChat::Show(bool read, const std::array<TOrvRecord, 10>& rows) {
  RowsRead = read;
  Rows = rows;
  List->clear();
  if (!read) {
    Status->setText(QStringLiteral("No Connect"));
    return;
  }
  Status->clear();
  std::vector<const TOrvRecord*> shown;
  for (const TOrvRecord& r : rows)
    if (r.Nick != "#" && r.Score > 0) shown.push_back(&r);
  if (Reverse->isChecked()) std::reverse(shown.begin(), shown.end());
  int newest = Club.LastSeenMessage;
  for (const TOrvRecord* r : shown) {
    const bool fresh = r->Score > Club.LastSeenMessage;
    newest = std::max(newest, r->Score);
    const QString header = QStringLiteral("%1. %2, %3, %4, %5%6")
                               .arg(r->Score)
                               .arg(QString::fromStdString(r->Nick), QString::fromStdString(ChatShown(r->City)),
                                    QString::fromStdString(ChatShown(r->R09)), QString::fromStdString(r->R08),
                                    fresh ? QStringLiteral("  \u2605 new") : QString());
    auto* item = new QListWidgetItem(header + QLatin1Char('\n') + QString::fromStdString(ChatShown(r->R10)));
    if (fresh) {
      QFont f = item->font();
      f.setBold(true);
      item->setFont(f);
    }
    List->addItem(item);
  }
  Club.LastSeenMessage = newest;
}

void TFormChat::Send() {
  const QString text = Line->text().trimmed();
  if (text.isEmpty() || !MayWrite()) return;
  const QDateTime now = QDateTime::currentDateTime();
  const std::string stamp = ChatStamp(now.toString(QStringLiteral("hh:mm")).toStdString(),
                                      now.toString(QStringLiteral("dd.MM.yyyy")).toStdString(), "Zembra");
  TPassport passport{Settings.TopTenNick, Settings.TopTenCountry, Settings.TopTenCity, Settings.TopTenSex};
  const std::string message = text.toStdString();
  Line->setEnabled(false);
  SendBtn->setEnabled(false);
  Club.Request<int>([passport, message, stamp](const TPost& post) { return SendChatMessage(post, passport, message, stamp); },
                    [this](int number) {
                      if (number < 0) {
                        Line->setEnabled(true);
                        SendBtn->setEnabled(true);
                        if (ShowMessage) ShowMessage(Row(157));
                        return;
                      }
                      // Cleared, and closed until the next tick of the timer.
                      Line->clear();
                      Club.LastSeenMessage = std::max(Club.LastSeenMessage, number);
                      Reload();
                    }, this);
}

}  // namespace zembra
