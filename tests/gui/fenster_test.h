// Small helpers shared by the window tests of all programs.
#pragma once
#include "dialog_antworten.h"

#include <cstdlib>
#include <fstream>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

inline const Antwort JA{GTK_RESPONSE_YES, ""};
inline const Antwort NEIN{GTK_RESPONSE_NO, ""};
inline const Antwort OK{GTK_RESPONSE_OK, ""};
inline const Antwort ABBRECHEN{GTK_RESPONSE_CANCEL, ""};
inline const Antwort SCHLIESSEN{GTK_RESPONSE_DELETE_EVENT, ""};
inline Antwort datei(const std::string& pfad) { return {GTK_RESPONSE_OK, pfad}; }

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
