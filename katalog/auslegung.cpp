#include "auslegung.h"

#include "sprache.h"
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
        fehler = kv_einsetzen(_("{1}: erwartet ERGEBNIS>=WERT oder ERGEBNIS<=WERT"), {zitiert(text)});
        return false;
    }
    const size_t p = text.find_first_of("<>");
    const std::string_view name = text.substr(0, p), wert = text.substr(p + 2);
    b.mindestens = text[p] == '>';
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (name == r.ergebnisse[j].name)
            b.ergebnis = static_cast<int>(j);
    if (b.ergebnis < 0) {
        fehler = kv_einsetzen(_("{1} ist kein Ergebnis von {2} (--ergebnisnamen zeigt die Namen)"),
                              {zitiert(name), r.name});
        return false;
    }
    if (!kv_zahl_ganz_lesen(std::string(wert), b.grenze)) {
        fehler = kv_einsetzen(_("{1}: der Grenzwert ist keine Zahl"), {zitiert(text)});
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
            x.verfehlt.push_back(kv_nicht_verwendbar(fehler));
            a.eintraege.push_back(std::move(x));
            continue;
        }
        kv_katalog_anwenden(r, e, mit);
        KvStand stand;
        const KvRechnung rechnung = kv_rechnen(r, mit, stand);
        if (rechnung.status == KvStatus::abgelehnt) {
            x.verfehlt.push_back(kv_einsetzen(_("Feld {1}: keine Zahl"), {r.eingaben[rechnung.feld].name}));
        } else if (rechnung.status == KvStatus::verweigert) {
            std::string m = _(rechnung.meldung);
            for (char& c : m)
                if (c == '\n') c = ' ';
            x.verfehlt.push_back(kv_einsetzen(_("verweigert: {1}"), {m}));
        } else {
            if (r.rechengang) {
                KvRechengang gang;
                r.rechengang(stand, rechnung, gang);
                // Every check is listed with the entry, as a computation's
                // json lists it; the window's own decide, the addition's only
                // as a condition on its results, so a design decides as the
                // window shows it.
                for (const KvPruefung& p : gang.pruefungen)
                    if (p.mit_grenze) {
                        x.pruefungen.push_back(p);
                        if (!p.erfuellt && !kv_im_zusatz(r, p.rahmen.c_str()))
                            x.verfehlt.push_back(_(p.text.c_str()));
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
    std::string liste;
    for (size_t i = 0; i < bedingungen.size(); ++i)
        liste += (i ? ", " : "") + bedingungen[i].text;
    std::string t = liste.empty()
                        ? kv_einsetzen(_("Auslegung mit {1} ({2})"), {tabelle.name, tabelle.titel})
                        : kv_einsetzen(_("Auslegung mit {1} ({2}): {3}"), {tabelle.name, tabelle.titel, liste});
    t += "\n";
    for (const KvAuslegungseintrag& x : a.eintraege) {
        std::string verfehlt;
        for (size_t i = 0; i < x.verfehlt.size(); ++i)
            verfehlt += (i ? "; " : "") + x.verfehlt[i];
        t += x.erfuellt ? kv_einsetzen(_("{1}: erfuellt"), {x.bezeichnung})
                        : kv_einsetzen(_("{1}: verfehlt: {2}"), {x.bezeichnung, verfehlt});
        t += "\n";
    }
    t += a.gewaehlt >= 0 ? kv_einsetzen(_("Gewaehlt: {1}"), {a.eintraege[a.gewaehlt].bezeichnung})
                         : std::string(_("Kein Eintrag erfuellt alle Pruefungen und Bedingungen."));
    return t + "\n";
}
