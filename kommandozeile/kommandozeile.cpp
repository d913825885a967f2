#include "kommandozeile.h"

#include "aufruf.h"
#include "hilfe.h"
#include "ausgabe.h"
#include "diagramm_datei.h"
#include "eingabesatz_datei.h"
#include "kataloge.h"
#include "nachweis.h"
#include "rechnerliste.h"
#include "sprache.h"
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
        t += std::string(name) + "\t" + _(beschriftung) + "\t" + einheit + "\t" + vorgabe + "\t";
        for (size_t i = 0; i < werte.size(); ++i) {
            if (i) t += '|';
            t += werte[i];
        }
        t += "\n";
    };
    // The window's own fields and options, then those of its addition.
    const KvFensterteile fenster = kv_fensterteile(r);
    auto teile = [&](bool im_zusatz) {
        for (size_t i = 0; i < r.eingaben.size(); ++i)
            if ((static_cast<int>(i) >= fenster.eingaben) == im_zusatz) {
                const KvEingabe& f = r.eingaben[i];
                zeile(f.name, f.beschriftung, f.einheit, f.vorgabe, f.auswahl);
            }
        for (size_t k = 0; k < r.optionen.size(); ++k)
            if ((static_cast<int>(k) >= fenster.optionen) == im_zusatz) {
                const KvOption& o = r.optionen[k];
                zeile(o.name, o.beschriftung, "", o.werte[o.vorgabe], o.werte);
            }
    };
    teile(false);
    teile(true);
    return t;
}

std::string ergebnisliste(const KvRechner& r)
{
    std::string t;
    for (const KvAusgabe& a : r.ergebnisse)
        t += std::string(a.name) + "\t" + _(a.beschriftung) + "\t" + a.einheit + "\n";
    return t;
}

class Lauf {
public:
    Lauf(std::FILE* aus, std::FILE* fehler) : aus_(aus), fehler_(fehler) {}
    KvFehler ausfuehren(const KvAufruf& a);

private:
    KvFehler eingaben_vorbereiten(const KvAufruf& a);
    void kataloge_lesen();
    KvFehler katalog_anwenden(const KvAufruf& a);
    KvFehler auslegen(const KvAufruf& a);
    KvFehler variationen(const KvAufruf& a);
    KvFehler suche_pruefen(const KvAufruf& a);
    KvFehler diagramm_pruefen(const KvAufruf& a);
    KvFehler nachweis_pruefen(const KvAufruf& a);
    KvFehler eingaben_schreiben(const KvAufruf& a);
    KvFehler rechnen(const KvAufruf& a);
    KvFehler einzeln(const std::string& format, const KvAufruf& a);
    KvFehler diagramm_schreiben(const KvAufruf& a, const KvStand& stand);
    KvFehler nachweis_schreiben(const KvAufruf& a);
    KvFehler studie_lesen(KvStand& stand, KvRechnung& rechnung, std::vector<int>& felder);
    KvFehler studie(const std::string& format);
    KvFehler suchstudie(const std::string& format);
    KvFehler ausgeben(const std::string& t);
    KvFehler stueck_ausgeben(std::string& t);

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
        std::fprintf(fehler_, "%s: %s\n", PROGRAMM, kv_einsetzen(_("Katalog abgelehnt: {1}"), {t}).c_str());
}

KvFehler Lauf::katalog_anwenden(const KvAufruf& a)
{
    for (const std::string& w : a.katalog) {
        std::string fehler;
        if (!kv_katalog_waehlen(*r_, kataloge_, w, eingaben_, gewaehlt_, fehler))
            return kv_abgelehnt("--katalog " + w + ": " + fehler);
    }
    return {};
}

// Design to a standard size: every entry of the table with the inputs as
// they stand; the listing on stdout, and without a passing entry status 1
// with one line.
KvFehler Lauf::auslegen(const KvAufruf& a)
{
    if (!variationen_.empty() || suche_ || !a.eingaben_schreiben.empty() || !a.diagramm.empty()
        || !a.nachweis.empty())
        return kv_abgelehnt(_("--auslegung: nur mit --format bericht oder json"));
    if (a.format == "csv")
        return kv_abgelehnt(_("--auslegung: erlaubt sind --format bericht und json"));
    std::string text;
    const KvFehler f = kv_auslegung_ausgabe(*r_, kataloge_, a.auslegung, eingaben_, gewaehlt_, bedingungen_,
                                            a.format == "json", text);
    if (f.status == KvStatus::abgelehnt)
        return f;
    if (KvFehler g = ausgeben(text))
        return g;
    return f;
}

KvFehler Lauf::variationen(const KvAufruf& a)
{
    for (const std::string& t : a.variiere) {
        KvVariation v;
        if (!kv_variation_zerlegen(t, v))
            return kv_abgelehnt(kv_einsetzen(_("--variiere {1}: erwartet NAME=VON:BIS:ANZAHL (ANZAHL ganz, mindestens 1)"), {t}));
        v.feld = kv_eingabe_index(*r_, v.name);
        if (v.feld < 0) {
            if (kv_option_index(*r_, v.name) >= 0)
                return kv_abgelehnt(kv_einsetzen(_("--variiere {1}: eine Auswahl laesst sich nicht variieren"), {v.name}));
            return kv_unbekannter_name(*r_, v.name);
        }
        const KvEingabe& f = r_->eingaben[v.feld];
        if (!kv_gelesen(*r_, v.feld, eingaben_.optionen.data()))
            return kv_abgelehnt(kv_einsetzen(_("--variiere {1}: {2} wird bei dieser Auswahl nicht gelesen"),
                                             {v.name, kv_feld_text(f)}));
        if (!genannt_.insert(v.name).second)
            return kv_abgelehnt(kv_einsetzen(_("{1} ist zweimal angegeben"), {v.name}));
        for (const std::string* grenze : {&v.von_text, &v.bis_text})
            if (const int stelle = kv_erste_fehlstelle(grenze->c_str()))
                return kv_abgelehnt(kv_einsetzen(_("--variiere {1}: Stelle {2}: keine Zahl"), {t, std::to_string(stelle)}));
        // The field reads as its first value; every point then sets its own.
        eingaben_.texte[v.feld] = v.von_text;
        variationen_.push_back(std::move(v));
    }
    if (!variationen_.empty() && kv_studie_punkte(variationen_) == 0)
        return kv_abgelehnt(_("--variiere: zu viele Punkte"));
    return {};
}

KvFehler Lauf::suche_pruefen(const KvAufruf& a)
{
    if (a.suche.empty())
        return a.bereich.empty() ? KvFehler{} : kv_abgelehnt(_("--bereich gilt nur mit --suche"));
    KvSuche s;
    if (KvFehler f = kv_suchauftrag(*r_, eingaben_, a.suche, ziel_, a.bereich, variationen_, s))
        return f;
    suche_ = s;
    return {};
}

KvFehler Lauf::ausgeben(const std::string& t)
{
    if (!schreiben(aus_, t) || std::fflush(aus_) != 0)
        return kv_verweigert(_("Die Ausgabe konnte nicht geschrieben werden."));
    return {};
}

// A piece of a long output, once it has grown large.
KvFehler Lauf::stueck_ausgeben(std::string& t)
{
    if (t.size() < (1 << 16))
        return {};
    if (!schreiben(aus_, t))
        return kv_verweigert(_("Die Ausgabe konnte nicht geschrieben werden."));
    t.clear();
    return {};
}

KvFehler Lauf::diagramm_pruefen(const KvAufruf& a)
{
    if (a.diagramm.empty())
        return a.groesse.empty() ? KvFehler{} : kv_abgelehnt(_("--groesse gilt nur mit --diagramm"));
    if (!variationen_.empty() || !a.eingaben_schreiben.empty())
        return kv_abgelehnt(_("--diagramm zeichnet eine einzelne Berechnung"));
    if (!r_->diagramm)
        return kv_abgelehnt(kv_einsetzen(_("--diagramm: {1} zeichnet kein Diagramm"), {r_->name}));
    if (diagramm_dateiart(a.diagramm) == Dateiart::unbekannt)
        return kv_abgelehnt(kv_einsetzen(_("--diagramm {1}: erlaubt sind Dateien auf .png, .svg, .pdf"), {a.diagramm}));
    if (!a.groesse.empty() && !diagramm_groesse_lesen(a.groesse, breite_, hoehe_))
        return kv_abgelehnt(kv_einsetzen(_("--groesse {1}: erwartet BREITExHOEHE, je 1 bis {2} Pixel"),
                                         {a.groesse, std::to_string(DIAGRAMM_KANTE_MAX)}));
    return {};
}

KvFehler Lauf::nachweis_pruefen(const KvAufruf& a)
{
    if (a.nachweis.empty()) {
        for (const char* o : {"projekt", "bearbeiter"})
            if (!(o[0] == 'p' ? a.projekt : a.bearbeiter).empty())
                return kv_abgelehnt(kv_einsetzen(_("--{1} gilt nur mit --nachweis"), {o}));
        return {};
    }
    if (!variationen_.empty() || !a.eingaben_schreiben.empty())
        return kv_abgelehnt(_("--nachweis belegt eine einzelne Berechnung"));
    for (const std::string* t : {&a.projekt, &a.bearbeiter})
        if (!g_utf8_validate(t->data(), static_cast<gssize>(t->size()), nullptr))
            return kv_abgelehnt(kv_einsetzen(_("{1}: kein gueltiger UTF-8-Text"),
                                             {t == &a.projekt ? "--projekt" : "--bearbeiter"}));
    return {};
}

// Draws the computation; a range the plot refuses is wrong use, like a bad field.
KvFehler Lauf::diagramm_schreiben(const KvAufruf& a, const KvStand& stand)
{
    Diagramm d;
    std::string fehler;
    if (!r_->diagramm(stand, d, fehler))
        return kv_abgelehnt(fehler);
    if (!::diagramm_schreiben(d, a.diagramm, breite_, hoehe_, fehler))
        return kv_verweigert("Diagramm " + a.diagramm + ": " + fehler);
    return {};
}

KvFehler Lauf::nachweis_schreiben(const KvAufruf& a)
{
    KvNachweisAngaben angaben = kv_nachweis_jetzt();
    angaben.projekt = a.projekt;
    angaben.bearbeiter = a.bearbeiter;
    for (const KvKatalogWahl& w : kv_katalog_verwendet(*r_, eingaben_, gewaehlt_))
        angaben.katalog.push_back(kv_katalog_zeile(kataloge_, w));
    std::string fehler;
    if (!kv_nachweis_schreiben(*r_, eingaben_, r_->diagramm, angaben, a.nachweis, fehler))
        return kv_verweigert("Nachweis " + fehler);
    return {};
}

KvFehler Lauf::einzeln(const std::string& format, const KvAufruf& a)
{
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(*r_, eingaben_, stand, !a.diagramm.empty());
    if (KvFehler f = kv_rechnung_fehler(*r_, rechnung))
        return f;
    if (!a.diagramm.empty())
        if (KvFehler f = diagramm_schreiben(a, stand))
            return f;
    if (!a.nachweis.empty())
        if (KvFehler f = nachweis_schreiben(a))
            return f;
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
KvFehler Lauf::studie_lesen(KvStand& stand, KvRechnung& rechnung, std::vector<int>& felder)
{
    if (!kv_lesen(*r_, eingaben_, stand, rechnung))
        return kv_rechnung_fehler(*r_, rechnung);
    for (const KvVariation& v : variationen_)
        felder.push_back(v.feld);
    return {};
}

KvFehler Lauf::studie(const std::string& format)
{
    KvStand stand;
    KvRechnung rechnung;
    std::vector<int> felder;
    if (KvFehler f = studie_lesen(stand, rechnung, felder))
        return f;
    const KvCsv csv(*r_, eingaben_, stand, felder);

    // Written in pieces: a study of a million points needs no more memory
    // than one of ten.
    std::string t;
    t.reserve(1 << 17);
    const bool json = format == "json";
    bool erster = true;
    KvFehler fehler;
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
        fehler = stueck_ausgeben(t);
        return !fehler;
    });
    if (fehler)
        return fehler;
    if (json) t += "\n]\n";
    return ausgeben(t);
}

// A design curve: one search at each point of the grid of the other fields.
KvFehler Lauf::suchstudie(const std::string& format)
{
    KvStand stand;
    KvRechnung rechnung;
    std::vector<int> felder;
    if (KvFehler f = studie_lesen(stand, rechnung, felder))
        return f;
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
        return true;
    });
    if (json) t += "\n]\n";
    return ausgeben(t);
}

// Defaults, the input set, the catalogue entries and NAME=WERT, in that
// order, and what the other options ask for checked against them.
KvFehler Lauf::eingaben_vorbereiten(const KvAufruf& a)
{
    eingaben_ = kv_vorgaben(*r_);
    std::string fehler;
    if (!a.eingaben.empty() && !kv_eingabesatz_lesen(*r_, a.eingaben, eingaben_, fehler))
        return kv_abgelehnt(fehler);
    if (a.kataloge || !a.katalog.empty() || !a.auslegung.empty())
        kataloge_lesen();
    return katalog_anwenden(a);
}

KvFehler Lauf::eingaben_schreiben(const KvAufruf& a)
{
    if (!variationen_.empty())
        return kv_abgelehnt(_("--eingaben-schreiben schreibt einen Eingabesatz, keine Studie"));
    if (a.eingaben_schreiben == "-")
        return ausgeben(kv_eingabesatz_text(*r_, eingaben_));
    std::string fehler;
    if (!kv_eingabesatz_schreiben(*r_, eingaben_, a.eingaben_schreiben, fehler))
        return kv_verweigert(fehler);
    return {};
}

// A single computation, a study, or a search with either.
KvFehler Lauf::rechnen(const KvAufruf& a)
{
    if (variationen_.empty())
        return einzeln(a.format, a);
    if (a.format == "bericht")
        return kv_abgelehnt(_("ein Bericht zeigt eine einzelne Berechnung; eine Studie gibt es mit "
                              "--format csv oder --format json"));
    return suche_ ? suchstudie(a.format) : studie(a.format);
}

KvFehler Lauf::ausfuehren(const KvAufruf& a)
{
    if (a.hilfe)
        return ausgeben(kv_hilfe_text());
    if (a.version)
        return ausgeben(std::string(PROGRAMM) + " " + KV_VERSION + "\n"
                        + _("Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer "
                            "<https://www.gnu.org/licenses/gpl-3.0.html>\n"
                            "Dies ist freie Software: Sie duerfen sie aendern und weitergeben.\n"
                            "Es gibt KEINE GARANTIE, soweit gesetzlich zulaessig.\n"));
    if (a.rest.empty())
        return kv_abgelehnt(kv_einsetzen(_("kein Programm angegeben ({1}); --help zeigt die Bedienung"),
                                         {kv_programmliste()}));
    r_ = kv_rechner_finden(a.rest[0]);
    if (!r_)
        return kv_unbekanntes_programm(a.rest[0]);
    if (a.namen)
        return ausgeben(namensliste(*r_));
    if (a.ergebnisnamen)
        return ausgeben(ergebnisliste(*r_));
    if (a.format != "bericht" && a.format != "json" && a.format != "csv")
        return kv_abgelehnt(kv_einsetzen(_("--format {1}: erlaubt sind bericht, json, csv"), {a.format}));
    if (KvFehler f = eingaben_vorbereiten(a))
        return f;
    if (a.kataloge) {
        if (a.format == "csv")
            return kv_abgelehnt(_("--kataloge: erlaubt sind --format bericht und json"));
        return ausgeben(kv_katalogliste(*r_, kataloge_, eingaben_, gewaehlt_, a.format == "json"));
    }
    const std::vector<std::string> woerter(a.rest.begin() + 1, a.rest.end());
    KvFehler f = kv_zuweisungen(*r_, woerter, !a.auslegung.empty(), !a.suche.empty(), eingaben_, genannt_,
                                bedingungen_, ziel_);
    if (!f)
        f = variationen(a);
    if (!f)
        f = suche_pruefen(a);
    if (!f)
        f = diagramm_pruefen(a);
    if (!f)
        f = nachweis_pruefen(a);
    if (f)
        return f;
    if (!a.auslegung.empty())
        return auslegen(a);
    // A single search: the field gets the text found; refused is wrong use,
    // none in the range is told with the results seen there.
    if (suche_ && variationen_.empty())
        if (KvFehler g = kv_suche_ausfuehren(*r_, eingaben_, *suche_, gefunden_))
            return g;
    if (!a.eingaben_schreiben.empty())
        return eingaben_schreiben(a);
    return rechnen(a);
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
    const KvFehler f = Lauf(aus, fehler).ausfuehren(a);
    if (f)
        std::fprintf(fehler, "%s: %s\n", PROGRAMM, f.meldung.c_str());
    return kv_status_zahl(f.status);
}
