#include "auslegung.h"

#include "zahlen.h"

#include <charconv>
#include <cmath>

bool kv_ist_bedingung(std::string_view text)
{
    const size_t p = text.find_first_of("<>");
    return p != text.npos && p > 0 && p + 1 < text.size() && text[p + 1] == '=';
}

namespace {

// A text in double quotes.
std::string zitiert(std::string_view t)
{
    std::string z = "\"";
    z.append(t);
    z += '"';
    return z;
}

} // namespace

bool kv_bedingung_lesen(const KvRechner& r, std::string_view text, KvBedingung& b, std::string& fehler)
{
    b = {};
    b.text = text;
    if (!kv_ist_bedingung(text)) {
        fehler = zitiert(text) + ": erwartet ERGEBNIS>=WERT oder ERGEBNIS<=WERT";
        return false;
    }
    const size_t p = text.find_first_of("<>");
    const std::string_view name = text.substr(0, p), wert = text.substr(p + 2);
    b.mindestens = text[p] == '>';
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (name == r.ergebnisse[j].name)
            b.ergebnis = static_cast<int>(j);
    if (b.ergebnis < 0) {
        fehler = zitiert(name) + " ist kein Ergebnis von " + r.name
                 + " (--ergebnisnamen zeigt die Namen)";
        return false;
    }
    if (!kv_zahl_ganz_lesen(std::string(wert), b.grenze)) {
        fehler = zitiert(text) + ": der Grenzwert ist keine Zahl";
        return false;
    }
    return true;
}

KvAuslegung kv_auslegen(const KvRechner& r, const KvKataloge& k, const KvKatalog& tabelle,
                        const KvEingaben& eingaben, const std::vector<KvKatalogWahl>& vorher,
                        const std::vector<KvBedingung>& bedingungen)
{
    KvAuslegung a;
    for (size_t i = 0; i < tabelle.zeilen.size(); ++i) {
        KvAuslegungseintrag x;
        x.bezeichnung = kv_katalog_bezeichnung(tabelle, i);
        KvKatalogEintrag e;
        std::string fehler;
        KvEingaben mit = eingaben;
        if (!kv_katalog_eintrag(tabelle, i, {r, eingaben, k, vorher}, e, fehler)) {
            x.verfehlt.push_back("nicht verwendbar: " + fehler);
            a.eintraege.push_back(std::move(x));
            continue;
        }
        kv_katalog_anwenden(r, e, mit);
        KvStand stand;
        const KvRechnung rechnung = kv_rechnen(r, mit, stand);
        if (rechnung.status == KvStatus::abgelehnt) {
            x.verfehlt.push_back(std::string("Feld ") + r.eingaben[rechnung.feld].name + ": keine Zahl");
        } else if (rechnung.status == KvStatus::verweigert) {
            std::string m = rechnung.meldung;
            for (char& c : m)
                if (c == '\n') c = ' ';
            x.verfehlt.push_back("verweigert: " + m);
        } else {
            if (r.rechengang) {
                KvRechengang gang;
                r.rechengang(stand, rechnung, gang);
                for (const KvPruefung& p : gang.pruefungen)
                    if (p.mit_grenze) {
                        x.pruefungen.push_back(p);
                        if (!p.erfuellt)
                            x.verfehlt.push_back(p.text);
                    }
            }
            for (const KvBedingung& b : bedingungen) {
                const double w = rechnung.ergebnisse[b.ergebnis];
                if (!(b.mindestens ? w >= b.grenze : w <= b.grenze))
                    x.verfehlt.push_back(b.text);
            }
        }
        x.erfuellt = x.verfehlt.empty();
        if (x.erfuellt && a.gewaehlt < 0)
            a.gewaehlt = static_cast<int>(i);
        a.eintraege.push_back(std::move(x));
    }
    return a;
}

std::string kv_auslegung_liste(const KvKatalog& tabelle, const std::vector<KvBedingung>& bedingungen,
                               const KvAuslegung& a)
{
    std::string t = "Auslegung mit " + tabelle.name + " (" + tabelle.titel + ")";
    for (size_t i = 0; i < bedingungen.size(); ++i)
        t += (i ? ", " : ": ") + bedingungen[i].text;
    t += "\n";
    for (const KvAuslegungseintrag& x : a.eintraege) {
        t += x.bezeichnung + (x.erfuellt ? ": erfuellt" : ": verfehlt: ");
        for (size_t i = 0; i < x.verfehlt.size(); ++i)
            t += (i ? "; " : "") + x.verfehlt[i];
        t += "\n";
    }
    t += a.gewaehlt >= 0 ? "Gewaehlt: " + a.eintraege[a.gewaehlt].bezeichnung + "\n"
                         : "Kein Eintrag erfuellt alle Pruefungen und Bedingungen.\n";
    return t;
}
