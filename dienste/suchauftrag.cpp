#include "suchauftrag.h"

#include "sprache.h"
#include "zahlen.h"
#include "zuweisung.h"

namespace {

std::string auftrag(const KvRechner& r, const KvEingaben& e, const std::string& feld, const std::string& ziel,
                    const std::string& bereich, const std::vector<KvVariation>& variationen, KvSuche& s)
{
    if (ziel.empty())
        return kv_einsetzen(_("--suche {1}: es fehlt das Ziel ERGEBNIS=WERT (--ergebnisnamen zeigt die Namen)"),
                            {feld});
    const int* optionen = e.optionen.data();
    if (std::string grund = kv_suchfeld(r, optionen, feld, s.feld); !grund.empty())
        return kv_eingabe_index(r, feld) < 0 && kv_option_index(r, feld) < 0
                   ? kv_einsetzen(_("--suche: {1} (--namen zeigt die Namen)"), {grund})
                   : "--suche: " + grund;
    const std::string ergebnis = ziel.substr(0, ziel.find('='));
    if (std::string grund = kv_suchergebnis(r, optionen, ergebnis, s.ergebnis); !grund.empty())
        return "--suche: " + grund;
    if (!kv_zahl_ganz_lesen(ziel.substr(ziel.find('=') + 1), s.ziel))
        return kv_einsetzen(_("{1}: der Zielwert ist keine Zahl"), {ziel});
    for (const KvVariation& v : variationen)
        if (v.feld == s.feld)
            return kv_einsetzen(_("--variiere {1}: das gesuchte Feld laesst sich nicht variieren"), {v.name});
    const std::string& jetzt = e.texte[s.feld];
    if (bereich.empty()) {
        if (const int stelle = kv_erste_fehlstelle(jetzt.c_str()))
            return kv_einsetzen(_("{1}: Stelle {2}: keine Zahl"),
                                {kv_feld_text(r.eingaben[s.feld]), std::to_string(stelle)});
        kv_suchbereich_vorgabe(kv_zahl_lesen(jetzt.c_str()), s.von, s.bis);
        return "";
    }
    const size_t d = bereich.find(':');
    const std::string von = bereich.substr(0, d);
    const std::string bis = d == std::string::npos ? "" : bereich.substr(d + 1);
    if (d == std::string::npos || von.empty() || bis.empty())
        return kv_einsetzen(_("--bereich {1}: erwartet VON:BIS"), {bereich});
    for (const std::string* grenze : {&von, &bis})
        if (const int stelle = kv_erste_fehlstelle(grenze->c_str()))
            return kv_einsetzen(_("--bereich {1}: Stelle {2} von \"{3}\": keine Zahl"),
                                {bereich, std::to_string(stelle), *grenze});
    s.von = kv_zahl_lesen(von.c_str());
    s.bis = kv_zahl_lesen(bis.c_str());
    return "";
}

} // namespace

KvFehler kv_suchauftrag(const KvRechner& r, const KvEingaben& e, const std::string& feld,
                        const std::string& ziel, const std::string& bereich,
                        const std::vector<KvVariation>& variationen, KvSuche& s)
{
    std::string fehler = auftrag(r, e, feld, ziel, bereich, variationen, s);
    return fehler.empty() ? KvFehler{} : kv_abgelehnt(std::move(fehler));
}

KvFehler kv_suche_ausfuehren(const KvRechner& r, KvEingaben& e, const KvSuche& s, KvSuchergebnis& g)
{
    g = kv_suchen(r, e, s);
    if (g.status == KvSuchstatus::verweigert)
        return kv_abgelehnt("--suche: " + g.meldung);
    if (g.status == KvSuchstatus::keine_loesung)
        return kv_verweigert(g.meldung);
    e.texte[s.feld] = g.loesungen[0].text;
    return {};
}
