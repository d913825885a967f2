// The window of a calculator without a window layer of its own, built from
// its description alone: each input frame a table with the fields in their
// cells, the options as radio or check buttons, the results under their
// captions in the frame "Ergebnisse" with the notes; "Rechnen" as every
// window computes (kv_gtk_rechnen).  A change of an option clears the
// results and greys the fields and results the new mode does not use.
#include "shell.h"

#include <algorithm>
#include <string_view>

extern const KvProgramm* kv_programm;

namespace {

const KvRechner& rechner() { return *kv_programm->rechner; }

KvEingabeWidgets widgets;

// The window's frames in the order of their first field or option (the
// addition's are shown by its own dialog).
template <typename T>
std::vector<const char*> rahmen_von(const std::vector<T>& teile)
{
    std::vector<const char*> rahmen;
    for (const T& t : teile)
        if (!kv_im_zusatz(rechner(), t.rahmen) && std::none_of(rahmen.begin(), rahmen.end(),
                         [&](const char* r) { return std::string_view(r) == t.rahmen; }))
            rahmen.push_back(t.rahmen);
    return rahmen;
}

void eingaben()
{
    const KvRechner& r = rechner();
    widgets.felder.assign(kv_fensterteile(r).eingaben, nullptr);
    for (const char* titel : rahmen_von(r.eingaben)) {
        int zeilen = 1, spalten = 2;
        for (size_t i = 0; i < r.eingaben.size(); ++i)
            if (std::string_view(r.eingaben[i].rahmen) == titel) {
                const KvZelle z = kv_zelle(r, static_cast<int>(i));
                zeilen = std::max(zeilen, z.zeile + 1);
                spalten = std::max(spalten, z.unter_kopf ? z.spalte + 1 : 2 * z.spalte + 2);
            }
        GtkWidget* tabelle = kv_gtk_tabelle(zeilen, spalten);
        for (size_t i = 0; i < r.eingaben.size(); ++i)
            if (std::string_view(r.eingaben[i].rahmen) == titel) {
                widgets.felder[i] = kv_gtk_feld(r.eingaben[i].vorgabe);
                kv_gtk_eingabe_zelle(tabelle, r, static_cast<int>(i), widgets.felder[i]);
            }
        if (std::string_view(titel) == KV_EINGABERAHMEN)
            kv_gtk_packen(Pack_Box[0], tabelle);
        else
            kv_gtk_im_rahmen(Pack_Box[0], _(titel), tabelle);
    }
}

// The option's buttons packed into box.
void option(GtkWidget* box, const KvOption& o, std::vector<GtkWidget*>& knoepfe)
{
    knoepfe = kv_gtk_optionsknoepfe(o);
    for (GtkWidget* k : knoepfe)
        kv_gtk_packen(box, k);
}

void optionen()
{
    const KvRechner& r = rechner();
    widgets.optionen.assign(kv_fensterteile(r).optionen, {});
    for (const char* titel : rahmen_von(r.optionen)) {
        GtkWidget* box = gtk_vbox_new(FALSE, 0);
        for (size_t k = 0; k < r.optionen.size(); ++k)
            if (std::string_view(r.optionen[k].rahmen) == titel)
                option(box, r.optionen[k], widgets.optionen[k]);
        kv_gtk_im_rahmen(Pack_Box[1], _(titel), box);
    }
}

// One result a row, its caption left of its field; a note that captions a
// result stands in that caption's place, the others below.
int ergebnisse()
{
    const KvRechner& r = rechner();
    const KvFensterteile f = kv_fensterteile(r);
    GtkWidget* tabelle = kv_gtk_tabelle(f.ergebnisse + f.hinweise, 2);
    widgets.ergebnisse.clear();
    widgets.hinweise.assign(f.hinweise, nullptr);
    for (int j = 0; j < f.ergebnisse; ++j) {
        GtkWidget* beschriftung = nullptr;
        for (int k = 0; k < f.hinweise; ++k)
            if (std::string_view(r.hinweise[k].ergebnis) == r.ergebnisse[j].name)
                beschriftung = widgets.hinweise[k] = gtk_label_new(_(r.hinweise[k].beschriftung));
        if (!beschriftung)
            beschriftung = gtk_label_new(_(r.ergebnisse[j].beschriftung));
        widgets.ergebnisse.push_back(kv_gtk_ergebnisfeld(_(r.ergebnisse_vorher)));
        kv_gtk_zelle(tabelle, beschriftung, 0, static_cast<int>(j));
        kv_gtk_zelle(tabelle, widgets.ergebnisse.back(), 1, static_cast<int>(j));
    }
    int zeile = f.ergebnisse;
    for (int k = 0; k < f.hinweise; ++k)
        if (!widgets.hinweise[k]) {
            widgets.hinweise[k] = gtk_label_new(_(r.hinweise[k].beschriftung));
            kv_gtk_zelle(tabelle, widgets.hinweise[k], 0, zeile++, 2);
        }
    kv_gtk_im_rahmen(Pack_Box[4], _("Ergebnisse"), tabelle);
    return 0;
}

// The fields and results of the options chosen; the others grey, their
// results "--".
int modus_zeigen()
{
    gerechnet = 0;
    const KvRechner& r = rechner();
    const KvEingaben e = kv_gtk_eingaben_lesen();
    const KvEingabeWidgets w = kv_gtk_widgets();
    for (size_t i = 0; i < w.felder.size(); ++i)
        gtk_widget_set_sensitive(w.felder[i], kv_gilt(r.eingaben[i].nur_bei, e.optionen.data()));
    for (size_t j = 0; j < w.ergebnisse.size(); ++j) {
        const bool gilt = kv_gilt(r.ergebnisse[j].nur_bei, e.optionen.data());
        gtk_widget_set_sensitive(w.ergebnisse[j], gilt);
        if (!gilt)
            gtk_entry_set_text(GTK_ENTRY(w.ergebnisse[j]), "--");
    }
    return 0;
}

void signale()
{
    for (const std::vector<GtkWidget*>& knoepfe : widgets.optionen)
        for (GtkWidget* k : knoepfe)
            g_signal_connect_swapped(k, "toggled", G_CALLBACK(+[](gpointer) { modus_zeigen(); }), nullptr);
}

int berechen()
{
    if (kv_gtk_neu_rechnen() == -1)
        return 0;
    return kv_gtk_rechnen();
}

void eingabe_widgets(KvEingabeWidgets& w) { w = widgets; }

int nach_fenster() { return modus_zeigen(); }

} // namespace

std::vector<GtkWidget*> kv_gtk_optionsknoepfe(const KvOption& o)
{
    std::vector<GtkWidget*> knoepfe;
    if (o.knoepfe.empty()) {
        knoepfe = {gtk_check_button_new_with_label(_(o.beschriftung))};
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(knoepfe[0]), o.vorgabe == 1);
        return knoepfe;
    }
    GSList* gruppe = nullptr;
    for (const char* k : o.knoepfe) {
        knoepfe.push_back(gtk_radio_button_new_with_label(gruppe, _(k)));
        gruppe = gtk_radio_button_get_group(GTK_RADIO_BUTTON(knoepfe.back()));
    }
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(knoepfe[o.vorgabe]), TRUE);
    return knoepfe;
}

KvProgramm kv_programm_aus_beschreibung(const KvProgramm& p)
{
    const KvRechner& r = *p.rechner;
    KvProgramm voll = p;
    static std::string info;
    info = std::string(_(r.titel)) + (*r.verfahren ? std::string(" ") + _(r.verfahren) : "");
    if (!voll.info_text)
        voll.info_text = info.c_str();
    voll.eingabe_panels[0] = eingaben;
    voll.eingabe_panels[1] = optionen;
    voll.ergebnisse = ergebnisse;
    voll.eigene_signale = signale;
    voll.berechen = berechen;
    voll.nach_fenster = nach_fenster;
    voll.eingabe_widgets = eingabe_widgets;
    return voll;
}
