#include "dialog_antworten.h"

namespace {

struct Lauf {
    std::vector<Antwort> antworten;
    size_t naechste = 0;
    std::vector<Dialog> gesehen;
    GtkWidget* chooser = nullptr; // answered, still validating the name
    int chooser_antwort = 0;
};

GtkWidget* offener_dialog()
{
    GtkWidget* gefunden = nullptr;
    GList* alle = gtk_window_list_toplevels();
    for (GList* l = alle; l; l = l->next) {
        GtkWidget* w = GTK_WIDGET(l->data);
        if (GTK_IS_DIALOG(w) && gtk_widget_get_mapped(w))
            gefunden = w;
    }
    g_list_free(alle);
    return gefunden;
}

std::string art_von(GtkWidget* d)
{
    if (GTK_IS_FILE_CHOOSER(d)) return "datei";
    GtkMessageType typ;
    g_object_get(d, "message-type", &typ, nullptr);
    switch (typ) {
    case GTK_MESSAGE_INFO: return "info";
    case GTK_MESSAGE_ERROR: return "error";
    case GTK_MESSAGE_QUESTION: return "question";
    default: return "anderes";
    }
}

std::string text_von(GtkWidget* d)
{
    if (GTK_IS_FILE_CHOOSER(d)) return gtk_window_get_title(GTK_WINDOW(d));
    gchar* text = nullptr;
    g_object_get(d, "text", &text, nullptr);
    std::string s = text ? text : "";
    g_free(text);
    return s;
}

gboolean antworten(gpointer data)
{
    Lauf* lauf = static_cast<Lauf*>(data);
    GtkWidget* d = offener_dialog();
    if (!d)
        return TRUE;
    if (d == lauf->chooser) {
        // The chooser checks the typed name before it lets go; repeat.
        gtk_dialog_response(GTK_DIALOG(d), lauf->chooser_antwort);
        return TRUE;
    }
    lauf->gesehen.push_back({art_von(d), text_von(d), gtk_window_get_transient_for(GTK_WINDOW(d))});
    if (lauf->naechste >= lauf->antworten.size()) {
        gtk_dialog_response(GTK_DIALOG(d), GTK_RESPONSE_DELETE_EVENT);
        return TRUE;
    }
    const Antwort& a = lauf->antworten[lauf->naechste++];
    if (GTK_IS_FILE_CHOOSER(d) && !a.dateiname.empty()) {
        GtkFileChooser* c = GTK_FILE_CHOOSER(d);
        if (gtk_file_chooser_get_action(c) == GTK_FILE_CHOOSER_ACTION_OPEN) {
            // Opening: the file is picked in its folder's list.
            gtk_file_chooser_set_filename(c, a.dateiname.c_str());
        } else {
            gchar* ordner = g_path_get_dirname(a.dateiname.c_str());
            gchar* name = g_path_get_basename(a.dateiname.c_str());
            gtk_file_chooser_set_current_folder(c, ordner);
            gtk_file_chooser_set_current_name(c, name);
            g_free(ordner);
            g_free(name);
        }
    }
    if (GTK_IS_FILE_CHOOSER(d)) {
        // The chooser loads its folder asynchronously; a cancel in the
        // middle of that would leave its callbacks a destroyed widget.
        for (int i = 0; i < 50 && gtk_events_pending(); ++i)
            gtk_main_iteration();
    }
    if (a.response == GTK_RESPONSE_DELETE_EVENT) {
        GdkEvent* ev = gdk_event_new(GDK_DELETE);
        ev->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(d)));
        ev->any.send_event = TRUE;
        gtk_main_do_event(ev);
        gdk_event_free(ev);
    } else {
        if (GTK_IS_FILE_CHOOSER(d)) {
            lauf->chooser = d;
            lauf->chooser_antwort = a.response;
        }
        gtk_dialog_response(GTK_DIALOG(d), a.response);
    }
    return TRUE;
}

} // namespace

void ereignisse_abarbeiten()
{
    while (gtk_events_pending())
        gtk_main_iteration();
}

std::vector<Dialog> ausfuehren(const std::function<void()>& aktion, std::vector<Antwort> antworten_liste)
{
    Lauf lauf;
    lauf.antworten = std::move(antworten_liste);
    const guint quelle = g_timeout_add(5, antworten, &lauf);
    aktion();
    g_source_remove(quelle);
    ereignisse_abarbeiten();
    return lauf.gesehen;
}

std::vector<Dialog> klicken(GtkWidget* knopf, std::vector<Antwort> antworten_liste)
{
    return ausfuehren([knopf] { gtk_button_clicked(GTK_BUTTON(knopf)); }, std::move(antworten_liste));
}
