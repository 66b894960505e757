// The main window's side of the internet radio: its availability checked
// once the window shows and again when a pack arrives or the list's source
// changes, the radio on the menu's shelf (at window scales from 1.6), the
// radio window, the start of the radio when the intro ends with the radio
// on, and its state kept at exit.
#include "app/main_window.h"
#include "media/radio.h"
#include "media/radio_pictures.h"
#include "media/radio_shelf.h"
#include "media/radio_window.h"
#include "records/cp1251.h"
#include "resources/link_message.h"
#include "resources/packs.h"
#include "resources/text.h"

namespace zembra {

namespace {

// The shelf's place on the menu at the base window size: the lower left
// corner, between the recent players' buttons and the music player's
// buttons (which start at 430); 204 x 117 at scale 1.67.
constexpr TRect kShelfRect{6, 357, 122, 70};
constexpr double kShelfScale = 1.6;

}  // namespace

void TMainWindow::StartRadio() {
  // Once, after the options, on a window still open.
  if (Radio || !OptionsRead || StartFailed || !isVisible()) return;
  Radio = new TRadio(Folder, MakeRadioStream, this);
  ImRadio = new TRadioShelf(this);
  ImRadio->setAccessibleName(Row(1017));
  ImRadio->hide();
  connect(ImRadio, &QAbstractButton::clicked, this, &TMainWindow::RadioClick);
  connect(Radio, &TRadio::Changed, this, &TMainWindow::ShowRadio);
  connect(Radio, &TRadio::Checked, this, [this] {
    RadioChecked = true;
    if (!IntroShown()) RadioAfterIntro();
  });
  LayOutRadio();
  CheckRadio();
}

void TMainWindow::CheckRadio() {
  if (!Radio) return;
  // A radio pack that has just arrived shows at once.
  if (!ImRadio->HasPictures()) ImRadio->LoadPictures(Folder);
  Radio->CheckAvailability(Settings.RadioListFromServer, Settings.TopTenAddress);
}

void TMainWindow::LayOutRadio() {
  if (!ImRadio) return;
  const TRect r = ScaleRect(kShelfRect, View.Layout.Scale);
  ImRadio->setGeometry(r.X, r.Y, r.W, r.H);
  ShowRadio();
}

void TMainWindow::ShowRadio() {
  if (!ImRadio) return;
  const TRadioState& s = Radio->State();
  ImRadio->SetLamp(!Radio->Available() ? TRadioLamp::Unavailable
                   : s.Playing         ? TRadioLamp::Playing
                                       : TRadioLamp::Silent);
  ImRadio->setToolTip(Row(1017) + QStringLiteral(": ") + QString::fromStdString(Cp1251ToUtf8(s.StationName)));
  ImRadio->setVisible(View.Screen == TScreen::Menu && View.Layout.Scale.S >= kShelfScale && ImRadio->HasPictures());
  UpdateMusic();
}

bool TMainWindow::RadioOn() const { return Radio && Radio->Playing(); }

bool TMainWindow::RadioMissing() {
  if (Radio && Radio->Available()) return false;
  ShowLinkMessage(this, Row(1018),
                  QLatin1String(kRadioListFile) + QStringLiteral(" + ") + QLatin1String(kPackRadio), QString());
  return true;
}

void TMainWindow::RadioClick() {
  if (!Radio || RadioMissing()) return;
  Radio->Toggle();
}

void TMainWindow::OpenRadio() {
  if (!Radio || TableBusy() || RadioMissing()) return;
  PlaySound("WOpenFo");
  TFormRadio window(*Radio, Settings, this);
  RunModal(window);
}

void TMainWindow::RadioAfterIntro() {
  // Once, when the intro has ended and the first check has told whether
  // the radio is there: a radio left on at the last exit plays again, in
  // place of the music.
  if (RadioStarted || !Radio || !RadioChecked || IntroShown()) return;
  RadioStarted = true;
  if (!Radio->Available() || !Radio->Playing()) return;
  Settings.MusicOn = false;
  Radio->SetPlaying(true);
  ShowRadio();
}

void TMainWindow::CloseRadio() {
  if (!Radio) return;
  // Written only once it has been read: a radio that was never available
  // in this run leaves the state of an earlier run as it was.
  if (Radio->CheckedOnce()) Radio->Save();
  Radio->SetPlaying(false);
}

}  // namespace zembra
