#include "rechengang_text.h"

#include "sprache.h"
#include "zahlen.h"

#include <algorithm>

const char* const KV_RECHENGANG_TITEL = N_("Rechengang");
const char* const KV_RECHENGANG_ERKLAERUNG =
    N_("In der Reihenfolge der Rechnung: Formel, Formel mit eingesetzten Zahlen und Wert, "
       "wie das Programm rechnet (mit seinem eigenen Wert von pi). Die Zahlen sind auf "
       "sechs signifikante Stellen gerundet; das Programm rechnet mit allen Stellen.");
const char* const KV_PRUEFUNGEN_TITEL = N_("Pruefungen");

namespace {

// Characters, not bytes, of a UTF-8 text.
size_t zeichen(const std::string& t)
{
    size_t n = 0;
    for (const char c : t)
        n += (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    return n;
}

// Every line of t after einzug.
std::string eingerueckt(const std::string& t, const std::string& einzug)
{
    std::string aus = einzug;
    for (const char c : t) {
        aus += c;
        if (c == '\n')
            aus += einzug;
    }
    return aus;
}

// A value of the working or a check to six digits, as the working puts its
// numbers in (genau: every digit it has), with its unit in the reader's
// language ("Grad C"); "1" (dimensionless) is not written.
std::string mit_einheit(double wert, const std::string& einheit, bool genau = false)
{
    std::string t = genau ? kv_kurz(wert) : kv_sechsstellig(wert);
    if (!einheit.empty() && einheit != "1")
        t += " " + std::string(_(einheit.c_str()));
    return t;
}

} // namespace

std::vector<std::string> kv_schritt_zeilen(const KvSchritt& s)
{
    return {"= " + s.formel, "= " + s.eingesetzt, "= " + mit_einheit(s.wert, s.einheit)};
}

std::string kv_pruefung_zeile(const KvPruefung& p)
{
    std::string zeile;
    // A value just past its limit would read the same to six digits; then
    // both with every digit, so that the verdict can be seen.
    const bool genau = p.wert != p.grenze && kv_sechsstellig(p.wert) == kv_sechsstellig(p.grenze);
    if (p.mit_grenze)
        zeile = kv_einsetzen(p.erfuellt ? _("{1} {2} {3}: erfuellt")
                                        : _("{1} {2} {3}: nicht erfuellt"),
                             {mit_einheit(p.wert, p.einheit, genau), p.vergleich,
                              mit_einheit(p.grenze, p.einheit, genau)});
    else if (!p.einheit.empty())
        zeile = mit_einheit(p.wert, p.einheit);
    if (!p.bemerkung.empty())
        zeile += (zeile.empty() ? "" : "\n") + std::string(_(p.bemerkung.c_str()));
    return zeile;
}

namespace {

// The steps and checks of one frame: "" the window's, or the addition's.
std::string rechengang_teil(const KvRechengang& g, const std::string& rahmen)
{
    std::string t;
    const auto dabei = [&](const auto& x) { return x.rahmen == rahmen; };
    if (std::any_of(g.schritte.begin(), g.schritte.end(), dabei)) {
        t += std::string(_(KV_RECHENGANG_TITEL)) + "\n";
        if (rahmen.empty())
            t += std::string(_(KV_RECHENGANG_ERKLAERUNG)) + "\n";
        for (const KvSchritt& s : g.schritte) {
            if (!dabei(s))
                continue;
            const std::string einzug(zeichen(s.symbol) + 1, ' ');
            const std::vector<std::string> zeilen = kv_schritt_zeilen(s);
            t += "\n" + s.symbol;
            for (size_t k = 0; k < zeilen.size(); ++k)
                t += (k == 0 ? std::string(" ") : einzug) + zeilen[k] + "\n";
        }
    }
    if (std::any_of(g.pruefungen.begin(), g.pruefungen.end(), dabei)) {
        t += std::string(t.empty() ? "" : "\n") + _(KV_PRUEFUNGEN_TITEL) + "\n";
        for (const KvPruefung& p : g.pruefungen) {
            if (!dabei(p))
                continue;
            t += "\n" + std::string(_(p.text.c_str())) + "\n";
            if (const std::string z = kv_pruefung_zeile(p); !z.empty())
                t += eingerueckt(z, "    ") + "\n";
        }
    }
    return t;
}

} // namespace

std::string kv_rechengang_text(const KvRechengang& g)
{
    std::string t = rechengang_teil(g, "");
    // The addition's after the window's, under its caption.
    std::string zusatz;
    for (const KvSchritt& s : g.schritte)
        if (zusatz.empty())
            zusatz = s.rahmen;
    for (const KvPruefung& p : g.pruefungen)
        if (zusatz.empty())
            zusatz = p.rahmen;
    if (!zusatz.empty())
        t += std::string(t.empty() ? "" : "\n") + _(zusatz.c_str()) + "\n\n" + rechengang_teil(g, zusatz);
    return t;
}
