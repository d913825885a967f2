#include "zuweisung.h"

#include <algorithm>

KvFehler kv_zuweisen(const KvRechner& r, const std::string& z, KvEingaben& e,
                     std::set<std::string>& genannt, bool mit_suche, bool& ergebnis)
{
    ergebnis = false;
    const size_t gleich = z.find('=');
    if (gleich == std::string::npos)
        return kv_abgelehnt("\"" + z + "\" ist keine Zuweisung NAME=WERT");
    const std::string name = z.substr(0, gleich), wert = z.substr(gleich + 1);
    if (!genannt.insert(name).second)
        return kv_abgelehnt(name + " ist zweimal angegeben");
    if (const int i = kv_eingabe_index(r, name); i >= 0) {
        e.texte[i] = wert;
    } else if (const int k = kv_option_index(r, name); k >= 0) {
        const int w = kv_optionswert_index(r.optionen[k], wert);
        if (w < 0)
            return kv_abgelehnt(z + ": erlaubt sind " + kv_optionswerte(r.optionen[k]));
        e.optionen[k] = w;
    } else if (std::any_of(r.ergebnisse.begin(), r.ergebnisse.end(),
                           [&](const KvAusgabe& a) { return name == a.name; })) {
        if (!mit_suche)
            return kv_abgelehnt(z + ": " + name + " ist ein Ergebnis; ein Zielwert gilt nur mit --suche");
        ergebnis = true;
    } else {
        return kv_unbekannter_name(r, name);
    }
    return {};
}

KvFehler kv_unbekannter_name(const KvRechner& r, const std::string& name)
{
    return kv_abgelehnt(std::string("unbekannter Name \"") + name + "\" fuer " + r.name
                        + " (--namen zeigt die Namen)");
}

KvFehler kv_zuweisungen(const KvRechner& r, const std::vector<std::string>& woerter, bool auslegung,
                           bool suche, KvEingaben& e, std::set<std::string>& genannt,
                           std::vector<KvBedingung>& bedingungen, std::string& ziel)
{
    for (const std::string& z : woerter) {
        if (kv_ist_bedingung(z)) {
            if (!auslegung)
                return kv_abgelehnt(z + ": eine Bedingung gilt nur mit --auslegung");
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
            return kv_abgelehnt(z + ": eine Suche hat ein Ziel, " + ziel + " ist schon angegeben");
        ziel = z;
    }
    return {};
}
