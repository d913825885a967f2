#include "zuweisung.h"

#include <algorithm>

std::string kv_zuweisen(const KvRechner& r, const std::string& z, KvEingaben& e,
                        std::set<std::string>& genannt, bool mit_suche, bool& ergebnis)
{
    ergebnis = false;
    const size_t gleich = z.find('=');
    if (gleich == std::string::npos)
        return "\"" + z + "\" ist keine Zuweisung NAME=WERT";
    const std::string name = z.substr(0, gleich), wert = z.substr(gleich + 1);
    if (!genannt.insert(name).second)
        return name + " ist zweimal angegeben";
    if (const int i = kv_eingabe_index(r, name); i >= 0) {
        e.texte[i] = wert;
    } else if (const int k = kv_option_index(r, name); k >= 0) {
        const int w = kv_optionswert_index(r.optionen[k], wert);
        if (w < 0)
            return z + ": erlaubt sind " + kv_optionswerte(r.optionen[k]);
        e.optionen[k] = w;
    } else if (std::any_of(r.ergebnisse.begin(), r.ergebnisse.end(),
                           [&](const KvAusgabe& a) { return name == a.name; })) {
        if (!mit_suche)
            return z + ": " + name + " ist ein Ergebnis; ein Zielwert gilt nur mit --suche";
        ergebnis = true;
    } else {
        return std::string("unbekannter Name \"") + name + "\" fuer " + r.name
               + " (--namen zeigt die Namen)";
    }
    return "";
}

std::string kv_feld_text(const KvEingabe& f)
{
    return std::string("Feld ") + f.name + " (" + f.beschriftung + ")";
}

std::string kv_keine_zahl_text(const KvRechner& r, const KvRechnung& rechnung)
{
    return kv_feld_text(r.eingaben[rechnung.feld]) + ": Stelle " + std::to_string(rechnung.stelle)
           + ": keine Zahl";
}

std::string kv_einzeilig(std::string text)
{
    for (size_t p; (p = text.find('\n')) != std::string::npos;)
        text.replace(p, 1, ": ");
    return text;
}

std::string kv_zuweisungen(const KvRechner& r, const std::vector<std::string>& woerter, bool auslegung,
                           bool suche, KvEingaben& e, std::set<std::string>& genannt,
                           std::vector<KvBedingung>& bedingungen, std::string& ziel)
{
    for (const std::string& z : woerter) {
        if (kv_ist_bedingung(z)) {
            if (!auslegung)
                return z + ": eine Bedingung gilt nur mit --auslegung";
            KvBedingung b;
            std::string fehler;
            if (!kv_bedingung_lesen(r, z, b, fehler))
                return "--auslegung: " + fehler;
            bedingungen.push_back(std::move(b));
            continue;
        }
        bool ergebnis = false;
        if (std::string fehler = kv_zuweisen(r, z, e, genannt, suche, ergebnis); !fehler.empty())
            return fehler;
        if (!ergebnis)
            continue;
        if (!ziel.empty())
            return z + ": eine Suche hat ein Ziel, " + ziel + " ist schon angegeben";
        ziel = z;
    }
    return "";
}

int kv_rechnung_status(const KvRechner& r, const KvRechnung& rechnung, std::string& meldung)
{
    if (rechnung.status == KvStatus::abgelehnt) {
        meldung = kv_keine_zahl_text(r, rechnung);
        return KV_FALSCH;
    }
    if (rechnung.status == KvStatus::verweigert) {
        meldung = rechnung.meldung;
        return KV_VERWEIGERT;
    }
    return 0;
}
