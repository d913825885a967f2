# Fills in a translated manual page as the German one is filled in when
# configuring: version, date, installed paths and "See also", from the values
# the configuration wrote for that page.
#   cmake -DWERTE=<build>/man/werte/<page>.cmake -DVORLAGE=<translated page>.in
#         -DZIEL=<page> -P handbuchseite_einsetzen.cmake
include(${WERTE})
configure_file(${VORLAGE} ${ZIEL} @ONLY)
