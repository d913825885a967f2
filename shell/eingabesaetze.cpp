// Input sets in the window: what the fields and options hold now is saved as
// an input set, and an opened set is put into the window as if typed and
// clicked.  The file format and its checks are those of dateien/eingabesatz.
#include "eingabesatz_datei.h"
#include "fenstertexte.h"
#include "shell.h"

extern const KvProgramm* kv_programm;

namespace {

const KvRechner& rechner() { return *kv_programm->rechner; }

bool aktiv(GtkWidget* b) { return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(b)); }

// The folder and name the choosers propose: those of the set last opened or
// saved, else the home folder.
std::string letzter_satz;

std::string vorschlag_ordner()
{
    if (letzter_satz.empty())
        return g_get_home_dir();
    gchar* o = g_path_get_dirname(letzter_satz.c_str());
    std::string ordner = o;
    g_free(o);
    return ordner;
}

GtkWidget* chooser(const char* titel, GtkFileChooserAction art, const char* ok_knopf)
{
    GtkWidget* dialog = gtk_file_chooser_dialog_new(titel, GTK_WINDOW(window_main), art,
                                                    "gtk-cancel", GTK_RESPONSE_CANCEL,
                                                    ok_knopf, GTK_RESPONSE_OK, nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    const std::string endung = kv_eingabesatz_endung(rechner());
    GtkFileFilter* saetze = gtk_file_filter_new();
    gtk_file_filter_set_name(saetze, kv_einsetzen(_("Eingabesaetze (*{1})"), {endung}).c_str());
    gtk_file_filter_add_pattern(saetze, ("*" + endung).c_str());
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), saetze);
    GtkFileFilter* alle = gtk_file_filter_new();
    gtk_file_filter_set_name(alle, _("Alle Dateien"));
    gtk_file_filter_add_pattern(alle, "*");
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), alle);
    gtk_file_chooser_set_filter(GTK_FILE_CHOOSER(dialog), saetze);
    return dialog;
}

// The chosen file, or "" when the user cancelled.
std::string waehlen(GtkWidget* dialog)
{
    const std::string pfad = kv_gtk_datei_waehlen(dialog);
    kv_gtk_dateiauswahl_schliessen(dialog);
    return pfad;
}

// A name typed without any extension gets the program's.
std::string mit_endung(const std::string& pfad)
{
    gchar* name = g_path_get_basename(pfad.c_str());
    const bool ohne = std::string(name).find('.') == std::string::npos;
    g_free(name);
    return ohne ? pfad + kv_eingabesatz_endung(rechner()) : pfad;
}

gboolean beim_start_oeffnen(gpointer pfad)
{
    kv_gtk_eingabesatz_oeffnen(static_cast<const char*>(pfad));
    g_free(pfad);
    return FALSE;
}

} // namespace

std::string kv_eingabesatz_mime_typ()
{
    return std::string("application/x-maschinenelemente-") + rechner().name;
}

KvEingaben kv_gtk_eingaben_lesen()
{
    const KvEingabeWidgets w = kv_gtk_widgets();
    KvEingaben e;
    for (GtkWidget* f : w.felder)
        e.texte.emplace_back(gtk_entry_get_text(GTK_ENTRY(f)));
    for (const auto& knoepfe : w.optionen) {
        int wert = 0;
        if (knoepfe.size() == 1)
            wert = aktiv(knoepfe[0]) ? 1 : 0;
        else
            for (size_t i = 0; i < knoepfe.size(); ++i)
                if (aktiv(knoepfe[i]))
                    wert = static_cast<int>(i);
        e.optionen.push_back(wert);
    }
    return e;
}

void kv_gtk_eingaben_setzen(const KvEingaben& e)
{
    const KvEingabeWidgets w = kv_gtk_widgets();
    // Options first, through the program's own handlers: setting a button
    // active emits "clicked" as a user's click does.
    for (size_t k = 0; k < w.optionen.size(); ++k) {
        const auto& knoepfe = w.optionen[k];
        if (knoepfe.size() == 1)
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(knoepfe[0]), e.optionen[k] == 1);
        else
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(knoepfe[e.optionen[k]]), TRUE);
    }
    for (size_t i = 0; i < w.felder.size(); ++i)
        gtk_entry_set_text(GTK_ENTRY(w.felder[i]), e.texte[i].c_str());
    // The shown results belong to other inputs now: "Speichern" waits for
    // the next "Rechnen", whether or not an option changed.
    gerechnet = 0;
}

void kv_gtk_zuletzt_merken(const std::string& pfad)
{
    gchar* absolut = g_canonicalize_filename(pfad.c_str(), nullptr);
    gchar* uri = g_filename_to_uri(absolut, nullptr, nullptr);
    if (uri) {
        const std::string mime = kv_eingabesatz_mime_typ();
        const std::string aufruf = std::string(rechner().name) + " %f";
        gchar* gruppen[] = {const_cast<gchar*>("maschinenelemente"), nullptr};
        // The list lives in the user's data folder, which a fresh account
        // may not have yet.
        g_mkdir_with_parents(g_get_user_data_dir(), 0700);
        GtkRecentData daten = {};
        daten.mime_type = const_cast<gchar*>(mime.c_str());
        daten.app_name = const_cast<gchar*>(rechner().name);
        daten.app_exec = const_cast<gchar*>(aufruf.c_str());
        daten.groups = gruppen;
        gtk_recent_manager_add_full(gtk_recent_manager_get_default(), uri, &daten);
    }
    letzter_satz = absolut;
    g_free(uri);
    g_free(absolut);
}

bool kv_gtk_eingabesatz_oeffnen(const std::string& pfad)
{
    KvEingaben e = kv_gtk_eingaben_lesen();
    std::string fehler;
    if (!kv_eingabesatz_lesen(rechner(), pfad, e, fehler)) {
        kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, _(KV_FEHLER_OEFFNEN) + fehler);
        return false;
    }
    kv_gtk_eingaben_setzen(e);
    kv_gtk_zuletzt_merken(pfad);
    return true;
}

int kv_c_eingaben_oeffnen()
{
    GtkWidget* dialog = chooser(_("Eingaben oeffnen"), GTK_FILE_CHOOSER_ACTION_OPEN, "gtk-open");
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), vorschlag_ordner().c_str());
    const std::string pfad = waehlen(dialog);
    if (!pfad.empty())
        kv_gtk_eingabesatz_oeffnen(pfad);
    return 0;
}

int kv_c_eingaben_speichern_unter()
{
    GtkWidget* dialog = chooser(_("Eingaben speichern unter"), GTK_FILE_CHOOSER_ACTION_SAVE, "gtk-save");
    // Folder and name set at once (the name entry takes it at once, where
    // a file to select would wait for the folder's listing).
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), vorschlag_ordner().c_str());
    // Uebersetzung: the name first proposed for an input set's file.
    std::string name = _("eingaben") + kv_eingabesatz_endung(rechner());
    if (!letzter_satz.empty()) {
        gchar* n = g_path_get_basename(letzter_satz.c_str());
        name = n;
        g_free(n);
    }
    gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(dialog), name.c_str());
    std::string pfad = waehlen(dialog);
    if (pfad.empty())
        return 0;
    pfad = mit_endung(pfad);
    if (g_file_test(pfad.c_str(), G_FILE_TEST_EXISTS)
        && kv_gtk_meldung(GTK_MESSAGE_QUESTION, GTK_BUTTONS_YES_NO,
                          _("Es ist schon ein Eingabesatz vorhanden!\n"
                            "Soll dieser ueberschrieben werden?")) != GTK_RESPONSE_YES)
        return 0;
    std::string fehler;
    if (!kv_eingabesatz_schreiben(rechner(), kv_gtk_eingaben_lesen(), pfad, fehler)) {
        kv_gtk_meldung(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, _("Fehler beim Speichern!\n") + fehler);
        return 0;
    }
    kv_gtk_zuletzt_merken(pfad);
    return 0;
}

int kv_gtk_starten(const KvProgramm& programm, int argc, char** argv)
{
    kv_gtk_fenster_erzeugen(programm);
    // Opened once the main loop runs, so an error dialog stands over the
    // window.
    if (argc > 1 && programm.eingabe_widgets)
        g_idle_add(beim_start_oeffnen, g_strdup(argv[1]));
    return 0;
}
