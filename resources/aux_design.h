// The picture design of the auxiliary windows: a background picture with a
// framed band at the top, a heading picture in the band, a small animated
// emblem beside it, yellow and gold on black. The pictures come from the
// graphics pack, read in one opening and copied into the window.
#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;
class QWidget;

namespace zembra {

struct TAuxPictures {
  bool PackOpened = false;  // the graphics pack could be loaded
  QPixmap Background;       // JPEG
  QPixmap Heading;          // PNG
  QPixmap Emblem;           // PNG strip of 48 x 48 frames
};

// Reads the named pictures (empty names are skipped) from the graphics pack
// found in folder or its parent.
TAuxPictures LoadAuxPictures(const QString& folder, const QString& background, const QString& heading,
                             const QString& emblem);

// A per-language picture name: prefix + the language's code (Japanese and
// Korean use the English pictures).
QString LanguagePicture(const char* prefix, int language);

// Draws a window background over target. A picture of the target's size is
// drawn as it is; another size keeps its frame's corners and the band at the
// top unstretched and stretches only the plain middle.
void PaintAuxBackground(QPainter& p, const QRect& target, const QPixmap& background);

// Height of the framed band at the top of the backgrounds the pack holds.
inline constexpr int kAuxBandHeight = 84;

// Colours of the picture design for a window and its controls: yellow text,
// dark fields with light text, green selections, tabs and frames in gold.
// The window's own background stays unpainted so its picture shows.
void ApplyPictureDesignColours(QWidget* window);
// Undoes it: the system's colours again.
void ClearPictureDesignColours(QWidget* window);

}  // namespace zembra
