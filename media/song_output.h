// Where the built-in song is heard: a MIDI file played from its start,
// stopped, and asked whether it still plays. Opening may take a while (a
// synthesizer and its sound font), so the song opens it off the window's
// thread; the other calls come from the window's thread.
#pragma once

#include <string>

namespace zembra {

class TSongOutput {
 public:
  virtual ~TSongOutput() = default;
  // Makes the output ready for the MIDI file; false when it cannot play it
  // (no synthesizer, no sound font, no sound device, no such file).
  virtual bool Open(const std::string& midiPath) = 0;
  // Plays the file from its start; false when it cannot.
  virtual bool Play() = 0;
  // Silences it at once; the sound device is let go until the next Play.
  virtual void Stop() = 0;
  // True from Play until the song has ended or was stopped.
  virtual bool Playing() const = 0;
};

}  // namespace zembra
