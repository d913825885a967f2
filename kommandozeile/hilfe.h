// The text of --help: the options, and the programs with their examples
// from the calculators' descriptions.
#pragma once
#include <string>

std::string kv_hilfe_text();
