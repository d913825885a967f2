# A calculator is its folder: its CMakeLists.txt makes one call
#
#   kv_rechner(NAME KERN quellen... [FENSTER quellen...]
#              [EINGABESATZ "Input set for ..." "Eingabesatz fuer ..."] [NICHT_AUSGELIEFERT])
#
# KERN: its plain C++ for every front-end (computation and report, its
# description NAME_rechner, its diagram, its catalogue rules) as the library
# NAME_kern.  FENSTER: its window layer defining NAME_programm, as NAME_gtk;
# without it the shell builds the window from the description alone.  The
# program NAME is the shell with that window.  EINGABESATZ: how a file
# manager names its input sets, in English and German (the MIME type
# application/x-maschinenelemente-NAME).  NICHT_AUSGELIEFERT: a calculator
# of the test build, without program.  The list KV_RECHNER names
# the calculators; the registry (kv_rechnerliste) and every loop over
# calculators take them from there.
function(kv_rechner name)
  cmake_parse_arguments(PARSE_ARGV 1 kv "NICHT_AUSGELIEFERT" "" "KERN;FENSTER;EINGABESATZ")
  add_library(${name}_kern ${kv_art} ${kv_KERN})
  target_include_directories(${name}_kern PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_kern PUBLIC kv_kern kv_katalog kv_diagramm_daten m)
  list(TRANSFORM kv_KERN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set_property(GLOBAL APPEND PROPERTY KV_KERN_QUELLEN ${kv_KERN})
  set_property(GLOBAL APPEND PROPERTY KV_KERN_ORDNER ${CMAKE_CURRENT_SOURCE_DIR})
  # Its window's texts go into the translations' template beside its core's.
  list(TRANSFORM kv_FENSTER PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE fenster_quellen)
  set_property(GLOBAL APPEND PROPERTY KV_FENSTER_QUELLEN ${fenster_quellen})
  set_property(GLOBAL PROPERTY KV_EINGABESATZ_${name} ${kv_EINGABESATZ})
  # Its own tests, if its folder adds any, get their time limits.
  cmake_language(DEFER CALL kv_fristen_und_bildschirm)
  if(KV_FUZZ OR KV_WASM)
    return()
  endif()
  set(KV_PROGRAMM ${name})
  if(kv_FENSTER)
    add_library(${name}_gtk STATIC ${kv_FENSTER})
  else()
    configure_file(${PROJECT_SOURCE_DIR}/shell/programm_aus_beschreibung.cpp.in ${name}_programm.cpp @ONLY)
    add_library(${name}_gtk STATIC ${CMAKE_CURRENT_BINARY_DIR}/${name}_programm.cpp)
  endif()
  target_link_libraries(${name}_gtk PUBLIC ${name}_kern kv_shell)
  if(kv_NICHT_AUSGELIEFERT)
    return()
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/shell/main.cpp.in ${name}_main.cpp @ONLY)
  add_executable(${name} ${CMAKE_CURRENT_BINARY_DIR}/${name}_main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_gtk)
endfunction()

# The registry of the calculators in liste, in its order: the library ziel
# with the source CMake writes from the list (kern/alle_rechner_liste.cpp.in),
# and beneath it ziel_namen, their names alone (kern/rechnernamen_liste.cpp.in).
function(kv_rechnerliste ziel)
  set(KV_RECHNER_EXTERN "")
  set(adressen "")
  set(namen "")
  foreach(r IN LISTS ARGN)
    string(APPEND KV_RECHNER_EXTERN "extern const KvRechner ${r}_rechner;\n")
    list(APPEND adressen "&${r}_rechner")
    list(APPEND namen "\"${r}\"")
  endforeach()
  list(JOIN adressen ", " KV_RECHNER_ADRESSEN)
  list(JOIN namen ", " KV_RECHNER_NAMEN)
  configure_file(${PROJECT_SOURCE_DIR}/kern/rechnernamen_liste.cpp.in ${ziel}_namen.cpp @ONLY)
  add_library(${ziel}_namen ${kv_art} ${PROJECT_SOURCE_DIR}/kern/rechnernamen.cpp
              ${CMAKE_CURRENT_BINARY_DIR}/${ziel}_namen.cpp)
  target_include_directories(${ziel}_namen PUBLIC ${PROJECT_SOURCE_DIR}/kern)
  configure_file(${PROJECT_SOURCE_DIR}/kern/alle_rechner_liste.cpp.in ${ziel}.cpp @ONLY)
  add_library(${ziel} ${kv_art} ${PROJECT_SOURCE_DIR}/kern/alle_rechner.cpp ${CMAKE_CURRENT_BINARY_DIR}/${ziel}.cpp)
  target_link_libraries(${ziel} PUBLIC ${ziel}_namen)
  foreach(r IN LISTS ARGN)
    target_link_libraries(${ziel} PUBLIC ${r}_kern)
  endforeach()
endfunction()
