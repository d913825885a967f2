// The calculators by name as every front-end names them: the list of their
// names and the message for a name that is none of them.
#pragma once
#include "alle_rechner.h"

#include <string>
#include <string_view>

// The programs' names in the order of the list, separated by ", ".
std::string kv_programmliste();
KvFehler kv_unbekanntes_programm(std::string_view name);
