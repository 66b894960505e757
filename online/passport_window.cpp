#include "online/passport_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "online/club_talk.h"
#include "online/countries.h"
#include "online/field_check.h"
#include "resources/country_flags.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {

QPixmap FieldLampPicture(int lamp) {
  QPixmap pm(14, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = lamp == 3 ? QColor(30, 190, 60) : lamp == 2 ? QColor(240, 200, 20) : QColor(220, 30, 30);
  QRadialGradient g(QPointF(5, 5), 8);
  g.setColorAt(0, c.lighter(170));
  g.setColorAt(1, c.darker(120));
  p.setBrush(g);
  p.setPen(QPen(c.darker(180), 1));
  p.drawEllipse(QRectF(1, 1, 12, 12));
  return pm;
}

void FillContinentBox(QComboBox& box) {
  static const char* const names[kContinentCount] = {"Europe",        "Asia",    "North America",
                                                     "South America", "Oceania", "Africa"};
  box.clear();
  for (const char* c : names) box.addItem(QString::fromLatin1(c));
}

void FillCountryBox(QComboBox& box, int continent) {
  box.clear();
  const auto list = ContinentCountries(continent);
  for (size_t i = 0; i < list.size(); ++i)
    box.addItem(QIcon(CountryFlag(CountryCode(continent, static_cast<int>(i)).value_or("1-000"))),
                QString::fromUtf8(list[i].English.data(), static_cast<qsizetype>(list[i].English.size())));
}

TFormPassport::TFormPassport(TSettings& settings, const QString& packFolder, QWidget* parent)
    : TAuxDialog(settings, packFolder, parent) {
  setWindowTitle(Row(163));
  auto* grid = new QGridLayout;
  auto edit = [&](int row, int caption, int maxLength, const std::string& value) {
    auto* label = new QLabel(Row(caption));
    auto* e = new QLineEdit(QString::fromStdString(value));
    e->setMaxLength(maxLength);
    e->setAccessibleName(Row(caption));
    label->setBuddy(e);
    LampLabels[row == 0 ? 0 : 1] = new QLabel;
    grid->addWidget(label, row, 0);
    grid->addWidget(e, row, 1, 1, 2);
    grid->addWidget(LampLabels[row == 0 ? 0 : 1], row, 3);
    connect(e, &QLineEdit::textChanged, this, &TFormPassport::Changed);
    return e;
  };
  NickEdit = edit(0, 164, 12, Settings.TopTenNick);
  auto* countryLabel = new QLabel(Row(165));
  ContinentBox = new QComboBox;
  FillContinentBox(*ContinentBox);
  ContinentBox->setAccessibleName(Row(165));
  countryLabel->setBuddy(ContinentBox);
  CountryBox = new QComboBox;
  CountryBox->setAccessibleName(Row(165));
  grid->addWidget(countryLabel, 1, 0);
  grid->addWidget(ContinentBox, 1, 1);
  grid->addWidget(CountryBox, 1, 2);
  CityEdit = edit(2, 166, 15, Settings.TopTenCity);
  auto* sexLabel = new QLabel(Row(205));
  SexBox = new QComboBox;
  SexBox->addItems({QStringLiteral("\u2642 M"), QStringLiteral("\u2640 W")});
  SexBox->setAccessibleName(Row(205));
  sexLabel->setBuddy(SexBox);
  SexBox->setCurrentIndex(Settings.TopTenSex == "W" ? 1 : 0);
  grid->addWidget(sexLabel, 3, 0);
  grid->addWidget(SexBox, 3, 1);
  Body()->addLayout(grid);
  OkButton = new TOrvCardsButton(QStringLiteral("Ok"));
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  Body()->addWidget(OkButton);

  // The stored country; a code that names nothing shows Russia.
  const auto place = ParseCountryCode(Settings.TopTenCountry).value_or(TCountryPlace{1, 1});
  Syncing = true;
  ContinentBox->setCurrentIndex(place.Continent - 1);
  FillCountries(place.Continent);
  CountryBox->setCurrentIndex(place.Index);
  Syncing = false;
  connect(ContinentBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (Syncing) return;
    FillCountries(i + 1);
    CountryBox->setCurrentIndex(0);
  });
  connect(CountryBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (Syncing || i < 0) return;
    if (auto code = CountryCode(ContinentBox->currentIndex() + 1, i)) Settings.TopTenCountry = *code;
  });
  connect(SexBox, &QComboBox::currentIndexChanged, this,
          [this](int i) { Settings.TopTenSex.assign(1, i == 1 ? 'W' : 'M'); });
  SetHeading(Row(163));
  Changed();
  resize(460, 350);
}

void TFormPassport::FillCountries(int continent) {
  Syncing = true;
  FillCountryBox(*CountryBox, continent);
  Syncing = false;
}

void TFormPassport::Changed() {
  const std::string nick = NickEdit->text().toStdString(), city = CityEdit->text().toStdString();
  Lamps[0] = PassportNickLamp(nick);
  Lamps[1] = ValidateField(city, TFieldKind::City);
  for (int i = 0; i < 2; ++i) LampLabels[i]->setPixmap(FieldLampPicture(Lamps[i]));
  // A valid nick and city are the passport's at once.
  if (Lamps[0] >= 2) Settings.TopTenNick = nick;
  if (Lamps[1] >= 2) Settings.TopTenCity = city;
  OkButton->setEnabled(Valid());
}

void TFormPassport::done(int result) {
  // Not closed while the nick or the city is red.
  if (!Valid()) return;
  TAuxDialog::done(result);
}

}  // namespace zembra
