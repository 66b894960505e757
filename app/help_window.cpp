#include "app/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "resources/orv_cards_button.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {

const char* const kHelpCodes[kLanguages] = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};

}  // namespace

QString HelpAnchor(THelpTopic topic) {
  switch (topic) {
    case THelpTopic::Menu: return QStringLiteral("menu");
    case THelpTopic::Dealt: return QStringLiteral("dealt");
    case THelpTopic::Playing: return QStringLiteral("playing");
    case THelpTopic::DealOver: return QStringLiteral("dealover");
    case THelpTopic::GeneralScore: return QStringLiteral("generalscore");
  }
  return QStringLiteral("contents");
}

QString HelpPage(int language) {
  const QString page = QStringLiteral(":/help/help_%1.html").arg(QLatin1String(kHelpCodes[ValidLanguage(language)]));
  return QFile::exists(page) ? page : QString();
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose, false);
  resize(720, 560);
  View = new QTextBrowser(this);
  View->setOpenLinks(true);
  View->setOpenExternalLinks(true);
  View->setStyleSheet(QStringLiteral("QTextBrowser { background: #fffdf3; color: #222; padding: 8px; }"));
  QFont f = View->font();
  f.setPointSizeF(11);
  View->setFont(f);

  Contents = new TOrvCardsButton(this);
  Close = new TOrvCardsButton(QStringLiteral("Ok"), this);
  connect(Contents, &QPushButton::clicked, this, [this] { View->scrollToAnchor(QStringLiteral("contents")); });
  connect(Close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Contents);
  buttons->addStretch();
  buttons->addWidget(Close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(View, 1);
  layout->addLayout(buttons);
}

void THelpWindow::ShowTopic(THelpTopic topic) {
  setWindowTitle(QStringLiteral("Zembra — ") + Row(27));
  Contents->setText(Row(1074));
  Contents->setAccessibleName(Contents->text());
  View->setAccessibleName(Row(27));
  QString page = HelpPage(Language());
  if (page.isEmpty()) page = HelpPage(0);
  if (page.isEmpty()) return;
  QUrl url(QStringLiteral("qrc") + page);
  url.setFragment(HelpAnchor(topic));
  View->setSource(url);
  View->scrollToAnchor(HelpAnchor(topic));
}

}  // namespace zembra
