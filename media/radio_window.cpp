#include "media/radio_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

#include "media/radio.h"
#include "media/radio_flags.h"
#include "media/radio_pictures.h"
#include "records/cp1251.h"
#include "resources/orv_cards_button.h"
#include "resources/pack_file.h"
#include "resources/packs.h"
#include "resources/text.h"

namespace zembra {
namespace {

namespace rp = radio_pictures;

constexpr QSize kFlagSize(24, 16);
constexpr QSize kListFlagSize(20, 14);
// The window's radio, drawn a little smaller than the pack's picture.
constexpr QSize kRadioShown(90, 60);

QString Text(const std::string& stored) { return QString::fromStdString(Cp1251ToUtf8(stored)); }

}  // namespace

TRadioPanel::TRadioPanel(QWidget* parent) : QWidget(parent) {
  setFixedSize(rp::kFrameBox.W, rp::kFrameBox.H);
}

void TRadioPanel::SetPictures(const QPixmap& frame, const QPixmap& logo, const QPixmap& volume) {
  Frame = frame;
  Logo = logo;
  Volume = volume;
  update();
}

void TRadioPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(0, 0, Frame);
  const rp::TBox l = rp::kLogoInFrame, v = rp::kVolumeInFrame;
  p.drawPixmap(QRect(l.X, l.Y, l.W, l.H), Logo);
  p.drawPixmap(QRect(v.X, v.Y, v.W, v.H), Volume);
}

TRadioSetButton::TRadioSetButton(QWidget* parent) : QAbstractButton(parent) {
  setFixedSize(kRadioShown);
  setCursor(Qt::PointingHandCursor);
}

void TRadioSetButton::SetPicture(const QPixmap& picture) {
  Shown = picture;
  update();
}

void TRadioSetButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), Shown);
  if (isDown()) p.fillRect(rect(), QColor(0, 0, 0, 40));
}

TFormRadio::TFormRadio(TRadio& radio, TSettings& settings, QWidget* parent)
    : TAuxDialog(settings, radio.ProgramFolder(), parent, QStringLiteral("GFormRadio")), Radio(radio) {
  setWindowTitle(Row(1017));
  // Every picture of the window from one opening of the radio pack.
  {
    TPackReader pack(radio.ProgramFolder(), QString::fromLatin1(kPackRadio));
    QStringList names = {QString::fromLatin1(rp::kFrame), QString::fromLatin1(RadioMainPicture(true)),
                         QString::fromLatin1(RadioMainPicture(false))};
    for (int v = 0; v <= 100; v += kRadioVolumeStep) names << QString::fromStdString(RadioVolumePicture(v));
    for (const char* logo : rp::kLogos) names << QString::fromLatin1(logo);
    for (const QString& name : names) Pictures[name] = pack.Picture(QStringLiteral("RCDATA"), name);
  }

  CountryBox = new QComboBox;
  CountryBox->setAccessibleName(QStringLiteral("Country"));
  CountryBox->setIconSize(kFlagSize);
  for (int i = 0; i < kRadioCountryCount; ++i)
    CountryBox->addItem(QIcon(RadioFlag(i, kFlagSize.width(), kFlagSize.height())),
                        QString::fromLatin1(kRadioCountries[static_cast<size_t>(i)].Name));
  StationList = new QListWidget;
  StationList->setAccessibleName(QStringLiteral("Stations"));
  StationList->setIconSize(kListFlagSize);
  // Long names are cut with an ellipsis; the whole name shows below.
  StationList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StationList->setTextElideMode(Qt::ElideRight);
  Panel = new TRadioPanel;
  VolumeDownButton = new TOrvCardsButton(QStringLiteral("-"));
  VolumeUpButton = new TOrvCardsButton(QStringLiteral("+"));
  VolumeDownButton->setAccessibleName(QStringLiteral("Volume -"));
  VolumeUpButton->setAccessibleName(QStringLiteral("Volume +"));
  for (QPushButton* b : {VolumeDownButton, VolumeUpButton}) b->setFixedSize(30, 30);
  RadioButton = new TRadioSetButton;
  RadioButton->setAccessibleName(Row(1017));
  StationLabel = new QLabel;
  StationLabel->setAlignment(Qt::AlignCenter);
  StationLabel->setWordWrap(true);
  OkButton = new TOrvCardsButton(QStringLiteral("Ok"));
  OkButton->setDefault(true);
  OkButton->setFixedWidth(120);


  auto* controls = new QHBoxLayout;
  controls->setSpacing(2);
  controls->addWidget(VolumeDownButton, 0, Qt::AlignVCenter);
  controls->addWidget(RadioButton);
  controls->addWidget(VolumeUpButton, 0, Qt::AlignVCenter);
  auto* right = new QVBoxLayout;
  right->setSpacing(4);
  right->addWidget(Panel, 0, Qt::AlignHCenter);
  right->addLayout(controls);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(8);
  columns->addWidget(StationList, 1);
  columns->addLayout(right);
  Body()->setSpacing(6);
  Body()->addWidget(CountryBox);
  Body()->addLayout(columns, 1);
  Body()->addWidget(StationLabel);
  Body()->addWidget(OkButton, 0, Qt::AlignHCenter);
  SetHeading(QStringLiteral("Radio"));
  setFixedWidth(340);

  connect(CountryBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!Filling) ChooseCountry(i);
  });
  connect(StationList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!Filling) ChooseStation(row);
  });
  connect(VolumeDownButton, &QPushButton::clicked, &Radio, &TRadio::VolumeDown);
  connect(VolumeUpButton, &QPushButton::clicked, &Radio, &TRadio::VolumeUp);
  connect(RadioButton, &QAbstractButton::clicked, &Radio, &TRadio::Toggle);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(&Radio, &TRadio::Changed, this, &TFormRadio::ShowState);

  Filling = true;
  CountryBox->setCurrentIndex(Radio.State().FilterIndex);
  Filling = false;
  ChooseCountry(Radio.State().FilterIndex);
  ShowState();
}

QPixmap TFormRadio::PackPicture(const QString& name) const {
  const auto it = Pictures.find(name);
  if (it != Pictures.end() && !it->isNull()) return *it;
  // A logo the pack lacks: the unknown station's.
  return Pictures.value(QString::fromLatin1(kUnknownStationLogo));
}

void TFormRadio::ChooseCountry(int index) {
  if (index < 0 || index >= kRadioCountryCount) return;
  Radio.SetFilter(index);
  const std::optional<std::string> list = Radio.ReadActiveList();
  if (!list) return;
  const std::vector<TRadioStation> stations = StationsOfCountry(*list, index);
  Filling = true;
  StationList->clear();
  Ids.clear();
  int selected = -1;
  for (const TRadioStation& s : stations) {
    const QPixmap flag = RadioFlagOfCode(s.CountryCode, kListFlagSize.width(), kListFlagSize.height());
    auto* item = new QListWidgetItem(QIcon(flag), Text(s.Name));
    StationList->addItem(item);
    if (selected < 0 && s.Name == Radio.State().StationName) selected = static_cast<int>(Ids.size());
    Ids.push_back(s.Id);
  }
  const bool tune = selected < 0 && !Ids.empty();
  if (tune) selected = 0;
  StationList->setCurrentRow(selected);
  Filling = false;
  if (tune) ChooseStation(0);
}

void TFormRadio::ChooseStation(int row) {
  if (row < 0 || row >= static_cast<int>(Ids.size())) return;
  Radio.SetLogo(kUnknownStationLogo);
  const std::optional<std::string> list = Radio.ReadActiveList();
  if (!list) return;
  // A station no longer in the list keeps the current one's other fields.
  if (const std::optional<TRadioStation> s = FindStation(*list, Ids[static_cast<size_t>(row)])) Radio.Tune(*s);
}

void TFormRadio::ShowState() {
  const TRadioState& s = Radio.State();
  LogoShown = QString::fromStdString(s.Logo);
  VolumeShown = QString::fromStdString(RadioVolumePicture(s.Volume));
  RadioShown = QString::fromLatin1(RadioMainPicture(s.Playing));
  Panel->SetPictures(PackPicture(QString::fromLatin1(rp::kFrame)), PackPicture(LogoShown), PackPicture(VolumeShown));
  RadioButton->SetPicture(PackPicture(RadioShown));
  RadioButton->setToolTip(Row(1017) + QStringLiteral(": ") + Text(s.StationName));
  StationLabel->setText(QStringLiteral("<b>%1</b><br>%2").arg(Text(s.StationName).toHtmlEscaped(),
                                                               Text(s.CountryText).toHtmlEscaped()));
}

}  // namespace zembra
