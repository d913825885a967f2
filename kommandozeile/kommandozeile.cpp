#include "kommandozeile.h"

#include "aufruf.h"
#include "ausgabe.h"
#include "diagramm_datei.h"
#include "eingabesatz_datei.h"
#include "kataloge.h"
#include "nachweis.h"
#include "rechnerliste.h"
#include "studie.h"
#include "suchauftrag.h"
#include "zahlen.h"
#include "zuweisung.h"

#include <glib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <set>
#include <string>

#ifndef KV_VERSION
#define KV_VERSION "unbekannt"
#endif

namespace {

const char* const PROGRAMM = "maschinenelemente";

// A failure of the call: exit status and message.
struct Abbruch {
    int status;
    std::string text;
};

// Wrong use is told in one line.
Abbruch falsch(std::string text) { return {KV_FALSCH, kv_einzeilig(std::move(text))}; }

// A failure told by the shared parts: their status and message.
Abbruch abbruch(int status, std::string text)
{
    return status == KV_FALSCH ? falsch(std::move(text)) : Abbruch{status, std::move(text)};
}

// Writes everything at once, so that stdout holds the whole result or, when
// the call fails before, nothing.
bool schreiben(std::FILE* aus, const std::string& t)
{
    return std::fwrite(t.data(), 1, t.size(), aus) == t.size();
}

std::string namensliste(const KvRechner& r)
{
    std::string t;
    auto zeile = [&t](const char* name, const char* beschriftung, const char* einheit,
                      const char* vorgabe, const std::vector<const char*>& werte) {
        t += std::string(name) + "\t" + beschriftung + "\t" + einheit + "\t" + vorgabe + "\t";
        for (size_t i = 0; i < werte.size(); ++i) {
            if (i) t += '|';
            t += werte[i];
        }
        t += "\n";
    };
    for (const KvEingabe& f : r.eingaben)
        zeile(f.name, f.beschriftung, f.einheit, f.vorgabe, f.auswahl);
    for (const KvOption& o : r.optionen)
        zeile(o.name, o.beschriftung, "", o.werte[o.vorgabe], o.werte);
    return t;
}

std::string ergebnisliste(const KvRechner& r)
{
    std::string t;
    for (const KvAusgabe& a : r.ergebnisse)
        t += std::string(a.name) + "\t" + a.beschriftung + "\t" + a.einheit + "\n";
    return t;
}

class Lauf {
public:
    Lauf(std::FILE* aus, std::FILE* fehler) : aus_(aus), fehler_(fehler) {}
    int ausfuehren(const KvAufruf& a);

private:
    void kataloge_lesen();
    void katalog_anwenden(const KvAufruf& a);
    void zuweisungen(const KvAufruf& a);
    int auslegen(const KvAufruf& a);
    void variationen(const KvAufruf& a);
    void suche_pruefen(const KvAufruf& a);
    void suchen();
    int suchstudie(const std::string& format);
    int einzeln(const std::string& format, const KvAufruf& a);
    void diagramm_pruefen(const KvAufruf& a);
    void diagramm_schreiben(const KvAufruf& a, const KvStand& stand);
    void nachweis_pruefen(const KvAufruf& a);
    std::vector<int> studie_lesen(KvStand& stand, KvRechnung& rechnung);
    int studie(const std::string& format);
    int ausgeben(const std::string& t);

    std::FILE* aus_;
    std::FILE* fehler_;
    const KvRechner* r_ = nullptr;
    KvKataloge kataloge_;
    std::vector<KvKatalogWahl> gewaehlt_; // the catalogue entries applied
    std::vector<KvBedingung> bedingungen_; // ERGEBNIS>=WERT of a design
    KvEingaben eingaben_;
    std::vector<KvVariation> variationen_;
    std::set<std::string> genannt_;
    std::string ziel_;                 // ERGEBNIS=WERT of a search
    std::optional<KvSuche> suche_;
    KvSuchergebnis gefunden_;
    int breite_ = DIAGRAMM_BREITE, hoehe_ = DIAGRAMM_HOEHE;
};

// The calculator's tables; a user table refused is told on stderr, the
// others still serve.
void Lauf::kataloge_lesen()
{
    kataloge_ = kv_kataloge(*r_, kv_katalog_nutzerordner());
    for (const std::string& t : kataloge_.abgelehnt)
        std::fprintf(fehler_, "%s: Katalog abgelehnt: %s\n", PROGRAMM, t.c_str());
}

void Lauf::katalog_anwenden(const KvAufruf& a)
{
    for (const std::string& w : a.katalog) {
        std::string fehler;
        if (!kv_katalog_waehlen(*r_, kataloge_, w, eingaben_, gewaehlt_, fehler))
            throw falsch("--katalog " + w + ": " + fehler);
    }
}

// Design to a standard size: every entry of the table with the inputs as
// they stand; the listing on stdout, and without a passing entry status 1
// with one line.
int Lauf::auslegen(const KvAufruf& a)
{
    if (!variationen_.empty() || suche_ || !a.eingaben_schreiben.empty() || !a.diagramm.empty()
        || !a.nachweis.empty())
        throw falsch("--auslegung: nur mit --format bericht oder json");
    if (a.format == "csv")
        throw falsch("--auslegung: erlaubt sind --format bericht und json");
    std::string text, meldung;
    const int status = kv_auslegung_ausgabe(*r_, kataloge_, a.auslegung, eingaben_, gewaehlt_, bedingungen_,
                                            a.format == "json", text, meldung);
    if (status == KV_FALSCH)
        throw falsch(meldung);
    ausgeben(text);
    if (status != 0)
        throw Abbruch{status, meldung};
    return 0;
}

void Lauf::zuweisungen(const KvAufruf& a)
{
    const std::vector<std::string> woerter(a.rest.begin() + 1, a.rest.end());
    if (std::string fehler = kv_zuweisungen(*r_, woerter, !a.auslegung.empty(), !a.suche.empty(), eingaben_,
                                            genannt_, bedingungen_, ziel_);
        !fehler.empty())
        throw falsch(fehler);
}

void Lauf::variationen(const KvAufruf& a)
{
    for (const std::string& t : a.variiere) {
        KvVariation v;
        if (!kv_variation_zerlegen(t, v))
            throw falsch("--variiere " + t + ": erwartet NAME=VON:BIS:ANZAHL (ANZAHL ganz, mindestens 1)");
        v.feld = kv_eingabe_index(*r_, v.name);
        if (v.feld < 0) {
            if (kv_option_index(*r_, v.name) >= 0)
                throw falsch("--variiere " + v.name + ": eine Auswahl laesst sich nicht variieren");
            throw falsch(std::string("unbekannter Name \"") + v.name + "\" fuer " + r_->name
                         + " (--namen zeigt die Namen)");
        }
        const KvEingabe& f = r_->eingaben[v.feld];
        if (!kv_gelesen(*r_, v.feld, eingaben_.optionen.data()))
            throw falsch("--variiere " + v.name + ": " + kv_feld_text(f)
                         + " wird bei dieser Auswahl nicht gelesen");
        if (!genannt_.insert(v.name).second)
            throw falsch(v.name + " ist zweimal angegeben");
        for (const std::string* grenze : {&v.von_text, &v.bis_text})
            if (const int stelle = kv_erste_fehlstelle(grenze->c_str()))
                throw falsch("--variiere " + t + ": Stelle " + std::to_string(stelle)
                             + ": keine Zahl");
        // The field reads as its first value; every point then sets its own.
        eingaben_.texte[v.feld] = v.von_text;
        variationen_.push_back(std::move(v));
    }
    if (!variationen_.empty() && kv_studie_punkte(variationen_) == 0)
        throw falsch("--variiere: zu viele Punkte");
}

void Lauf::suche_pruefen(const KvAufruf& a)
{
    if (a.suche.empty()) {
        if (!a.bereich.empty())
            throw falsch("--bereich gilt nur mit --suche");
        return;
    }
    KvSuche s;
    if (std::string fehler = kv_suchauftrag(*r_, eingaben_, a.suche, ziel_, a.bereich, variationen_, s);
        !fehler.empty())
        throw falsch(fehler);
    suche_ = s;
}

// A single search: the field gets the text found; refused is wrong use,
// none in the range is told with the results seen there.
void Lauf::suchen()
{
    std::string meldung;
    if (const int status = kv_suche_ausfuehren(*r_, eingaben_, *suche_, gefunden_, meldung))
        throw abbruch(status, meldung);
}

int Lauf::ausgeben(const std::string& t)
{
    if (!schreiben(aus_, t) || std::fflush(aus_) != 0)
        throw Abbruch{1, "Die Ausgabe konnte nicht geschrieben werden."};
    return 0;
}

void Lauf::diagramm_pruefen(const KvAufruf& a)
{
    if (a.diagramm.empty()) {
        if (!a.groesse.empty())
            throw falsch("--groesse gilt nur mit --diagramm");
        return;
    }
    if (!variationen_.empty() || !a.eingaben_schreiben.empty())
        throw falsch("--diagramm zeichnet eine einzelne Berechnung");
    if (diagramm_dateiart(a.diagramm) == Dateiart::unbekannt)
        throw falsch("--diagramm " + a.diagramm + ": erlaubt sind Dateien auf .png, .svg, .pdf");
    if (!a.groesse.empty() && !diagramm_groesse_lesen(a.groesse, breite_, hoehe_))
        throw falsch("--groesse " + a.groesse + ": erwartet BREITExHOEHE, je 1 bis "
                     + std::to_string(DIAGRAMM_KANTE_MAX) + " Pixel");
}

void Lauf::nachweis_pruefen(const KvAufruf& a)
{
    if (a.nachweis.empty()) {
        for (const char* o : {"projekt", "bearbeiter"})
            if (!(o[0] == 'p' ? a.projekt : a.bearbeiter).empty())
                throw falsch(std::string("--") + o + " gilt nur mit --nachweis");
        return;
    }
    if (!variationen_.empty() || !a.eingaben_schreiben.empty())
        throw falsch("--nachweis belegt eine einzelne Berechnung");
    for (const std::string* t : {&a.projekt, &a.bearbeiter})
        if (!g_utf8_validate(t->data(), static_cast<gssize>(t->size()), nullptr))
            throw falsch((t == &a.projekt ? "--projekt" : "--bearbeiter")
                         + std::string(": kein gueltiger UTF-8-Text"));
}

// Draws the computation; a range the plot refuses is wrong use, like a bad field.
void Lauf::diagramm_schreiben(const KvAufruf& a, const KvStand& stand)
{
    Diagramm d;
    std::string fehler;
    if (!kv_diagramm_zeichner(*r_)(stand, d, fehler))
        throw falsch(fehler);
    if (!::diagramm_schreiben(d, a.diagramm, breite_, hoehe_, fehler))
        throw Abbruch{1, "Diagramm " + a.diagramm + ": " + fehler};
}

int Lauf::einzeln(const std::string& format, const KvAufruf& a)
{
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*r_, eingaben_, stand, !a.diagramm.empty());
    std::string meldung;
    if (const int status = kv_rechnung_status(*r_, rechnung, meldung))
        throw abbruch(status, meldung);
    if (!a.diagramm.empty())
        diagramm_schreiben(a, stand);
    if (!a.nachweis.empty()) {
        KvNachweisAngaben angaben = kv_nachweis_jetzt();
        angaben.projekt = a.projekt;
        angaben.bearbeiter = a.bearbeiter;
        for (const KvKatalogWahl& w : kv_katalog_verwendet(*r_, eingaben_, gewaehlt_))
            angaben.katalog.push_back(kv_katalog_zeile(kataloge_, w));
        std::string fehler;
        if (!kv_nachweis_schreiben(*r_, eingaben_, kv_diagramm_zeichner(*r_), angaben,
                                   a.nachweis, fehler))
            throw Abbruch{1, "Nachweis " + fehler};
    }
    std::string t;
    if (format == "bericht") {
        t = r_->bericht(stand, rechnung);
    } else if (format == "json") {
        const KvJsonSuche js{suche_ ? *suche_ : KvSuche{}, gefunden_};
        const KvJsonZusatz zusatz{kv_katalog_json(kataloge_, kv_katalog_verwendet(*r_, eingaben_, gewaehlt_), "  ")};
        kv_json_anhaengen(t, *r_, eingaben_, stand, rechnung, "", suche_ ? &js : nullptr, &zusatz);
        t += "\n";
    } else {
        const KvCsv csv(*r_, eingaben_, stand, {});
        csv.kopf_anhaengen(t);
        csv.zeile_anhaengen(t, stand, rechnung);
    }
    return ausgeben(t);
}

// The fields as read before a study, and the varied ones.
std::vector<int> Lauf::studie_lesen(KvStand& stand, KvRechnung& rechnung)
{
    if (!kv_lesen(*r_, eingaben_, stand, rechnung))
        throw falsch(kv_keine_zahl_text(*r_, rechnung));
    std::vector<int> felder;
    for (const KvVariation& v : variationen_)
        felder.push_back(v.feld);
    return felder;
}

int Lauf::studie(const std::string& format)
{
    KvStand stand;
    KvRechnung rechnung;
    const std::vector<int> felder = studie_lesen(stand, rechnung);
    const KvCsv csv(*r_, eingaben_, stand, felder);

    // Written in pieces: a study of a million points needs no more memory
    // than one of ten.
    std::string t;
    t.reserve(1 << 17);
    const bool json = format == "json";
    bool erster = true;
    if (json) t += "[\n"; else csv.kopf_anhaengen(t);
    kv_studie_durchlaufen(variationen_, [&](const std::vector<double>& werte) {
        for (size_t j = 0; j < felder.size(); ++j)
            stand.werte[felder[j]] = werte[j];
        rechnung.status = KvStatus::berechnet;
        rechnung.meldung = "";
        r_->berechnen(stand, rechnung);
        if (json) {
            for (size_t j = 0; j < felder.size(); ++j)
                eingaben_.texte[felder[j]] = kv_kurz(werte[j]);
            stand.texte = eingaben_.texte.data();
            t += erster ? "  " : ",\n  ";
            kv_json_anhaengen(t, *r_, eingaben_, stand, rechnung, "  ");
        } else {
            csv.zeile_anhaengen(t, stand, rechnung);
        }
        erster = false;
        if (t.size() >= (1 << 16)) {
            if (!schreiben(aus_, t))
                throw Abbruch{1, "Die Ausgabe konnte nicht geschrieben werden."};
            t.clear();
        }
    });
    if (json) t += "\n]\n";
    return ausgeben(t);
}

// A design curve: one search at each point of the grid of the other fields.
int Lauf::suchstudie(const std::string& format)
{
    KvStand stand;
    KvRechnung rechnung;
    const std::vector<int> felder = studie_lesen(stand, rechnung);
    std::vector<int> spalten = felder;
    spalten.push_back(suche_->feld);
    const KvCsv csv(*r_, eingaben_, stand, spalten);
    const bool json = format == "json";
    std::string t;
    if (json) t += "[\n"; else csv.kopf_anhaengen(t);
    bool erster = true;
    kv_studie_durchlaufen(variationen_, [&](const std::vector<double>& werte) {
        KvEingaben e = eingaben_;
        for (size_t j = 0; j < felder.size(); ++j)
            e.texte[felder[j]] = kv_feldtext(werte[j]);
        const KvSuchergebnis g = kv_suchen(*r_, e, *suche_);
        const bool loesung = g.status == KvSuchstatus::gefunden;
        e.texte[suche_->feld] = loesung ? g.loesungen[0].text : "";
        KvRechnung r = kv_rechnen(*r_, e, stand);
        if (json) {
            const KvJsonSuche js{*suche_, g};
            t += erster ? "  " : ",\n  ";
            kv_json_anhaengen(t, *r_, e, stand, r, "  ", &js);
        } else if (loesung) {
            csv.zeile_anhaengen(t, stand, r);
        } else {
            csv.ohne_loesung_anhaengen(t, stand, g.meldung, suche_->feld);
        }
        erster = false;
    });
    if (json) t += "\n]\n";
    return ausgeben(t);
}

int Lauf::ausfuehren(const KvAufruf& a)
{
    if (a.hilfe)
        return ausgeben(kv_hilfe_text);
    if (a.version)
        return ausgeben(std::string(PROGRAMM) + " " + KV_VERSION + "\n"
                        "Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer "
                        "<https://www.gnu.org/licenses/gpl-3.0.html>\n"
                        "Dies ist freie Software: Sie duerfen sie aendern und weitergeben.\n"
                        "Es gibt KEINE GARANTIE, soweit gesetzlich zulaessig.\n");
    if (a.rest.empty())
        throw falsch("kein Programm angegeben (" + kv_programmliste() + "); --help zeigt die Bedienung");
    r_ = kv_rechner_finden(a.rest[0]);
    if (!r_)
        throw falsch(kv_unbekanntes_programm(a.rest[0]));
    if (a.namen)
        return ausgeben(namensliste(*r_));
    if (a.ergebnisnamen)
        return ausgeben(ergebnisliste(*r_));
    if (a.format != "bericht" && a.format != "json" && a.format != "csv")
        throw falsch("--format " + a.format + ": erlaubt sind bericht, json, csv");

    eingaben_ = kv_vorgaben(*r_);
    std::string fehler;
    if (!a.eingaben.empty() && !kv_eingabesatz_lesen(*r_, a.eingaben, eingaben_, fehler))
        throw falsch(fehler);
    if (a.kataloge || !a.katalog.empty() || !a.auslegung.empty())
        kataloge_lesen();
    katalog_anwenden(a);
    if (a.kataloge) {
        if (a.format == "csv")
            throw falsch("--kataloge: erlaubt sind --format bericht und json");
        return ausgeben(kv_katalogliste(*r_, kataloge_, eingaben_, gewaehlt_, a.format == "json"));
    }
    zuweisungen(a);
    variationen(a);
    suche_pruefen(a);
    diagramm_pruefen(a);
    nachweis_pruefen(a);
    if (!a.auslegung.empty())
        return auslegen(a);
    if (suche_ && variationen_.empty())
        suchen();

    if (!a.eingaben_schreiben.empty()) {
        if (!variationen_.empty())
            throw falsch("--eingaben-schreiben schreibt einen Eingabesatz, keine Studie");
        if (a.eingaben_schreiben == "-")
            return ausgeben(kv_eingabesatz_text(*r_, eingaben_));
        if (!kv_eingabesatz_schreiben(*r_, eingaben_, a.eingaben_schreiben, fehler))
            throw Abbruch{1, fehler};
        return 0;
    }
    if (variationen_.empty())
        return einzeln(a.format, a);
    if (a.format == "bericht")
        throw falsch("ein Bericht zeigt eine einzelne Berechnung; eine Studie gibt es mit "
                     "--format csv oder --format json");
    return suche_ ? suchstudie(a.format) : studie(a.format);
}

} // namespace

int kv_kommandozeile(int argc, char** argv, std::FILE* aus, std::FILE* fehler)
{
    KvAufruf a;
    std::string text;
    if (!kv_aufruf_lesen(argc, argv, a, text)) {
        std::fprintf(fehler, "%s: %s\n", PROGRAMM, text.c_str());
        return 2;
    }
    try {
        return Lauf(aus, fehler).ausfuehren(a);
    } catch (const Abbruch& x) {
        std::fprintf(fehler, "%s: %s\n", PROGRAMM, x.text.c_str());
        return x.status;
    }
}
