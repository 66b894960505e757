// The main window's side of the online club: the start-up (news, the start
// notice, the login from the user file) and what the account's state shows.
#include <QLabel>
#include <QMessageBox>

#include "app/main_window.h"
#include "online/online_club.h"
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

}  // namespace zembra
