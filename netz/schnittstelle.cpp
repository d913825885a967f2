#include "schnittstelle.h"

#include "ausgabe.h"
#include "diagramm_datei.h"
#include "diagramm_svg.h"
#include "eingabesatz.h"
#include "fenstertexte.h"
#include "kataloge.h"
#include "rechengang_text.h"
#include "rechnerliste.h"
#include "sprache.h"
#include "suchauftrag.h"
#include "zahlen.h"
#include "zuweisung.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

std::string json, bericht, meldung, text, zeilen_aus, svg, katalogliste;
// What the window shows after the last computation (see netz_fenster).
std::string fenster = "[]", feld;
int stelle = 0;

// Every text a call hands back, emptied before it starts.
void leeren()
{
    for (std::string* s : {&json, &bericht, &meldung, &text, &zeilen_aus, &svg, &feld})
        s->clear();
    fenster = "[]";
    stelle = 0;
}

// The command line's status with its message (empty after success).
int melden(const KvFehler& f)
{
    meldung = f.meldung;
    return kv_status_zahl(f.status);
}

// The lines of a text, as the words of a command line.
std::vector<std::string> zeilen_teilen(const std::string& alle)
{
    std::vector<std::string> w;
    for (size_t von = 0; von < alle.size();) {
        const size_t bis = std::min(alle.find('\n', von), alle.size());
        w.push_back(alle.substr(von, bis - von));
        von = bis + 1;
    }
    return w;
}

// Every field and option as NAME=WERT, one a line.
std::string zeilen_schreiben(const KvRechner& r, const KvEingaben& e)
{
    std::string t;
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        t += std::string(r.eingaben[i].name) + "=" + e.texte[i] + "\n";
    for (size_t k = 0; k < r.optionen.size(); ++k)
        t += std::string(r.optionen[k].name) + "=" + r.optionen[k].werte[e.optionen[k]] + "\n";
    return t;
}

// The calculator and its inputs from the defaults and NAME=WERT lines (with
// conditions of a design and a search's target where those are asked for).
struct Aufruf {
    const KvRechner* r = nullptr;
    KvEingaben eingaben;
    std::vector<KvBedingung> bedingungen;
    std::string ziel;
};

KvFehler aufruf_lesen(const char* programm, const std::string& zeilen, bool auslegung, bool suche, Aufruf& a)
{
    a.r = kv_rechner_finden(programm);
    if (!a.r)
        return kv_unbekanntes_programm(programm);
    a.eingaben = kv_vorgaben(*a.r);
    std::set<std::string> genannt;
    return kv_zuweisungen(*a.r, zeilen_teilen(zeilen), auslegung, suche, a.eingaben, genannt, a.bedingungen,
                          a.ziel);
}

// The window's dialogs' texts, in turn.
void fenster_setzen(const std::vector<std::string>& texte)
{
    fenster = "[";
    for (const std::string& t : texte) {
        if (fenster.size() > 1)
            fenster += ", ";
        kv_json_text_anhaengen(fenster, t);
    }
    fenster += "]";
}

// One computation of the inputs, its JSON (with the search where there was
// one) and report.
KvFehler berechnen(const Aufruf& a, const KvJsonSuche* suche)
{
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*a.r, a.eingaben, stand);
    fenster_setzen(kv_fenstermeldungen(rechnung));
    if (rechnung.status == KvStatus::abgelehnt) {
        feld = a.r->eingaben[rechnung.feld].name;
        stelle = rechnung.stelle;
    }
    if (KvFehler f = kv_rechnung_fehler(*a.r, rechnung))
        return f;
    // With the checks, as the command line's JSON of one computation.
    const KvJsonZusatz zusatz{};
    kv_json_anhaengen(json, *a.r, a.eingaben, stand, rechnung, "", suche, &zusatz);
    json += "\n";
    bericht = a.r->bericht(stand, rechnung);
    return {};
}

} // namespace

NETZ_EXPORT("speicher") char* netz_speicher(size_t n)
{
    return static_cast<char*>(std::malloc(n ? n : 1));
}

NETZ_EXPORT("freigeben") void netz_freigeben(char* p) { std::free(p); }

// In the language in use: written anew at each call.
NETZ_EXPORT("beschreibungen") const char* netz_beschreibungen()
{
    static std::string alle;
    alle = "[";
    for (const KvRechner* r : kv_alle_rechner()) {
        alle += alle.size() > 1 ? ",\n  " : "\n  ";
        kv_beschreibung_anhaengen(alle, *r, "  ");
    }
    alle += "\n]\n";
    return alle.c_str();
}

namespace {

KvFehler rechnen(const char* programm, const char* zeilen)
{
    Aufruf a;
    if (KvFehler f = aufruf_lesen(programm, zeilen, false, false, a))
        return f;
    return berechnen(a, nullptr);
}

KvFehler rechengang(const char* programm, const char* zeilen)
{
    Aufruf a;
    if (KvFehler f = aufruf_lesen(programm, zeilen, false, false, a))
        return f;
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*a.r, a.eingaben, stand);
    if (KvFehler f = kv_rechnung_fehler(*a.r, rechnung))
        return f;
    KvRechengang gang;
    if (a.r->rechengang)
        a.r->rechengang(stand, rechnung, gang);
    text = kv_rechengang_text(gang);
    return {};
}

KvFehler eingaben_lesen(const char* programm, const char* satz, size_t laenge)
{
    const KvRechner* r = kv_rechner_finden(programm);
    if (!r)
        return kv_unbekanntes_programm(programm);
    KvEingaben e = kv_vorgaben(*r);
    std::string fehler;
    if (!kv_eingabesatz_aus_text(*r, std::string(satz, laenge), e, fehler))
        return kv_abgelehnt(fehler);
    zeilen_aus = zeilen_schreiben(*r, e);
    return {};
}

KvFehler eingaben_schreiben(const char* programm, const char* zeilen)
{
    Aufruf a;
    if (KvFehler f = aufruf_lesen(programm, zeilen, false, false, a))
        return f;
    text = kv_eingabesatz_text(*a.r, a.eingaben);
    return {};
}

KvFehler diagramm(const char* programm, const char* zeilen, int breite, int hoehe)
{
    Aufruf a;
    if (KvFehler f = aufruf_lesen(programm, zeilen, false, false, a))
        return f;
    if (breite < 1 || hoehe < 1 || breite > DIAGRAMM_KANTE_MAX || hoehe > DIAGRAMM_KANTE_MAX)
        return kv_abgelehnt(kv_einsetzen(_("--groesse {1}: erwartet BREITExHOEHE, je 1 bis {2} Pixel"),
                                         {std::to_string(breite) + "x" + std::to_string(hoehe),
                                          std::to_string(DIAGRAMM_KANTE_MAX)}));
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*a.r, a.eingaben, stand, true);
    if (KvFehler f = kv_rechnung_fehler(*a.r, rechnung))
        return f;
    if (!a.r->diagramm)
        return kv_abgelehnt(kv_einsetzen(_("--diagramm: {1} zeichnet kein Diagramm"), {a.r->name}));
    Diagramm d;
    std::string m;
    if (!a.r->diagramm(stand, d, m))
        return kv_abgelehnt(m);
    svg = diagramm_svg(d, breite, hoehe);
    return {};
}

KvFehler suchen(const char* programm, const char* zeilen, const char* feld, const char* ergebnis,
                const char* ziel, const char* bereich)
{
    const std::string f = feld, b = bereich;
    std::string alle = zeilen;
    if (*ergebnis) {
        if (!alle.empty() && alle.back() != '\n')
            alle += '\n';
        alle += std::string(ergebnis) + "=" + ziel;
    }
    // The window's dialog reads the target first, as it reads it.
    KvSuche fs;
    std::string fenstertext = f.empty() ? "" : kv_zielwert_meldung(ziel, fs.ziel);
    Aufruf a;
    if (KvFehler falsch = aufruf_lesen(programm, alle, false, !f.empty(), a)) {
        if (!fenstertext.empty())
            fenster_setzen({fenstertext});
        return falsch;
    }
    if (f.empty())
        return b.empty() ? berechnen(a, nullptr) : kv_abgelehnt(_("--bereich gilt nur mit --suche"));
    KvSuche s;
    const KvFehler fehler = kv_suchauftrag(*a.r, a.eingaben, f, a.ziel, b, {}, s);
    // Then its range, which it offers around the field's value: none when
    // that is no number.
    if (fenstertext.empty() && s.feld >= 0) {
        if (b.empty()) {
            if (kv_erste_fehlstelle(a.eingaben.texte[s.feld].c_str()))
                fenstertext = kv_suchgrenze_meldung("", "von", fs.von);
        } else {
            const size_t d = b.find(':');
            fenstertext = kv_suchgrenze_meldung(b.substr(0, d), "von", fs.von);
            if (fenstertext.empty())
                fenstertext = kv_suchgrenze_meldung(d == std::string::npos ? "" : b.substr(d + 1), "bis", fs.bis);
        }
        // A target the window takes and the command line does not (one
        // that is not finite): the search refuses it.
        if (fenstertext.empty() && fehler && s.ergebnis >= 0) {
            fs.feld = s.feld;
            fs.ergebnis = s.ergebnis;
            fenstertext = kv_suchmeldung(kv_suchen(*a.r, a.eingaben, fs));
        }
    }
    if (!fenstertext.empty())
        fenster_setzen({fenstertext});
    if (fehler)
        return fehler;
    KvSuchergebnis g;
    if (KvFehler nicht = kv_suche_ausfuehren(*a.r, a.eingaben, s, g)) {
        fenster_setzen({kv_suchmeldung(g)});
        return nicht;
    }
    const KvJsonSuche js{s, g};
    return berechnen(a, &js);
}

KvFehler katalog(const char* programm, const char* zeilen, const char* wahl)
{
    Aufruf a;
    if (KvFehler f = aufruf_lesen(programm, zeilen, false, false, a))
        return f;
    const KvKataloge k = kv_kataloge(*a.r, "");
    std::vector<KvKatalogWahl> gewaehlt;
    for (const std::string& w : zeilen_teilen(wahl)) {
        std::string fehler;
        if (!kv_katalog_waehlen(*a.r, k, w, a.eingaben, gewaehlt, fehler))
            return kv_abgelehnt("--katalog " + w + ": " + fehler);
    }
    zeilen_aus = zeilen_schreiben(*a.r, a.eingaben);
    return {};
}

KvFehler auslegung(const char* programm, const char* zeilen, const char* tabelle, const char* bedingungen)
{
    std::string alle = zeilen;
    if (*bedingungen) {
        if (!alle.empty() && alle.back() != '\n')
            alle += '\n';
        alle += bedingungen;
    }
    Aufruf a;
    if (KvFehler f = aufruf_lesen(programm, alle, true, false, a))
        return f;
    const KvKataloge k = kv_kataloge(*a.r, "");
    const KvFehler f = kv_auslegung_ausgabe(*a.r, k, tabelle, a.eingaben, {}, a.bedingungen, false, text);
    if (f.status != KvStatus::abgelehnt)
        kv_auslegung_ausgabe(*a.r, k, tabelle, a.eingaben, {}, a.bedingungen, true, json);
    return f;
}

} // namespace

// Each call starts with every text empty and ends with its status and message.
NETZ_EXPORT("rechnen") int netz_rechnen(const char* programm, const char* zeilen)
{
    leeren();
    return melden(rechnen(programm, zeilen));
}

NETZ_EXPORT("rechengang") int netz_rechengang(const char* programm, const char* zeilen)
{
    leeren();
    return melden(rechengang(programm, zeilen));
}

NETZ_EXPORT("eingaben_lesen") int netz_eingaben_lesen(const char* programm, const char* satz, size_t laenge)
{
    leeren();
    return melden(eingaben_lesen(programm, satz, laenge));
}

NETZ_EXPORT("eingaben_schreiben") int netz_eingaben_schreiben(const char* programm, const char* zeilen)
{
    leeren();
    return melden(eingaben_schreiben(programm, zeilen));
}

NETZ_EXPORT("diagramm") int netz_diagramm(const char* programm, const char* zeilen, int breite, int hoehe)
{
    leeren();
    return melden(diagramm(programm, zeilen, breite, hoehe));
}

NETZ_EXPORT("suchen") int netz_suchen(const char* programm, const char* zeilen, const char* feld,
                                      const char* ergebnis, const char* ziel, const char* bereich)
{
    leeren();
    return melden(suchen(programm, zeilen, feld, ergebnis, ziel, bereich));
}

NETZ_EXPORT("kataloge") const char* netz_kataloge(const char* programm)
{
    katalogliste.clear();
    if (const KvRechner* r = kv_rechner_finden(programm))
        katalogliste = kv_katalogliste(*r, kv_kataloge(*r, ""), kv_vorgaben(*r), {}, true);
    return katalogliste.c_str();
}

NETZ_EXPORT("katalog") int netz_katalog(const char* programm, const char* zeilen, const char* wahl)
{
    leeren();
    return melden(katalog(programm, zeilen, wahl));
}

NETZ_EXPORT("auslegung") int netz_auslegung(const char* programm, const char* zeilen, const char* tabelle,
                                            const char* bedingungen)
{
    leeren();
    return melden(auslegung(programm, zeilen, tabelle, bedingungen));
}

NETZ_EXPORT("json") const char* netz_json() { return json.c_str(); }
NETZ_EXPORT("bericht") const char* netz_bericht() { return bericht.c_str(); }
NETZ_EXPORT("meldung") const char* netz_meldung() { return meldung.c_str(); }
NETZ_EXPORT("text") const char* netz_text() { return text.c_str(); }
NETZ_EXPORT("zeilen") const char* netz_zeilen() { return zeilen_aus.c_str(); }
NETZ_EXPORT("svg") const char* netz_svg() { return svg.c_str(); }

NETZ_EXPORT("fenster") const char* netz_fenster() { return fenster.c_str(); }
NETZ_EXPORT("feld") const char* netz_feld() { return feld.c_str(); }
NETZ_EXPORT("stelle") int netz_stelle() { return stelle; }

NETZ_EXPORT("texte") const char* netz_texte()
{
    static std::string t;
    t = "{\"nicht_gerechnet\": ";
    kv_json_text_anhaengen(t, _(KV_NICHT_GERECHNET));
    for (const auto& [name, text] : {std::pair{"fehler_bereich", KV_FEHLER_BEREICH},
                                     {"fehler_oeffnen", KV_FEHLER_OEFFNEN},
                                     {"gefunden", KV_GEFUNDEN},
                                     {"loesungen", KV_LOESUNGEN}}) {
        t += std::string(", \"") + name + "\": ";
        kv_json_text_anhaengen(t, _(text));
    }
    t += "}";
    return t.c_str();
}
