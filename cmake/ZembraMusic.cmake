# The program's music, made at build time from our own arrangements of
# public-domain tunes (tools/music/make_music.py, with python3-mido):
#
# zembra_add_music(TARGET) compiles the built-in song into TARGET as the Qt
# resource ":/music/MidiSong" (one object library for every executable).
#
# The target zembra-music renders the club service's pieces with FluidSynth
# and lame into ${CMAKE_BINARY_DIR}/music: "Artist~Title.mp3" and the
# playlist "_playlist.html"; ./run.sh installs them into the service's
# musik folder.

# The system's Python, where Debian's mido is installed.
find_program(ZEMBRA_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(ZEMBRA_MUSIC_MIDI_DIR "${CMAKE_BINARY_DIR}/generated/music")
set(ZEMBRA_MUSIC_DIR "${CMAKE_BINARY_DIR}/music")
set(ZEMBRA_SOUND_FONT /usr/share/sounds/sf2/TimGM6mb.sf2)
set(_music_scripts "${PROJECT_SOURCE_DIR}/tools/music/make_music.py" "${PROJECT_SOURCE_DIR}/tools/music/score.py")
add_custom_command(
  OUTPUT "${ZEMBRA_MUSIC_MIDI_DIR}/MidiSong.mid" "${ZEMBRA_MUSIC_MIDI_DIR}/tracks/order.txt"
  COMMAND "${ZEMBRA_SYSTEM_PYTHON}" -B "${PROJECT_SOURCE_DIR}/tools/music/make_music.py" "${ZEMBRA_MUSIC_MIDI_DIR}"
  DEPENDS ${_music_scripts}
  COMMENT "Writing the music (MIDI)"
  VERBATIM)

function(zembra_add_music target)
  if(NOT TARGET zembra_music_resources)
    set(qrc "${ZEMBRA_MUSIC_MIDI_DIR}/zembra_music.qrc")
    set(cpp "${ZEMBRA_MUSIC_MIDI_DIR}/qrc_zembra_music.cpp")
    file(CONFIGURE OUTPUT "${qrc}" CONTENT
      "<RCC>\n  <qresource prefix=\"/music\">\n    <file alias=\"MidiSong\">MidiSong.mid</file>\n  </qresource>\n</RCC>\n")
    add_custom_command(
      OUTPUT "${cpp}"
      COMMAND Qt6::rcc --name zembra_music --output "${cpp}" "${qrc}"
      DEPENDS "${qrc}" "${ZEMBRA_MUSIC_MIDI_DIR}/MidiSong.mid" Qt6::rcc
      COMMENT "Compiling the built-in song"
      VERBATIM)
    set_source_files_properties("${cpp}" PROPERTIES GENERATED TRUE SKIP_AUTOMOC ON SKIP_AUTOUIC ON SKIP_AUTORCC ON)
    add_library(zembra_music_resources OBJECT "${cpp}")
    target_link_libraries(zembra_music_resources PRIVATE Qt6::Core)
    set_target_properties(zembra_music_resources PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:zembra_music_resources>)
  add_dependencies(${target} zembra_music_resources)
endfunction()

find_program(ZEMBRA_FLUIDSYNTH fluidsynth)
find_program(ZEMBRA_LAME lame)
find_program(ZEMBRA_SOX sox)
if(ZEMBRA_FLUIDSYNTH AND ZEMBRA_LAME AND ZEMBRA_SOX)
  add_custom_command(
    OUTPUT "${ZEMBRA_MUSIC_DIR}/_playlist.html"
    COMMAND sh "${PROJECT_SOURCE_DIR}/tools/music/render_tracks.sh" "${ZEMBRA_MUSIC_MIDI_DIR}/tracks"
      "${ZEMBRA_MUSIC_DIR}" "${ZEMBRA_SOUND_FONT}"
    DEPENDS "${ZEMBRA_MUSIC_MIDI_DIR}/tracks/order.txt" "${PROJECT_SOURCE_DIR}/tools/music/render_tracks.sh"
    COMMENT "Rendering the club's music (FluidSynth, lame)"
    VERBATIM)
  add_custom_target(zembra-music ALL DEPENDS "${ZEMBRA_MUSIC_DIR}/_playlist.html")
endif()
