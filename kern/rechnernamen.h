// The names of the calculators this build holds, without their
// descriptions: enough for an input set to tell another calculator's set
// from a foreign file, without a window linking every calculator.
#pragma once
#include <string_view>

bool kv_rechnername_bekannt(std::string_view name);
// A calculator the list does not name (the test build's own); the registry
// adds its name with it.
void kv_rechnername_hinzufuegen(const char* name);
