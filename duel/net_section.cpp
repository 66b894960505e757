#include "duel/net_section.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPointer>
#include <QThread>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "duel/external_address.h"
#include "duel/net_settings.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {

TNetSection::TNetSection(const QString& address, const QString& port, QWidget* parent)
    : QGroupBox(Row(108), parent), Remembered(address), RememberedPortText(port) {
  ServerRadio = new QRadioButton(Row(109), this);
  ClientRadio = new QRadioButton(Row(110), this);
  auto* group = new QButtonGroup(this);
  group->addButton(ServerRadio);
  group->addButton(ClientRadio);
  AddressLabel = new QLabel(Row(105), this);
  AddressField = new QLineEdit(this);
  AddressField->setMaxLength(kDuelAddressLength);
  AddressLabel->setBuddy(AddressField);
  AddressField->setAccessibleName(AddressLabel->text());
  auto* portLabel = new QLabel(Row(106), this);
  PortField = new QLineEdit(port, this);
  PortField->setMaxLength(kDuelPortLength);
  portLabel->setBuddy(PortField);
  PortField->setAccessibleName(portLabel->text());
  auto* gamesLabel = new QLabel(Row(107), this);
  Games = new QSpinBox(this);
  Games->setRange(1, 30);
  Games->setEnabled(false);
  gamesLabel->setBuddy(Games);
  Games->setAccessibleName(gamesLabel->text());
  AddressButton = new TOrvCardsButton(Row(111), this);
  HelpButton = new TOrvCardsButton(QStringLiteral("?"), this);
  HelpButton->setAccessibleName(QStringLiteral("?"));
  HelpButton->setFixedWidth(36);
  StatusLine = new QLabel(this);
  StatusLine->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));

  auto* grid = new QGridLayout;
  grid->addWidget(AddressLabel, 0, 0);
  grid->addWidget(AddressField, 0, 1);
  grid->addWidget(portLabel, 1, 0);
  grid->addWidget(PortField, 1, 1);
  grid->addWidget(gamesLabel, 2, 0);
  grid->addWidget(Games, 2, 1);
  auto* listed = new QGridLayout;
  for (int i = 0; i < 6; ++i) {
    Listed[i] = new QLineEdit(this);
    Listed[i]->setReadOnly(true);
    Listed[i]->setAccessibleName(Row(111) + QLatin1Char(' ') + QString::number(i + 1));
    Listed[i]->hide();
    listed->addWidget(Listed[i], i / 2, i % 2);
  }
  auto* addressRow = new QHBoxLayout;
  addressRow->addWidget(AddressButton, 1);
  addressRow->addWidget(HelpButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ServerRadio);
  layout->addWidget(ClientRadio);
  layout->addLayout(grid);
  layout->addLayout(addressRow);
  layout->addLayout(listed);
  layout->addWidget(StatusLine);

  connect(ServerRadio, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChooseRole(TNetRole::Server);
  });
  connect(ClientRadio, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChooseRole(TNetRole::Client);
  });
  connect(AddressField, &QLineEdit::textEdited, this, [this](const QString& text) {
    const TFieldAfterTyping r =
        AddressTyped(text.toStdString(), Remembered.toStdString(), NetRole == TNetRole::Client);
    if (QString::fromStdString(r.Field) != text) AddressField->setText(QString::fromStdString(r.Field));
    Remembered = QString::fromStdString(r.Remembered);
    StatusLine->clear();
  });
  connect(PortField, &QLineEdit::textEdited, this, [this](const QString& text) {
    const TFieldAfterTyping r = PortTyped(text.toStdString(), RememberedPortText.toStdString());
    if (QString::fromStdString(r.Field) != text) PortField->setText(QString::fromStdString(r.Field));
    RememberedPortText = QString::fromStdString(r.Remembered);
  });
  connect(AddressButton, &QPushButton::clicked, this, &TNetSection::ListAddresses);
  connect(HelpButton, &QPushButton::clicked, this, [this] {
    if (OpenRouterHelp) OpenRouterHelp();
  });
  ServerRadio->setChecked(true);
  ChooseRole(TNetRole::Server);
}

void TNetSection::ChooseRole(TNetRole role) {
  NetRole = role;
  const bool client = role == TNetRole::Client;
  AddressLabel->setEnabled(client);
  AddressField->setEnabled(client);
  AddressField->setText(client ? Remembered : QString());
  if (client != ClientRadio->isChecked()) (client ? ClientRadio : ServerRadio)->setChecked(true);
}

bool TNetSection::Check() {
  if (NetRole == TNetRole::Client && !IsDuelAddress(AddressField->text().toStdString())) {
    StatusLine->setText(Row(77));
    AddressField->setFocus();
    return false;
  }
  if (!DuelPort(PortField->text().toStdString())) {
    StatusLine->setText(Row(78));
    PortField->setFocus();
    return false;
  }
  StatusLine->clear();
  if (NetRole == TNetRole::Client) Remembered = AddressField->text();
  RememberedPortText = PortField->text();
  return true;
}

QString TNetSection::Address() const { return AddressField->text(); }
quint16 TNetSection::Port() const { return DuelPort(PortField->text().toStdString()).value_or(0); }
QString TNetSection::Status() const { return StatusLine->text(); }

void TNetSection::ListAddresses() {
  QStringList entries;
  for (const QNetworkInterface& itf : QNetworkInterface::allInterfaces())
    for (const QNetworkAddressEntry& e : itf.addressEntries())
      if (e.ip().protocol() == QAbstractSocket::IPv4Protocol && entries.size() < 6) entries << e.ip().toString();
  struct TShown {
    QString Text, Hint;
  };
  std::vector<TShown> shown;
  for (const QString& e : entries)
    if (!e.isEmpty()) shown.push_back({e, QString()});
  const size_t external = shown.size();
  shown.push_back({QString(), ExternalAddressPage});
  shown.push_back({QStringLiteral("127.0.0.1"), QStringLiteral("Loop")});
  // The fields in order; what does not fit goes into the sixth.
  for (size_t i = 0; i < shown.size(); ++i) {
    QLineEdit* f = Listed[std::min<size_t>(i, 5)];
    f->setText(shown[i].Text);
    f->setToolTip(shown[i].Hint);
    f->show();
  }
  if (ExternalAddressPage.isEmpty() || external > 5) return;
  // The service's answer arrives later; the window never waits for it.
  QPointer<QLineEdit> field = Listed[external];
  const std::string url = ExternalAddressPage.toStdString();
  QThread* ask = QThread::create([field, url] {
    const QString address = QString::fromStdString(FetchExternalAddress(url));
    QMetaObject::invokeMethod(qApp, [field, address] {
      if (field) field->setText(address);
    });
  });
  connect(ask, &QThread::finished, ask, &QObject::deleteLater);
  ask->start();
}

}  // namespace zembra
