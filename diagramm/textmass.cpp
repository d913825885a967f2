#include "textmass.h"

namespace {

double breite(const Textmass& m, const std::string& t, Schrift s)
{
    return m.messen(t, s).breite;
}

// Length of the UTF-8 character starting at t[i].
size_t zeichenlaenge(const std::string& t, size_t i)
{
    const unsigned char c = static_cast<unsigned char>(t[i]);
    const size_t n = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc0 ? 2 : 1;
    return i + n <= t.size() ? n : t.size() - i;
}

// A word wider than a line: as many characters per line as fit, at least one.
void zerteilen(const Textmass& m, const std::string& wort, Schrift s, double breite_max,
               std::vector<std::string>& zeilen, std::string& rest)
{
    rest.clear();
    for (size_t i = 0; i < wort.size();) {
        const size_t n = zeichenlaenge(wort, i);
        const std::string mehr = rest + wort.substr(i, n);
        if (!rest.empty() && breite(m, mehr, s) > breite_max) {
            zeilen.push_back(rest);
            rest = wort.substr(i, n);
        } else {
            rest = mehr;
        }
        i += n;
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
        size_t i = 0;
        while (i <= absatz.size()) {
            size_t j = absatz.find(' ', i);
            if (j == std::string::npos)
                j = absatz.size();
            const std::string wort = absatz.substr(i, j - i);
            const std::string mit = zeile.empty() ? wort : zeile + " " + wort;
            if (zeile.empty() || breite(m, mit, s) <= breite_max) {
                zeile = mit;
            } else {
                zeilen.push_back(zeile);
                zeile = wort;
            }
            if (breite(m, zeile, s) > breite_max)
                zerteilen(m, std::string(zeile), s, breite_max, zeilen, zeile);
            i = j + 1;
        }
        zeilen.push_back(zeile);
        if (ende == std::string::npos)
            return zeilen;
        anfang = ende + 1;
    }
}
