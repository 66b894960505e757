#include "app/login_dialog.h"
#include "resources/orv_cards_button.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
  grid->addWidget(new QLabel(Row(71)), 0, 0);
  grid->addWidget(Name, 0, 1);
  grid->addWidget(new QLabel(Row(72)), 1, 0);
  grid->addWidget(Password, 1, 1);
  grid->addWidget(new QLabel(Row(73)), 2, 0);
  grid->addWidget(Repeat, 2, 1);

  StatusLine = new QLabel;
  StatusLine->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  StatusLine->setMinimumHeight(22);

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
  for (QLineEdit* e : {Name, Password, Repeat})
    connect(e, &QLineEdit::returnPressed, this, &TLoginDialog::Confirm);
  (newPlayer ? Name : Password)->setFocus();
  if (newPlayer) Name->selectAll();
}

void TLoginDialog::Confirm() {
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
  accept();
}

TLoginTyped TLoginDialog::Result() const { return {Name->text(), Password->text()}; }
QString TLoginDialog::Status() const { return StatusLine->text(); }

}  // namespace zembra
