#include "app/login_dialog.h"
#include "resources/orv_cards_button.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/cp1251.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
TLoginDialog::TLoginDialog(bool newPlayer, const QString& name, QWidget* parent)
    : QDialog(parent), NewPlayer(newPlayer) {
  setWindowTitle(Row(70));
  setModal(true);
  auto* grid = new QGridLayout;
  Name = new QLineEdit(name.left(20));
  Name->setMaxLength(20);
  Name->setReadOnly(!newPlayer);
  Password = new QLineEdit;
  Password->setMaxLength(5);
  Password->setEchoMode(QLineEdit::Password);
  Repeat = new QLineEdit;
  Repeat->setMaxLength(5);
  Repeat->setEchoMode(QLineEdit::Password);
  Repeat->setEnabled(newPlayer);
  int line = 0;
  for (auto [row, edit] : {std::pair{71, Name}, std::pair{72, Password}, std::pair{73, Repeat}}) {
    auto* label = new QLabel(Row(row));
    label->setBuddy(edit);
    edit->setAccessibleName(label->text());
    grid->addWidget(label, line, 0);
    grid->addWidget(edit, line++, 1);
  }

  StatusLine = new QLabel;
  StatusLine->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  StatusLine->setMinimumHeight(22);
  StatusLine->setWordWrap(true);

  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  ok->setDefault(true);
  auto* cancel = new TOrvCardsButton(Row(75));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(StatusLine);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &TLoginDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  for (QLineEdit* e : {Name, Password, Repeat}) {
    connect(e, &QLineEdit::returnPressed, this, &TLoginDialog::Confirm);
    connect(e, &QLineEdit::textEdited, this, [this, e] { KeepStorable(e); });
  }
  (newPlayer ? Name : Password)->setFocus();
  if (newPlayer) Name->selectAll();
}

QString StorableRefusal(const QString& text, bool secret) {
  const std::string misfits = Cp1251Misfits(text.toStdString());
  if (misfits.empty()) return {};
  QString message = Row(1067);
  if (!secret) {
    QStringList shown;
    for (char32_t c : QString::fromStdString(misfits).toUcs4()) shown << QString::fromUcs4(&c, 1);
    message += QStringLiteral("\n") + Row(1068) + QLatin1Char(' ') + shown.join(QLatin1Char(' '));
  }
  return message;
}

bool TLoginDialog::KeepStorable(QLineEdit* edit) {
  const bool secret = edit->echoMode() != QLineEdit::Normal;
  const QString refusal = StorableRefusal(edit->text(), secret);
  if (refusal.isEmpty()) return true;
  // The refused characters never enter the field: what is stored is what
  // the player sees.
  const QString misfits = QString::fromStdString(Cp1251Misfits(edit->text().toStdString()));
  QString kept;
  int cursor = edit->cursorPosition();
  const QString text = edit->text();
  for (int i = 0; i < text.size();) {
    const int len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString ch = text.mid(i, len);
    if (misfits.contains(ch)) {
      if (i < cursor) cursor -= len;
    } else {
      kept += ch;
    }
    i += len;
  }
  edit->setText(kept);
  edit->setCursorPosition(std::max(0, cursor));
  StatusLine->setText(refusal);
  return false;
}

void TLoginDialog::Confirm() {
  // Text set without typing (pasted by other means, given at creation) is
  // checked once more: nothing is stored changed.
  for (QLineEdit* e : {Name, Password, Repeat}) {
    const QString refusal = StorableRefusal(e->text(), e->echoMode() != QLineEdit::Normal);
    if (!refusal.isEmpty()) {
      StatusLine->setText(refusal);
      e->setFocus();
      return;
    }
  }
  if (Name->text().trimmed().isEmpty()) {
    StatusLine->setText(Row(67));
    Name->setFocus();
    return;
  }
  if (NewPlayer && Password->text() != Repeat->text()) {
    StatusLine->setText(Row(68));
    Password->setFocus();
    return;
  }
  if (!NewPlayer && CheckPassword && !CheckPassword(Password->text())) {
    StatusLine->setText(Row(69));
    Password->setFocus();
    return;
  }
  StatusLine->clear();
  if (OpenNet && !OpenNet()) return;
  accept();
}

void TLoginDialog::AttachNetSection(QWidget* section) {
  if (auto* layout = qobject_cast<QVBoxLayout*>(this->layout())) layout->insertWidget(2, section);
}

TLoginTyped TLoginDialog::Result() const { return {Name->text(), Password->text()}; }
QString TLoginDialog::Status() const { return StatusLine->text(); }

}  // namespace zembra
