# Unity build (-DKV_EINHEITSBAU=ON, as scripts/test.sh and the Debian
# package build): each library compiles its sources a few at a time in one
# compiler run, so the standard library's and the toolkit's headers are
# read once per batch rather than once per file: kern/ takes 18 instead of
# 32 CPU seconds with GCC, 13 instead of 34 for the WebAssembly module.
# Programs and test programs keep one run per source (most have one, and
# the tests share precompiled headers).
#
# Sources compiled together see each other's file-local names: a file
# defining one that another of its library defines too (pi in an anonymous
# namespace, ...) is compiled alone.  A new such pair fails in the unity
# build only, "redefinition of ... {anonymous}::...": name one of the two
# files here; so too a pair of file-local functions of one name with other
# parameters, which would compile as overloads of each other.  (Sources
# without a group, in CMake's sense, are compiled alone.)
set(kv_einheitsbau_allein
    # pi
    stalor/knickung_diagramm.cpp
    # rechner(), widgets() and the key handler taste() of eingabesaetze.cpp and menue.cpp
    shell/fenster_aus_beschreibung.cpp shell/katalog_dialog.cpp shell/zielwert.cpp shell/zusatz.cpp
    shell/diagrammfenster.cpp
    # json_liste() of ausgabe.cpp, text() of diagramm_aufbau.cpp
    dienste/kataloge.cpp diagramm/diagramm_svg.cpp)

# Every library target below the folder ordner and its subfolders.
function(kv_einheitsbau_ordner ordner)
  get_property(ziele DIRECTORY ${ordner} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(z IN LISTS ziele)
    get_target_property(art ${z} TYPE)
    if(NOT art MATCHES "^(STATIC|OBJECT)_LIBRARY$")
      continue()
    endif()
    # Batches of up to eight sources of one folder: a library of the cores'
    # sources (the tests' kv_kern_ohne_ausnahmen) puts no two calculators'
    # files together, whose file-local names may be the same.
    set_target_properties(${z} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
    get_target_property(quellen ${z} SOURCES)
    get_target_property(quellordner ${z} SOURCE_DIR)
    set(gezaehlt)
    foreach(q IN LISTS quellen)
      if(NOT q MATCHES "[.]cpp$")
        continue()
      endif()
      get_filename_component(pfad ${q} ABSOLUTE BASE_DIR ${quellordner})
      file(RELATIVE_PATH relativ ${CMAKE_SOURCE_DIR} ${pfad})
      if(relativ IN_LIST kv_einheitsbau_allein)
        continue()
      endif()
      get_filename_component(gruppe ${relativ} DIRECTORY)
      string(MAKE_C_IDENTIFIER "${gruppe}" gruppe)
      list(APPEND gezaehlt ${gruppe})
      set(schon ${gezaehlt})
      list(FILTER schon INCLUDE REGEX "^${gruppe}$")
      list(LENGTH schon n)
      math(EXPR stapel "(${n} - 1) / 8")
      set_source_files_properties(${pfad} TARGET_DIRECTORY ${z} PROPERTIES UNITY_GROUP ${gruppe}_${stapel})
    endforeach()
  endforeach()
  get_property(unterordner DIRECTORY ${ordner} PROPERTY SUBDIRECTORIES)
  foreach(u IN LISTS unterordner)
    kv_einheitsbau_ordner(${u})
  endforeach()
endfunction()

# Run at the end of the top folder, every target defined (also in the
# builds that return early from it: the WebAssembly module's, the fuzz
# targets').
function(kv_einheitsbau)
  if(KV_EINHEITSBAU)
    kv_einheitsbau_ordner(${CMAKE_SOURCE_DIR})
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kv_einheitsbau)
