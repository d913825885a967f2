// Message dialogs, the info dialog and the save-as-report flow.
#include "datei.h"
#include "shell.h"

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

std::string kv_gtk_datei_waehlen(GtkWidget* dialog)
{
    std::string pfad;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
        if (gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog))) {
            pfad = name;
            g_free(name);
        }
    }
    return pfad;
}

int kv_gtk_dlg_info()
{
    kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, kv_programm->info_text);
    return 0;
}

int kv_gtk_dlg_keine_ergebnisse()
{
    kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, "Berechnung noch nicht durchgefuert!");
    return 0;
}

int kv_gtk_dlg_speichern_unter()
{
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, "*.txt");
    gtk_file_filter_add_pattern(filter, "*.txt");
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        "Ergebnisse speichern", nullptr, GTK_FILE_CHOOSER_ACTION_SAVE,
        "gtk-ok", GTK_RESPONSE_OK, "gtk-cancel", GTK_RESPONSE_CANCEL, nullptr);
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), std_verzeichnis);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), filter);
    const std::string bild = std::string(kv_programm->rechner->name) + "_speichern.png";
    gtk_window_set_icon_from_file(GTK_WINDOW(dialog), bild.c_str(), nullptr);

    dret = gtk_dialog_run(GTK_DIALOG(dialog));
    int ergebnis = -1;
    if (dret == GTK_RESPONSE_OK) {
        gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog));
        if (name) {
            kompl_name = name;
            g_free(name);
            ergebnis = 0;
        }
    }
    gtk_widget_destroy(dialog);
    return ergebnis;
}

int kv_gtk_dlg_dateien_vorhanden()
{
    // Asks the file system, so a file that exists but cannot be read is
    // still not overwritten unasked.
    if (!g_file_test(kompl_name.c_str(), G_FILE_TEST_EXISTS))
        return 0;
    dret = kv_gtk_meldung(GTK_MESSAGE_INFO, GTK_BUTTONS_YES_NO,
                          "Es ist schon eine Ergebnissdatei vorhanden!\n"
                          "Soll diese ueberschrieben werden?");
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
    if (gerechnet == 0) {
        kv_gtk_dlg_keine_ergebnisse();
        return 0;
    }
    iret = kv_gtk_dlg_speichern_unter();
    if (iret == -1)
        return 0;
    iret = kv_gtk_dlg_dateien_vorhanden();
    if (iret == -1)
        return 0;
    if (!kv_bericht_schreiben(kompl_name, kv_programm->bericht()))
        kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK,
                       "Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht "
                       "geschrieben werden:\n" + kompl_name);
    return 0;
}
