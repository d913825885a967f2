// File choosers: run, then closed in a way GTK 2's chooser survives.  The
// chooser lists a folder bit by bit in the main loop, from the moment it
// changes folder (with the busy cursor on its window) until the list is
// complete; destroyed before that, it would still hand the listing to its
// file list when the listing ends, after the list is gone, and crash the
// program with the window's inputs.  Hidden, it stops listing and stays
// busy.  So a chooser answered that early (Enter pressed at once in a large
// folder) keeps its answer and stays on the screen until it has listed its
// folder, and is destroyed then.
#include "shell.h"

namespace {

// A folder that is still not listed after this long (a network folder that
// no longer answers) is given up: its chooser is hidden and never destroyed.
constexpr gint64 HOECHSTENS_LISTEN = 60 * G_USEC_PER_SEC;

} // namespace

bool kv_gtk_dateiauswahl_listet(GtkWidget* chooser)
{
    GdkWindow* w = gtk_widget_get_window(chooser);
    return w && gdk_window_get_cursor(w) != nullptr;
}

void kv_gtk_dateiauswahl_schliessen(GtkWidget* chooser)
{
    if (kv_gtk_dateiauswahl_listet(chooser)) {
        const gint64 ende = g_get_monotonic_time() + HOECHSTENS_LISTEN;
        // Wakes the loop now and then to look at the clock.
        const guint wecker = g_timeout_add(100, [](gpointer) -> gboolean { return TRUE; }, nullptr);
        while (kv_gtk_dateiauswahl_listet(chooser) && g_get_monotonic_time() < ende)
            gtk_main_iteration();
        g_source_remove(wecker);
        if (kv_gtk_dateiauswahl_listet(chooser)) {
            gtk_widget_hide(chooser);
            return;
        }
    }
    gtk_widget_destroy(chooser);
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
