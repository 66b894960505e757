// The built-in song through FluidSynth: a General MIDI synthesizer with a
// small sound font (Debian's TimGM6mb, about 6 MB, seen through a view that
// holds only the presets the song plays, their samples read when first
// played) and the system's sound server
// (PulseAudio, else ALSA). The sound device is held only while the song
// plays, so a silent synthesizer costs no processor time.
#pragma once

#include <memory>
#include <string>

#include "media/song_output.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct _fluid_player_t;

namespace zembra {

class TSoundFontView;

inline constexpr const char* kSongSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class TFluidSongOutput : public TSongOutput {
 public:
  explicit TFluidSongOutput(std::string soundFont = kSongSoundFont);
  ~TFluidSongOutput() override;
  TFluidSongOutput(const TFluidSongOutput&) = delete;
  TFluidSongOutput& operator=(const TFluidSongOutput&) = delete;

  bool Open(const std::string& midiPath) override;
  bool Play() override;
  void Stop() override;
  bool Playing() const override;

 private:
  bool OpenDevice();
  void CloseDevice();

  std::string SoundFont;
  std::string MidiPath;
  std::shared_ptr<const TSoundFontView> View;
  std::string FontName;
  _fluid_hashtable_t* Settings = nullptr;
  _fluid_synth_t* Synth = nullptr;
  _fluid_audio_driver_t* Device = nullptr;
  _fluid_player_t* Player = nullptr;
};

}  // namespace zembra
