#include "nachweis.h"

#include "datei.h"
#include "diagramm_cairo.h"
#include "eingabesatz.h"
#include "rechengang_text.h"
#include "satz.h"
#include "sprache.h"

#include <cairo-pdf.h>
#include <glib.h>

#include <algorithm>

#ifndef KV_VERSION
#define KV_VERSION "unbekannt"
#endif

namespace {

// Columns of the input and result tables: caption, symbol, value, unit.
const std::vector<double> SPALTEN = {225, 80, 110};
constexpr double DIAGRAMM_HOEHE_PT = 330;

cairo_status_t anhaengen(void* ziel, const unsigned char* daten, unsigned int laenge)
{
    static_cast<std::string*>(ziel)->append(reinterpret_cast<const char*>(daten), laenge);
    return CAIRO_STATUS_SUCCESS;
}

GDateTime* zeit(const KvNachweisAngaben& a)
{
    GDateTime* utc = g_date_time_new_from_unix_utc(a.zeitpunkt);
    if (a.utc || !utc)
        return utc;
    GDateTime* lokal = g_date_time_to_local(utc);
    g_date_time_unref(utc);
    return lokal;
}

std::string zeit_text(const KvNachweisAngaben& a, const char* format)
{
    GDateTime* t = zeit(a);
    if (!t)
        return "";
    gchar* s = g_date_time_format(t, format);
    std::string text = s ? s : "";
    g_free(s);
    g_date_time_unref(t);
    return text;
}

// A unit in the reader's language ("Grad C"), "-" for dimensionless.
std::string einheit_text(const char* einheit) { return std::string(einheit) == "1" ? "-" : _(einheit); }

void kopf(KvSatz& s, const KvRechner& r, const KvNachweisAngaben& a)
{
    s.absatz(_("Rechnungsnachweis"), true);
    s.titel(_(r.titel));
    if (*r.verfahren)
        s.absatz(kv_einsetzen(_("Verfahren: {1}"), {_(r.verfahren)}), true);
    s.absatz(kv_einsetzen(_("Programm: {1} (maschinenelemente {2})"), {r.name, KV_VERSION}));
    s.absatz(kv_einsetzen(_("Berechnet am: {1}"), {zeit_text(a, "%Y-%m-%d %H:%M:%S %Z")}));
    if (!a.projekt.empty())
        s.absatz(kv_einsetzen(_("Projekt: {1}"), {a.projekt}));
    if (!a.bearbeiter.empty())
        s.absatz(kv_einsetzen(_("Bearbeiter: {1}"), {a.bearbeiter}));
    s.linie();
}

// A part's heading: a section of the record, or within the addition's
// section a bold line.
void teiltitel(KvSatz& s, const char* text, bool im_zusatz)
{
    if (im_zusatz)
        s.absatz(text, true);
    else
        s.ueberschrift(text);
}

// The inputs of the window's frames (im_zusatz false) or of the addition.
void eingaben(KvSatz& s, const KvRechner& r, const KvEingaben& e, const KvStand& stand,
              const std::vector<std::string>& katalog, bool im_zusatz)
{
    teiltitel(s, _("Eingaben"), im_zusatz);
    s.zeile({_("Eingabe"), _("Symbol"), _("Wert"), _("Einheit")}, SPALTEN, true);
    const KvNichtBelegt leer = r.nicht_belegt ? r.nicht_belegt(stand) : KvNichtBelegt{};
    std::string nicht_gelesen;
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        const KvEingabe& f = r.eingaben[i];
        if (kv_im_zusatz(r, f.rahmen) != im_zusatz)
            continue;
        if (std::find(leer.felder.begin(), leer.felder.end(), static_cast<int>(i))
            != leer.felder.end())
            continue;
        if (!kv_gilt(f.nur_bei, e.optionen.data())) {
            nicht_gelesen += (nicht_gelesen.empty() ? "" : ", ") + std::string(f.name);
            continue;
        }
        s.zeile({_(f.beschriftung), f.name, e.texte[i], einheit_text(f.einheit)}, SPALTEN);
    }
    for (size_t k = 0; k < r.optionen.size(); ++k) {
        const KvOption& o = r.optionen[k];
        if (kv_im_zusatz(r, o.rahmen) != im_zusatz)
            continue;
        const size_t w = static_cast<size_t>(e.optionen[k]);
        std::string wert = o.werte[w];
        if (w < o.knoepfe.size())
            wert += std::string(" (") + _(o.knoepfe[w]) + ")";
        s.zeile({_(o.beschriftung), o.name, wert}, {SPALTEN[0], SPALTEN[1]});
    }
    if (!nicht_gelesen.empty())
        s.absatz(kv_einsetzen(_("Bei dieser Auswahl nicht gelesen (im Eingabesatz enthalten): {1}"),
                              {nicht_gelesen}));
    if (im_zusatz)
        return;
    if (!leer.text.empty())
        s.absatz(kv_einsetzen(_("Nicht belegt und weggelassen (im Eingabesatz enthalten): {1}"),
                              {leer.text}));
    for (const std::string& z : katalog)
        s.absatz(z);
}

// Whether a step or check belongs to the part being set.
bool im_teil(const KvRechner& r, const std::string& rahmen, bool im_zusatz)
{
    return kv_im_zusatz(r, rahmen.c_str()) == im_zusatz;
}

void rechengang(KvSatz& s, const KvRechner& r, const KvRechengang& g, bool im_zusatz)
{
    if (std::none_of(g.schritte.begin(), g.schritte.end(),
                     [&](const KvSchritt& st) { return im_teil(r, st.rahmen, im_zusatz); }))
        return;
    teiltitel(s, _(KV_RECHENGANG_TITEL), im_zusatz);
    if (!im_zusatz)
        s.absatz(_(KV_RECHENGANG_ERKLAERUNG));
    for (const KvSchritt& st : g.schritte) {
        if (!im_teil(r, st.rahmen, im_zusatz))
            continue;
        s.haengend(st.symbol, kv_schritt_zeilen(st));
        s.abstand(2);
    }
}

void ergebnisse(KvSatz& s, const KvRechner& r, const KvEingaben& e, const KvRechnung& rechnung,
                bool im_zusatz)
{
    teiltitel(s, _("Ergebnisse"), im_zusatz);
    s.zeile({_("Ergebnis"), _("Symbol"), _("Wert"), _("Einheit")}, SPALTEN, true);
    for (size_t j = 0; j < r.ergebnisse.size(); ++j) {
        const KvAusgabe& a = r.ergebnisse[j];
        if (kv_im_zusatz(r, a.rahmen) != im_zusatz)
            continue;
        s.zeile({_(a.beschriftung), a.name, kv_ergebnistext(r, rechnung, e.optionen.data(), j),
                 einheit_text(a.einheit)},
                SPALTEN);
    }
    for (size_t k = 0; k < r.hinweise.size(); ++k)
        if (kv_im_zusatz(r, r.hinweise[k].rahmen) == im_zusatz)
            s.absatz(std::string(r.hinweise[k].name) + ": " + _(rechnung.hinweise[k].c_str()));
}

void pruefungen(KvSatz& s, const KvRechner& r, const KvRechengang& g, bool im_zusatz)
{
    if (std::none_of(g.pruefungen.begin(), g.pruefungen.end(),
                     [&](const KvPruefung& p) { return im_teil(r, p.rahmen, im_zusatz); }))
        return;
    teiltitel(s, _(KV_PRUEFUNGEN_TITEL), im_zusatz);
    for (const KvPruefung& p : g.pruefungen) {
        if (!im_teil(r, p.rahmen, im_zusatz))
            continue;
        s.platz_fuer(36);
        s.absatz(_(p.text.c_str()), true);
        s.absatz(kv_pruefung_zeile(p), false, 16);
        s.abstand(2);
    }
}

// The calculation beyond the window's frames, in a section of its own: its
// inputs, working, results and checks, where its formulas come from and
// what its results leave out.
void zusatz(KvSatz& s, const KvRechner& r, const KvEingaben& e, const KvStand& stand,
            const KvRechnung& rechnung, const KvRechengang& g)
{
    if (!*r.zusatz.rahmen)
        return;
    s.ueberschrift(_(r.zusatz.rahmen));
    s.absatz(kv_einsetzen(_("Quelle: {1}"), {_(r.zusatz.quelle)}));
    s.abstand(4);
    // Inputs of its own, if it has any.
    const KvFensterteile fenster = kv_fensterteile(r);
    if (fenster.eingaben < static_cast<int>(r.eingaben.size())
        || fenster.optionen < static_cast<int>(r.optionen.size())) {
        eingaben(s, r, e, stand, {}, true);
        s.abstand(4);
    }
    rechengang(s, r, g, true);
    ergebnisse(s, r, e, rechnung, true);
    s.abstand(4);
    pruefungen(s, r, g, true);
    s.absatz(kv_einsetzen(_("Vorbehalt: {1}"), {_(r.zusatz.vorbehalt)}));
}

void diagramm(KvSatz& s, const KvRechner& r, const KvEingaben& e, KvNachweisDiagramm zeichner)
{
    if (!zeichner)
        return;
    KvStand stand;
    KvRechnung rechnung;
    Diagramm d;
    std::string fehler;
    const bool gelesen = kv_lesen(r, e, stand, rechnung, true);
    const bool gezeichnet = gelesen && zeichner(stand, d, fehler);
    // The diagram and its caption stay together.
    s.platz_fuer(DIAGRAMM_HOEHE_PT + 60);
    s.ueberschrift(_("Diagramm"));
    std::string bereich;
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (!r.eingaben[i].beim_rechnen && !r.eingaben[i].text)
            bereich += (bereich.empty() ? "" : ", ") + std::string(r.eingaben[i].name) + " = "
                     + e.texte[i] + " " + r.eingaben[i].einheit;
    if (!bereich.empty())
        s.absatz(kv_einsetzen(_("Dargestellter Bereich: {1}"), {bereich}));
    if (!gezeichnet) {
        s.absatz(kv_einsetzen(_("Kein Diagramm: {1}"),
                              {gelesen ? fehler : _("ein Feld des Bereichs ist keine Zahl")}));
        return;
    }
    s.bild(DIAGRAMM_HOEHE_PT, [d](cairo_t* cr, double b, double h) { diagramm_zeichnen(cr, d, b, h); });
}

void eingabesatz(KvSatz& s, const KvRechner& r, const KvEingaben& e)
{
    s.neue_seite();
    s.ueberschrift(_("Eingabesatz"));
    // Uebersetzung: the file's name (mein.stalor, ...) is the reader's to type.
    const std::string datei = _("mein") + kv_eingabesatz_endung(r);
    s.absatz(kv_einsetzen(_("Vollstaendig, zum Nachrechnen: als Datei {1} speichern und im Fenster "
                            "mit \"Eingaben oeffnen...\" oder auf der Kommandozeile lesen:"),
                          {datei}));
    s.vorformatiert("    maschinenelemente " + std::string(r.name) + " --eingaben " + datei);
    s.abstand(8);
    s.vorformatiert(kv_eingabesatz_text(r, e));
}

} // namespace

KvNachweisAngaben kv_nachweis_jetzt()
{
    KvNachweisAngaben a;
    if (const char* quelle = g_getenv("SOURCE_DATE_EPOCH")) {
        gchar* ende = nullptr;
        const gint64 t = g_ascii_strtoll(quelle, &ende, 10);
        if (*quelle && ende && *ende == '\0' && t >= 0) {
            a.zeitpunkt = t;
            a.utc = true;
            return a;
        }
    }
    a.zeitpunkt = g_get_real_time() / G_USEC_PER_SEC;
    return a;
}

bool kv_nachweis_pdf(const KvRechner& r, const KvEingaben& e, KvNachweisDiagramm zeichner,
                     const KvNachweisAngaben& a, std::string& pdf, std::string& fehler)
{
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(r, e, stand);
    if (rechnung.status == KvStatus::abgelehnt) {
        fehler = std::string("Feld ") + r.eingaben[rechnung.feld].name + " ("
               + r.eingaben[rechnung.feld].beschriftung + "): Stelle "
               + std::to_string(rechnung.stelle) + ": keine Zahl";
        return false;
    }
    if (rechnung.status == KvStatus::verweigert) {
        fehler = rechnung.meldung;
        return false;
    }
    KvRechengang gang;
    if (r.rechengang)
        r.rechengang(stand, rechnung, gang);

    pdf.clear();
    cairo_surface_t* flaeche = cairo_pdf_surface_create_for_stream(anhaengen, &pdf, A4_BREITE, A4_HOEHE);
    const std::string datum = zeit_text(a, "%Y-%m-%dT%H:%M:%S%:z");
    const std::string titel = kv_einsetzen(_("Rechnungsnachweis: {1}"), {_(r.titel)});
    const std::string ersteller = std::string("maschinenelemente ") + KV_VERSION + " (" + r.name + ")";
    cairo_pdf_surface_set_metadata(flaeche, CAIRO_PDF_METADATA_TITLE, titel.c_str());
    cairo_pdf_surface_set_metadata(flaeche, CAIRO_PDF_METADATA_CREATOR, ersteller.c_str());
    if (!a.bearbeiter.empty())
        cairo_pdf_surface_set_metadata(flaeche, CAIRO_PDF_METADATA_AUTHOR, a.bearbeiter.c_str());
    cairo_pdf_surface_set_metadata(flaeche, CAIRO_PDF_METADATA_CREATE_DATE, datum.c_str());
    cairo_pdf_surface_set_metadata(flaeche, CAIRO_PDF_METADATA_MOD_DATE, datum.c_str());
    cairo_t* cr = cairo_create(flaeche);
    {
        KvSatz s(cr);
        kopf(s, r, a);
        eingaben(s, r, e, stand, a.katalog, false);
        rechengang(s, r, gang, false);
        ergebnisse(s, r, e, rechnung, false);
        pruefungen(s, r, gang, false);
        diagramm(s, r, e, zeichner);
        zusatz(s, r, e, stand, rechnung, gang);
        eingabesatz(s, r, e);
        s.ausgeben(cr, std::string(_(r.titel)) + " (" + r.name + ")");
    }
    bool gut = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_finish(flaeche);
    gut = gut && cairo_surface_status(flaeche) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(flaeche);
    if (!gut)
        fehler = _("Der Nachweis konnte nicht erzeugt werden.");
    return gut;
}

bool kv_nachweis_schreiben(const KvRechner& r, const KvEingaben& e, KvNachweisDiagramm zeichner,
                           const KvNachweisAngaben& a, const std::string& pfad,
                           std::string& fehler)
{
    std::string pdf;
    if (!kv_nachweis_pdf(r, e, zeichner, a, pdf, fehler))
        return false;
    std::string grund;
    if (!kv_datei_schreiben(pfad, pdf, grund)) {
        fehler = kv_einsetzen(_("{1}: Die Datei {2}."), {pfad, grund});
        return false;
    }
    return true;
}
