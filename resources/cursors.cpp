#include "resources/cursors.h"

#include <QPixmap>

#include "resources/strip_animation.h"

namespace zembra {

QCursor ProgramCursor(Qt::CursorShape shape, bool own) {
  const bool hand = shape == Qt::PointingHandCursor;
  if (!own) return QCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
  // Hot spots: the arrow's tip (2, 2), the fingertip (12, 2).
  const QPixmap picture = ArtPicture(hand ? QStringLiteral("CURHAND") : QStringLiteral("CURARROW"));
  if (picture.isNull()) return QCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
  return hand ? QCursor(picture, 12, 2) : QCursor(picture, 2, 2);
}

}  // namespace zembra
