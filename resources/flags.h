// Small national flags of the ten languages, drawn by the program itself,
// for the language selector, the card-set list and the options dialog.
#pragma once

#include <QPainter>

namespace zembra {

// language: 0 English, 1 Russian, 2 German, 3 French, 4 Spanish,
// 5 Chinese, 6 Italian, 7 Czech, 8 Japanese, 9 Korean.
void DrawFlag(QPainter& p, const QRectF& r, int language);
QPixmap FlagPixmap(int language, int width, int height);

}  // namespace zembra
