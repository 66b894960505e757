// Column widths of the club windows' grids that show every column title
// and every cell whole: columns widen from their design widths as far as
// the window has room, and beyond that the titles take a smaller font.
#pragma once

#include <span>

class QTableWidget;

namespace zembra {

struct TGridFit {
  int Width = 0;           // all the columns together
  int TitlePixelSize = 0;  // the column titles' font
  bool Fits = false;       // every title and cell is shown whole within room
};

// designWidths: one per column, the least each keeps while there is room.
// room: the width the columns may take together. When the widened columns
// take more, the flexible column (-1: none) gives up its design width down
// to what it shows, then every column does, then the titles' font shrinks,
// keeping at least minPercent of the grid's. Each title gets its text as a
// tip.
TGridFit FitGridColumns(QTableWidget* grid, std::span<const int> designWidths, int flexible, int room,
                        int minPercent = 70);

// The width a grid takes besides its columns: its frame and the room of a
// vertical scroll bar.
int GridChromeWidth(const QTableWidget* grid);

}  // namespace zembra
