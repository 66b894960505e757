// The club's chat: the ten newest messages of the club table that keeps
// them, newest first or last, new ones marked; a line of up to 80
// characters sent under the passport, which must be at least yellow.
#pragma once

#include <QTimer>
#include <array>

#include "online/orv_records.h"
#include "resources/aux_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zembra {

class TOnlineClub;

class TFormChat : public TAuxDialog {
  Q_OBJECT

 public:
  TFormChat(TOnlineClub& club, TSettings& settings, const QString& packFolder, QWidget* parent);

  void Reload();
  void Send();
  // Whether the passport lets the player write (nick and city at least yellow).
  bool MayWrite() const;

  QListWidget* Messages() const { return List; }
  QLineEdit* Input() const { return Line; }
  QPushButton* SendButton() const { return SendBtn; }
  QPushButton* RefreshButton() const { return Refresh; }
  QCheckBox* LastAtBottom() const { return Reverse; }
  // Shows a refusal (row 157); tests replace it.
  std::function<void(const QString&)> ShowMessage;

 private:
  void Show(bool read, const std::array<TOrvRecord, 10>& rows);
  TOnlineClub& Club;
  QListWidget* List;
  QLineEdit* Line;
  QPushButton *SendBtn, *Refresh;
  QCheckBox *Reverse, *OpenOnNew;
  QLabel* Status;
  QTimer RefreshTimer;
  std::array<TOrvRecord, 10> Rows{};
  bool RowsRead = false;
};

}  // namespace zembra
