#include "schnittstelle.h"

#include "ausgabe.h"
#include "fenstertexte.h"
#include "rechnerliste.h"
#include "zuweisung.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

// Exported from the module under that name; natively (the bench) a plain function.
#ifdef __wasm__
#define NETZ_EXPORT(name) __attribute__((export_name(name)))
#else
#define NETZ_EXPORT(name)
#endif

namespace {

std::string json, bericht, meldung, fenster = "[]", feld;
int stelle = 0;

// What the command line returns for wrong use and for a refusal.
constexpr int FALSCH = 2, VERWEIGERT = 1;

int abbruch(int status, std::string text)
{
    meldung = std::move(text);
    return status;
}

} // namespace

NETZ_EXPORT("speicher") char* netz_speicher(size_t n)
{
    return static_cast<char*>(std::malloc(n ? n : 1));
}

NETZ_EXPORT("freigeben") void netz_freigeben(char* p) { std::free(p); }

NETZ_EXPORT("beschreibungen") const char* netz_beschreibungen()
{
    static const std::string alle = [] {
        std::string t = "[";
        for (const KvRechner* r : kv_alle_rechner()) {
            t += t.size() > 1 ? ",\n  " : "\n  ";
            kv_beschreibung_anhaengen(t, *r, "  ");
        }
        return t + "\n]\n";
    }();
    return alle.c_str();
}

NETZ_EXPORT("rechnen") int netz_rechnen(const char* programm, const char* zeilen)
{
    json.clear();
    bericht.clear();
    meldung.clear();
    fenster = "[]";
    feld.clear();
    stelle = 0;
    const KvRechner* r = kv_rechner_finden(programm);
    if (!r)
        return abbruch(FALSCH, std::string("unbekanntes Programm \"") + programm + "\"");
    KvEingaben eingaben = kv_vorgaben(*r);
    std::set<std::string> genannt;
    const std::string alle = zeilen;
    for (size_t von = 0; von < alle.size();) {
        const size_t bis = std::min(alle.find('\n', von), alle.size());
        bool ergebnis = false;
        const std::string fehler =
            kv_zuweisen(*r, alle.substr(von, bis - von), eingaben, genannt, false, ergebnis);
        if (!fehler.empty())
            return abbruch(FALSCH, fehler);
        von = bis + 1;
    }
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*r, eingaben, stand);
    fenster = "[";
    for (const std::string& t : kv_fenstermeldungen(rechnung)) {
        if (fenster.size() > 1)
            fenster += ", ";
        kv_json_text_anhaengen(fenster, t);
    }
    fenster += "]";
    if (rechnung.status == KvStatus::abgelehnt) {
        feld = r->eingaben[rechnung.feld].name;
        stelle = rechnung.stelle;
    }
    if (rechnung.status == KvStatus::abgelehnt)
        return abbruch(FALSCH, kv_keine_zahl_text(*r, rechnung));
    if (rechnung.status == KvStatus::verweigert)
        return abbruch(VERWEIGERT, rechnung.meldung);
    const KvJsonZusatz zusatz{};
    kv_json_anhaengen(json, *r, eingaben, stand, rechnung, "", nullptr, &zusatz);
    json += "\n";
    bericht = r->bericht(stand, rechnung);
    return 0;
}

NETZ_EXPORT("json") const char* netz_json() { return json.c_str(); }
NETZ_EXPORT("bericht") const char* netz_bericht() { return bericht.c_str(); }
NETZ_EXPORT("meldung") const char* netz_meldung() { return meldung.c_str(); }
NETZ_EXPORT("fenster") const char* netz_fenster() { return fenster.c_str(); }
NETZ_EXPORT("feld") const char* netz_feld() { return feld.c_str(); }
NETZ_EXPORT("stelle") int netz_stelle() { return stelle; }

NETZ_EXPORT("texte") const char* netz_texte()
{
    static const std::string texte = [] {
        std::string t = "{\"nicht_gerechnet\": ";
        kv_json_text_anhaengen(t, KV_NICHT_GERECHNET);
        for (const auto& [name, text] : {std::pair{"fehler_bereich", KV_FEHLER_BEREICH},
                                         {"fehler_oeffnen", KV_FEHLER_OEFFNEN},
                                         {"gefunden", KV_GEFUNDEN},
                                         {"loesungen", KV_LOESUNGEN}}) {
            t += std::string(", \"") + name + "\": ";
            kv_json_text_anhaengen(t, text);
        }
        return t + "}";
    }();
    return texte.c_str();
}
