#include "zuweisung.h"

#include "sprache.h"

#include <algorithm>

KvFehler kv_zuweisen(const KvRechner& r, const std::string& z, KvEingaben& e,
                     std::set<std::string>& genannt, bool mit_suche, bool& ergebnis)
{
    ergebnis = false;
    const size_t gleich = z.find('=');
    if (gleich == std::string::npos)
        return kv_abgelehnt(kv_einsetzen(_("\"{1}\" ist keine Zuweisung NAME=WERT"), {z}));
    const std::string name = z.substr(0, gleich), wert = z.substr(gleich + 1);
    if (!genannt.insert(name).second)
        return kv_abgelehnt(kv_einsetzen(_("{1} ist zweimal angegeben"), {name}));
    if (const int i = kv_eingabe_index(r, name); i >= 0) {
        e.texte[i] = wert;
    } else if (const int k = kv_option_index(r, name); k >= 0) {
        const int w = kv_optionswert_index(r.optionen[k], wert);
        if (w < 0)
            return kv_abgelehnt(kv_einsetzen(_("{1}: erlaubt sind {2}"), {z, kv_optionswerte(r.optionen[k])}));
        e.optionen[k] = w;
    } else if (std::any_of(r.ergebnisse.begin(), r.ergebnisse.end(),
                           [&](const KvAusgabe& a) { return name == a.name; })) {
        if (!mit_suche)
            return kv_abgelehnt(kv_einsetzen(_("{1}: {2} ist ein Ergebnis; ein Zielwert gilt nur mit --suche"), {z, name}));
        ergebnis = true;
    } else {
        return kv_unbekannter_name(r, name);
    }
    return {};
}

KvFehler kv_unbekannter_name(const KvRechner& r, const std::string& name)
{
    return kv_abgelehnt(kv_einsetzen(_("unbekannter Name \"{1}\" fuer {2} (--namen zeigt die Namen)"), {name, r.name}));
}

KvFehler kv_zuweisungen(const KvRechner& r, const std::vector<std::string>& woerter, bool auslegung,
                           bool suche, KvEingaben& e, std::set<std::string>& genannt,
                           std::vector<KvBedingung>& bedingungen, std::string& ziel)
{
    for (const std::string& z : woerter) {
        if (kv_ist_bedingung(z)) {
            if (!auslegung)
                return kv_abgelehnt(kv_einsetzen(_("{1}: eine Bedingung gilt nur mit --auslegung"), {z}));
            KvBedingung b;
            std::string fehler;
            if (!kv_bedingung_lesen(r, z, b, fehler))
                return kv_abgelehnt("--auslegung: " + fehler);
            bedingungen.push_back(std::move(b));
            continue;
        }
        bool ergebnis = false;
        if (KvFehler f = kv_zuweisen(r, z, e, genannt, suche, ergebnis))
            return f;
        if (!ergebnis)
            continue;
        if (!ziel.empty())
            return kv_abgelehnt(kv_einsetzen(_("{1}: eine Suche hat ein Ziel, {2} ist schon angegeben"), {z, ziel}));
        ziel = z;
    }
    return {};
}
