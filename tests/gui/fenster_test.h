// Small helpers shared by the window tests of all programs.
#pragma once
#include "dialog_antworten.h"
#include "sprache.h"

#include <gdk/gdkkeysyms.h>

#include <cstdlib>
#include <fstream>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

inline const Antwort JA{GTK_RESPONSE_YES, ""};
inline const Antwort NEIN{GTK_RESPONSE_NO, ""};
inline const Antwort OK{GTK_RESPONSE_OK, ""};
inline const Antwort ABBRECHEN{GTK_RESPONSE_CANCEL, ""};
inline const Antwort SCHLIESSEN{GTK_RESPONSE_DELETE_EVENT, ""};
inline Antwort datei(const std::string& pfad) { return {GTK_RESPONSE_OK, pfad}; }

// Texts as the window shows them in the test's language (C, de_DE: the
// German written in the test; en_US: the catalogue's).  A sentence with
// pieces put in: in German the text as written, which the sentence must
// give with these pieces.
inline bool auf_deutsch() { return std::string(_("Rechnen")) == "Rechnen"; }
inline std::string uebersetzt(const std::string& deutsch, const char* satz,
                              std::initializer_list<std::string> stuecke)
{
    if (auf_deutsch()) {
        EXPECT_EQ(kv_einsetzen(satz, stuecke), deutsch) << "German sentence " << satz;
    }
    return kv_einsetzen(_(satz), stuecke);
}
// The German as written, nothing in another language: the reason after a
// dialog's heading, which the test holds in German only.
inline std::string nur_deutsch(const std::string& deutsch) { return auf_deutsch() ? deutsch : ""; }

inline std::string text(GtkWidget* feld) { return gtk_entry_get_text(GTK_ENTRY(feld)); }
inline std::string label(GtkWidget* l) { return gtk_label_get_text(GTK_LABEL(l)); }
inline void setzen(GtkWidget* feld, const std::string& t) { gtk_entry_set_text(GTK_ENTRY(feld), t.c_str()); }

inline std::string lesen(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void schreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

// A temporary folder for report files, removed after each test.
class MitOrdner : public ::testing::Test {
protected:
    void SetUp() override { ordner = g_dir_make_tmp("kv-XXXXXX", nullptr); }
    void TearDown() override
    {
        const std::string aufraeumen = "rm -rf '" + ordner + "'";
        EXPECT_EQ(std::system(aufraeumen.c_str()), 0);
    }
    std::string ordner;
};

// The widget attached at the given column and row of a table.
inline GtkWidget* zelle(GtkWidget* tabelle, guint spalte, guint zeile)
{
    GList* kinder = gtk_container_get_children(GTK_CONTAINER(tabelle));
    GtkWidget* gefunden = nullptr;
    for (GList* l = kinder; l; l = l->next) {
        guint links, oben;
        gtk_container_child_get(GTK_CONTAINER(tabelle), GTK_WIDGET(l->data),
                                "left-attach", &links, "top-attach", &oben, nullptr);
        if (links == spalte && oben == zeile)
            gefunden = GTK_WIDGET(l->data);
    }
    g_list_free(kinder);
    return gefunden;
}

// Presses a key in the window, as the keyboard would deliver it.
inline void taste(GtkWidget* fenster, guint keyval, guint zustand = 0)
{
    GdkKeymapKey* keys = nullptr;
    gint n = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_default(), keyval, &keys, &n);
    for (GdkEventType art : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* ev = gdk_event_new(art);
        ev->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(fenster)));
        ev->key.send_event = TRUE;
        ev->key.time = GDK_CURRENT_TIME;
        ev->key.keyval = keyval;
        ev->key.state = zustand;
        ev->key.hardware_keycode = n > 0 ? keys[0].keycode : 0;
        gtk_main_do_event(ev);
        gdk_event_free(ev);
    }
    g_free(keys);
    ereignisse_abarbeiten();
}

// The widgets that get the focus, one Tab after another, starting with the
// focus on `start`.
inline std::vector<GtkWidget*> tab_folge(GtkWidget* fenster, GtkWidget* start, size_t n)
{
    gtk_widget_grab_focus(start);
    std::vector<GtkWidget*> folge{start};
    while (folge.size() < n) {
        taste(fenster, GDK_Tab);
        folge.push_back(gtk_window_get_focus(GTK_WINDOW(fenster)));
    }
    return folge;
}

// What a screen reader announces for a field: its accessible name, or else
// the labels it is labelled by.
inline std::string beschriftung(GtkWidget* feld)
{
    AtkObject* a = gtk_widget_get_accessible(feld);
    if (const char* name = atk_object_get_name(a))
        return name;
    std::string s;
    AtkRelationSet* rs = atk_object_ref_relation_set(a);
    if (AtkRelation* r = atk_relation_set_get_relation_by_type(rs, ATK_RELATION_LABELLED_BY)) {
        GPtrArray* ziele = atk_relation_get_target(r);
        for (guint i = 0; i < ziele->len; ++i)
            s += (s.empty() ? "" : " ")
                 + std::string(atk_object_get_name(ATK_OBJECT(g_ptr_array_index(ziele, i))));
    }
    g_object_unref(rs);
    return s;
}

// Every entry in the window, in no particular order.
inline void alle_felder(GtkWidget* w, std::vector<GtkWidget*>& felder)
{
    if (GTK_IS_ENTRY(w))
        felder.push_back(w);
    if (GTK_IS_CONTAINER(w)) {
        GList* kinder = gtk_container_get_children(GTK_CONTAINER(w));
        for (GList* l = kinder; l; l = l->next)
            alle_felder(GTK_WIDGET(l->data), felder);
        g_list_free(kinder);
    }
}
