// The options dialog: nine pages that edit the settings in place, every
// change applied at once (there is no Cancel). Relabelled whenever the
// language changes inside it; it reopens on the page last open.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>
#include <string>

#include "records/settings.h"

class QTabWidget;
class QComboBox;
class QCheckBox;
class QPushButton;
class QLabel;
class QSpinBox;
class QGroupBox;
class QRadioButton;
class QListWidget;
class QBoxLayout;

namespace zembra {

// What the dialog asks of the window around it.
struct TOptionsHost {
  std::function<void()> LanguageChanged;    // relabel the main window
  std::function<void()> WindowSizeChanged;  // re-lay the main window
  std::function<void()> LookChanged;        // cursors, buttons, fonts, cards, background
  std::function<void()> MusicChanged;
  std::function<void()> NetGameChanged;
  std::function<void()> RadioCheck;         // a pack arrived or the radio list's source changed
  std::function<void(int)> OpenSpeedDialog;
  std::function<void(const char*)> PlayEffect;  // a sound effect by name
  std::string Folder;                       // where packs are looked for
  int ScreenWidth = 1920, ScreenHeight = 1080;
};

enum class TOptionsPage { General, Cards, Decks, Game, Fonts, Background, SaveGames, Packs, Design };

class TFormOptions : public QDialog {
  Q_OBJECT

 public:
  TFormOptions(TSettings& settings, TOptionsHost host, QWidget* parent);

  void Relabel();
  QTabWidget* Tabs() const { return Pages; }
  // The design shown: 1..3 plain, 4 the picture design.
  int Design() const { return DesignShown; }
  class TAuxHeading* HeadingBar() const { return Heading; }
  class TStripAnimation* Emblem() const { return EmblemPicture; }
  static int LastPage;  // for this run
  // The first download button of a pack (for tests and screenshots).
  QPushButton* PackButton(const std::string& file) const {
    for (const auto& [button, pack] : PackFiles)
      if (pack == file) return button;
    return nullptr;
  }

  // Controls, for tests and the window's screenshots.
  QComboBox* LanguageBox = nullptr;
  QComboBox* SizeBox = nullptr;
  QCheckBox *SoundBox = nullptr, *MusicBox = nullptr, *GifBox = nullptr, *FlyBox = nullptr,
            *CursorBox = nullptr, *ButtonsBox = nullptr, *NetBox = nullptr;
  QPushButton *SpeedButton = nullptr, *PassportButton = nullptr;
  QListWidget* FaceList = nullptr;
  QListWidget* BackList = nullptr;
  QRadioButton* BackMode[3] = {};
  QCheckBox* To8Box = nullptr;
  QComboBox* RoleBox = nullptr;
  QComboBox* FontBox = nullptr;
  QSpinBox* ScaleBox = nullptr;
  QPushButton* DefaultFonts = nullptr;
  QComboBox *PatternBox = nullptr, *ColourBox = nullptr;
  QCheckBox* SaveGifBox = nullptr;
  QRadioButton *CaptureMain = nullptr, *CaptureScreen = nullptr;
  QSpinBox* DelayBox = nullptr;
  QRadioButton *RadioServer = nullptr, *RadioDisk = nullptr;
  QComboBox *MenuDesignBox = nullptr, *TableDesignBox = nullptr, *AuxDesignBox = nullptr;
  QCheckBox *SaluteButtonsBox = nullptr, *SaluteCardsBox = nullptr;

 protected:
  void done(int r) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  QWidget* BuildGeneral();
  QWidget* BuildCards();
  QWidget* BuildDecks();
  QWidget* BuildGame();
  QWidget* BuildFonts();
  QWidget* BuildBackground();
  QWidget* BuildSaveGames();
  QWidget* BuildPacks();
  QWidget* BuildDesign();
  void Sync();
  void ChooseWindowSize(int index);
  void ChooseCardSet(int set);
  void ChooseBackSet(int set);
  void ChooseBackground();
  void ChooseDesign();
  bool PackOrFallback(const std::string& pack);
  void Changed(const std::function<void()>& f) const;
  // Takes the design the settings ask for, with its pictures from the
  // graphics pack in the current language (records/options_design.cpp).
  void ApplyDesign();

  TSettings& Settings;
  TOptionsHost Host;
  QTabWidget* Pages;
  QLabel* Flag;
  class TAuxHeading* Heading = nullptr;
  class TStripAnimation* EmblemPicture = nullptr;
  QBoxLayout* Layout = nullptr;
  int DesignShown = 2;
  QPixmap Backdrop;  // the picture design's background
  QPushButton* Ok;
  bool Syncing = false;
  std::vector<std::pair<QWidget*, int>> Captions;   // widget, row
  std::vector<QPushButton*> PackButtons;
  std::vector<std::pair<QPushButton*, std::string>> PackFiles;
  // Fetches a pack from the club service into the parent folder, off the
  // window's thread; the buttons follow when it is done.
  void DownloadPack(const std::string& file);
  void SyncPackButtons();
  int Downloads = 0;  // under way
};

}  // namespace zembra
