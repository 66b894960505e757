// The options dialog's labels, its controls following the settings, and
// what each choice does, including the fall-back to the built-in pictures
// when a pack is missing.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QApplication>
#include <QPointer>
#include <QToolTip>

#include <filesystem>
#include <thread>

#include "records/options_dialog.h"
#include "online/file_download.h"
#include "resources/aux_heading.h"
#include "resources/orv_cards_button.h"
#include <QTabBar>
#include "resources/flags.h"
#include "resources/link_message.h"
#include "resources/pack_names.h"
#include "resources/packs.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {

constexpr int kBackRows[] = {304, 305, 327, 357, 358, 359, 360, 361, 352, 353, 356, 354, 355};
constexpr int kColourRows[] = {375, 376, 377, 379, 380, 381, 378};
constexpr int kTabRows[] = {30, 38, 39, 516, 40, 362, 292, -1, 382};
constexpr int kSizeRows[] = {44, 48, 45, 46, 47};
const char* const kSizeHints[] = {"760 x 500", "", "990 x 650", "1290 x 850", "1520 x 1000"};

}  // namespace

void TFormOptions::Relabel() {
  setWindowTitle(Row(2));
  for (int i = 0; i < Pages->count(); ++i)
    Pages->setTabText(i, kTabRows[i] < 0 ? QStringLiteral("DLL") : Row(kTabRows[i]));
  for (const auto& [widget, row] : Captions) {
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) b->setText(Row(row));
    else if (auto* g = qobject_cast<QGroupBox*>(widget)) g->setTitle(Row(row));
    else if (auto* l = qobject_cast<QLabel*>(widget))
      l->setText(row == 2 ? Row(row).toUpper() : Row(row).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
  }
  SpeedButton->setText(Row(298) + QStringLiteral(" = ") + QString::number(Settings.FlightSpeed));
  Syncing = true;
  for (int i = 0; i < 48; ++i) FaceList->item(i)->setText(Row(304 + i));
  for (int i = 0; i < 13; ++i) BackList->item(i)->setText(Row(kBackRows[i]));
  RoleBox->setItemText(0, Row(286));
  RoleBox->setItemText(1, Row(287));
  RoleBox->setItemText(2, Row(288) + QStringLiteral(" 1"));
  RoleBox->setItemText(3, Row(288) + QStringLiteral(" 2"));
  for (int i = 0; i < 10; ++i) PatternBox->setItemText(i, Row(365 + i));
  for (int i = 0; i < 7; ++i) ColourBox->setItemText(i, Row(kColourRows[i]));
  MenuDesignBox->setItemText(0, Row(386));
  MenuDesignBox->setItemText(1, Row(387));
  TableDesignBox->setItemText(0, Row(386));
  TableDesignBox->setItemText(1, Row(387));
  const int auxRows[] = {389, 388, 390, 387};
  for (int i = 0; i < 4; ++i) AuxDesignBox->setItemText(i, Row(auxRows[i]));
  SizeBox->clear();
  const int sizeLimits[][2] = {{0, 0}, {0, 0}, {990, 670}, {1290, 870}, {1520, 1020}};
  for (int size = 1; size <= 5; ++size) {
    // Sizes the screen cannot hold are left out (they are the last ones).
    if (Host.ScreenWidth < sizeLimits[size - 1][0] || Host.ScreenHeight < sizeLimits[size - 1][1])
      break;
    SizeBox->addItem(Row(kSizeRows[size - 1]));
  }
  Syncing = false;
  for (const auto& [button, pack] : PackFiles) {
    button->setText(Row(144) + QStringLiteral(" ") + QString::fromStdString(pack));
    button->setToolTip(Row(144) + QStringLiteral(": ") + QString::fromStdString(pack));
  }
  SyncPackButtons();
  Flag->setPixmap(FlagPixmap(Language(), 100, 68));
  Heading->SetTitle(Row(2));
  Sync();
  TOrvCardsButton::StyleDialog(this);
  ApplyDesign();
  // Every page's tab stays in view: the dialog grows with the captions.
  setMinimumWidth(std::max(720, Pages->tabBar()->sizeHint().width() + 40));
}

void TFormOptions::Sync() {
  Syncing = true;
  LanguageBox->setCurrentIndex(std::clamp<int>(Settings.Language, 0, 9));
  SizeBox->setCurrentIndex(std::min(Settings.WindowSize - 1, SizeBox->count() - 1));
  SoundBox->setChecked(Settings.SoundOn);
  MusicBox->setChecked(Settings.MusicOn);
  GifBox->setChecked(Settings.GifAnimation);
  FlyBox->setChecked(Settings.FlyCards);
  CursorBox->setChecked(Settings.OwnCursor);
  ButtonsBox->setChecked(Settings.NewButtons);
  NetBox->setChecked(Settings.NetGame);
  FaceList->setCurrentRow(Settings.CardSet);
  BackList->setCurrentRow(Settings.BackSet);
  const bool random = RandomBackSet(Settings.BackSet);
  BackMode[0]->setEnabled(!random);
  BackMode[1]->setEnabled(!random);
  BackMode[2]->setEnabled(random);
  BackMode[random ? 2 : (Settings.BackAlwaysOne ? 1 : 0)]->setChecked(true);
  To8Box->setChecked(Settings.MatchTo8);
  const int role = std::max(0, RoleBox->currentIndex());
  RoleBox->setCurrentIndex(role);
  FontBox->setCurrentText(QString::fromStdString(Settings.Fonts[role].Name));
  ScaleBox->setValue(Settings.Fonts[role].Scale);
  PatternBox->setCurrentIndex(std::max(0, Settings.BackgroundPattern - 1));
  ColourBox->setCurrentIndex(Settings.BackgroundColour);
  const bool bothDesigns = Settings.MenuDesign == 1 && Settings.TableDesign == 1;
  PatternBox->setEnabled(!bothDesigns);
  ColourBox->setEnabled(!bothDesigns && Settings.BackgroundPattern != 0);
  SaveGifBox->setEnabled(Settings.WindowSize == 1);
  SaveGifBox->setChecked(Settings.SaveGamesAsGif);
  CaptureMain->setChecked(Settings.GifCaptureArea != 2);
  CaptureScreen->setChecked(Settings.GifCaptureArea == 2);
  CaptureMain->setEnabled(Settings.SaveGamesAsGif);
  CaptureScreen->setEnabled(Settings.SaveGamesAsGif);
  DelayBox->setValue(Settings.GifFrameDelay);
  DelayBox->setEnabled(Settings.SaveGamesAsGif);
  RadioServer->setChecked(Settings.RadioListFromServer);
  RadioDisk->setChecked(!Settings.RadioListFromServer);
  MenuDesignBox->setCurrentIndex(Settings.MenuDesign);
  TableDesignBox->setCurrentIndex(Settings.TableDesign);
  AuxDesignBox->setCurrentIndex(Settings.AuxPictureDesign ? 3
                                : Settings.AuxDesign == 1 ? 1
                                : Settings.AuxDesign == 3 ? 2
                                                          : 0);
  // The salute effects need the graphics pack.
  const bool graphics = PackLoadable(Host.Folder, kPackGraphics);
  SaluteButtonsBox->setEnabled(graphics);
  SaluteCardsBox->setEnabled(graphics);
  SaluteButtonsBox->setChecked(graphics && Settings.SaluteButtons);
  SaluteCardsBox->setChecked(graphics && Settings.SaluteCards);
  Syncing = false;
}

void TFormOptions::SyncPackButtons() {
  // A pack button is enabled only while the pack is in neither place.
  for (const auto& [button, pack] : PackFiles) button->setEnabled(Downloads == 0 && !FindPack(Host.Folder, pack));
}

void TFormOptions::DownloadPack(const std::string& file) {
  if (Downloads > 0) return;
  ++Downloads;
  SyncPackButtons();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string url = PackDownloadUrl(Settings.TopTenAddress, file);
  const std::string target = (std::filesystem::path(Host.Folder).parent_path() / file).string();
  QPointer<TFormOptions> self(this);
  std::thread([self, url, target] {
    const bool ok = DownloadToFile(url, target);
    QMetaObject::invokeMethod(qApp, [self, ok] {
      QApplication::restoreOverrideCursor();
      if (!self) return;
      --self->Downloads;
      if (self->Host.PlayEffect) self->Host.PlayEffect(ok ? "WToMenK" : "WWrongs");
      self->SyncPackButtons();
      self->Sync();  // the salute boxes follow the graphics pack
      if (ok && self->Host.RadioCheck) self->Host.RadioCheck();
    });
  }).detach();
}

bool TFormOptions::PackOrFallback(const std::string& pack) {
  if (pack.empty() || PackLoadable(Host.Folder, pack)) return true;
  ShowLinkMessage(this, Row(93) + QLatin1Char(' ') + QString::fromStdString(pack), QString(), QString());
  return false;
}

void TFormOptions::ChooseWindowSize(int index) {
  Settings.WindowSize = static_cast<uint8_t>(index + 1);
  if (Settings.WindowSize != 1) Settings.SaveGamesAsGif = false;
  const QString hint = QString::fromLatin1(kSizeHints[index]);
  setToolTip(hint);
  if (!hint.isEmpty()) QToolTip::showText(SizeBox->mapToGlobal(QPoint(0, SizeBox->height())), hint, SizeBox);
  Changed(Host.WindowSizeChanged);
  Sync();
}

void TFormOptions::ChooseCardSet(int set) {
  Settings.CardSet = static_cast<uint8_t>(set);
  if (!PackOrFallback(PackOfCardSet(set))) Settings.CardSet = 0;
  Changed(Host.LookChanged);
  Sync();
}

void TFormOptions::ChooseBackSet(int set) {
  Settings.BackSet = static_cast<uint8_t>(set);
  if (RandomBackSet(set)) Settings.BackAlwaysOne = false;
  if (!PackOrFallback(PackOfBackSet(set))) Settings.BackSet = 0;
  Changed(Host.LookChanged);
  Sync();
}

void TFormOptions::ChooseBackground() {
  Settings.BackgroundPattern = PatternBox->currentIndex() + 1;
  Settings.BackgroundColour = ColourBox->currentIndex();
  if (!PackOrFallback(PackOfBackground(Settings.BackgroundPattern, Settings.BackgroundColour))) {
    Settings.BackgroundPattern = 2;
    Settings.BackgroundColour = 0;
  }
  Changed(Host.LookChanged);
  Sync();
}

void TFormOptions::ChooseDesign() {
  const int menu = MenuDesignBox->currentIndex();
  const int table = TableDesignBox->currentIndex();
  const int aux = AuxDesignBox->currentIndex();
  const bool needsPack = menu == 1 || table != Settings.TableDesign || aux != 0;
  if (needsPack && !PackLoadable(Host.Folder, kPackGraphics)) {
    Settings.MenuDesign = 0;
    Settings.TableDesign = 0;
    Settings.AuxPictureDesign = false;
    Settings.AuxDesign = 2;
    Sync();
    ShowLinkMessage(this, Row(93) + QLatin1Char(' ') + QLatin1String(kPackGraphics), QString(), QString());
    Changed(Host.LookChanged);
    return;
  }
  Settings.MenuDesign = static_cast<uint8_t>(menu);
  Settings.TableDesign = static_cast<uint8_t>(table);
  Settings.AuxPictureDesign = aux == 3;
  Settings.AuxDesign = aux == 1 ? 1 : aux == 2 ? 3 : 2;
  Changed(Host.LookChanged);
  Relabel();
}

}  // namespace zembra
