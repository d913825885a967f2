// The calculators this build holds, in the order of the list that names
// them (KV_RECHNER in CMakeLists.txt, from which CMake writes it): what the
// command line, the web module and the input sets take them from.
#pragma once
#include "rechner.h"

#include <string_view>
#include <vector>

const std::vector<const KvRechner*>& kv_alle_rechner();
// nullptr when no calculator has that name.
const KvRechner* kv_rechner_finden(std::string_view name);
// Adds a calculator the list does not name (the test build's own) after
// the others.
void kv_rechner_hinzufuegen(const KvRechner& r);
