#include "records/club_windows.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/club_file.h"
#include "records/history_file.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {


QTableWidget* MakeGrid(int columns) {
  auto* t = new QTableWidget(0, columns);
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->setShowGrid(false);
  t->setAlternatingRowColors(true);
  QFont f = t->font();
  f.setPixelSize(11);
  t->setFont(f);
  t->verticalHeader()->setDefaultSectionSize(18);
  t->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 1px; }"));
  t->setWordWrap(false);
  return t;
}

QTableWidgetItem* Cell(const std::string& text, const QColor& colour, Qt::Alignment align = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setForeground(colour);
  item->setTextAlignment(align | Qt::AlignVCenter);
  return item;
}

TOrvCardsButton* OkButton(QDialog* d) {
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
  return ok;
}

}  // namespace

TFormTopTen::TFormTopTen(const std::string& clubPath, bool netDuels, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Row(3));
  auto* heading = new QLabel(Row(TopTenHeadingRow(netDuels)));
  heading->setAlignment(Qt::AlignCenter);
  heading->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #800000;"));
  Table = MakeGrid(3);
  Table->setHorizontalHeaderLabels({QString(), Row(3), Row(19)});
  Table->setColumnWidth(0, 40);
  Table->setColumnWidth(1, 220);
  Table->setColumnWidth(2, 80);
  if (const auto lines = ReadClubFile(clubPath)) {
    const std::vector<TTopTenRow> rows = TopTenRows(*lines);
    Table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      const QColor colour = rows[i].Red ? QColor(220, 0, 0) : QColor(0, 0, 128);
      Table->setItem(i, 0, Cell(rows[i].Rank, colour, Qt::AlignRight));
      Table->setItem(i, 1, Cell(rows[i].Name, colour));
      Table->setItem(i, 2, Cell(rows[i].Score, colour, Qt::AlignRight));
    }
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(Table);
  layout->addWidget(OkButton(this));
  resize(400, 420);
}

TFormHistory::TFormHistory(const std::string& folder, QWidget* parent) : QDialog(parent), Folder(folder) {
  setWindowTitle(Row(kHistoryTitleRow));
  List = new QListWidget;
  Table = MakeGrid(kHistoryColumns);
  QStringList titles;
  for (int row : kHistoryColumnTitleRows) titles << Row(row);
  Table->setHorizontalHeaderLabels(titles);
  // The date column gets room for a full four-digit year in this font.
  for (int c = 0; c < kHistoryColumns; ++c)
    Table->setColumnWidth(c, c == 1 ? std::max(kHistoryColumnWidths[c], 74) : kHistoryColumnWidths[c]);

  const std::vector<THistoryFileInfo> files = ListHistoryFiles(folder);
  for (const THistoryFileInfo& f : files) {
    const QString date = QLocale::system().toString(QDateTime::fromSecsSinceEpoch(f.Modified).date(),
                                                     QLocale::ShortFormat);
    auto* item = new QListWidgetItem(QString::fromStdString(HistoryListLabel(f.Number, date.toStdString())));
    item->setData(Qt::UserRole, f.Number);
    List->addItem(item);
  }
  if (files.empty()) {
    List->addItem(QString::fromLatin1(kNoHistoryFiles));
    List->setEnabled(false);
  }
  const int width = HistoryListWidth(static_cast<int>(files.size()));
  List->setFixedWidth(width);
  auto* ok = OkButton(this);
  ok->setFixedWidth(width);
  connect(List, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && List->isEnabled()) ShowFile(List->item(row)->data(Qt::UserRole).toInt());
  });

  auto* left = new QVBoxLayout;
  left->addWidget(List, 1);
  left->addWidget(ok);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addWidget(Table, 1);
  resize(width + 600, 460);
  if (!files.empty()) List->setCurrentRow(static_cast<int>(files.size()) - 1);
}

void TFormHistory::ShowFile(int number) {
  Table->setRowCount(0);
  const auto rows = ReadHistoryRows(Folder, number);
  if (!rows) return;
  Table->setRowCount(static_cast<int>(rows->size()));
  for (int r = 0; r < static_cast<int>(rows->size()); ++r) {
    const THistoryRow& row = (*rows)[r];
    QColor colour = palette().color(QPalette::WindowText);
    if (row.Colour == THistoryColour::Green) colour = QColor(0, 128, 0);
    if (row.Colour == THistoryColour::Red) colour = QColor(200, 0, 0);
    if (row.Colour == THistoryColour::Blue) colour = QColor(0, 0, 200);
    for (int c = 0; c < kHistoryColumns; ++c) {
      const bool number = c == 3 || c == 4 || c == 5;
      Table->setItem(r, c, Cell(row.Cells[c], colour, number ? Qt::AlignRight : Qt::AlignLeft));
    }
  }
}

}  // namespace zembra
