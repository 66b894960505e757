#include "media/fluid_song_output.h"

#include <fluidsynth.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/fluid_font_loader.h"
#include "media/sound_font_view.h"

namespace zembra {
namespace {

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// FluidSynth reports every step on the error stream; the song keeps quiet
// unless the synthesizer itself fails.
void QuietLog(int level, const char* message, void*) {
  if (level == FLUID_PANIC) std::fprintf(stderr, "fluidsynth: %s\n", message);
}

void SilenceLog() {
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, &QuietLog, nullptr);
}

}  // namespace

TFluidSongOutput::TFluidSongOutput(std::string soundFont) : SoundFont(std::move(soundFont)) {}

TFluidSongOutput::~TFluidSongOutput() {
  Stop();
  if (Synth) delete_fluid_synth(Synth);
  if (Settings) delete_fluid_settings(Settings);
  if (!FontName.empty()) ForgetFontView(FontName);
}

bool TFluidSongOutput::Open(const std::string& midiPath) {
  std::error_code ec;
  if (Synth || !std::filesystem::is_regular_file(midiPath, ec) || !fluid_is_midifile(midiPath.c_str()))
    return false;
  SilenceLog();
  Settings = new_fluid_settings();
  if (!Settings) return false;
  fluid_settings_setnum(Settings, "synth.sample-rate", 44100.0);
  // Background music under the effects: softer than they are.
  fluid_settings_setnum(Settings, "synth.gain", 0.6);
  // Voices are held ready in memory: the song never sounds more than 48 at
  // once (rendered with 48 it is the same, sample for sample, as with 96).
  fluid_settings_setint(Settings, "synth.polyphony", 48);
  // Only the samples of the instruments the song uses are read.
  fluid_settings_setint(Settings, "synth.dynamic-sample-loading", 1);
  // Long periods: few wake-ups of the sound thread; latency does not matter.
  fluid_settings_setint(Settings, "audio.period-size", 1024);
  fluid_settings_setint(Settings, "audio.periods", 4);
  fluid_settings_setstr(Settings, "audio.pulseaudio.media-role", "music");
  Synth = new_fluid_synth(Settings);
  if (!Synth) return false;
  // The font through a window showing only the presets the song plays;
  // when it cannot be trimmed, the whole font.
  std::string font = SoundFont;
  View = TSoundFontView::Make(SoundFont, SongPresets(FileBytes(midiPath)));
  if (View) {
    FontName = RegisterFontView(View);
    if (fluid_sfloader_t* loader = NewFontViewLoader(Settings)) {
      fluid_synth_add_sfloader(Synth, loader);
      font = FontName;
    }
  }
  if (fluid_synth_sfload(Synth, font.c_str(), 1) == FLUID_FAILED) return false;
  MidiPath = midiPath;
  // The first sound device now, off the window's thread; the later ones
  // open in a few milliseconds.
  return OpenDevice();
}

bool TFluidSongOutput::OpenDevice() {
  if (Device) return true;
  for (const char* driver : {"pulseaudio", "alsa"}) {
    fluid_settings_setstr(Settings, "audio.driver", driver);
    Device = new_fluid_audio_driver(Settings, Synth);
    if (Device) return true;
  }
  return false;
}

void TFluidSongOutput::CloseDevice() {
  if (!Device) return;
  delete_fluid_audio_driver(Device);
  Device = nullptr;
}

bool TFluidSongOutput::Play() {
  if (!Synth) return false;
  if (Player) {
    fluid_player_stop(Player);
    delete_fluid_player(Player);
    Player = nullptr;
  }
  fluid_synth_all_sounds_off(Synth, -1);
  if (!OpenDevice()) return false;
  Player = new_fluid_player(Synth);
  if (!Player || fluid_player_add(Player, MidiPath.c_str()) != FLUID_OK || fluid_player_play(Player) != FLUID_OK) {
    if (Player) delete_fluid_player(Player);
    Player = nullptr;
    return false;
  }
  return true;
}

void TFluidSongOutput::Stop() {
  if (Player) {
    fluid_player_stop(Player);
    delete_fluid_player(Player);
    Player = nullptr;
  }
  if (Synth) fluid_synth_all_sounds_off(Synth, -1);
  CloseDevice();
}

bool TFluidSongOutput::Playing() const {
  return Player && fluid_player_get_status(Player) == FLUID_PLAYER_PLAYING;
}

}  // namespace zembra
