#include "fenstertexte.h"

#include "rechner.h"
#include "suche.h"
#include "zahlen.h"

#include <cmath>

const char* const KV_NEU_RECHNEN = "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n";
const char* const KV_FEHLER_EINGABE =
    "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";
const char* const KV_FEHLER_BEREICH =
    "Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!";
const char* const KV_NICHT_GERECHNET = "Berechnung noch nicht durchgefuert!";
const char* const KV_FEHLER_OEFFNEN = "Fehler beim Oeffnen!\n";
const char* const KV_FEHLER_ZIELWERT = "Fehler im Zielwert!\n";
const char* const KV_FEHLER_SUCHBEREICH = "Fehler im Suchbereich!\n";
const char* const KV_SUCHE_NICHT_MOEGLICH = "Suche nicht moeglich!\n";
const char* const KV_ZIELWERT_NICHT_ERREICHT = "Zielwert nicht erreicht!\n";
const char* const KV_GEFUNDEN = "Gefunden:";
const char* const KV_LOESUNGEN = " Loesungen, die erste ist eingesetzt:";

std::string kv_stelle_text(int stelle)
{
    return "Stelle " + std::to_string(stelle) + ": keine Zahl\n";
}

std::vector<std::string> kv_fenstermeldungen(const KvRechnung& rechnung)
{
    switch (rechnung.status) {
    case KvStatus::abgelehnt:
        return {kv_stelle_text(rechnung.stelle), KV_FEHLER_EINGABE};
    case KvStatus::verweigert:
        return {rechnung.meldung};
    case KvStatus::berechnet:
        break;
    }
    return {};
}

namespace {

// "inf", "infinity", "nan" or "nan(" letters, digits and "_" ")", in any case.
bool unendlich_oder_nan(std::string t, double& wert)
{
    for (char& c : t)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (t == "inf" || t == "infinity") {
        wert = HUGE_VAL;
        return true;
    }
    if (t != "nan" && (t.size() < 5 || t.compare(0, 4, "nan(") != 0 || t.back() != ')'
                       || t.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_", 4) != t.size() - 1))
        return false;
    wert = NAN;
    return true;
}

} // namespace

std::string kv_zielwert_meldung(const std::string& ziel, double& wert)
{
    // What C++'s from_chars takes as a double (the browser's library has
    // none): a number as a field of the command line, or infinity or NaN.
    const bool minus = ziel.compare(0, 1, "-") == 0;
    if (kv_zahl_ganz_lesen(ziel, wert))
        return "";
    if (unendlich_oder_nan(ziel.substr(minus), wert)) {
        wert = minus ? -wert : wert;
        return "";
    }
    return KV_FEHLER_ZIELWERT + ("\"" + ziel + "\" ist keine Zahl.");
}

std::string kv_suchgrenze_meldung(const std::string& text, const char* name, double& wert)
{
    if (text.empty())
        return KV_FEHLER_SUCHBEREICH + std::string(name) + ": kein Wert";
    if (const int stelle = kv_erste_fehlstelle(text.c_str()))
        return KV_FEHLER_SUCHBEREICH + std::string(name) + ": Stelle " + std::to_string(stelle) + ": keine Zahl";
    wert = kv_zahl_lesen(text.c_str());
    return "";
}

std::string kv_suchmeldung(const KvSuchergebnis& g)
{
    switch (g.status) {
    case KvSuchstatus::verweigert:
        return KV_SUCHE_NICHT_MOEGLICH + g.meldung;
    case KvSuchstatus::keine_loesung:
        return KV_ZIELWERT_NICHT_ERREICHT + g.meldung;
    case KvSuchstatus::gefunden:
        break;
    }
    return "";
}
