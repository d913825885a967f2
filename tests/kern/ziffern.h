// A field text as its significant digits and the power of ten of the last
// one, for the search tests: "14.920" is 1492 * 10^-2, "3500" 35 * 10^2.
#pragma once
#include <algorithm>
#include <string>
#include <utility>

inline std::pair<std::string, int> ziffern_und_stelle(const std::string& t)
{
    const size_t punkt = t.find('.');
    std::string z = t;
    int k = 0;
    if (punkt != std::string::npos) {
        z.erase(punkt, 1);
        k = -static_cast<int>(t.size() - punkt - 1);
    }
    z.erase(0, std::min(z.find_first_not_of('0'), z.size()));
    for (; z.size() > 1 && z.back() == '0'; ++k)
        z.pop_back();
    return {z, k};
}
