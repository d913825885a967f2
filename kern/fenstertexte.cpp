#include "fenstertexte.h"

#include "rechner.h"

const char* const KV_NEU_RECHNEN = "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n";
const char* const KV_FEHLER_EINGABE =
    "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";
const char* const KV_FEHLER_BEREICH =
    "Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!";
const char* const KV_NICHT_GERECHNET = "Berechnung noch nicht durchgefuert!";
const char* const KV_FEHLER_OEFFNEN = "Fehler beim Oeffnen!\n";
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
