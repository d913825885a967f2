#include "tabellenmass.h"

#include "dejavu_breiten.h"

#include <algorithm>

namespace {

// The code point starting at t[i]; i moves past it.  A broken sequence
// counts as its first byte.
unsigned long zeichen(const std::string& t, size_t& i)
{
    const unsigned char c = static_cast<unsigned char>(t[i++]);
    const int folgen = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : c >= 0xc0 ? 1 : 0;
    unsigned long z = folgen == 0 ? c : c & (0x3f >> folgen);
    for (int k = 0; k < folgen; ++k) {
        if (i >= t.size() || (static_cast<unsigned char>(t[i]) & 0xc0) != 0x80)
            return c;
        z = (z << 6) | (static_cast<unsigned char>(t[i++]) & 0x3f);
    }
    return z;
}

int vorschub(const Schriftbreiten& f, unsigned long z)
{
    const auto passt = [](const Zeichenbreite& b, unsigned long w) { return b.zeichen < w; };
    auto it = std::lower_bound(f.breiten.begin(), f.breiten.end(), z, passt);
    if (it == f.breiten.end() || it->zeichen != z)
        it = std::lower_bound(f.breiten.begin(), f.breiten.end(), '?', passt);
    return it->breite;
}

double zeilenbreite(const Schriftbreiten& f, const std::string& t, double groesse)
{
    long summe = 0;
    for (size_t i = 0; i < t.size();)
        summe += vorschub(f, zeichen(t, i));
    return summe * groesse / f.einheiten;
}

} // namespace

Textmasse TabellenMass::messen(const std::string& text, Schrift s, double breite_max) const
{
    const Schriftbreiten& f = s.fett ? DEJAVU_SANS_FETT : DEJAVU_SANS;
    std::vector<std::string> zeilen;
    if (breite_max > 0) {
        zeilen = zeilen_umbrechen(*this, text, s, breite_max);
    } else {
        size_t anfang = 0, ende;
        while ((ende = text.find('\n', anfang)) != std::string::npos) {
            zeilen.push_back(text.substr(anfang, ende - anfang));
            anfang = ende + 1;
        }
        zeilen.push_back(text.substr(anfang));
    }
    Textmasse m;
    for (const std::string& z : zeilen)
        m.breite = std::max(m.breite, zeilenbreite(f, z, s.groesse));
    const double zeile = (f.oberlaenge + f.unterlaenge) * s.groesse / f.einheiten;
    m.hoehe = zeile * static_cast<double>(zeilen.size());
    m.grundlinie = f.oberlaenge * s.groesse / f.einheiten;
    return m;
}
