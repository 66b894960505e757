#include "online/info_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "online/account.h"
#include "online/online_club.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {
namespace {

// The boxes in the order of their captions (rows 258..271) and limits.
constexpr int kLimits[14] = {20, 20, 50, 20, 50, 50, 50, 50, 50, 50, 60, 50, 50, 50};

std::array<std::string*, 14> Fields(TInfo14& i) {
  return {&i.Name1,    &i.Name2, &i.About, &i.Telephone, &i.EMailO,   &i.WebSite,    &i.Skype,
          &i.OK,       &i.VK,    &i.Telegram, &i.FaceBook, &i.Twitter, &i.Instagramm, &i.YouTube};
}

}  // namespace

TFormInfo::TFormInfo(TOnlineClub& club, TSettings& settings, const QString& packFolder, QWidget* parent)
    : TAuxDialog(settings, packFolder, parent), Club(club) {
  setWindowTitle(Row(251));
  auto* note = new QLabel(Row(274));
  note->setWordWrap(true);
  Body()->addWidget(note);
  auto* grid = new QGridLayout;
  TInfo14 shown = Club.Account().Info;
  const auto values = Fields(shown);
  for (int i = 0; i < 14; ++i) {
    auto* label = new QLabel(Row(258 + i));
    auto* box = new QLineEdit;
    box->setMaxLength(kLimits[i]);
    box->setAccessibleName(Row(258 + i));
    label->setBuddy(box);
    const std::string& v = *values[static_cast<size_t>(i)];
    box->setText(v == "#" ? QString() : QString::fromStdString(v));
    grid->addWidget(label, i, 0);
    grid->addWidget(box, i, 1);
    Boxes[static_cast<size_t>(i)] = box;
    connect(box, &QLineEdit::textEdited, this, [this] { UpdateButton->setEnabled(!Club.Busy()); });
  }
  Body()->addLayout(grid);
  UpdateButton = new TOrvCardsButton(Row(275));
  UpdateButton->setEnabled(false);
  connect(UpdateButton, &QPushButton::clicked, this, &TFormInfo::Update);
  auto* close = new TOrvCardsButton(Row(159));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(UpdateButton);
  buttons->addWidget(close);
  Body()->addLayout(buttons);
  SetHeading(Row(251));
  resize(520, 640);
}

TInfo14 TFormInfo::Typed() const {
  TInfo14 info;
  const auto fields = Fields(info);
  for (size_t i = 0; i < fields.size(); ++i) *fields[i] = Boxes[i]->text().toStdString();
  return CleanInfo(info);
}

void TFormInfo::Update() {
  if (!Club.Account().LoggedIn()) return;
  UpdateButton->setEnabled(false);
  const TInfo14 info = Typed();
  auto saved = std::make_shared<bool>(false);
  Club.WithAccount(
      [info, saved](const TPost& post, TAccount& a) {
        *saved = InfoSave(post, a.User.Nick, a.User.Pw, info);
        if (*saved) a.Info = InfoRead(post, a.User.Nick);
      },
      [this, saved] {
        // On failure nothing changes: the boxes keep the text to send again.
        if (!*saved) UpdateButton->setEnabled(true);
      }, this);
}

}  // namespace zembra
