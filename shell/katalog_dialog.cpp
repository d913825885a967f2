// "Berechnung" > "Katalog...": an entry of a table of standard parts or
// materials into the window's fields.  A dialog over the window: the table,
// its entry, what the entry sets to which texts (with the window's inputs
// as they stand), the table's file and source, and the user tables that
// were refused.  "Uebernehmen" puts the texts into their fields as if typed;
// "Rechnen" then asks and computes as usual.  "Auslegen" picks the first
// entry that passes every check with the window's other inputs.
#include "auslegung.h"
#include "shell.h"

#include <sstream>

extern const KvProgramm* kv_programm;

namespace {

const KvRechner& rechner() { return *kv_programm->rechner; }

// The entries taken in this window, oldest first (a steel's Re follows the
// section taken before it).
std::vector<KvKatalogWahl> genommen;

const KvKatalog* tabelle(const KvKatalogDialog& k)
{
    const int t = gtk_combo_box_get_active(GTK_COMBO_BOX(k.tabelle));
    return t >= 0 && t < static_cast<int>(k.kataloge.tabellen.size()) ? &k.kataloge.tabellen[t] : nullptr;
}

// What the chosen entry sets now; false with the reason.
bool eintrag(const KvKatalogDialog& k, KvKatalogEintrag& e, std::string& fehler)
{
    const KvKatalog* t = tabelle(k);
    const int i = gtk_combo_box_get_active(GTK_COMBO_BOX(k.eintrag));
    if (!t || i < 0) {
        fehler = _("kein Eintrag gewaehlt");
        return false;
    }
    const KvEingaben jetzt = kv_gtk_eingaben_lesen();
    const std::string_view kennwert = t->kennwert.name.empty() ? "" : gtk_entry_get_text(GTK_ENTRY(k.kennwert));
    return kv_katalog_eintrag(*t, static_cast<size_t>(i), {rechner(), jetzt, k.kataloge, genommen, kennwert},
                              e, fehler);
}

void zeigen(KvKatalogDialog& k)
{
    KvKatalogEintrag e;
    std::string fehler, t;
    if (eintrag(k, e, fehler)) {
        t = _("Setzt:");
        for (const KvKatalogFeld& f : e.felder) {
            // A field by its caption, an option (a buckling curve) by its own.
            const int i = kv_eingabe_index(rechner(), f.name);
            const int o = i < 0 ? kv_option_index(rechner(), f.name) : -1;
            const char* b = i >= 0 ? rechner().eingaben[i].beschriftung : o >= 0 ? rechner().optionen[o].beschriftung : "";
            t += "\n    " + f.name + " = " + f.wert + "    (" + _(b) + ")";
        }
        if (!e.hinweis.empty())
            t += "\n" + e.hinweis;
    } else {
        t = kv_einsetzen(_("Nicht verwendbar: {1}"), {fehler});
    }
    gtk_label_set_text(GTK_LABEL(k.felder), t.c_str());
}

void eintrag_gewechselt(GtkComboBox*, gpointer daten)
{
    zeigen(*static_cast<KvKatalogDialog*>(daten));
}

void kennwert_gewechselt(GtkEditable*, gpointer daten)
{
    zeigen(*static_cast<KvKatalogDialog*>(daten));
}

void tabelle_gewechselt(GtkComboBox*, gpointer daten)
{
    auto& k = *static_cast<KvKatalogDialog*>(daten);
    const KvKatalog* t = tabelle(k);
    GtkTreeModel* m = gtk_combo_box_get_model(GTK_COMBO_BOX(k.eintrag));
    gtk_list_store_clear(GTK_LIST_STORE(m));
    std::string q;
    if (t) {
        for (size_t i = 0; i < t->zeilen.size(); ++i)
            gtk_combo_box_append_text(GTK_COMBO_BOX(k.eintrag),
                                      std::string(kv_katalog_bezeichnung(*t, i)).c_str());
        q = kv_einsetzen(t->eigene ? _("Eigene Tabelle: {1}\nSetzt: {2}") : _("Datei: {1}\nSetzt: {2}"),
                         {t->datei, t->inhalt})
            + "\n\n" + t->quelle;
    }
    const bool kennwert = t && !t->kennwert.name.empty();
    const std::string b = kennwert ? t->kennwert.name + " / " + t->kennwert.einheit : _("Kennwert");
    gtk_label_set_text_with_mnemonic(GTK_LABEL(k.kennwert_beschriftung), ("_" + b).c_str());
    gtk_widget_set_tooltip_text(k.kennwert, kennwert ? t->kennwert.beschriftung.c_str()
                                                     : _("Diese Tabelle braucht keinen Kennwert"));
    gtk_widget_set_sensitive(k.kennwert, kennwert);
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(k.quelle)), q.c_str(), -1);
    gtk_combo_box_set_active(GTK_COMBO_BOX(k.eintrag), 0);
}

} // namespace

bool kv_gtk_hat_kataloge()
{
    return !kv_kataloge(rechner(), "").tabellen.empty();
}

KvKatalogDialog* kv_gtk_katalog_dialog()
{
    auto* k = new KvKatalogDialog;
    k->kataloge = kv_kataloge(rechner(), kv_katalog_nutzerordner());
    k->dialog = gtk_dialog_new_with_buttons(_("Katalog"), GTK_WINDOW(window_main),
                                            GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
                                            nullptr, nullptr);
    g_object_set_data_full(G_OBJECT(k->dialog), "kv-katalog", k,
                           [](gpointer p) { delete static_cast<KvKatalogDialog*>(p); });
    gtk_dialog_add_button(GTK_DIALOG(k->dialog), _("_Schliessen"), GTK_RESPONSE_CANCEL);
    gtk_dialog_add_button(GTK_DIALOG(k->dialog), _("_Auslegen"), KV_ANTWORT_AUSLEGEN);
    gtk_dialog_add_button(GTK_DIALOG(k->dialog), _("_Uebernehmen"), GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(k->dialog), GTK_RESPONSE_OK);

    k->tabelle = gtk_combo_box_new_text();
    for (const KvKatalog& t : k->kataloge.tabellen)
        gtk_combo_box_append_text(GTK_COMBO_BOX(k->tabelle), (t.titel + "  [" + t.name + "]").c_str());
    k->eintrag = gtk_combo_box_new_text();
    k->felder = gtk_label_new("");
    gtk_misc_set_alignment(GTK_MISC(k->felder), 0, 0);
    gtk_label_set_selectable(GTK_LABEL(k->felder), TRUE);
    k->quelle = gtk_text_view_new();
    gtk_text_view_set_editable(GTK_TEXT_VIEW(k->quelle), FALSE);
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(k->quelle), GTK_WRAP_WORD);
    GtkWidget* rollen = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(rollen), GTK_POLICY_AUTOMATIC, GTK_POLICY_AUTOMATIC);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(rollen), GTK_SHADOW_IN);
    gtk_container_add(GTK_CONTAINER(rollen), k->quelle);
    gtk_widget_set_size_request(rollen, 620, 180);
    std::string abgelehnt;
    for (const std::string& a : k->kataloge.abgelehnt)
        abgelehnt += (abgelehnt.empty() ? "" : "\n") + kv_einsetzen(_("Abgelehnt: {1}"), {a});
    k->abgelehnt = gtk_label_new(abgelehnt.c_str());
    gtk_misc_set_alignment(GTK_MISC(k->abgelehnt), 0, 0);
    gtk_label_set_selectable(GTK_LABEL(k->abgelehnt), TRUE);

    k->bedingungen = gtk_entry_new();
    gtk_widget_set_tooltip_text(k->bedingungen, _("Bedingungen an Ergebnisse fuer \"Auslegen\", "
                                  "z. B. F>=1000 (durch Leerzeichen getrennt)"));

    k->kennwert = gtk_entry_new();
    k->kennwert_beschriftung = gtk_label_new("");
    gtk_misc_set_alignment(GTK_MISC(k->kennwert_beschriftung), 0, 0.5);
    gtk_label_set_mnemonic_widget(GTK_LABEL(k->kennwert_beschriftung), k->kennwert);

    GtkWidget* tab = kv_gtk_tabelle(7, 2);
    kv_gtk_zeile(tab, 0, _("_Tabelle"), k->tabelle);
    kv_gtk_zelle(tab, k->kennwert_beschriftung, 0, 1);
    kv_gtk_zelle(tab, k->kennwert, 1, 1);
    kv_gtk_zeile(tab, 2, _("_Eintrag"), k->eintrag);
    kv_gtk_zelle(tab, k->felder, 0, 3, 2);
    GtkWidget* q = gtk_label_new_with_mnemonic(_("_Quelle"));
    gtk_misc_set_alignment(GTK_MISC(q), 0, 0);
    gtk_label_set_mnemonic_widget(GTK_LABEL(q), k->quelle);
    kv_gtk_zelle(tab, q, 0, 4);
    kv_gtk_zelle(tab, rollen, 1, 4);
    kv_gtk_zeile(tab, 5, _("_Bedingungen"), k->bedingungen);
    kv_gtk_zelle(tab, k->abgelehnt, 0, 6, 2);
    gtk_box_pack_start(GTK_BOX(GTK_DIALOG(k->dialog)->vbox), tab, TRUE, TRUE, 3);

    g_signal_connect(k->tabelle, "changed", G_CALLBACK(tabelle_gewechselt), k);
    g_signal_connect(k->eintrag, "changed", G_CALLBACK(eintrag_gewechselt), k);
    g_signal_connect(k->kennwert, "changed", G_CALLBACK(kennwert_gewechselt), k);
    gtk_combo_box_set_active(GTK_COMBO_BOX(k->tabelle), 0);
    gtk_widget_show_all(tab);
    gtk_widget_grab_focus(k->eintrag);
    return k;
}

bool kv_gtk_katalog_uebernehmen(KvKatalogDialog& k)
{
    KvKatalogEintrag e;
    std::string fehler;
    if (!eintrag(k, e, fehler)) {
        kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, _("Eintrag nicht verwendbar!\n") + fehler, k.dialog);
        return false;
    }
    const KvEingabeWidgets w = kv_gtk_widgets();
    for (const KvKatalogFeld& f : e.felder) {
        if (const int i = kv_eingabe_index(rechner(), f.name); i >= 0) {
            gtk_entry_set_text(GTK_ENTRY(w.felder[i]), f.wert.c_str());
            continue;
        }
        // An option the entry sets (a section's buckling curve): its button
        // clicked, as a user would.
        const int k = kv_option_index(rechner(), f.name);
        const int v = k < 0 ? -1 : kv_optionswert_index(rechner().optionen[k], f.wert);
        if (v >= 0)
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w.optionen[k][w.optionen[k].size() == 1 ? 0 : v]),
                                         w.optionen[k].size() == 1 ? v == 1 : TRUE);
    }
    const KvKatalog* t = tabelle(k);
    const std::string kennwert = t->kennwert.name.empty() ? "" : gtk_entry_get_text(GTK_ENTRY(k.kennwert));
    genommen.push_back({t->name,
                        std::string(kv_katalog_bezeichnung(*t, gtk_combo_box_get_active(GTK_COMBO_BOX(k.eintrag)))),
                        kennwert, e.felder, e.hinweis});
    zeigen(k);
    return true;
}

std::vector<std::string> kv_gtk_katalog_zeilen(const KvEingaben& e)
{
    std::vector<std::string> z;
    const std::vector<KvKatalogWahl> v = kv_katalog_verwendet(rechner(), e, genommen);
    if (v.empty())
        return z;
    const KvKataloge k = kv_kataloge(rechner(), kv_katalog_nutzerordner());
    for (const KvKatalogWahl& w : v)
        z.push_back(kv_katalog_zeile(k, w));
    return z;
}

bool kv_gtk_katalog_auslegen(KvKatalogDialog& k)
{
    const KvKatalog* t = tabelle(k);
    if (!t)
        return false;
    std::vector<KvBedingung> bedingungen;
    std::istringstream woerter(gtk_entry_get_text(GTK_ENTRY(k.bedingungen)));
    for (std::string w; woerter >> w;) {
        KvBedingung b;
        std::string fehler;
        if (!kv_bedingung_lesen(rechner(), w, b, fehler)) {
            kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, _("Fehler in den Bedingungen!\n") + fehler, k.dialog);
            return false;
        }
        bedingungen.push_back(std::move(b));
    }
    const KvAuslegung a = kv_auslegen(rechner(), k.kataloge, *t, kv_gtk_eingaben_lesen(), genommen, bedingungen);
    const std::string liste = kv_auslegung_liste(*t, bedingungen, a);
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(k.quelle)), liste.c_str(), -1);
    if (a.gewaehlt < 0) {
        kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK,
                       _("Kein Eintrag erfuellt alle Pruefungen und Bedingungen!\nDie Liste zeigt, was jeder verfehlt."),
                       k.dialog);
        return false;
    }
    gtk_combo_box_set_active(GTK_COMBO_BOX(k.eintrag), a.gewaehlt);
    return true;
}

int kv_c_katalog()
{
    KvKatalogDialog* k = kv_gtk_katalog_dialog();
    GtkWidget* dialog = k->dialog;
    gtk_widget_show(dialog);
    for (int antwort; (antwort = gtk_dialog_run(GTK_DIALOG(dialog))) == GTK_RESPONSE_OK
                      || antwort == KV_ANTWORT_AUSLEGEN;) {
        if (antwort == GTK_RESPONSE_OK)
            kv_gtk_katalog_uebernehmen(*k);
        else
            kv_gtk_katalog_auslegen(*k);
    }
    gtk_widget_destroy(dialog);
    return 0;
}
