#include "studie.h"

#include "zahlen.h"

#include <charconv>

double KvVariation::wert(uint64_t k) const
{
    if (k == 0 || anzahl < 2)
        return von;
    if (k == anzahl - 1)
        return bis;
    return von + (bis - von) * static_cast<double>(k) / static_cast<double>(anzahl - 1);
}

bool kv_variation_zerlegen(const std::string& text, KvVariation& v)
{
    const size_t gleich = text.find('=');
    if (gleich == std::string::npos || gleich == 0)
        return false;
    const size_t d1 = text.find(':', gleich + 1);
    const size_t d2 = d1 == std::string::npos ? d1 : text.find(':', d1 + 1);
    if (d2 == std::string::npos || text.find(':', d2 + 1) != std::string::npos)
        return false;
    v.name = text.substr(0, gleich);
    v.von_text = text.substr(gleich + 1, d1 - gleich - 1);
    v.bis_text = text.substr(d1 + 1, d2 - d1 - 1);
    const std::string anzahl = text.substr(d2 + 1);
    if (anzahl.empty() || anzahl.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const auto r = std::from_chars(anzahl.data(), anzahl.data() + anzahl.size(), v.anzahl);
    if (r.ec != std::errc() || v.anzahl < 1)
        return false;
    v.von = kv_zahl_lesen(v.von_text.c_str());
    v.bis = kv_zahl_lesen(v.bis_text.c_str());
    return true;
}

uint64_t kv_studie_punkte(const std::vector<KvVariation>& v)
{
    uint64_t n = 1;
    for (const KvVariation& x : v)
        if (__builtin_mul_overflow(n, x.anzahl, &n))
            return 0;
    return n;
}
