# The catalogues of po/ for a program without gettext (the WebAssembly
# module): each language of po/LINGUAS compiled by msgfmt (without the hash
# table, which the reader does not need) and written as bytes into one C++
# source, kv_eingebettete_sprachen (kern/sprache_eingebettet.h).  Made again
# whenever a catalogue changes: it takes whatever po/<code>.po holds.  Further
# catalogues, compiled already, follow those of po/LINGUAS (the test page's
# pseudo-language).
#   kv_sprachen_einbetten(<C++ source to write> [<code>=<catalogue.mo> ...])
function(kv_sprachen_einbetten ausgabe)
  find_program(KV_MSGFMT msgfmt REQUIRED)
  set(po ${PROJECT_SOURCE_DIR}/po)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${po}/LINGUAS)
  file(STRINGS ${po}/LINGUAS sprachen REGEX "^[^#]")
  get_filename_component(ordner ${ausgabe} DIRECTORY)
  set(kataloge)
  set(mo_dateien)
  foreach(sprache IN LISTS sprachen)
    set(mo ${ordner}/${sprache}.mo)
    add_custom_command(OUTPUT ${mo}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ordner}
      COMMAND ${KV_MSGFMT} --check --no-hash -o ${mo} ${po}/${sprache}.po
      DEPENDS ${po}/${sprache}.po
      COMMENT "Catalogue ${sprache} for embedding")
    list(APPEND kataloge "${sprache}=${mo}")
    list(APPEND mo_dateien ${mo})
  endforeach()
  foreach(weitere IN LISTS ARGN)
    string(REGEX MATCH "^([^=]+)=(.+)$" gefunden "${weitere}")
    if(NOT gefunden)
      message(FATAL_ERROR "kv_sprachen_einbetten: ${weitere} is not <code>=<catalogue.mo>")
    endif()
    list(APPEND sprachen ${CMAKE_MATCH_1})
    list(APPEND kataloge "${weitere}")
    list(APPEND mo_dateien ${CMAKE_MATCH_2})
  endforeach()
  string(REPLACE ";" "," kataloge "${kataloge}")
  add_custom_command(OUTPUT ${ausgabe}
    COMMAND ${CMAKE_COMMAND} -DKATALOGE=${kataloge} -DAUS=${ausgabe}
            -P ${PROJECT_SOURCE_DIR}/netz/sprachen_schreiben.cmake
    DEPENDS ${mo_dateien} ${PROJECT_SOURCE_DIR}/netz/sprachen_schreiben.cmake
    COMMENT "Embedded catalogues ${sprachen}")
endfunction()
