# zembra_add_art(TARGET)
#
# Draws every built-in picture with zembra-artgen at build time into
# ${CMAKE_BINARY_DIR}/generated/art and compiles them into TARGET as Qt
# resources under ":/art/" (for example ":/art/Ch09.png").
#
# The pictures are drawn and compiled once: the first call sets up the
# drawing step and an object library `zembra_art_resources` holding the
# compiled pictures. Each call adds that library's object to TARGET. Call it
# for every executable that shows the pictures. TARGET should be an
# executable: the resource data registers itself from a static initialiser,
# which a static library could drop when it links (in that case call
# Q_INIT_RESOURCE(zembra_art) from the program).
#
# The card faces come from ZEMBRA_CARD_DECK_SVG (Debian package
# kdegames-card-data-kf5) and the title lettering from ZEMBRA_TITLE_FONT
# (fonts-comic-neue). tools/artgen/CMakeLists.txt sets both.

function(zembra_add_art target)
  if(NOT TARGET zembra-artgen)
    message(FATAL_ERROR "zembra_add_art: the zembra-artgen target must be defined first (add_subdirectory(tools/artgen))")
  endif()

  if(NOT TARGET zembra_art_resources)
    foreach(input IN ITEMS "${ZEMBRA_CARD_DECK_SVG}" "${ZEMBRA_TITLE_FONT}")
      if(NOT EXISTS "${input}")
        message(FATAL_ERROR "zembra_add_art: ${input} is missing; install kdegames-card-data-kf5 and fonts-comic-neue")
      endif()
    endforeach()

    set(art_dir "${CMAKE_BINARY_DIR}/generated/art")
    set(art_qrc "${art_dir}/zembra_art.qrc")
    set(art_stamp "${art_dir}/zembra_art.stamp")
    set(art_cpp "${art_dir}/qrc_zembra_art.cpp")

    # One run writes every PNG and the .qrc, then checks them. The stamp
    # marks a complete run.
    add_custom_command(
      OUTPUT "${art_qrc}" "${art_stamp}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${art_dir}"
      COMMAND zembra-artgen --deck "${ZEMBRA_CARD_DECK_SVG}" --font "${ZEMBRA_TITLE_FONT}" "${art_dir}"
      COMMAND "${CMAKE_COMMAND}" -E touch "${art_stamp}"
      DEPENDS zembra-artgen "${ZEMBRA_CARD_DECK_SVG}" "${ZEMBRA_TITLE_FONT}"
      COMMENT "Drawing the built-in pictures"
      VERBATIM)

    # The list of PNGs is known only after the run, so rcc depends on the
    # stamp and not on each picture. PNG data is already compressed.
    add_custom_command(
      OUTPUT "${art_cpp}"
      COMMAND Qt6::rcc --name zembra_art --no-compress --output "${art_cpp}" "${art_qrc}"
      DEPENDS "${art_stamp}" "${art_qrc}" Qt6::rcc
      COMMENT "Compiling the built-in pictures"
      VERBATIM)
    set_source_files_properties("${art_cpp}" PROPERTIES
      GENERATED TRUE
      SKIP_AUTOMOC ON
      SKIP_AUTOUIC ON
      SKIP_AUTORCC ON)

    add_library(zembra_art_resources OBJECT "${art_cpp}")
    target_link_libraries(zembra_art_resources PRIVATE Qt6::Core)
    set_target_properties(zembra_art_resources PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()

  target_sources(${target} PRIVATE $<TARGET_OBJECTS:zembra_art_resources>)
  add_dependencies(${target} zembra_art_resources)
endfunction()
