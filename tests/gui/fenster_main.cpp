// Entry point of the window tests: the toolkit first, then GoogleTest.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    // With the accessibility module, as on a desktop with a screen reader.
    g_setenv("GTK_MODULES", "gail", TRUE);
    // The list of recently used files in a folder of its own, not the user's.
    gchar* daten = g_dir_make_tmp("kv-daten-XXXXXX", nullptr);
    g_setenv("XDG_DATA_HOME", daten, TRUE);
    gtk_init(&argc, &argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    const std::string aufraeumen = std::string("rm -rf '") + daten + "'";
    g_free(daten);
    return std::system(aufraeumen.c_str()) == 0 ? ergebnis : 1;
}
