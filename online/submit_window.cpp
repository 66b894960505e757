#include "online/submit_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "online/club_talk.h"
#include "online/countries.h"
#include "online/field_check.h"
#include "online/online_club.h"
#include "online/passport_window.h"
#include "online/rating.h"
#include "resources/country_flags.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {

TFormSubmit::TFormSubmit(TOnlineClub& club, TSettings& settings, const QString& packFolder, int score,
                         QWidget* parent)
    : TAuxDialog(settings, packFolder, parent), Club(club), Score(score) {
  setWindowTitle(QStringLiteral("World Top Ten"));
  ShowMessage = [this](const QString& text) { QMessageBox::warning(this, QStringLiteral("World Top Ten"), text); };
  EditPassport = [this, packFolder] {
    TFormPassport passport(Settings, packFolder, this);
    passport.exec();
  };
  auto* grid = new QGridLayout;
  NickLine = new QLabel;
  CountryLine = new QLabel;
  Flag = new QLabel;
  ScoreLine = new QLabel(Row(160) + QStringLiteral(": ") + QString::number(score));
  PlaceLine = new QLabel;
  grid->addWidget(NickLine, 0, 0, 1, 2);
  grid->addWidget(Flag, 1, 0);
  grid->addWidget(CountryLine, 1, 1);
  grid->addWidget(ScoreLine, 2, 0, 1, 2);
  grid->addWidget(PlaceLine, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  Body()->addLayout(grid);
  SendButton = new TOrvCardsButton(Row(158));
  PassportButton = new TOrvCardsButton(Row(163));
  CloseButton = new TOrvCardsButton(Row(159));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SendButton);
  buttons->addWidget(PassportButton);
  buttons->addWidget(CloseButton);
  Body()->addLayout(buttons);
  connect(SendButton, &QPushButton::clicked, this, &TFormSubmit::Send);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(PassportButton, &QPushButton::clicked, this, [this] {
    EditPassport();
    if (SaveOptions) SaveOptions();
    ShowPassport();
  });
  SetHeading(QStringLiteral("World Top Ten"));
  ShowPassport();
  resize(440, 260);
}

bool TFormSubmit::PassportReady() const {
  return PassportNickLamp(Settings.TopTenNick) == 3 && ValidateField(Settings.TopTenCity, TFieldKind::City) >= 2;
}

void TFormSubmit::ShowPassport() {
  const QString sex = Settings.TopTenSex == "W" ? QStringLiteral("\u2640") : QStringLiteral("\u2642");
  NickLine->setText(Row(164) + QStringLiteral(": ") + QString::fromStdString(Settings.TopTenNick) + QLatin1Char(' ') + sex);
  const auto country = CountryByCode(Settings.TopTenCountry);
  const QString countryName =
      country ? QString::fromUtf8(country->English.data(), static_cast<qsizetype>(country->English.size())) : QString();
  QStringList where;
  for (const QString& part : {countryName, QString::fromStdString(Settings.TopTenCity)})
    if (!part.isEmpty()) where << part;
  CountryLine->setText(Row(165) + QStringLiteral(": ") + where.join(QStringLiteral(", ")));
  Flag->setPixmap(CountryFlag(Settings.TopTenCountry, 28, 24));
  SendButton->setEnabled(!Sent && PassportReady());
}

void TFormSubmit::Send() {
  if (Sent || !PassportReady()) return;
  SendButton->setEnabled(false);
  const TPassport passport{Settings.TopTenNick, Settings.TopTenCountry, Settings.TopTenCity, Settings.TopTenSex};
  const int score = Score;
  Club.Request<int>([passport, score](const TPost& post) { return SubmitPassportCycle(post, passport, score); },
                    [this](int place) {
                      if (place < 0) {
                        ShowMessage(Row(156));
                        ShowPassport();
                        SendButton->setEnabled(PassportReady());  // another try
                        return;
                      }
                      Sent = true;
                      Place = place;
                      PlaceLine->setText(Row(161) + QStringLiteral(": ") + QString::number(place));
                      ShowPassport();
                    }, this);
}

}  // namespace zembra
