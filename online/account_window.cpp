#include "online/account_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTabWidget>
#include <QTableWidget>
#include <QValidator>
#include <QVBoxLayout>
#include <cstdio>

#include "online/countries.h"
#include "online/field_check.h"
#include "online/info_window.h"
#include "online/online_club.h"
#include "online/passport_window.h"
#include "online/photo_picture.h"
#include "online/photo_upload.h"
#include "online/service_client.h"
#include "resources/country_flags.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {
namespace {

// Refuses a typed character the field rules refuse; backspace and the
// like always pass.
class TFieldValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int&) const override {
    for (const QChar c : text)
      if (ValidateField(QString(c).toStdString(), TFieldKind::Character) == 1) return Invalid;
    return Acceptable;
  }
};


// A player without a photo: a silhouette for a man or a woman.
QPixmap DefaultPhoto(const std::string& sex) {
  QPixmap pm(200, 250);
  pm.fill(QColor(205, 210, 220));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(sex == "W" ? QColor(150, 110, 140) : QColor(100, 120, 150));
  p.drawEllipse(QRectF(62, 40, 76, 86));
  if (sex == "W") p.drawRoundedRect(QRectF(52, 60, 96, 90), 40, 40);
  p.drawRoundedRect(QRectF(30, 140, 140, 130), 60, 60);
  return pm;
}

QString InfoText(const TInfo14& i) {
  const std::pair<int, const std::string*> lines[] = {
      {258, &i.Name1}, {259, &i.Name2},   {260, &i.About},    {261, &i.Telephone}, {262, &i.EMailO},
      {263, &i.WebSite}, {264, &i.Skype}, {265, &i.OK},       {266, &i.VK},        {267, &i.Telegram},
      {268, &i.FaceBook}, {269, &i.Twitter}, {270, &i.Instagramm}, {271, &i.YouTube}};
  QString html;
  for (const auto& [row, text] : lines)
    if (!text->empty() && *text != "#")
      html += QStringLiteral("<b>%1:</b> %2<br>").arg(Row(row).toHtmlEscaped(), QString::fromStdString(*text).toHtmlEscaped());
  return html;
}

QString Rating3(double r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", r);
  return QString::fromLatin1(buf).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

TFormAccount::TFormAccount(TOnlineClub& club, TSettings& settings, const QString& programFolder, bool fromNewGame,
                           QWidget* parent)
    : TAuxDialog(settings, programFolder, parent), Club(club), PackFolder(programFolder) {
  setWindowTitle(Row(195));
  ChoosePhotoFile = [this] {
    return QFileDialog::getOpenFileName(this, Row(276), QString(), QStringLiteral("JPEG (*.jpg *.jpeg);;* (*)"));
  };
  Club.MutableAccount().RatedPlayAllowed = fromNewGame;
  Tabs = new QTabWidget;
  Tabs->addTab(BuildAccountTab(), Row(196));
  Tabs->addTab(BuildResultsTab(), Row(197));
  Tabs->addTab(BuildTopTab(), QStringLiteral("Top 10"));
  Tabs->addTab(BuildPageTab(false), Row(251));
  Tabs->addTab(BuildPageTab(true), Row(253));
  Body()->addWidget(Tabs, 1);
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  Body()->addWidget(ok);
  ShowMessage = [this](const QString& text) { QMessageBox::information(this, Row(195), text); };
  connect(&Club, &TOnlineClub::AccountChanged, this, &TFormAccount::ShowAccount);
  SetHeading(Row(196));
  resize(620, 640);
  ShowAccount();
  // What the window reads when it opens, in the club's order.
  Club.WithAccount([](const TPost& post, TAccount& a) { ReadAccountWindow(post, a); }, [this] { LoadPhotos(); }, this);
}

QWidget* TFormAccount::BuildAccountTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* title = new QLabel(Row(200));
  title->setAlignment(Qt::AlignCenter);
  // The account's state: red logged out, yellow logged in, green rated.
  StateLamp = new QLabel;
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(StateLamp);
  titleRow->addWidget(title, 1);
  layout->addLayout(titleRow);
  auto* grid = new QGridLayout;
  auto edit = [&](int row, const QString& caption, int maxLength, int lamp) {
    auto* label = new QLabel(caption);
    auto* e = new QLineEdit;
    e->setMaxLength(maxLength);
    e->setValidator(new TFieldValidator(e));
    label->setBuddy(e);
    e->setAccessibleName(caption);
    LampLabels[static_cast<size_t>(lamp)] = new QLabel;
    grid->addWidget(label, row, 0);
    grid->addWidget(e, row, 1);
    grid->addWidget(LampLabels[static_cast<size_t>(lamp)], row, 2);
    connect(e, &QLineEdit::textEdited, this, &TFormAccount::EditsChanged);
    return e;
  };
  NickEdit = edit(0, Row(201), 12, 0);
  PasswordEdit = edit(1, Row(202), 12, 1);
  HidePassword = new QCheckBox(Row(207));
  HidePassword->setChecked(true);
  grid->addWidget(HidePassword, 1, 3);
  connect(HidePassword, &QCheckBox::toggled, this, [this](bool on) {
    PasswordEdit->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
  });
  PasswordEdit->setEchoMode(QLineEdit::Password);
  auto* countryLabel = new QLabel(Row(203));
  ContinentBox = new QComboBox;
  FillContinentBox(*ContinentBox);
  ContinentBox->setAccessibleName(Row(203));
  CountryBox = new QComboBox;
  CountryBox->setAccessibleName(Row(203));
  countryLabel->setBuddy(ContinentBox);
  CountryShort = new QLabel;
  auto* countryRow = new QHBoxLayout;
  countryRow->addWidget(ContinentBox);
  countryRow->addWidget(CountryBox, 1);
  countryRow->addWidget(CountryShort);
  grid->addWidget(countryLabel, 2, 0);
  grid->addLayout(countryRow, 2, 1, 1, 3);
  connect(ContinentBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (Syncing) return;
    FillCountries(i + 1);
    ChooseCountry(0);
  });
  connect(CountryBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!Syncing && i >= 0) ChooseCountry(i);
  });
  CityEdit = edit(3, Row(204), 15, 2);
  auto* sexLabel = new QLabel(Row(205));
  SexBox = new QComboBox;
  SexBox->addItems({QStringLiteral("\u2642 M"), QStringLiteral("\u2640 W")});
  SexBox->setAccessibleName(Row(205));
  sexLabel->setBuddy(SexBox);
  grid->addWidget(sexLabel, 4, 0);
  grid->addWidget(SexBox, 4, 1);
  MailEdit = edit(5, QStringLiteral("E-Mail:"), 30, 3);
  auto* regLabel = new QLabel(Row(206));
  Registration = new QLabel;
  grid->addWidget(regLabel, 6, 0);
  grid->addWidget(Registration, 6, 1);
  layout->addLayout(grid);
  RatedBox = new QCheckBox(Row(208));
  layout->addWidget(RatedBox);
  connect(RatedBox, &QCheckBox::toggled, this, [this](bool on) {
    if (Syncing) return;
    TAccount& a = Club.MutableAccount();
    if (!a.LoggedIn()) return;
    RatedWanted = on;
    a.State = on ? TAccountState::Rated : TAccountState::LoggedIn;
  });
  auto* buttons = new QGridLayout;
  CreateButton = new TOrvCardsButton(Row(222));
  LoginButton = new TOrvCardsButton(Row(198));
  SaveButton = new TOrvCardsButton(Row(223));
  DeleteButton = new TOrvCardsButton(Row(224));
  buttons->addWidget(CreateButton, 0, 0);
  buttons->addWidget(LoginButton, 0, 1);
  buttons->addWidget(SaveButton, 1, 0);
  buttons->addWidget(DeleteButton, 1, 1);
  layout->addLayout(buttons);
  connect(CreateButton, &QPushButton::clicked, this, &TFormAccount::Register);
  connect(LoginButton, &QPushButton::clicked, this, &TFormAccount::LoginOrLogout);
  connect(SaveButton, &QPushButton::clicked, this, &TFormAccount::SaveUserFile);
  connect(DeleteButton, &QPushButton::clicked, this, &TFormAccount::DeleteUserFile);
  Members = new QLabel;
  layout->addWidget(Members);
  layout->addStretch(1);
  return page;
}

QWidget* TFormAccount::BuildResultsTab() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  const int rows[9] = {215, 216, 217, 218, 219, 220, 225, 226, 227};
  for (int i = 0; i < 9; ++i) {
    Results[static_cast<size_t>(i)] = new QLabel;
    auto* label = new QLabel(Row(rows[i]) + QLatin1Char(':'));
    label->setBuddy(Results[static_cast<size_t>(i)]);
    form->addRow(label, Results[static_cast<size_t>(i)]);
  }
  auto* refresh = new TOrvCardsButton(Row(254));
  connect(refresh, &QPushButton::clicked, this, [this] {
    Club.WithAccount([](const TPost& post, TAccount& a) { ReadResults(post, a); });
  });
  form->addRow(refresh);
  return page;
}

QWidget* TFormAccount::BuildTopTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(Row(221)));
  TopGrid = new QTableWidget(0, 5);
  TopGrid->setAccessibleName(Row(221));
  TopGrid->verticalHeader()->hide();
  TopGrid->horizontalHeader()->hide();
  TopGrid->setShowGrid(false);
  layout->addWidget(TopGrid, 1);
  auto* refresh = new TOrvCardsButton(Row(254));
  connect(refresh, &QPushButton::clicked, this, [this] {
    Club.WithAccount([](const TPost& post, TAccount& a) { ClubTopTen(post, &a.Top); });
  });
  layout->addWidget(refresh);
  return page;
}

QWidget* TFormAccount::BuildPageTab(bool president) {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* photo = new QLabel;
  photo->setFixedSize(200, 250);
  photo->setScaledContents(true);
  auto* text = new QLabel;
  text->setWordWrap(true);
  text->setTextFormat(Qt::RichText);
  text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  auto* photoColumn = new QVBoxLayout;
  photoColumn->addWidget(photo);
  auto* column = new QVBoxLayout;
  if (president) column->addWidget(new QLabel(Row(257)));
  column->addWidget(text, 1);
  if (!president) {
    // A click on the frame picks a picture; "Refresh photo" sends it.
    photo->setCursor(Qt::PointingHandCursor);
    photo->setAccessibleName(Row(276));
    photo->installEventFilter(this);
    PhotoButton = new TOrvCardsButton(Row(276));
    PhotoButton->setEnabled(false);
    connect(PhotoButton, &QPushButton::clicked, this, &TFormAccount::SendPhoto);
    photoColumn->addWidget(PhotoButton);
    InfoButton = new TOrvCardsButton(Row(254));
    connect(InfoButton, &QPushButton::clicked, this, &TFormAccount::EditInfo);
    column->addWidget(InfoButton);
  }
  photoColumn->addStretch(1);
  layout->addLayout(photoColumn);
  layout->addLayout(column, 1);
  (president ? PresidentPhoto : OwnPhoto) = photo;
  (president ? PresidentText : AboutText) = text;
  return page;
}

void TFormAccount::FillCountries(int continent) {
  FillCountryBox(*CountryBox, continent);
}

void TFormAccount::ChooseCountry(int index) {
  TOrvUser& u = Club.MutableAccount().User;
  const int continent = ContinentBox->currentIndex() + 1;
  const auto& list = ContinentCountries(continent);
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  u.Country2 = CountryCode(continent, index).value_or("1-000");
  u.Country1 = list[static_cast<size_t>(index)].Short;
  CountryShort->setText(QString::fromUtf8(list[static_cast<size_t>(index)].Short));
}

void TFormAccount::EditsChanged() {
  const std::string texts[4] = {NickEdit->text().toStdString(), PasswordEdit->text().toStdString(),
                                CityEdit->text().toStdString(), MailEdit->text().toStdString()};
  const TFieldKind kinds[4] = {TFieldKind::Nick, TFieldKind::Password, TFieldKind::City, TFieldKind::EMail};
  for (size_t i = 0; i < 4; ++i) {
    Lamps[i] = ValidateField(texts[i], kinds[i]);
    LampLabels[i]->setPixmap(FieldLampPicture(Lamps[i]));
  }
  const bool in = Club.Account().LoggedIn();
  // While a rated game is open nothing of the account may change.
  const bool rated = Club.Account().RatedGameOpen;
  const bool locked = Club.Busy() || rated;
  for (QWidget* w : std::initializer_list<QWidget*>{NickEdit, PasswordEdit, CityEdit, MailEdit, HidePassword})
    w->setEnabled(!rated);
  if (rated)
    for (QWidget* w : std::initializer_list<QWidget*>{ContinentBox, CountryBox, SexBox, RatedBox}) w->setEnabled(false);
  StateLamp->setPixmap(FieldLampPicture(static_cast<int>(Club.Account().State)));
  StateLamp->setToolTip(Row(in ? 199 : 198));
  CreateButton->setEnabled(!in && !locked && Lamps[0] == 3 && Lamps[1] == 3 && Lamps[2] >= 2 && Lamps[3] == 3);
  LoginButton->setText(Row(in ? 199 : 198));
  LoginButton->setEnabled(!locked && (in || (Lamps[0] == 3 && Lamps[1] == 3)));
  SaveButton->setEnabled(!rated && in && !Club.UserFileSaved());
  DeleteButton->setEnabled(!rated && Club.UserFileSaved());
  InfoButton->setEnabled(in && !locked);
}

void TFormAccount::ShowAccount() {
  Syncing = true;
  const TAccount& a = Club.Account();
  const TOrvUser& u = a.User;
  const bool in = a.LoggedIn();
  if (in || NickEdit->text().isEmpty()) {
    NickEdit->setText(QString::fromStdString(u.Nick));
    CityEdit->setText(QString::fromStdString(u.City == "#" ? std::string() : u.City));
    MailEdit->setText(QString::fromStdString(u.EMail == "#" ? std::string() : u.EMail));
  }
  if (in) PasswordEdit->setText(QString::fromStdString(u.Pw));
  for (QLineEdit* e : {NickEdit, PasswordEdit, CityEdit, MailEdit}) e->setReadOnly(in);
  ContinentBox->setEnabled(!in);
  CountryBox->setEnabled(!in);
  SexBox->setEnabled(!in);
  const auto place = ParseCountryCode(u.Country2);
  const int continent = place ? place->Continent : 1;
  ContinentBox->setCurrentIndex(continent - 1);
  FillCountries(continent);
  CountryBox->setCurrentIndex(place ? place->Index : 1);
  CountryShort->setText(QString::fromStdString(u.Country1));
  SexBox->setCurrentIndex(u.Sex == "W" ? 1 : 0);
  Registration->setText(QString::fromStdString(u.DateR));
  // The player's tick outlasts a read that began before it and hands back
  // the account as it was.
  if (in && a.RatedPlayAllowed && RatedWanted && !a.RatedGameOpen)
    Club.MutableAccount().State = *RatedWanted ? TAccountState::Rated : TAccountState::LoggedIn;
  RatedBox->setEnabled(a.RatedPlayAllowed && in);
  RatedBox->setChecked(a.State == TAccountState::Rated);
  Members->setText(a.Members >= 0 ? Row(209) + QString::number(a.Members) : QString());
  // My results: only when the record was read.
  const TOrvGame& g = a.Game;
  const QString values[9] = {QStringLiteral("Zembra"), QString::fromStdString(u.Nick), Rating3(g.Rating),
                             QString::number(g.Place), QString::number(g.Kon), QString::number(g.Best),
                             QString::number(g.Sessions), QString::number(g.KonL), QString::number(g.Score)};
  for (size_t i = 0; i < Results.size(); ++i) Results[i]->setText(in && a.GameKnown ? values[i] : QString());
  // The account top ten.
  TopGrid->setRowCount(0);
  for (size_t i = 0; i < a.Top.size(); ++i) {
    const TOrvTop10& t = a.Top[i];
    if (t.Nick.empty() || t.Nick == "#") continue;
    const int r = TopGrid->rowCount();
    TopGrid->insertRow(r);
    TopGrid->setItem(r, 0, new QTableWidgetItem(QString::number(i + 1)));
    TopGrid->setItem(r, 1, new QTableWidgetItem(t.Sex == "W" ? QStringLiteral("\u2640") : QStringLiteral("\u2642")));
    TopGrid->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(t.Nick)));
    TopGrid->setItem(r, 3, new QTableWidgetItem(QString::fromStdString(t.City)));
    TopGrid->setItem(r, 4, new QTableWidgetItem(Rating3(t.Rating)));
  }
  TopGrid->resizeColumnsToContents();
  AboutText->setText(InfoText(a.Info));
  PresidentText->setText(QStringLiteral("<b>%1</b><br>").arg(QString::fromStdString(a.Top[0].Nick).toHtmlEscaped()) +
                         InfoText(a.PresidentInfo));
  Syncing = false;
  EditsChanged();
}

void TFormAccount::LoadPhotos() {
  const std::string base = Club.Addresses().Photo;
  const std::string own = Club.Account().LoggedIn() ? Club.Account().User.Nick : std::string();
  const std::string president = Club.Account().Top[0].Nick;
  Club.Request<std::pair<std::string, std::string>>(
      [base, own, president](const TPost&) {
        auto get = [&](const std::string& nick) {
          return nick.empty() ? std::string() : DownloadPhoto(base, nick).value_or("");
        };
        return std::make_pair(get(own), get(president));
      },
      [this](std::pair<std::string, std::string> photos) {
        auto show = [](QLabel* label, const std::string& bytes, const std::string& sex) {
          QPixmap p;
          if (bytes.empty() || !p.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()), "JPEG"))
            p = DefaultPhoto(sex);
          label->setPixmap(p);
        };
        show(OwnPhoto, photos.first, Club.Account().User.Sex);
        show(PresidentPhoto, photos.second, Club.Account().Top[0].Sex);
      }, this);
}

void TFormAccount::Register() {
  TAccount& a = Club.MutableAccount();
  a.User.Nick = NickEdit->text().toStdString();
  a.User.Pw = PasswordEdit->text().toStdString();
  a.User.City = CityEdit->text().toStdString();
  a.User.EMail = MailEdit->text().toStdString();
  a.User.Sex = SexBox->currentIndex() == 1 ? "W" : "M";
  const bool rated = RatedBox->isChecked() && a.RatedPlayAllowed;
  const std::string today = QDate::currentDate().toString(QLocale().dateFormat(QLocale::ShortFormat)).toStdString();
  auto result = std::make_shared<TRegisterResult>(TRegisterResult::Failed);
  Club.WithAccount([rated, today, result](const TPost& post, TAccount& acc) { *result = RegisterAccount(post, acc, rated, today); },
                   [this, result] {
                     ShowMessage(Row(*result == TRegisterResult::Registered ? 210
                                     : *result == TRegisterResult::NickTaken ? 211
                                                                              : 212));
                     LoadPhotos();
                   }, this);
}

void TFormAccount::LoginOrLogout() {
  if (Club.Account().LoggedIn()) {
    RatedWanted.reset();
    SignOut(Club.MutableAccount());
    OwnPhoto->setPixmap(DefaultPhoto(Club.Account().User.Sex));
    ShowAccount();
    Q_EMIT Club.AccountChanged();
    return;
  }
  const std::string nick = NickEdit->text().toStdString(), pw = PasswordEdit->text().toStdString();
  auto accepted = std::make_shared<bool>(false);
  Club.WithAccount([nick, pw, accepted](const TPost& post, TAccount& a) { *accepted = LoginAccount(post, a, nick, pw); },
                   [this, accepted] {
                     if (!*accepted) ShowMessage(Row(213));
                     LoadPhotos();
                   }, this);
}

void TFormAccount::SaveUserFile() {
  if (Club.SaveUserFile()) EditsChanged();
}

void TFormAccount::DeleteUserFile() {
  Club.DeleteUserFile();
  EditsChanged();
}

}  // namespace zembra

namespace zembra {

bool TFormAccount::eventFilter(QObject* watched, QEvent* event) {
  if (watched == OwnPhoto && event->type() == QEvent::MouseButtonRelease) {
    if (Club.Account().LoggedIn() && !Club.Account().RatedGameOpen) {
      const QString file = ChoosePhotoFile ? ChoosePhotoFile() : QString();
      if (!file.isEmpty()) TakePhoto(file);
    }
    return true;
  }
  return TAuxDialog::eventFilter(watched, event);
}

bool TFormAccount::TakePhoto(const QString& file) {
  // Any picture is made a 200 x 250 JPEG; what is no picture is refused.
  const std::optional<QByteArray> jpeg = PhotoForUpload(file);
  QPixmap shown;
  if (!jpeg || !shown.loadFromData(*jpeg, "JPEG")) {
    ShowMessage(Row(272));
    return false;
  }
  PhotoToSend = *jpeg;
  OwnPhoto->setPixmap(shown);
  PhotoButton->setEnabled(true);
  return true;
}

void TFormAccount::SendPhoto() {
  if (PhotoToSend.isEmpty() || !Club.Account().LoggedIn()) return;
  PhotoButton->setEnabled(false);
  const std::string folder = Club.Addresses().PhotoFtp, base = Club.Addresses().Photo;
  const std::string nick = Club.Account().User.Nick, bytes = PhotoToSend.toStdString();
  Club.Request<std::optional<std::string>>(
      [folder, base, nick, bytes](const TPost&) -> std::optional<std::string> {
        if (!UploadPhoto(folder, nick, bytes)) return std::nullopt;
        return DownloadPhoto(base, nick).value_or("");
      },
      [this](std::optional<std::string> back) {
        if (!back) {
          ShowMessage(Row(273));
          PhotoButton->setEnabled(true);
          return;
        }
        PhotoToSend.clear();
        QPixmap p;
        if (p.loadFromData(reinterpret_cast<const uchar*>(back->data()), static_cast<uint>(back->size()), "JPEG"))
          OwnPhoto->setPixmap(p);
      }, this);
}

void TFormAccount::EditInfo() {
  if (!Club.Account().LoggedIn()) return;
  TFormInfo window(Club, Settings, PackFolder, this);
  window.exec();
  // The president may be the player: his page is read again.
  Club.WithAccount(
      [](const TPost& post, TAccount& a) {
        if (!a.Top[0].Nick.empty() && a.Top[0].Nick != "#") a.PresidentInfo = InfoRead(post, a.Top[0].Nick);
      },
      [this] { LoadPhotos(); }, this);
}

}  // namespace zembra
