// Fitting a translated text into the box a window has for it: the largest
// font size at which it fits on one line, or word-wrapped in a height,
// measured the way QLabel and the item views draw their texts.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <optional>

namespace zembra {

// The font at the largest pixel size, from its own down to minPixelSize,
// at which the text takes at most width pixels on one line; nullopt when
// it is wider even at minPixelSize.
std::optional<QFont> FontForLine(const QFont& font, const QString& text, int width, int minPixelSize);

// The size of the text on one line, as tall as the tallest of its glyphs'
// fonts (a Chinese text falls back on a taller font).
QSize LineSize(const QFont& font, const QString& text);

// The size of the text word-wrapped at width: its widest line (wider than
// width when a single word is) and the height of all its lines.
QSize WrappedSize(const QFont& font, const QString& text, int width);

// The font at the largest pixel size, down to minPixelSize, at which the
// text word-wrapped at box.width() fits the box; nullopt when none does.
std::optional<QFont> FontForWrapped(const QFont& font, const QString& text, QSize box, int minPixelSize);

// The given percentage of the font's pixel size, rounded; at least 1.
int PercentOfSize(const QFont& base, int percent);

}  // namespace zembra
