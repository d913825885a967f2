#include "rechnernamen.h"

#include <algorithm>
#include <vector>

// The names of the list, in its order (written by CMake).
std::vector<std::string_view> kv_rechnernamen_der_liste();

namespace {

std::vector<std::string_view>& namen()
{
    static std::vector<std::string_view> n = kv_rechnernamen_der_liste();
    return n;
}

} // namespace

bool kv_rechnername_bekannt(std::string_view name)
{
    return std::find(namen().begin(), namen().end(), name) != namen().end();
}

void kv_rechnername_hinzufuegen(const char* name) { namen().push_back(name); }
