#include "app/count_dialog.h"
#include "resources/orv_cards_button.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/words.h"

namespace zembra {
namespace {

QString Row(int r) { return QString::fromStdString(W(r)); }

}  // namespace

TCountDialog::TCountDialog(const TCount& count, const QString& playerName, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(Row(79) + QStringLiteral(":  ") + playerName);
  auto* title = new QLabel(Row(80));
  title->setAlignment(Qt::AlignCenter);
  title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 16px; color: #7a1010;"));
  auto* grid = new QGridLayout;
  const std::pair<int, const std::string*> rows[] = {
      {84, &count.Count_KonAll}, {85, &count.Count_KonCur}, {82, &count.Count_ScoBeg},
      {81, &count.Count_ScoCur}, {83, &count.Count_ScoAll}, {87, &count.Count_ReiBeg},
      {88, &count.Count_ReiCur},
  };
  int r = 0;
  for (const auto& [row, value] : rows) {
    grid->addWidget(new QLabel(Row(row)), r, 0);
    auto* v = new QLabel(QString::fromStdString(*value));
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    v->setStyleSheet(QStringLiteral("font-weight: bold; color: #0000a0;"));
    grid->addWidget(v, r, 1);
    ++r;
  }
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(grid);
  layout->addWidget(ok);
}

}  // namespace zembra
