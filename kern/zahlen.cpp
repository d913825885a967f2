#include "zahlen.h"

#include "kuerzeste.h"

#ifndef __wasm__
#include <charconv>
#endif
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

locale_t c_locale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

// Switches the calling thread to the "C" locale while it lives.
class CLocale {
public:
    CLocale() : alt_(uselocale(c_locale())) {}
    ~CLocale() { uselocale(alt_); }
    CLocale(const CLocale&) = delete;
    CLocale& operator=(const CLocale&) = delete;
private:
    locale_t alt_;
};

} // namespace

int kv_erste_fehlstelle(const char* text)
{
    for (int p = 0; text[p] != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(text[p]);
        if (!((c >= '0' && c <= '9') || c == '.'))
            return p + 1;
    }
    return 0;
}

double kv_zahl_lesen(const char* text)
{
    return strtod_l(text, nullptr, c_locale());
}

bool kv_zahl_ganz_lesen(const std::string& text, double& wert)
{
    const size_t ziffer = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (ziffer >= text.size() || !((text[ziffer] >= '0' && text[ziffer] <= '9') || text[ziffer] == '.')
        || text.compare(ziffer, 2, "0x") == 0 || text.compare(ziffer, 2, "0X") == 0)
        return false;
    char* ende = nullptr;
    const double w = strtod_l(text.c_str(), &ende, c_locale());
    if (ende != text.c_str() + text.size() || !std::isfinite(w))
        return false;
    // Too small for a double is no number either, as too large is not.
    if (w == 0 && text.find_first_of("123456789") < text.find_first_of("eE"))
        return false;
    wert = w;
    return true;
}

std::string kv_format(const char* format, double wert)
{
#ifdef __wasm__
    std::string t;
    if (kv_format_ohne_printf(t, format, wert))
        return t;
#endif
    CLocale c;
    // Most texts fit the string's first room: printed once; a longer one
    // is printed again into as much room as it needs.
    std::string s(31, '\0');
    const int n = std::snprintf(s.data(), s.size() + 1, format, wert);
    if (n <= 0)
        return std::string();
    const bool passt = static_cast<size_t>(n) <= s.size();
    s.resize(static_cast<size_t>(n));
    if (!passt)
        std::snprintf(s.data(), s.size() + 1, format, wert);
    return s;
}

bool kv_format_ohne_printf(std::string& s, const char* format, double wert)
{
    const char* prozent = std::strchr(format, '%');
    if (prozent == nullptr)
        return false;
    const char* z = prozent + 1;
    // A "0" in front is a flag (zeros instead of blanks), not a width.
    if (*z == '0')
        return false;
    size_t breite = 0;
    for (; *z >= '0' && *z <= '9' && breite < 1000; ++z)
        breite = breite * 10 + static_cast<size_t>(*z - '0');
    int genauigkeit = 6;
    if (*z == '.')
        for (genauigkeit = 0, ++z; *z >= '0' && *z <= '9' && genauigkeit < 1000; ++z)
            genauigkeit = genauigkeit * 10 + (*z - '0');
    if (*z == 'l')
        ++z;
    const char art = *z;
    if ((art != 'f' && art != 'e' && art != 'g') || std::strchr(z + 1, '%') != nullptr)
        return false;
    const size_t alt = s.size();
    s.append(format, static_cast<size_t>(prozent - format));
    const size_t anfang = s.size();
    if (!kv_gerundet_anhaengen(s, wert, art, genauigkeit)) {
        s.resize(alt);
        return false;
    }
    if (s.size() - anfang < breite)
        s.insert(anfang, breite - (s.size() - anfang), ' ');
    s += z + 1;
    return true;
}

void kv_kurz_anhaengen(std::string& s, double wert)
{
    if (std::isnan(wert))
        s += "nan";
    else
        kv_kuerzeste_anhaengen(s, wert);
}

std::string kv_kurz(double wert)
{
    std::string s;
    kv_kurz_anhaengen(s, wert);
    return s;
}

void kv_sechsstellig_anhaengen(std::string& s, double wert)
{
    if (std::isnan(wert) || wert == 0) {
        s += wert == 0 ? "0" : "nan";
        return;
    }
    const size_t alt = s.size();
#ifdef __wasm__
    // to_chars at a precision would bring libc++'s tables, a quarter of the
    // module: it rounds the shortest digits instead, held against printf
    // and printf against to_chars in tests/kern/test_kuerzeste.cpp.
    if (!kv_gerundet_anhaengen(s, wert, 'g', 6))
        s += kv_format("%.6g", wert);
#else
    // Six digits, a sign, a point and "e-308" need 13 characters.
    s.resize(alt + 16);
    const std::to_chars_result r = std::to_chars(s.data() + alt, s.data() + s.size(), wert,
                                                 std::chars_format::general, 6);
    s.resize(static_cast<size_t>(r.ptr - s.data()));
#endif
    // "e+06" and "e-05" become "e6" and "e-5".
    const size_t e = s.find('e', alt);
    if (e == std::string::npos)
        return;
    size_t ziffern = e + 1;
    if (s[ziffern] == '+')
        s.erase(ziffern, 1);
    else if (s[ziffern] == '-')
        ++ziffern;
    while (s[ziffern] == '0' && ziffern + 1 < s.size())
        s.erase(ziffern, 1);
}

std::string kv_sechsstellig(double wert)
{
    std::string s;
    kv_sechsstellig_anhaengen(s, wert);
    return s;
}

std::string kv_feldtext(double wert)
{
    std::string s;
    kv_kuerzeste_fest_anhaengen(s, wert);
    return s;
}
