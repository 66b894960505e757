// The account window: the player's account in the online club on five
// tabs — the account itself (registration, login and sign-out, the user
// file, the rated-play box, the field lamps), the player's results, the
// account top ten, the player's own page and the club president's page.
#pragma once

#include <QPixmap>
#include <array>
#include <functional>
#include <optional>

#include "online/account.h"
#include "resources/aux_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace zembra {

class TOnlineClub;

class TFormAccount : public TAuxDialog {
  Q_OBJECT

 public:
  // fromNewGame: opened from the start of a new game with the account
  // player, which allows ticking "Play global rating".
  TFormAccount(TOnlineClub& club, TSettings& settings, const QString& programFolder, bool fromNewGame,
               QWidget* parent);

  // Messages and questions; tests replace them.
  std::function<void(const QString&)> ShowMessage;

  // Picks the photo's file; tests replace it.
  std::function<QString()> ChoosePhotoFile;

  void Register();
  void LoginOrLogout();
  void SaveUserFile();
  void DeleteUserFile();
  // A picture for the own photo: shown and ready to send, or row 272.
  bool TakePhoto(const QString& file);
  void SendPhoto();
  void EditInfo();
  // The lamp of a box: 0 nick, 1 password, 2 city, 3 e-mail (1 red .. 3 green).
  int LampOf(int box) const { return Lamps[static_cast<size_t>(box)]; }

  QTabWidget* Tabs = nullptr;
  QLineEdit *NickEdit = nullptr, *PasswordEdit = nullptr, *CityEdit = nullptr, *MailEdit = nullptr;
  QComboBox *ContinentBox = nullptr, *CountryBox = nullptr, *SexBox = nullptr;
  QCheckBox *HidePassword = nullptr, *RatedBox = nullptr;
  QPushButton *CreateButton = nullptr, *LoginButton = nullptr, *SaveButton = nullptr, *DeleteButton = nullptr;
  QLabel *Members = nullptr, *Registration = nullptr, *CountryShort = nullptr;
  std::array<QLabel*, 9> Results{};
  QTableWidget* TopGrid = nullptr;
  QLabel *AboutText = nullptr, *PresidentText = nullptr, *OwnPhoto = nullptr, *PresidentPhoto = nullptr;
  QPushButton *PhotoButton = nullptr, *InfoButton = nullptr;
  QLabel* StateLamp = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildAccountTab();
  QWidget* BuildResultsTab();
  QWidget* BuildTopTab();
  QWidget* BuildPageTab(bool president);
  void FillCountries(int continent);
  void ChooseCountry(int index);
  void EditsChanged();
  void ShowAccount();  // every tab from the club's account
  void LoadPhotos();
  TOnlineClub& Club;
  std::array<int, 4> Lamps{1, 1, 1, 1};
  std::array<QLabel*, 4> LampLabels{};
  bool Syncing = false;
  std::optional<bool> RatedWanted;  // what the player ticked, once he did
  QByteArray PhotoToSend;
  QString PackFolder;
};

}  // namespace zembra
