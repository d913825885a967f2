// "Berechnung" > "Zielwert suchen...": which value of a number field gives
// a wanted result.  A small dialog over the window, built from the
// calculator's description for the mode the window is in; the search is
// kern/suche's over the window's inputs as they stand.  The value found is
// put into its field as if typed, and "Rechnen" is clicked, so the window
// computes with its usual dialogs; a refused search or none in the range
// is told in a message and leaves the window as it was.
#include "fenstertexte.h"
#include "shell.h"
#include "suche.h"
#include "zahlen.h"

#include <cmath>
#include <cstring>

extern const KvProgramm* kv_programm;

namespace {

const KvRechner& rechner() { return *kv_programm->rechner; }

// A caption with its unit, as the combos offer it.
std::string mit_einheit(const char* beschriftung, const char* einheit)
{
    if (std::strstr(beschriftung, " / ") || !*einheit)
        return _(beschriftung);
    return std::string(_(beschriftung)) + " / " + einheit;
}

std::string text(GtkWidget* feld) { return gtk_entry_get_text(GTK_ENTRY(feld)); }

int gewaehlt(GtkWidget* combo, const std::vector<int>& indizes)
{
    const int k = gtk_combo_box_get_active(GTK_COMBO_BOX(combo));
    return k >= 0 && k < static_cast<int>(indizes.size()) ? indizes[k] : -1;
}

// Result j as its field shows it, without the field's leading blanks.
std::string gezeigt(int j, double wert)
{
    std::string t = kv_format(rechner().ergebnisse[j].format, wert);
    t.erase(0, t.find_first_not_of(' '));
    return t;
}

// The result at the window's inputs, as its field shows it, as the target
// offered first.
void ziel_vorschlagen(GtkComboBox*, gpointer daten)
{
    auto* z = static_cast<KvZielwertDialog*>(daten);
    const int j = gewaehlt(z->ergebnis, z->ergebnisse);
    KvStand stand;
    const KvRechnung r = kv_rechnen(rechner(), kv_gtk_eingaben_lesen(), stand);
    const bool da = j >= 0 && r.status == KvStatus::berechnet && std::isfinite(r.ergebnisse[j]);
    gtk_entry_set_text(GTK_ENTRY(z->ziel), da ? gezeigt(j, r.ergebnisse[j]).c_str() : "");
}

// A tenth to ten times the field's value as the range offered.
void bereich_vorschlagen(GtkComboBox*, gpointer daten)
{
    auto* z = static_cast<KvZielwertDialog*>(daten);
    const int i = gewaehlt(z->feld, z->felder);
    std::string von, bis;
    if (i >= 0) {
        const std::string jetzt = kv_gtk_eingaben_lesen().texte[i];
        if (kv_erste_fehlstelle(jetzt.c_str()) == 0) {
            double a = 0, b = 0;
            kv_suchbereich_vorgabe(kv_zahl_lesen(jetzt.c_str()), a, b);
            von = kv_feldtext(a);
            bis = kv_feldtext(b);
        }
    }
    gtk_entry_set_text(GTK_ENTRY(z->von), von.c_str());
    gtk_entry_set_text(GTK_ENTRY(z->bis), bis.c_str());
}

GtkWidget* eingabe()
{
    GtkWidget* e = gtk_entry_new();
    gtk_entry_set_activates_default(GTK_ENTRY(e), TRUE);
    return e;
}

bool melden(const KvZielwertDialog& z, GtkMessageType typ, const std::string& t)
{
    kv_gtk_meldung(typ, GTK_BUTTONS_OK, t, z.dialog);
    return false;
}

} // namespace

KvZielwertDialog* kv_gtk_zielwert_dialog()
{
    const KvRechner& r = rechner();
    auto* z = new KvZielwertDialog;
    z->dialog = gtk_dialog_new_with_buttons(_("Zielwert suchen"), GTK_WINDOW(window_main),
                                            GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
                                            nullptr, nullptr);
    g_object_set_data_full(G_OBJECT(z->dialog), "kv-zielwert", z,
                           [](gpointer p) { delete static_cast<KvZielwertDialog*>(p); });
    gtk_window_set_resizable(GTK_WINDOW(z->dialog), FALSE);
    z->abbrechen = gtk_dialog_add_button(GTK_DIALOG(z->dialog), _("_Abbrechen"), GTK_RESPONSE_CANCEL);
    gtk_dialog_add_button(GTK_DIALOG(z->dialog), _("_Suchen"), GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(z->dialog), GTK_RESPONSE_OK);

    const KvEingaben e = kv_gtk_eingaben_lesen();
    z->ergebnis = gtk_combo_box_new_text();
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (kv_gilt(r.ergebnisse[j].nur_bei, e.optionen.data())) {
            z->ergebnisse.push_back(static_cast<int>(j));
            gtk_combo_box_append_text(GTK_COMBO_BOX(z->ergebnis),
                                      mit_einheit(r.ergebnisse[j].beschriftung, r.ergebnisse[j].einheit).c_str());
        }
    z->feld = gtk_combo_box_new_text();
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (kv_gelesen(r, static_cast<int>(i), e.optionen.data())) {
            z->felder.push_back(static_cast<int>(i));
            gtk_combo_box_append_text(GTK_COMBO_BOX(z->feld),
                                      mit_einheit(r.eingaben[i].beschriftung, r.eingaben[i].einheit).c_str());
        }
    z->ziel = eingabe();
    z->von = eingabe();
    z->bis = eingabe();
    z->loesungen = gtk_label_new("");
    gtk_misc_set_alignment(GTK_MISC(z->loesungen), 0, 0);
    gtk_label_set_selectable(GTK_LABEL(z->loesungen), TRUE);

    GtkWidget* tabelle = kv_gtk_tabelle(6, 2);
    kv_gtk_zeile(tabelle, 0, _("_Ergebnis"), z->ergebnis);
    kv_gtk_zeile(tabelle, 1, _("_Zielwert"), z->ziel);
    kv_gtk_zeile(tabelle, 2, _("Eingabe_feld"), z->feld);
    kv_gtk_zeile(tabelle, 3, _("_von"), z->von);
    kv_gtk_zeile(tabelle, 4, _("_bis"), z->bis);
    kv_gtk_zelle(tabelle, z->loesungen, 0, 5, 2);
    gtk_box_pack_start(GTK_BOX(GTK_DIALOG(z->dialog)->vbox), tabelle, TRUE, TRUE, 3);

    g_signal_connect(z->ergebnis, "changed", G_CALLBACK(ziel_vorschlagen), z);
    g_signal_connect(z->feld, "changed", G_CALLBACK(bereich_vorschlagen), z);
    gtk_combo_box_set_active(GTK_COMBO_BOX(z->ergebnis), 0);
    gtk_combo_box_set_active(GTK_COMBO_BOX(z->feld), 0);
    gtk_widget_show_all(tabelle);
    gtk_widget_grab_focus(z->ziel);
    return z;
}

bool kv_gtk_zielwert_suchen(KvZielwertDialog& z)
{
    KvSuche s;
    s.ergebnis = gewaehlt(z.ergebnis, z.ergebnisse);
    s.feld = gewaehlt(z.feld, z.felder);
    for (const std::string& m : {kv_zielwert_meldung(text(z.ziel), s.ziel),
                                 kv_suchgrenze_meldung(text(z.von), N_("von"), s.von),
                                 kv_suchgrenze_meldung(text(z.bis), N_("bis"), s.bis)})
        if (!m.empty())
            return melden(z, GTK_MESSAGE_ERROR, m);

    const KvSuchergebnis g = kv_suchen(rechner(), kv_gtk_eingaben_lesen(), s);
    if (const std::string m = kv_suchmeldung(g); !m.empty())
        return melden(z, g.status == KvSuchstatus::keine_loesung ? GTK_MESSAGE_INFO : GTK_MESSAGE_ERROR, m);

    const KvEingabe& f = rechner().eingaben[s.feld];
    const KvAusgabe& a = rechner().ergebnisse[s.ergebnis];
    std::string liste = g.loesungen.size() == 1 ? _(KV_GEFUNDEN) : kv_loesungen_text(g.loesungen.size());
    // Each with its result as the window shows it.
    for (const KvLoesung& l : g.loesungen)
        liste += std::string("\n") + f.name + " = " + l.text + "  (" + a.name + " = "
                 + gezeigt(s.ergebnis, l.ergebnis) + ")";
    gtk_label_set_text(GTK_LABEL(z.loesungen), liste.c_str());
    gtk_button_set_label(GTK_BUTTON(z.abbrechen), _("_Schliessen"));

    const KvEingabeWidgets w = kv_gtk_widgets();
    gtk_entry_set_text(GTK_ENTRY(w.felder[s.feld]), g.loesungen[0].text.c_str());
    gtk_button_clicked(GTK_BUTTON(pButton_rechnen));
    return true;
}

int kv_c_zielwert_suchen()
{
    KvZielwertDialog* z = kv_gtk_zielwert_dialog();
    GtkWidget* dialog = z->dialog;
    gtk_widget_show(dialog);
    while (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK)
        kv_gtk_zielwert_suchen(*z);
    gtk_widget_destroy(dialog);
    return 0;
}
