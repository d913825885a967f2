#include "sprache.h"

std::string kv_einsetzen(const char* satz, std::initializer_list<std::string> stuecke)
{
    std::string t;
    for (const char* z = satz; *z; ++z) {
        const size_t n = z[0] == '{' && z[1] >= '1' && z[1] <= '9' && z[2] == '}' ? size_t(z[1] - '1') : stuecke.size();
        if (n < stuecke.size()) {
            t += stuecke.begin()[n];
            z += 2;
        } else {
            t += *z;
        }
    }
    return t;
}
