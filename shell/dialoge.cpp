// Message dialogs, the info dialog and the save-as-report flow.
#include "datei.h"
#include "fenstertexte.h"
#include "shell.h"

#include <cstring>
#include <functional>
#include <optional>

extern const KvProgramm* kv_programm;

std::string kompl_name;
const char* std_verzeichnis = "/";

int kv_gtk_meldung(GtkMessageType typ, GtkButtonsType knoepfe, const std::string& text,
                   GtkWidget* ueber)
{
    GtkWidget* dialog = gtk_message_dialog_new(GTK_WINDOW(ueber ? ueber : window_main),
                                               GTK_DIALOG_DESTROY_WITH_PARENT,
                                               typ, knoepfe, "%s", text.c_str());
    const int antwort = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    return antwort;
}

int kv_gtk_dlg_info()
{
    kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, _(kv_programm->info_text));
    return 0;
}

int kv_gtk_dlg_keine_ergebnisse()
{
    kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, _(KV_NICHT_GERECHNET));
    return 0;
}

namespace {

// What a save chooser offers: its title, its filter and its patterns, and
// for a record the fields "Projekt" and "Bearbeiter" below the file list.
struct Auswahl {
    const char* titel;
    const char* filter_name;
    std::vector<const char*> muster;
    bool mit_angaben = false;
};

const Auswahl BERICHT{N_("Ergebnisse speichern"), "*.txt", {"*.txt"}};
const Auswahl NACHWEIS{N_("Nachweis speichern"), N_("PDF-Dokument (*.pdf)"), {"*.pdf", "*.PDF"}, true};

// Project and author of the records, kept from one record to the next.
std::string projekt, bearbeiter;

GtkWidget* angabe(GtkWidget* tabelle, int zeile, const char* text, const std::string& wert)
{
    GtkWidget* l = gtk_label_new_with_mnemonic(text);
    gtk_misc_set_alignment(GTK_MISC(l), 0, 0.5);
    GtkWidget* feld = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(feld), wert.c_str());
    gtk_label_set_mnemonic_widget(GTK_LABEL(l), feld);
    gtk_table_attach(GTK_TABLE(tabelle), l, 0, 1, zeile, zeile + 1, GTK_FILL, GTK_FILL, 3, 2);
    gtk_table_attach_defaults(GTK_TABLE(tabelle), feld, 1, 2, zeile, zeile + 1);
    return feld;
}

// The save-as chooser: 0 with the chosen path in kompl_name, -1 cancelled.
int speichern_unter(const Auswahl& a)
{
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, _(a.filter_name));
    for (const char* m : a.muster)
        gtk_file_filter_add_pattern(filter, m);
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        _(a.titel), nullptr, GTK_FILE_CHOOSER_ACTION_SAVE,
        "gtk-ok", GTK_RESPONSE_OK, "gtk-cancel", GTK_RESPONSE_CANCEL, nullptr);
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), std_verzeichnis);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), filter);
    const std::string bild = std::string(kv_programm->rechner->name) + "_speichern.png";
    gtk_window_set_icon_from_file(GTK_WINDOW(dialog), bild.c_str(), nullptr);
    GtkWidget* felder[2] = {};
    if (a.mit_angaben) {
        GtkWidget* tabelle = gtk_table_new(2, 2, FALSE);
        felder[0] = angabe(tabelle, 0, _("_Projekt:"), projekt);
        felder[1] = angabe(tabelle, 1, _("Bea_rbeiter:"), bearbeiter);
        gtk_widget_show_all(tabelle);
        gtk_file_chooser_set_extra_widget(GTK_FILE_CHOOSER(dialog), tabelle);
    }

    dret = gtk_dialog_run(GTK_DIALOG(dialog));
    int ergebnis = -1;
    if (dret == GTK_RESPONSE_OK && a.mit_angaben) {
        projekt = gtk_entry_get_text(GTK_ENTRY(felder[0]));
        bearbeiter = gtk_entry_get_text(GTK_ENTRY(felder[1]));
    }
    if (dret == GTK_RESPONSE_OK) {
        gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog));
        if (name) {
            kompl_name = name;
            g_free(name);
            ergebnis = 0;
        }
    }
    kv_gtk_dateiauswahl_schliessen(dialog);
    return ergebnis;
}

// The save flow: refused before a computation, then the chooser, the
// overwrite question, and the file written whole (or the error dialog, and
// an older file stays as it was).  endung is added to a name without one.
void speichern(const Auswahl& a, const char* endung, const std::function<bool(std::string&)>& inhalt)
{
    if (gerechnet == 0) {
        kv_gtk_dlg_keine_ergebnisse();
        return;
    }
    iret = speichern_unter(a);
    if (iret == -1)
        return;
    if (endung) {
        gchar* name = g_path_get_basename(kompl_name.c_str());
        if (!std::strchr(name, '.'))
            kompl_name += endung;
        g_free(name);
    }
    iret = kv_gtk_dlg_dateien_vorhanden();
    if (iret == -1)
        return;
    std::string text;
    if (!inhalt(text) || !kv_bericht_schreiben(kompl_name, text))
        kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK,
                       kv_einsetzen(_("Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht "
                                      "geschrieben werden:\n{1}"),
                                    {kompl_name}));
}

} // namespace

int kv_gtk_dlg_speichern_unter() { return speichern_unter(BERICHT); }

int kv_gtk_dlg_dateien_vorhanden()
{
    // Asks the file system, so a file that exists but cannot be read is
    // still not overwritten unasked.
    if (!g_file_test(kompl_name.c_str(), G_FILE_TEST_EXISTS))
        return 0;
    dret = kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_YES_NO,
                          _("Es ist schon eine Ergebnissdatei vorhanden!\n"
                            "Soll diese ueberschrieben werden?"));
    // Only Yes overwrites; No, Escape and closing the question keep the file.
    return dret == GTK_RESPONSE_YES ? 0 : -1;
}

bool kv_bericht_schreiben(const std::string& pfad, const std::string& text)
{
    // Written beside the target and renamed over it only when complete: a
    // full disk or a read-only folder leaves an older report as it was.
    std::string fehler;
    return kv_datei_schreiben(pfad, text, fehler);
}

int kv_c_speichern()
{
    speichern(BERICHT, nullptr, [](std::string& text) {
        text = kv_gtk_letzter_bericht();
        return true;
    });
    return 0;
}

int kv_c_nachweis_speichern()
{
    speichern(NACHWEIS, ".pdf", [](std::string& pdf) {
        const std::optional<KvEingaben> e = kv_gtk_letzte_eingaben();
        KvNachweisAngaben angaben = kv_gtk_letzte_rechnung_zeit();
        angaben.projekt = projekt;
        angaben.bearbeiter = bearbeiter;
        if (e)
            angaben.katalog = kv_gtk_katalog_zeilen(*e);
        std::string fehler;
        return e && kv_nachweis_pdf(*kv_programm->rechner, *e, kv_programm->rechner->diagramm, angaben,
                                    pdf, fehler);
    });
    return 0;
}

void kv_gtk_zeile(GtkWidget* tabelle, int n, const char* beschriftung, GtkWidget* w)
{
    GtkWidget* l = gtk_label_new_with_mnemonic(beschriftung);
    gtk_misc_set_alignment(GTK_MISC(l), 0, 0.5);
    gtk_label_set_mnemonic_widget(GTK_LABEL(l), w);
    kv_gtk_zelle(tabelle, l, 0, n);
    kv_gtk_zelle(tabelle, w, 1, n);
}
