#include "resources/link_message.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "resources/fonts.h"
#include "resources/orv_cards_button.h"

namespace zembra {
namespace {

TLinkMessageHook Hook = nullptr;

QFont MessageFont() {
  QFont f(FamilyFor("Comic Sans MS"));
  f.setPointSize(20);
  f.setBold(true);
  return f;
}

}  // namespace

int TLinkMessage::WidthFor(int widestLine) {
  return widestLine + 59 >= 350 ? widestLine + 59 + 50 : 400;
}

TLinkMessage::TLinkMessage(const QString& first, const QString& second, const QString& link,
                           QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Attention"));
  const QFont font = MessageFont();
  const QFontMetrics fm(font);
  int widest = 0;
  auto* lines = new QVBoxLayout;
  for (const QString& text : {first, second, link}) {
    if (text.isEmpty()) continue;
    auto* label = new QLabel(text);
    label->setFont(font);
    if (&text == &link) {
      label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                         .arg(text.toHtmlEscaped(), text.toHtmlEscaped()));
      label->setTextInteractionFlags(Qt::TextBrowserInteraction);
      connect(label, &QLabel::linkActivated, this,
              [](const QString& target) { QDesktopServices::openUrl(QUrl::fromUserInput(target)); });
    }
    widest = std::max(widest, fm.horizontalAdvance(text));
    lines->addWidget(label);
  }
  auto* icon = new QLabel;
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addLayout(lines, 1);
  const int width = WidthFor(widest);
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  ok->setFixedWidth(width - 10);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedWidth(width);
}

void ShowLinkMessage(QWidget* parent, const QString& first, const QString& second,
                     const QString& link) {
  if (Hook) {
    Hook(first, second, link);
    return;
  }
  TLinkMessage m(first, second, link, parent);
  m.exec();
}

void SetLinkMessageHook(TLinkMessageHook hook) { Hook = hook; }

}  // namespace zembra
