#include "records/club_windows.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/club_file.h"
#include "records/grid_fit.h"
#include "records/history_file.h"
#include "records/text_fit.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {

constexpr int kMargin = 9;
constexpr int kTopTenColumnWidths[] = {40, 220, 80};
// The file list's name for screen readers; its entries are fixed texts too.
constexpr const char* kHistoryFilesName = "History files";

// The widest a window may be: the screen's available width less a frame.
int ScreenRoom(const QWidget* parent) {
  QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  return (screen ? screen->availableGeometry().width() : 1024) - 16;
}

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

// A cell shows its field without the blanks that fill it.
QTableWidgetItem* Cell(const std::string& text, const QColor& colour, Qt::Alignment align = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text).trimmed());
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
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  auto* heading = new QLabel(Row(TopTenHeadingRow(netDuels)));
  heading->setAlignment(Qt::AlignCenter);
  heading->setStyleSheet(QStringLiteral("color: #800000;"));
  Table = MakeGrid(3);
  Table->setAccessibleName(Row(3));
  Table->setHorizontalHeaderLabels({QString(), Row(3), Row(19)});
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
  // The window is 400 wide, more when the columns need it.
  const int chrome = 2 * kMargin + GridChromeWidth(Table);
  const TGridFit fit = FitGridColumns(Table, kTopTenColumnWidths, 1, ScreenRoom(parent) - chrome);
  const int width = std::max(400, chrome + fit.Width);
  // The names take what the window has besides ranks and scores.
  Table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  // The heading on one line, in a smaller font when it must; else on two.
  QFont font = heading->font();
  font.setPixelSize(18);
  font.setBold(true);
  if (const auto line = FontForLine(font, heading->text(), width - 2 * kMargin, PercentOfSize(font, 80)))
    heading->setFont(*line);
  else {
    heading->setFont(font);
    heading->setWordWrap(true);
  }
  layout->addWidget(heading);
  layout->addWidget(Table);
  layout->addWidget(OkButton(this));
  resize(width, 420);
}

TFormHistory::TFormHistory(const std::string& folder, QWidget* parent) : QDialog(parent), Folder(folder) {
  setWindowTitle(Row(kHistoryTitleRow));
  List = new QListWidget;
  List->setAccessibleName(QString::fromLatin1(kHistoryFilesName));
  Table = MakeGrid(kHistoryColumns);
  Table->setAccessibleName(Row(kHistoryTitleRow));
  QStringList titles;
  for (int row : kHistoryColumnTitleRows) titles << Row(row);
  Table->setHorizontalHeaderLabels(titles);
  // The player column takes what is left of the grid's width.
  Table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

  const std::vector<THistoryFileInfo> files = ListHistoryFiles(folder);
  for (const THistoryFileInfo& f : files) {
    const QDate day = QDateTime::fromSecsSinceEpoch(f.Modified).date();
    const std::string date = HistoryDate(day.year(), day.month(), day.day());
    auto* item = new QListWidgetItem(QString::fromStdString(HistoryListLabel(f.Number, date)));
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
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  layout->setSpacing(kMargin);
  layout->addLayout(left);
  layout->addWidget(Table, 1);
  // Everything beside the grid's columns: the file list, the margins, the
  // grid's frame and scroll bar.
  Chrome = width + 3 * kMargin + GridChromeWidth(Table);
  Room = ScreenRoom(parent) - Chrome;
  resize(std::min(Chrome + Room, width + 600), 460);
  if (!files.empty()) List->setCurrentRow(static_cast<int>(files.size()) - 1);
  if (files.empty()) FitColumns();
}

void TFormHistory::FitColumns() {
  std::array<int, kHistoryColumns> widths = kHistoryColumnWidths;
  widths[1] = std::max(widths[1], 74);  // a four-digit year in this font
  // The player column gives up its room first: most names are short.
  const int columns = FitGridColumns(Table, widths, 2, Room).Width;
  // The window grows to show them all, as far as the screen allows.
  const int wanted = std::min(Chrome + Room, Chrome + columns);
  if (width() < wanted) resize(wanted, height());
}

void TFormHistory::ShowFile(int number) {
  Table->setRowCount(0);
  const auto rows = ReadHistoryRows(Folder, number);
  if (rows) {
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
  FitColumns();
}

}  // namespace zembra
