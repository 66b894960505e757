// Our card back designs, one per weekday (day 0 = Monday ... 6 = Sunday).
#pragma once

#include <QImage>

namespace art {

// An upright card back of w x h pixels on a transparent ground.
QImage cardBack(int w, int h, int day);

}  // namespace art
