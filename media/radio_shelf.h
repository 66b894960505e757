// The main window's radio picture (`ImRadio`): the shelf with the radio
// standing on it and its lamp, grey while the radio is unavailable, red
// while it is silent, green while it plays. Drawn at any size from the
// radio pack's pictures; a click toggles the radio.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zembra {

enum class TRadioLamp { Unavailable, Silent, Playing };

class TRadioShelf : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TRadioShelf(QWidget* parent = nullptr);

  // Reads the pictures from the radio pack found in folder or its parent;
  // false when the pack cannot be loaded (the shelf then shows nothing).
  bool LoadPictures(const QString& folder);
  bool HasPictures() const { return !Shelf.isNull(); }
  void SetLamp(TRadioLamp lamp);
  TRadioLamp Lamp() const { return LampState; }
  // The whole picture as drawn at the widget's size.
  QPixmap Picture() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Only the drawn parts take clicks: the corners let them through to what
  // lies below (the music player's buttons).
  void UpdateMask();
  QPixmap Shelf, Radio, Lamps[3];
  TRadioLamp LampState = TRadioLamp::Unavailable;
};

}  // namespace zembra
