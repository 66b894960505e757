#include "resources/aux_design.h"

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QWidget>
#include <algorithm>

#include "resources/pack_file.h"
#include "resources/packs.h"
#include "resources/words.h"

namespace zembra {
namespace {

// The part of a background kept unstretched: the frame's corners with their
// flourishes and the band at the top.
constexpr int kSideMargin = 96;
constexpr int kTopMargin = kAuxBandHeight + 8;
constexpr int kBottomMargin = 72;

// The colours of the picture design.
const QColor kText(255, 255, 0);
const QColor kGold(200, 175, 50);
const QColor kField(28, 24, 20);
const QColor kFieldText(240, 226, 176);
const QColor kBaize(16, 96, 40);

QString StyleSheet() {
  // Tabs in gold on baize, frames in gold, fields dark with light text.
  return QStringLiteral(
      "QTabWidget::pane { border: 1px solid rgb(150, 120, 50); background: rgba(0, 0, 0, 90); top: -1px; }"
      "QTabBar::tab { background: rgb(14, 52, 26); color: rgb(200, 175, 50);"
      "  border: 1px solid rgb(150, 120, 50); border-bottom: none; padding: 4px 9px; margin-right: 1px; }"
      "QTabBar::tab:selected { background: rgb(16, 96, 40); color: rgb(255, 255, 0); }"
      "QTabBar::tab:hover { color: rgb(255, 230, 120); }"
      "QGroupBox { color: rgb(255, 255, 0); border: 1px solid rgb(150, 120, 50); border-radius: 4px;"
      "  margin-top: 1.1em; padding-top: 4px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
      "QLabel { color: rgb(255, 255, 0); background: transparent; }"
      "QLabel:disabled { color: rgb(140, 130, 70); }");
}

}  // namespace

TAuxPictures LoadAuxPictures(const QString& folder, const QString& background, const QString& heading,
                             const QString& emblem) {
  TAuxPictures pictures;
  const TPackReader pack(folder, QString::fromLatin1(kPackGraphics));
  pictures.PackOpened = pack.IsOpen() && !pack.IsBuiltIn();
  if (!pictures.PackOpened) return pictures;
  if (!background.isEmpty()) pictures.Background = pack.Picture(QStringLiteral("JPEG"), background);
  if (!heading.isEmpty()) pictures.Heading = pack.Picture(QStringLiteral("RCDATA"), heading);
  if (!emblem.isEmpty()) pictures.Emblem = pack.Picture(QStringLiteral("RCDATA"), emblem);
  return pictures;
}

QString LanguagePicture(const char* prefix, int language) {
  return QString::fromLatin1(prefix) + QString::fromLatin1(kLanguageCodes[ValidLanguage(language)]);
}

void PaintAuxBackground(QPainter& p, const QRect& target, const QPixmap& background) {
  if (background.isNull()) {
    p.fillRect(target, Qt::black);
    return;
  }
  if (background.size() == target.size()) {
    p.drawPixmap(target.topLeft(), background);
    return;
  }
  // Nine pieces: corners as they are, edges stretched along their length,
  // the middle both ways. Margins shrink for a picture or target too small.
  const QSize s = background.size();
  const int l = std::min({kSideMargin, s.width() / 3, target.width() / 3});
  const int r = l;
  const int t = std::min({kTopMargin, s.height() / 2, target.height() / 2});
  const int b = std::min({kBottomMargin, s.height() / 3, (target.height() - t) / 2});
  const int sx[] = {0, l, s.width() - r, s.width()};
  const int sy[] = {0, t, s.height() - b, s.height()};
  const int tx[] = {target.left(), target.left() + l, target.right() + 1 - r, target.right() + 1};
  const int ty[] = {target.top(), target.top() + t, target.bottom() + 1 - b, target.bottom() + 1};
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const QRect to(QPoint(tx[col], ty[row]), QPoint(tx[col + 1] - 1, ty[row + 1] - 1));
      const QRect from(QPoint(sx[col], sy[row]), QPoint(sx[col + 1] - 1, sy[row + 1] - 1));
      if (to.isValid() && from.isValid()) p.drawPixmap(to, background, from);
    }
  p.restore();
}

void ApplyPictureDesignColours(QWidget* window) {
  QPalette pal = window->palette();
  // Frames and the outlines of check boxes are drawn a shade darker than
  // the window colour: a dark bronze keeps them visible on the black.
  pal.setColor(QPalette::Window, QColor(96, 80, 44));
  pal.setColor(QPalette::WindowText, kText);
  pal.setColor(QPalette::Base, kField);
  pal.setColor(QPalette::AlternateBase, kField.lighter(130));
  pal.setColor(QPalette::Text, kFieldText);
  pal.setColor(QPalette::Button, kBaize);
  pal.setColor(QPalette::ButtonText, kGold);
  pal.setColor(QPalette::Highlight, kBaize.lighter(140));
  pal.setColor(QPalette::HighlightedText, Qt::white);
  pal.setColor(QPalette::ToolTipBase, kField);
  pal.setColor(QPalette::ToolTipText, kFieldText);
  pal.setColor(QPalette::PlaceholderText, kFieldText.darker(150));
  pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 130, 70));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 120, 100));
  pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 120, 100));
  window->setAutoFillBackground(false);
  window->setStyleSheet(StyleSheet());
  // The style sheet's polish keeps the children from taking the window's
  // colours; each control gets them itself.
  window->setPalette(pal);
  for (QWidget* w : window->findChildren<QWidget*>()) w->setPalette(pal);
}

void ClearPictureDesignColours(QWidget* window) {
  window->setStyleSheet(QString());
  window->setPalette(QPalette());
  for (QWidget* w : window->findChildren<QWidget*>()) w->setPalette(QPalette());
}

}  // namespace zembra
