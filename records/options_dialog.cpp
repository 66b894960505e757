#include "records/options_dialog.h"
#include "resources/orv_cards_button.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "resources/aux_heading.h"
#include "resources/flags.h"
#include "resources/link_message.h"
#include "resources/packs.h"
#include "resources/strip_animation.h"
#include "resources/words.h"

namespace zembra {
namespace {


// The language selector's own names, in index order.
const char* const kLanguageNames[] = {"English",  "Русский", "Deutsche", "Français", "Español",
                                      "中文",     "Italiano", "Čeština",  "日本",     "한국인"};
// Country flag of each card face set (a language index of the flag list).
int FaceSetFlag(int set) {
  if (set <= 28) return 0;
  if (set <= 31) return 2;
  if (set <= 39) return 1;
  if (set == 40) return 3;
  if (set <= 44) return 4;
  if (set == 45) return 5;
  return set == 46 ? 6 : 7;
}

}  // namespace

int TFormOptions::LastPage = 0;

TFormOptions::TFormOptions(TSettings& settings, TOptionsHost host, QWidget* parent)
    : QDialog(parent), Settings(settings), Host(std::move(host)) {
  setModal(true);
  Pages = new QTabWidget;
  Pages->addTab(BuildGeneral(), QString());
  Pages->addTab(BuildCards(), QString());
  Pages->addTab(BuildDecks(), QString());
  Pages->addTab(BuildGame(), QString());
  Pages->addTab(BuildFonts(), QString());
  Pages->addTab(BuildBackground(), QString());
  Pages->addTab(BuildSaveGames(), QString());
  Pages->addTab(BuildPacks(), QString());
  Pages->addTab(BuildDesign(), QString());

  Flag = new QLabel;
  Flag->setFixedSize(100, 68);
  Ok = new TOrvCardsButton(QStringLiteral("Ok"));
  Ok->setDefault(true);
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* heading = new QHBoxLayout;
  EmblemPicture = new TStripAnimation;
  EmblemPicture->hide();
  Heading = new TAuxHeading;
  heading->addWidget(EmblemPicture, 0, Qt::AlignVCenter);
  heading->addWidget(Heading, 1);
  heading->addWidget(Flag, 0, Qt::AlignVCenter);
  Layout = new QVBoxLayout(this);
  Layout->addLayout(heading);
  Layout->addWidget(Pages, 1);
  Layout->addWidget(Ok, 0, Qt::AlignRight);
  resize(720, 480);

  Sync();
  Relabel();
  Pages->setCurrentIndex(std::clamp(LastPage, 0, Pages->count() - 1));
}

void TFormOptions::done(int r) {
  LastPage = Pages->currentIndex();
  QDialog::done(r);
}

void TFormOptions::Changed(const std::function<void()>& f) const {
  if (f) f();
}

QWidget* TFormOptions::BuildGeneral() {
  auto* page = new QWidget;
  LanguageBox = new QComboBox;
  for (int i = 0; i < kLanguages; ++i)
    LanguageBox->addItem(QIcon(FlagPixmap(i, 16, 11)), QString::fromUtf8(kLanguageNames[i]));
  connect(LanguageBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (Syncing || i < 0) return;
    Settings.Language = static_cast<uint8_t>(i);
    Language() = i;
    Relabel();
    Changed(Host.LanguageChanged);
  });
  SizeBox = new QComboBox;
  connect(SizeBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!Syncing && i >= 0) ChooseWindowSize(i);
  });

  auto* multimedia = new QGroupBox;
  Captions.push_back({multimedia, 32});
  auto* mm = new QVBoxLayout(multimedia);
  auto check = [&](QCheckBox*& box, int row, bool TSettings::*field, std::function<void()> effect) {
    box = new QCheckBox;
    Captions.push_back({box, row});
    mm->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [this, field, effect](bool on) {
      if (Syncing) return;
      Settings.*field = on;
      Changed(effect);
    });
  };
  check(SoundBox, 33, &TSettings::SoundOn, nullptr);
  check(MusicBox, 34, &TSettings::MusicOn, Host.MusicChanged);
  check(GifBox, 282, &TSettings::GifAnimation, Host.LookChanged);
  check(FlyBox, 283, &TSettings::FlyCards, nullptr);
  check(CursorBox, 284, &TSettings::OwnCursor, Host.LookChanged);
  check(ButtonsBox, 285, &TSettings::NewButtons, [this] {
    TOrvCardsButton::SetNataAll(this, Settings.NewButtons);  // this dialog's own buttons too
    Changed(Host.LookChanged);
  });

  SpeedButton = new TOrvCardsButton;
  connect(SpeedButton, &QPushButton::clicked, this, [this] {
    if (Host.OpenSpeedDialog) Host.OpenSpeedDialog(Settings.FlightSpeed);
    Relabel();
  });
  PassportButton = new TOrvCardsButton;  // the account's passport window opens it
  PassportButton->setEnabled(false);
  Captions.push_back({PassportButton, 163});
  NetBox = new QCheckBox;
  Captions.push_back({NetBox, 104});
  // Duels: the menu then lists the net club's players, and the login
  // window asks for the role, the address and the port.
  connect(NetBox, &QCheckBox::toggled, this, [this](bool on) {
    if (Syncing) return;
    Settings.NetGame = on;
    Changed(Host.NetGameChanged);
  });

  auto* form = new QFormLayout;
  form->addRow(LanguageBox);
  form->addRow(SizeBox);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SpeedButton);
  buttons->addWidget(PassportButton);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addWidget(multimedia);
  layout->addLayout(buttons);
  layout->addWidget(NetBox);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::BuildCards() {
  auto* page = new QWidget;
  FaceList = new QListWidget;
  FaceList->setIconSize(QSize(16, 11));
  for (int set = 0; set < 48; ++set)
    FaceList->addItem(new QListWidgetItem(QIcon(FlagPixmap(FaceSetFlag(set), 16, 11)), QString()));
  connect(FaceList, &QListWidget::currentRowChanged, this, [this](int set) {
    if (!Syncing && set >= 0) ChooseCardSet(set);
  });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(FaceList, 1);
  auto* packs = new QHBoxLayout;
  for (const char* pack : {kPackCardsA, kPackCardsB, kPackCardsC}) {
    auto* b = new TOrvCardsButton;
    PackFiles.push_back({b, pack});
    connect(b, &QPushButton::clicked, this, [this, pack] { DownloadPack(pack); });
    packs->addWidget(b);
  }
  layout->addLayout(packs);
  return page;
}

QWidget* TFormOptions::BuildDecks() {
  auto* page = new QWidget;
  BackList = new QListWidget;
  for (int i = 0; i < 13; ++i) BackList->addItem(QString());
  connect(BackList, &QListWidget::currentRowChanged, this, [this](int set) {
    if (!Syncing && set >= 0) ChooseBackSet(set);
  });
  auto* mode = new QGroupBox;
  Captions.push_back({mode, 278});
  auto* ml = new QVBoxLayout(mode);
  for (int i = 0; i < 3; ++i) {
    BackMode[i] = new QRadioButton;
    Captions.push_back({BackMode[i], 279 + i});
    ml->addWidget(BackMode[i]);
    connect(BackMode[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (Syncing || !on) return;
      Settings.BackAlwaysOne = i == 1;
      Changed(Host.LookChanged);
    });
  }
  auto* pack = new TOrvCardsButton;
  PackFiles.push_back({pack, kPackCardsB});
  connect(pack, &QPushButton::clicked, this, [this] { DownloadPack(kPackCardsB); });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(BackList, 1);
  layout->addWidget(mode);
  layout->addWidget(pack);
  return page;
}

QWidget* TFormOptions::BuildGame() {
  auto* page = new QWidget;
  auto* minor = new QGroupBox;
  Captions.push_back({minor, 43});
  To8Box = new QCheckBox;
  Captions.push_back({To8Box, 448});
  connect(To8Box, &QCheckBox::toggled, this, [this](bool on) {
    if (!Syncing) Settings.MatchTo8 = on;  // from the next match on
  });
  auto* ml = new QVBoxLayout(minor);
  ml->addWidget(To8Box);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(minor);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::BuildFonts() {
  auto* page = new QWidget;
  RoleBox = new QComboBox;
  for (int i = 0; i < 4; ++i) RoleBox->addItem(QString());
  FontBox = new QComboBox;
  FontBox->addItems(QFontDatabase::families());
  for (const char* name : {"Comic Sans MS", "FixedSys", "Courier New"})
    if (FontBox->findText(QString::fromLatin1(name)) < 0) FontBox->addItem(QString::fromLatin1(name));
  ScaleBox = new QSpinBox;
  ScaleBox->setRange(50, 150);
  DefaultFonts = new TOrvCardsButton;
  Captions.push_back({DefaultFonts, 290});
  auto* warning = new QLabel;
  warning->setWordWrap(true);
  warning->setObjectName(QStringLiteral("FontWarning"));  // dark red, light red on black
  Captions.push_back({warning, 291});
  auto* scaleLabel = new QLabel;
  Captions.push_back({scaleLabel, 289});

  connect(RoleBox, &QComboBox::currentIndexChanged, this, [this] { Sync(); });
  connect(FontBox, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (Syncing || RoleBox->currentIndex() < 0) return;
    Settings.Fonts[RoleBox->currentIndex()].Name = name.toStdString();
    Changed(Host.LookChanged);
  });
  connect(ScaleBox, &QSpinBox::valueChanged, this, [this](int v) {
    if (Syncing || RoleBox->currentIndex() < 0) return;
    Settings.Fonts[RoleBox->currentIndex()].Scale = v;
    Changed(Host.LookChanged);
  });
  connect(DefaultFonts, &QPushButton::clicked, this, [this] {
    Settings.Fonts = TSettings{}.Fonts;
    Sync();
    Changed(Host.LookChanged);
  });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(RoleBox);
  layout->addWidget(FontBox);
  auto* scale = new QHBoxLayout;
  scale->addWidget(scaleLabel);
  scale->addWidget(ScaleBox);
  scale->addStretch();
  layout->addLayout(scale);
  layout->addWidget(DefaultFonts, 0, Qt::AlignLeft);
  layout->addWidget(warning);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::BuildBackground() {
  auto* page = new QWidget;
  auto* group = new QGroupBox;
  Captions.push_back({group, 363});
  PatternBox = new QComboBox;
  for (int i = 0; i < 10; ++i) PatternBox->addItem(QString());
  ColourBox = new QComboBox;
  for (int i = 0; i < 7; ++i) ColourBox->addItem(QString());
  connect(PatternBox, &QComboBox::currentIndexChanged, this, [this] {
    if (!Syncing) ChooseBackground();
  });
  connect(ColourBox, &QComboBox::currentIndexChanged, this, [this] {
    if (!Syncing) ChooseBackground();
  });
  auto* gl = new QVBoxLayout(group);
  gl->addWidget(PatternBox);
  gl->addWidget(ColourBox);
  auto* pack = new TOrvCardsButton;
  PackFiles.push_back({pack, kPackBackgrounds});
  connect(pack, &QPushButton::clicked, this, [this] { DownloadPack(kPackBackgrounds); });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  layout->addWidget(pack);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::BuildSaveGames() {
  auto* page = new QWidget;
  SaveGifBox = new QCheckBox;
  Captions.push_back({SaveGifBox, 293});
  CaptureMain = new QRadioButton;
  Captions.push_back({CaptureMain, 294});
  CaptureScreen = new QRadioButton;
  Captions.push_back({CaptureScreen, 295});
  DelayBox = new QSpinBox;
  DelayBox->setRange(10, 5000);
  auto* delayLabel = new QLabel;
  Captions.push_back({delayLabel, 296});
  connect(SaveGifBox, &QCheckBox::toggled, this, [this](bool on) {
    if (Syncing) return;
    Settings.SaveGamesAsGif = on;
    Sync();
  });
  connect(CaptureMain, &QRadioButton::toggled, this, [this](bool on) {
    if (!Syncing && on) Settings.GifCaptureArea = 1;
  });
  connect(CaptureScreen, &QRadioButton::toggled, this, [this](bool on) {
    if (!Syncing && on) Settings.GifCaptureArea = 2;
  });
  connect(DelayBox, &QSpinBox::valueChanged, this, [this](int v) {
    if (!Syncing) Settings.GifFrameDelay = v;
  });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(SaveGifBox);
  layout->addWidget(CaptureMain);
  layout->addWidget(CaptureScreen);
  auto* delay = new QHBoxLayout;
  delay->addWidget(delayLabel);
  delay->addWidget(DelayBox);
  delay->addStretch();
  layout->addLayout(delay);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::BuildPacks() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* grid = new QGridLayout;
  const char* packs[] = {kPackCardsA, kPackCardsB, kPackBackgrounds, kPackCalendar, kPackRadioList,
                         kPackRadio, kPackVoice, kPackCardsC, kPackGraphics};
  int i = 0;
  for (const char* pack : packs) {
    auto* b = new TOrvCardsButton;
    PackFiles.push_back({b, pack});
    connect(b, &QPushButton::clicked, this, [this, pack] { DownloadPack(pack); });
    grid->addWidget(b, i / 3, i % 3);
    ++i;
  }
  layout->addLayout(grid);
  auto* radio = new QGroupBox;
  Captions.push_back({radio, 301});
  RadioServer = new QRadioButton;
  Captions.push_back({RadioServer, 302});
  RadioDisk = new QRadioButton;
  Captions.push_back({RadioDisk, 303});
  connect(RadioServer, &QRadioButton::toggled, this, [this](bool on) {
    if (Syncing || Settings.RadioListFromServer == on) return;
    Settings.RadioListFromServer = on;
    if (Host.RadioCheck) Host.RadioCheck();
  });
  auto* rl = new QVBoxLayout(radio);
  rl->addWidget(RadioServer);
  rl->addWidget(RadioDisk);
  layout->addWidget(radio);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::BuildDesign() {
  auto* page = new QWidget;
  auto group = [&](int row, QComboBox*& box, int items) {
    auto* g = new QGroupBox;
    Captions.push_back({g, row});
    box = new QComboBox;
    for (int i = 0; i < items; ++i) box->addItem(QString());
    auto* l = new QVBoxLayout(g);
    l->addWidget(box);
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      if (!Syncing) ChooseDesign();
    });
    return g;
  };
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group(383, MenuDesignBox, 2));
  layout->addWidget(group(384, TableDesignBox, 2));
  layout->addWidget(group(385, AuxDesignBox, 4));
  auto* salute = new QGroupBox;
  Captions.push_back({salute, 391});
  SaluteButtonsBox = new QCheckBox;
  Captions.push_back({SaluteButtonsBox, 392});
  SaluteCardsBox = new QCheckBox;
  Captions.push_back({SaluteCardsBox, 393});
  connect(SaluteButtonsBox, &QCheckBox::toggled, this, [this](bool on) {
    if (!Syncing) Settings.SaluteButtons = on;
  });
  connect(SaluteCardsBox, &QCheckBox::toggled, this, [this](bool on) {
    if (!Syncing) Settings.SaluteCards = on;
  });
  auto* sl = new QHBoxLayout(salute);
  sl->addWidget(SaluteButtonsBox);
  sl->addWidget(SaluteCardsBox);
  layout->addWidget(salute);
  auto* pack = new TOrvCardsButton;
  PackFiles.push_back({pack, kPackGraphics});
  connect(pack, &QPushButton::clicked, this, [this] { DownloadPack(kPackGraphics); });
  layout->addWidget(pack);
  layout->addStretch();
  return page;
}

}  // namespace zembra
