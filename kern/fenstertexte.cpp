#include "fenstertexte.h"

#include "rechner.h"
#include "sprache.h"
#include "suche.h"
#include "zahlen.h"

#include <cmath>

const char* const KV_NEU_RECHNEN = N_("Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n");
const char* const KV_FEHLER_EINGABE =
    N_("Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!");
const char* const KV_FEHLER_BEREICH =
    N_("Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!");
const char* const KV_NICHT_GERECHNET = N_("Berechnung noch nicht durchgefuert!");
const char* const KV_FEHLER_OEFFNEN = N_("Fehler beim Oeffnen!\n");
const char* const KV_FEHLER_ZIELWERT = N_("Fehler im Zielwert!\n");
const char* const KV_FEHLER_SUCHBEREICH = N_("Fehler im Suchbereich!\n");
const char* const KV_SUCHE_NICHT_MOEGLICH = N_("Suche nicht moeglich!\n");
const char* const KV_ZIELWERT_NICHT_ERREICHT = N_("Zielwert nicht erreicht!\n");
const char* const KV_GEFUNDEN = N_("Gefunden:");
const char* const KV_LOESUNGEN = N_(" Loesungen, die erste ist eingesetzt:");

std::string kv_stelle_text(int stelle)
{
    return kv_einsetzen(_("Stelle {1}: keine Zahl\n"), {std::to_string(stelle)});
}

std::string kv_loesungen_text(size_t n)
{
    return kv_einsetzen(_("{1} Loesungen, die erste ist eingesetzt:"), {std::to_string(n)});
}

std::vector<std::string> kv_fenstermeldungen(const KvRechnung& rechnung)
{
    switch (rechnung.status) {
    case KvStatus::abgelehnt:
        return {kv_stelle_text(rechnung.stelle), _(KV_FEHLER_EINGABE)};
    case KvStatus::verweigert:
        return {_(rechnung.meldung)};
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
    return _(KV_FEHLER_ZIELWERT) + kv_einsetzen(_("\"{1}\" ist keine Zahl."), {ziel});
}

std::string kv_suchgrenze_meldung(const std::string& text, const char* name, double& wert)
{
    if (text.empty())
        return _(KV_FEHLER_SUCHBEREICH) + kv_einsetzen(_("{1}: kein Wert"), {_(name)});
    if (const int stelle = kv_erste_fehlstelle(text.c_str()))
        return _(KV_FEHLER_SUCHBEREICH)
               + kv_einsetzen(_("{1}: Stelle {2}: keine Zahl"), {_(name), std::to_string(stelle)});
    wert = kv_zahl_lesen(text.c_str());
    return "";
}

std::string kv_suchmeldung(const KvSuchergebnis& g)
{
    switch (g.status) {
    case KvSuchstatus::verweigert:
        return _(KV_SUCHE_NICHT_MOEGLICH) + g.meldung;
    case KvSuchstatus::keine_loesung:
        return _(KV_ZIELWERT_NICHT_ERREICHT) + g.meldung;
    case KvSuchstatus::gefunden:
        break;
    }
    return "";
}
