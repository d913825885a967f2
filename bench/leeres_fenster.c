/* The yardstick: a bare GTK+ 2 window with one label. */
#include <gtk/gtk.h>

int main(int argc, char** argv)
{
    gtk_init(&argc, &argv);
    GtkWidget* fenster = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(fenster), argc > 1 ? argv[1] : "Leeres Fenster");
    gtk_container_add(GTK_CONTAINER(fenster), gtk_label_new("Leeres Fenster"));
    g_signal_connect(fenster, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(fenster);
    gtk_main();
    return 0;
}
