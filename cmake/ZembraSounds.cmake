# zembra_add_sounds(TARGET)
#
# Makes the program's sound effects with tools/sounds/make_sounds.sh (sox)
# at build time into ${CMAKE_BINARY_DIR}/generated/sounds and compiles them
# into TARGET as Qt resources under ":/sounds/" (for example
# ":/sounds/WHodsDo"). Like the pictures, they are made and compiled once,
# into an object library added to every executable that plays them.

function(zembra_add_sounds target)
  if(NOT TARGET zembra_sound_resources)
    find_program(ZEMBRA_SOX sox REQUIRED)
    set(sound_dir "${CMAKE_BINARY_DIR}/generated/sounds")
    set(sound_qrc "${sound_dir}/zembra_sounds.qrc")
    set(sound_cpp "${sound_dir}/qrc_zembra_sounds.cpp")
    set(script "${PROJECT_SOURCE_DIR}/tools/sounds/make_sounds.sh")
    add_custom_command(
      OUTPUT "${sound_qrc}"
      COMMAND sh "${script}" "${sound_dir}"
      DEPENDS "${script}"
      COMMENT "Making the sound effects"
      VERBATIM)
    add_custom_command(
      OUTPUT "${sound_cpp}"
      COMMAND Qt6::rcc --name zembra_sounds --output "${sound_cpp}" "${sound_qrc}"
      DEPENDS "${sound_qrc}" Qt6::rcc
      COMMENT "Compiling the sound effects"
      VERBATIM)
    set_source_files_properties("${sound_cpp}" PROPERTIES
      GENERATED TRUE
      SKIP_AUTOMOC ON
      SKIP_AUTOUIC ON
      SKIP_AUTORCC ON)
    add_library(zembra_sound_resources OBJECT "${sound_cpp}")
    target_link_libraries(zembra_sound_resources PRIVATE Qt6::Core)
    set_target_properties(zembra_sound_resources PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:zembra_sound_resources>)
  add_dependencies(${target} zembra_sound_resources)
endfunction()
