// The program's cursors: the arrow and the hand that marks what may be
// clicked, either the system's or the program's own pictures (the
// own-cursor option).
#pragma once

#include <QCursor>

namespace zembra {

// The arrow for any shape but the pointing hand; the system's cursor when
// own is off or the picture is missing.
QCursor ProgramCursor(Qt::CursorShape shape, bool own);

}  // namespace zembra
