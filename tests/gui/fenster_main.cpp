// Entry point of the window tests: the toolkit first, then GoogleTest.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

int main(int argc, char** argv)
{
    // With the accessibility module, as on a desktop with a screen reader.
    g_setenv("GTK_MODULES", "gail", TRUE);
    gtk_init(&argc, &argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
