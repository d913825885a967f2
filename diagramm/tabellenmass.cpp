#include "tabellenmass.h"

#include "dejavu_breiten.h"

#include <algorithm>

namespace {

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
        summe += vorschub(f, zeichen_lesen(t, i));
    return summe * groesse / f.einheiten;
}

} // namespace

Textmasse TabellenMass::messen(const std::string& text, Schrift s, double breite_max) const
{
    const Schriftbreiten& f = s.fett ? DEJAVU_SANS_FETT : DEJAVU_SANS;
    const std::vector<std::string> zeilen = zeilen_umbrechen(*this, text, s, breite_max);
    Textmasse m;
    for (const std::string& z : zeilen)
        m.breite = std::max(m.breite, zeilenbreite(f, z, s.groesse));
    const double zeile = (f.oberlaenge + f.unterlaenge) * s.groesse / f.einheiten;
    m.hoehe = zeile * static_cast<double>(zeilen.size());
    m.grundlinie = f.oberlaenge * s.groesse / f.einheiten;
    return m;
}
