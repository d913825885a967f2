// The five calculators the command line knows, by program name.
#pragma once
#include "rechner.h"

#include <string_view>
#include <vector>

const std::vector<const KvRechner*>& kv_alle_rechner();
// nullptr when no calculator has that name.
const KvRechner* kv_rechner_finden(std::string_view name);
