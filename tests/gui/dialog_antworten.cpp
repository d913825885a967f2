#include "dialog_antworten.h"
#include "shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

namespace {

// How long a dialog may stay open once it was seen, and how long after a
// try the next one is made.  A chooser refuses an answer while it is still
// busy with the folder it was given (it checks the name against it first);
// the answer is given again, each time after twice the wait, so that it gets
// through however long the chooser takes.
constexpr gint64 FRIST = 10 * G_USEC_PER_SEC;
constexpr gint64 NOCHMAL = G_USEC_PER_SEC / 4;  // the file put in again
constexpr gint64 ERNEUT = G_USEC_PER_SEC / 100;  // first wait before answering again

// A dialog this action has opened, with the answer it is given.
struct Offen {
    GtkWidget* dialog = nullptr; // weak: null once the dialog is destroyed
    Dialog gesehen;
    size_t nummer = 0;           // 1-based number of its answer; 0: none left
    Antwort antwort{GTK_RESPONSE_DELETE_EVENT, ""};
    gint64 seit = 0;             // first seen
    gint64 geantwortet = 0;      // last answer given
    gint64 warten = ERNEUT;      // before it is given again
    gint64 eingetragen = 0;      // file last put into the chooser
    bool aufgegeben = false;     // past its time, being closed
};

struct Lauf {
    std::vector<Antwort> antworten;
    size_t naechste = 0;
    std::vector<Dialog> gesehen;
    std::vector<std::unique_ptr<Offen>> offen;
};

GtkWidget* oberster_dialog()
{
    // Toplevels come oldest first: the last mapped dialog is the one on top.
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
    if (!GTK_IS_MESSAGE_DIALOG(d)) return "anderes";
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
    if (!GTK_IS_MESSAGE_DIALOG(d)) {
        const char* titel = gtk_window_get_title(GTK_WINDOW(d));
        return titel ? titel : "";
    }
    gchar* text = nullptr;
    g_object_get(d, "text", &text, nullptr);
    std::string s = text ? text : "";
    g_free(text);
    return s;
}

std::string beschreibung(const Offen& o, size_t anzahl)
{
    std::ostringstream s;
    s << "Dialog " << o.gesehen.art << " \"" << o.gesehen.text << "\"";
    if (o.nummer == 0)
        s << " (ohne Antwort, wird geschlossen)";
    else {
        s << " (Antwort " << o.nummer << " von " << anzahl << ": " << o.antwort.response;
        if (!o.antwort.dateiname.empty())
            s << ", Datei " << o.antwort.dateiname;
        s << ")";
    }
    return s.str();
}

Offen& offen_fuer(Lauf& lauf, GtkWidget* d, gint64 jetzt)
{
    for (auto& o : lauf.offen)
        if (o->dialog == d)
            return *o;
    auto o = std::make_unique<Offen>();
    o->dialog = d;
    g_object_add_weak_pointer(G_OBJECT(d), reinterpret_cast<gpointer*>(&o->dialog));
    o->gesehen = {art_von(d), text_von(d), gtk_window_get_transient_for(GTK_WINDOW(d))};
    o->seit = jetzt;
    if (GTK_IS_FILE_CHOOSER(d))
        // The chooser changes folders on its own time: a folder it was given
        // before may be listed after the one the file is in, and the file
        // is then no longer selected.  Put in again after every change.
        g_signal_connect_swapped(d, "current-folder-changed", G_CALLBACK(+[](Offen* o) {
                                     o->eingetragen = 0;
                                 }), o.get());
    if (GTK_IS_FILE_CHOOSER(d))
        // A chooser destroyed while it lists its folder crashes GTK 2 once
        // the listing ends (if not at once): the program must never do it.
        // Destroying takes its window first, so look there.
        g_signal_connect(d, "unrealize", G_CALLBACK(+[](GtkWidget* w, Offen*) {
                             if (kv_gtk_dateiauswahl_listet(w))
                                 ADD_FAILURE() << "Dateiauswahl \"" << gtk_window_get_title(GTK_WINDOW(w))
                                               << "\" beim Auflisten ihres Ordners zerstoert";
                         }), o.get());
    if (lauf.naechste < lauf.antworten.size()) {
        o->antwort = lauf.antworten[lauf.naechste++];
        o->nummer = lauf.naechste;
    }
    lauf.gesehen.push_back(o->gesehen);
    lauf.offen.push_back(std::move(o));
    return *lauf.offen.back();
}

std::string kanonisch(const char* pfad)
{
    gchar* k = g_canonicalize_filename(pfad, nullptr);
    std::string s = k;
    g_free(k);
    return s;
}

// Whether the chooser would now hand back exactly this file.
bool haelt(GtkFileChooser* c, const std::string& pfad)
{
    gchar* gewaehlt = gtk_file_chooser_get_filename(c);
    const bool ja = gewaehlt && kanonisch(gewaehlt) == kanonisch(pfad.c_str());
    g_free(gewaehlt);
    return ja;
}

// Puts the file into the chooser as a user would pick or type it.
void eintragen(GtkFileChooser* c, const std::string& pfad)
{
    if (gtk_file_chooser_get_action(c) == GTK_FILE_CHOOSER_ACTION_OPEN) {
        // Selected in its folder's list, once that has loaded.
        gtk_file_chooser_set_filename(c, pfad.c_str());
        return;
    }
    gchar* ordner = g_path_get_dirname(pfad.c_str());
    gchar* name = g_path_get_basename(pfad.c_str());
    gtk_file_chooser_set_current_folder(c, ordner);
    gtk_file_chooser_set_current_name(c, name);
    g_free(ordner);
    g_free(name);
}

// Closes the dialog as the window manager's close button does.
void schliessen(GtkWidget* d)
{
    GdkEvent* ev = gdk_event_new(GDK_DELETE);
    ev->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(d)));
    ev->any.send_event = TRUE;
    gtk_main_do_event(ev);
    gdk_event_free(ev);
}

// Whether the answer is due: not given yet, or its wait is over.
bool faellig(Offen& o, gint64 jetzt)
{
    if (o.geantwortet != 0 && jetzt - o.geantwortet < o.warten)
        return false;
    if (o.geantwortet != 0)
        o.warten = std::min<gint64>(2 * o.warten, G_USEC_PER_SEC);
    o.geantwortet = jetzt;
    return true;
}

void antwort_senden(Offen& o, int response)
{
    if (o.antwort.vorher) {
        o.antwort.vorher();
        o.antwort.vorher = {};
    }
    if (response == GTK_RESPONSE_DELETE_EVENT)
        schliessen(o.dialog);
    else
        gtk_dialog_response(GTK_DIALOG(o.dialog), response);
}

void antworten_geben(Offen& o, gint64 jetzt)
{
    GtkWidget* d = o.dialog;
    if (GTK_IS_FILE_CHOOSER(d) && o.antwort.beim_auflisten) {
        // Answered the moment the chooser lists its folder, as a quick
        // user's Enter would be.
        if (kv_gtk_dateiauswahl_listet(d))
            antwort_senden(o, o.antwort.response);
        return;
    }
    if (GTK_IS_FILE_CHOOSER(d)) {
        // Answered (and so closed) while it lists its folder, the program
        // would only hide the chooser; a test answers as a user who reads
        // the list first.
        if (kv_gtk_dateiauswahl_listet(d))
            return;
        GtkFileChooser* c = GTK_FILE_CHOOSER(d);
        const std::string& pfad = o.antwort.dateiname;
        if (!pfad.empty()) {
            // Answered only once the chooser holds the file and has listed
            // its folder; the file is put in again should the chooser have
            // let go of it while a folder it was asked for earlier was still
            // loading.
            if (haelt(c, pfad)) {
                if (faellig(o, jetzt))
                    antwort_senden(o, o.antwort.response);
            } else if (o.eingetragen == 0 || jetzt - o.eingetragen >= NOCHMAL) {
                o.eingetragen = jetzt;
                eintragen(c, pfad);
            }
            return;
        }
    }
    if (faellig(o, jetzt))
        antwort_senden(o, o.nummer == 0 ? GTK_RESPONSE_DELETE_EVENT : o.antwort.response);
}

gboolean antworten(gpointer data)
{
    Lauf* lauf = static_cast<Lauf*>(data);
    GtkWidget* d = oberster_dialog();
    if (!d)
        return TRUE;
    const gint64 jetzt = g_get_monotonic_time();
    Offen& o = offen_fuer(*lauf, d, jetzt);
    if (jetzt - o.seit < FRIST) {
        antworten_geben(o, jetzt);
        return TRUE;
    }
    // Past its time: the test fails and the dialog is closed, so that the
    // action returns and the test process ends.
    if (!o.aufgegeben) {
        o.aufgegeben = true;
        ADD_FAILURE() << beschreibung(o, lauf->antworten.size()) << " nach "
                      << FRIST / G_USEC_PER_SEC << " s noch offen; geschlossen";
        o.geantwortet = 0;
        o.warten = ERNEUT;
    }
    if (faellig(o, jetzt))
        gtk_dialog_response(GTK_DIALOG(d), GTK_RESPONSE_DELETE_EVENT);
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
    for (auto& o : lauf.offen)
        if (o->dialog) {
            g_signal_handlers_disconnect_by_data(o->dialog, o.get());
            g_object_remove_weak_pointer(G_OBJECT(o->dialog), reinterpret_cast<gpointer*>(&o->dialog));
        }
    if (lauf.naechste < lauf.antworten.size())
        ADD_FAILURE() << "Antwort " << lauf.naechste + 1 << " von " << lauf.antworten.size()
                      << " nicht gegeben: kein Dialog mehr erschienen (" << lauf.gesehen.size()
                      << " gesehen)";
    return lauf.gesehen;
}

std::vector<Dialog> klicken(GtkWidget* knopf, std::vector<Antwort> antworten_liste)
{
    return ausfuehren([knopf] { gtk_button_clicked(GTK_BUTTON(knopf)); }, std::move(antworten_liste));
}
