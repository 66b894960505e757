// The program's hint balloons: red, shown after a short pause for a few
// seconds, and closed as soon as the mouse leaves what they explain.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPoint;
class QWidget;

namespace zembra {

inline constexpr int kHintPauseMs = 250;
inline constexpr int kHintShowMs = 5000;
inline const QColor kHintColour{255, 0, 0};

// Sets the application's hint colour, pause and display time, and makes
// every widget's own hint keep to them. Safe to call more than once.
void InstallHints();

// Shows a balloon at the global point for the widget; it closes when the
// mouse leaves area (in the widget's coordinates) or after kHintShowMs.
void ShowHintBalloon(const QPoint& global, const QString& text, QWidget* widget, const QRect& area);

}  // namespace zembra
