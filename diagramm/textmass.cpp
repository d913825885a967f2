#include "textmass.h"

namespace {

double breite(const Textmass& m, const std::string& t, Schrift s)
{
    return m.messen(t, s).breite;
}

// A word wider than a line: as many characters per line as fit, at least one.
void zerteilen(const Textmass& m, const std::string& wort, Schrift s, double breite_max,
               std::vector<std::string>& zeilen, std::string& rest)
{
    rest.clear();
    for (size_t i = 0; i < wort.size();) {
        const size_t anfang = i;
        zeichen_lesen(wort, i);
        const std::string zeichen = wort.substr(anfang, i - anfang);
        if (!rest.empty() && breite(m, rest + zeichen, s) > breite_max) {
            zeilen.push_back(rest);
            rest = zeichen;
        } else {
            rest += zeichen;
        }
    }
}

} // namespace

std::vector<std::string> zeilen_umbrechen(const Textmass& m, const std::string& text, Schrift s,
                                          double breite_max)
{
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    while (true) {
        const size_t ende = text.find('\n', anfang);
        const std::string absatz = text.substr(anfang, ende == std::string::npos ? ende : ende - anfang);
        std::string zeile;
        for (size_t i = 0; i <= absatz.size();) {
            size_t j = absatz.find(' ', i);
            if (j == std::string::npos)
                j = absatz.size();
            const std::string wort = absatz.substr(i, j - i);
            const std::string mit = i == 0 ? wort : zeile + " " + wort;
            if (i == 0 || breite_max <= 0 || breite(m, mit, s) <= breite_max) {
                zeile = mit;
            } else {
                zeilen.push_back(zeile);
                zeile = wort;
            }
            if (breite_max > 0 && breite(m, zeile, s) > breite_max)
                zerteilen(m, std::string(zeile), s, breite_max, zeilen, zeile);
            i = j + 1;
        }
        zeilen.push_back(zeile);
        if (ende == std::string::npos)
            return zeilen;
        anfang = ende + 1;
    }
}

unsigned long zeichen_lesen(const std::string& t, size_t& i)
{
    const unsigned char c = static_cast<unsigned char>(t[i++]);
    const int folgen = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : c >= 0xc0 ? 1 : 0;
    unsigned long z = folgen == 0 ? c : c & (0x3f >> folgen);
    const size_t anfang = i;
    for (int k = 0; k < folgen; ++k) {
        if (i >= t.size() || (static_cast<unsigned char>(t[i]) & 0xc0) != 0x80) {
            i = anfang;
            return c;
        }
        z = (z << 6) | (static_cast<unsigned char>(t[i++]) & 0x3f);
    }
    return z;
}
