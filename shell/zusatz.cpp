// The calculator's addition in the window (a member check after a code, a
// stack of springs): its fields, options, results and notes are widgets the
// window holds without showing them in its frames, so reading and setting
// the inputs, input sets, catalogues, the search and "Rechnen" treat them
// like every other.  Its menu entry in "Berechnung" opens a dialog beside
// the window that shows them: "Rechnen" there presses the window's
// "Rechnen", so the addition is computed with the window's inputs, with the
// window's questions and messages.
#include "shell.h"

extern const KvProgramm* kv_programm;

namespace {

const KvRechner& rechner() { return *kv_programm->rechner; }

// The addition's widgets, made at their first use; each keeps a reference
// of its own, so it lives on when the dialog that showed it is gone.
KvEingabeWidgets* teile = nullptr;

GtkWidget* behalten(GtkWidget* w)
{
    g_object_ref_sink(w);
    return w;
}

const KvEingabeWidgets& zusatz_widgets()
{
    if (teile)
        return *teile;
    teile = new KvEingabeWidgets;
    const KvRechner& r = rechner();
    const KvFensterteile f = kv_fensterteile(r);
    for (size_t i = f.eingaben; i < r.eingaben.size(); ++i)
        teile->felder.push_back(behalten(kv_gtk_feld(r.eingaben[i].vorgabe)));
    for (size_t k = f.optionen; k < r.optionen.size(); ++k) {
        std::vector<GtkWidget*> knoepfe = kv_gtk_optionsknoepfe(r.optionen[k]);
        for (GtkWidget* knopf : knoepfe)
            behalten(knopf);
        teile->optionen.push_back(knoepfe);
    }
    for (size_t j = f.ergebnisse; j < r.ergebnisse.size(); ++j)
        teile->ergebnisse.push_back(behalten(kv_gtk_ergebnisfeld(_(r.ergebnisse_vorher))));
    for (size_t k = f.hinweise; k < r.hinweise.size(); ++k)
        teile->hinweise.push_back(behalten(gtk_label_new(_(r.hinweise[k].beschriftung))));
    return *teile;
}

template <typename T>
void anhaengen(std::vector<T>& an, const std::vector<T>& was)
{
    an.insert(an.end(), was.begin(), was.end());
}

// A widget out of the dialog's tables again before the dialog goes.
void herausnehmen(GtkWidget* w)
{
    if (GtkWidget* eltern = gtk_widget_get_parent(w))
        gtk_container_remove(GTK_CONTAINER(eltern), w);
}

// A caption left of its widget in row zeile.
void zeile(GtkWidget* tabelle, int n, const char* beschriftung, GtkWidget* w)
{
    GtkWidget* l = gtk_label_new(beschriftung);
    gtk_misc_set_alignment(GTK_MISC(l), 0.0f, 0.5f);
    kv_gtk_zelle(tabelle, l, 0, n);
    kv_gtk_zelle(tabelle, w, 1, n);
}

// The dialog: the addition's fields and options, its results and notes,
// and what its results leave out.
GtkWidget* dialog_bauen(const KvEingabeWidgets& w)
{
    const KvRechner& r = rechner();
    const KvFensterteile f = kv_fensterteile(r);
    GtkWidget* dialog = gtk_dialog_new_with_buttons(_(r.zusatz.rahmen), GTK_WINDOW(window_main),
                                                    GTK_DIALOG_DESTROY_WITH_PARENT,
                                                    _("_Rechnen"), GTK_RESPONSE_APPLY,
                                                    _("_Schliessen"), GTK_RESPONSE_CLOSE, nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_APPLY);
    GtkWidget* box = gtk_dialog_get_content_area(GTK_DIALOG(dialog));

    GtkWidget* eingaben = kv_gtk_tabelle(static_cast<int>(w.felder.size()) + 1, 2);
    for (size_t i = 0; i < w.felder.size(); ++i)
        zeile(eingaben, static_cast<int>(i), _(r.eingaben[f.eingaben + i].beschriftung), w.felder[i]);
    kv_gtk_im_rahmen(box, _("Eingaben"), eingaben);
    for (size_t k = 0; k < w.optionen.size(); ++k) {
        GtkWidget* knoepfe = gtk_vbox_new(FALSE, 0);
        for (GtkWidget* knopf : w.optionen[k])
            kv_gtk_packen(knoepfe, knopf);
        kv_gtk_im_rahmen(box, _(r.optionen[f.optionen + k].beschriftung), knoepfe);
    }

    GtkWidget* ergebnisse = kv_gtk_tabelle(static_cast<int>(w.ergebnisse.size() + w.hinweise.size()) + 1, 2);
    int n = 0;
    for (size_t j = 0; j < w.ergebnisse.size(); ++j)
        zeile(ergebnisse, n++, _(r.ergebnisse[f.ergebnisse + j].beschriftung), w.ergebnisse[j]);
    for (GtkWidget* h : w.hinweise) {
        gtk_misc_set_alignment(GTK_MISC(h), 0.0f, 0.5f);
        kv_gtk_zelle(ergebnisse, h, 0, n++, 2);
    }
    if (*r.zusatz.vorbehalt) {
        GtkWidget* v = gtk_label_new(_(r.zusatz.vorbehalt));
        gtk_label_set_line_wrap(GTK_LABEL(v), TRUE);
        gtk_misc_set_alignment(GTK_MISC(v), 0.0f, 0.5f);
        kv_gtk_zelle(ergebnisse, v, 0, n++, 2);
    }
    kv_gtk_im_rahmen(box, _("Ergebnisse"), ergebnisse);
    kv_gtk_zugaenglich_machen(box);
    return dialog;
}

// The dialog while it is open.  It stays open beside the window: its
// "Rechnen" is the window's, closing it keeps what was typed.
GtkWidget* offen = nullptr;

void antwort(GtkDialog* dialog, gint antwort, gpointer)
{
    if (antwort == GTK_RESPONSE_APPLY) {
        gtk_button_clicked(GTK_BUTTON(pButton_rechnen));
        return;
    }
    const KvEingabeWidgets& w = zusatz_widgets();
    for (GtkWidget* x : w.felder) herausnehmen(x);
    for (const auto& knoepfe : w.optionen)
        for (GtkWidget* x : knoepfe) herausnehmen(x);
    for (GtkWidget* x : w.ergebnisse) herausnehmen(x);
    for (GtkWidget* x : w.hinweise) herausnehmen(x);
    gtk_widget_destroy(GTK_WIDGET(dialog));
    offen = nullptr;
}

} // namespace

bool kv_gtk_hat_zusatz() { return *rechner().zusatz.rahmen != '\0'; }

KvEingabeWidgets kv_gtk_widgets()
{
    KvEingabeWidgets w;
    kv_programm->eingabe_widgets(w);
    if (!kv_gtk_hat_zusatz())
        return w;
    const KvEingabeWidgets& z = zusatz_widgets();
    anhaengen(w.felder, z.felder);
    anhaengen(w.optionen, z.optionen);
    anhaengen(w.ergebnisse, z.ergebnisse);
    anhaengen(w.hinweise, z.hinweise);
    return w;
}

GtkWidget* kv_gtk_zusatz_dialog() { return offen; }

int kv_c_zusatz()
{
    if (offen) {
        gtk_window_present(GTK_WINDOW(offen));
        return 0;
    }
    offen = dialog_bauen(zusatz_widgets());
    g_signal_connect(offen, "response", G_CALLBACK(antwort), nullptr);
    gtk_widget_show_all(offen);
    gtk_window_present(GTK_WINDOW(offen));
    return 0;
}
