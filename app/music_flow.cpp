// The main window's side of the music: the built-in song plays in the
// intro and the menu while music is on and gives way to a deal and to the
// streamed music; the online music player's buttons show on the menu.
#include <QDir>

#include "app/main_window.h"
#include "media/built_in_song.h"
#include "media/fluid_song_output.h"
#include "media/online_player.h"
#include "online/service_addresses.h"
#include "resources/text.h"

namespace zembra {

void TMainWindow::StartMusic() {
  // Once, after the options, on a window still open, and not when the
  // start-up has failed.
  if (BuiltInSong || !OptionsRead || StartFailed || !isVisible()) return;
  OnlinePlayer = new TOnlinePlayer(this, MakeTrackStream);
  LayOutMusic();
  connect(OnlinePlayer, &TOnlinePlayer::Arrived, this, &TMainWindow::UpdateMusic);
  connect(OnlinePlayer, &TOnlinePlayer::PlayingChanged, this, &TMainWindow::UpdateMusic);
  // The playlist from the club service behind the options' records address.
  std::string base = ServiceBaseOf(Settings.TopTenAddress);
  if (base.empty()) base = ServiceBaseOf(BuiltInAddress(TServiceAddress::ServiceFile));
  OnlinePlayer->Fetch(base);

  std::unique_ptr<TSongOutput> output = MakeSongOutput ? MakeSongOutput() : std::make_unique<TFluidSongOutput>();
  BuiltInSong = new TBuiltInSong(std::move(output), this);
  if (BuiltInSong->Prepare(QDir::tempPath()) == TBuiltInSong::TPrepared::WriteFailed) ShowMessage(Row(98));
  UpdateMusic();
}

void TMainWindow::UpdateMusic() {
  const bool atTable = View.Screen == TScreen::Table;
  if (OnlinePlayer) OnlinePlayer->SetOnMenu(View.Screen == TScreen::Menu);
  if (BuiltInSong)
    BuiltInSong->SetWanted(Settings.MusicOn, atTable, (OnlinePlayer && OnlinePlayer->Playing()) || RadioOn());
}

void TMainWindow::LayOutMusic() {
  if (!OnlinePlayer) return;
  const TScale sc = View.Layout.Scale;
  OnlinePlayer->Place([&sc](const QRect& r) {
    const TRect t = ScaleRect({r.x(), r.y(), r.width(), r.height()}, sc);
    return QRect(t.X, t.Y, t.W, t.H);
  });
}

void TMainWindow::CloseMusic() {
  // The song stops and its file goes; the streamed music stops with the window.
  if (BuiltInSong) BuiltInSong->Close();
  if (OnlinePlayer && OnlinePlayer->Playing()) OnlinePlayer->PlayPause();
}

}  // namespace zembra
