// A General MIDI sound font seen through a window that shows only the
// presets a song plays. The synthesizer builds a zone table for every preset
// and instrument it finds (about 2 KB each, several megabytes for a whole
// General MIDI font), so the song's synthesizer reads this view instead of
// the whole file: the same file on disk, its sample data passed through
// untouched, and its preset and instrument tables cut down to what the song
// sounds. Nothing is copied but those small tables.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zembra {

// A preset as the synthesizer picks it: bank 128 is the percussion bank.
struct TSongPreset {
  int Bank = 0;
  int Program = 0;
  friend bool operator==(const TSongPreset&, const TSongPreset&) = default;
  friend auto operator<=>(const TSongPreset&, const TSongPreset&) = default;
};

// The presets that sound in a Standard MIDI File: for every note played, the
// program and bank its channel has at that moment (channel 10 plays from the
// percussion bank). Sorted, each once; empty when the bytes are no MIDI file.
std::vector<TSongPreset> SongPresets(const std::vector<unsigned char>& midi);

// The trimmed font: a byte layout made of pieces of the original file and
// small tables held in memory.
class TSoundFontView {
 public:
  // Null when the file is no SoundFont 2 file that can be read, or holds
  // none of the presets.
  static std::shared_ptr<const TSoundFontView> Make(const std::string& path, const std::vector<TSongPreset>& presets);

  const std::string& Path() const { return FilePath; }
  std::uint64_t Size() const { return Total; }
  int PresetCount() const { return Presets; }
  int InstrumentCount() const { return Instruments; }
  // Copies count bytes from offset of the view, reading the original file
  // through `file` (opened by the caller on Path()); false past the end or
  // when the file cannot be read.
  bool Read(std::FILE* file, std::uint64_t offset, void* buffer, std::uint64_t count) const;

  struct TPiece {
    std::uint64_t At = 0;          // where it starts in the view
    std::uint64_t Length = 0;
    std::int64_t FileOffset = -1;  // where it comes from in the file; -1: Bytes
    std::string Bytes;
  };

 private:
  std::string FilePath;
  std::vector<TPiece> Pieces;
  std::uint64_t Total = 0;
  int Presets = 0;
  int Instruments = 0;
};

}  // namespace zembra
