// The radio's pictures in the radio pack "OrvRadio02.dll": their names,
// sizes, and where they lie on one another. The pack builder draws them to
// these sizes; the main window and the radio window lay them out by them.
#pragma once

#include <array>

namespace zembra::radio_pictures {

struct TBox {
  int X, Y, W, H;
};

// The main window's radio (`ImRadio`): the shelf, the radio standing on
// it, and the lamp on the radio: grey unavailable, red silent, green playing.
inline constexpr const char* kShelf = "GPolkaNw";
inline constexpr const char* kRadioSet = "GRadioA";
inline constexpr const char* kLampOff = "GRadioB";
inline constexpr const char* kLampSilent = "GRadioR";
inline constexpr const char* kLampPlaying = "GRadioG";
inline constexpr TBox kShelfBox{0, 0, 220, 125};
inline constexpr TBox kRadioOnShelf{35, 6, 150, 98};
inline constexpr TBox kLampOnRadio{110, 56, 16, 16};

// The radio window: its own radio picture (playing or silent), the frame
// holding the station's logo and the volume picture.
inline constexpr TBox kWindowRadio{0, 0, 112, 74};
inline constexpr const char* kFrame = "RRADIO_RAMKA";
inline constexpr TBox kFrameBox{0, 0, 150, 124};
inline constexpr TBox kLogoInFrame{10, 10, 130, 70};
inline constexpr TBox kVolumeInFrame{10, 90, 130, 24};

// The logos of the stations in the shipped list; the unknown station's
// logo is shown while a chosen station is looked up.
inline constexpr std::array<const char*, 9> kLogos = {
    "RRADIO_LOGO_ZEMBRA1", "RRADIO_LOGO_ZEMBRA2", "RRADIO_LOGO_ZEMBRA3", "RRADIO_LOGO_RADIOUN", "RRADIO_LOGO_NEWS",
    "RRADIO_LOGO_CLASSIC", "RRADIO_LOGO_CULTURE", "RRADIO_LOGO_POP",     "RRADIO_LOGO_JAZZ",
};

}  // namespace zembra::radio_pictures
