#include "records/grid_fit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <algorithm>
#include <numeric>
#include <vector>

#include "records/text_fit.h"

namespace zembra {
namespace {

constexpr int kProbeWidth = 1000;
// Air on either side of a title and of a cell beyond the style's margins,
// so that neighbouring texts do not run into each other.
constexpr int kTitleAir = 3;
constexpr int kCellAir = 1;

// What a title needs besides its text: the header draws it in the
// section's label rectangle and elides it to that less its margin on
// both sides.
int TitlePadding(const QHeaderView* header) {
  QStyleOptionHeader opt;
  opt.initFrom(header);
  opt.rect = QRect(0, 0, kProbeWidth, std::max(header->height(), 20));
  opt.orientation = Qt::Horizontal;
  const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &opt, header);
  return kProbeWidth - label.width() + 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
}

// What a cell needs besides its text: the item's text rectangle within the
// cell, less the focus frame's margin on both sides.
int CellPadding(const QTableWidget* grid) {
  QStyleOptionViewItem opt;
  opt.initFrom(grid);
  opt.widget = grid;
  opt.rect = QRect(0, 0, kProbeWidth, 18);
  opt.features = QStyleOptionViewItem::HasDisplay;
  opt.text = QStringLiteral("0");
  opt.font = grid->font();
  opt.showDecorationSelected = true;  // the whole room for the text, not the text's own size
  const QRect text = grid->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, grid);
  return kProbeWidth - text.width() + 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
}

int PixelSize(const QFont& font) { return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize(); }

}  // namespace

TGridFit FitGridColumns(QTableWidget* grid, std::span<const int> designWidths, int flexible, int room, int minPercent) {
  const int columns = grid->columnCount();
  QFont cellFont = grid->font();
  cellFont.setPixelSize(PixelSize(cellFont));
  const QFontMetrics cells(cellFont);
  QHeaderView* header = grid->horizontalHeader();
  const int cellPad = CellPadding(grid) + 2 * kCellAir;
  const int titlePad = TitlePadding(header) + 2 * kTitleAir;

  std::vector<QString> titles(columns);
  std::vector<int> cellNeed(columns, 0);
  for (int c = 0; c < columns; ++c) {
    if (QTableWidgetItem* title = grid->horizontalHeaderItem(c)) {
      titles[c] = title->text();
      title->setToolTip(title->text());
    }
    for (int r = 0; r < grid->rowCount(); ++r)
      if (const QTableWidgetItem* item = grid->item(r, c); item && !item->text().isEmpty())
        cellNeed[c] = std::max(cellNeed[c], cells.horizontalAdvance(item->text()) + cellPad);
  }
  // How much of the design widths is given up: none, the flexible
  // column's, every column's (each still shows its title and cells).
  enum TGiveUp { None, Flexible, All };
  auto widthsAt = [&](const QFont& titleFont, TGiveUp giveUp) {
    const QFontMetrics fm(titleFont);
    std::vector<int> widths(columns);
    for (int c = 0; c < columns; ++c) {
      const bool given = giveUp == All || (giveUp == Flexible && c == flexible);
      const int design = c < static_cast<int>(designWidths.size()) && !given ? designWidths[c] : 0;
      const int title = titles[c].isEmpty() ? 0 : fm.horizontalAdvance(titles[c]) + titlePad;
      widths[c] = std::max({design, title, cellNeed[c]});
    }
    return widths;
  };

  // The design widths widened; then the flexible column gives up what it
  // does not need, then every column; then the titles shrink a pixel at a
  // time.
  TGridFit fit;
  QFont titleFont = cellFont;
  std::vector<int> widths;
  const int smallest = PercentOfSize(cellFont, minPercent);
  for (int px = cellFont.pixelSize(); px >= smallest && !fit.Fits; --px) {
    titleFont.setPixelSize(px);
    for (const TGiveUp giveUp : {None, Flexible, All}) {
      if (giveUp != All && px != cellFont.pixelSize()) continue;
      widths = widthsAt(titleFont, giveUp);
      if (std::accumulate(widths.begin(), widths.end(), 0) <= room) {
        fit.Fits = true;
        break;
      }
    }
  }
  // Each title carries its font: the header paints on its viewport, which
  // does not always follow the header's own font.
  header->setFont(titleFont);
  for (int c = 0; c < columns; ++c) {
    if (QTableWidgetItem* title = grid->horizontalHeaderItem(c)) title->setFont(titleFont);
    grid->setColumnWidth(c, widths[c]);
  }
  fit.Width = std::accumulate(widths.begin(), widths.end(), 0);
  fit.TitlePixelSize = titleFont.pixelSize();
  return fit;
}

int GridChromeWidth(const QTableWidget* grid) {
  return 2 * grid->frameWidth() +
         grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid->verticalScrollBar());
}

}  // namespace zembra
