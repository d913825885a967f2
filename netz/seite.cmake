# Puts the page together as one file: the template netz/seite.html with the
# style, the two scripts and the module gzipped as base64 put in, and the
# Content-Security-Policy allowing exactly these scripts and this style by
# their SHA-256.
#   cmake -DVORLAGE=seite.html -DSTIL=seite.css -DGLUE=maschinenelemente.js
#         -DSEITE=seite.js -DMODUL=maschinenelemente.wasm -DAUS=x.html -P seite.cmake
cmake_minimum_required(VERSION 3.16)
foreach(v VORLAGE STIL GLUE SEITE MODUL AUS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "seite.cmake: ${v} fehlt")
  endif()
endforeach()

# A SHA-256 as a CSP source: 'sha256-' and the digest in base64.
function(csp_hash text ergebnis)
  set(zeichen "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  string(SHA256 hex "${text}")
  # 32 bytes: ten groups of three and two bytes left, padded with "=".
  string(APPEND hex "00")
  set(b64 "")
  foreach(i RANGE 0 10)
    math(EXPR von "${i} * 6")
    string(SUBSTRING "${hex}" ${von} 6 gruppe)
    math(EXPR n "0x${gruppe}")
    foreach(schiebe 18 12 6 0)
      math(EXPR k "(${n} >> ${schiebe}) & 63")
      string(SUBSTRING "${zeichen}" ${k} 1 c)
      string(APPEND b64 "${c}")
    endforeach()
  endforeach()
  string(SUBSTRING "${b64}" 0 43 b64)
  set(${ergebnis} "'sha256-${b64}='" PARENT_SCOPE)
endfunction()

file(READ "${VORLAGE}" seite)
file(READ "${STIL}" stil)
file(READ "${GLUE}" glue)
file(READ "${SEITE}" skript)
# The module for node too ends with its export; the page needs no module.
string(REPLACE "if (typeof module !== 'undefined') module.exports = maschinenelemente;" "" glue "${glue}")
# The module gzipped (the browser unpacks it with its DecompressionStream),
# then as base64.
execute_process(COMMAND gzip -9 -n -c "${MODUL}" COMMAND base64 -w 0
                OUTPUT_VARIABLE modul RESULTS_VARIABLE status)
if(NOT status STREQUAL "0;0")
  message(FATAL_ERROR "gzip | base64 ${MODUL}: ${status}")
endif()

csp_hash("${glue}" h_glue)
csp_hash("${skript}" h_skript)
csp_hash("${stil}" h_stil)
# Each marker once, the texts put in last to first so none is searched again.
string(REPLACE "@SKRIPTE@" "${h_glue} ${h_skript}" seite "${seite}")
string(REPLACE "@STIL@" "${h_stil}" seite "${seite}")
foreach(paar "@CSS@;stil" "@MODUL@;modul" "@MASCHINENELEMENTE_JS@;glue" "@SEITE_JS@;skript")
  list(GET paar 0 marke)
  list(GET paar 1 var)
  string(FIND "${seite}" "${marke}" stelle)
  string(SUBSTRING "${seite}" 0 ${stelle} vorne)
  string(LENGTH "${marke}" l)
  math(EXPR stelle "${stelle} + ${l}")
  string(SUBSTRING "${seite}" ${stelle} -1 hinten)
  set(seite "${vorne}${${var}}${hinten}")
endforeach()
file(WRITE "${AUS}.neu" "${seite}")
file(RENAME "${AUS}.neu" "${AUS}")
