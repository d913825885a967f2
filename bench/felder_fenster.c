/* The second yardstick: the bare window with N captioned entry fields in a
 * table (20 rows to a column pair) and nothing else: what the toolkit needs
 * for a calculator's fields alone, without its pictures, frames, buttons or
 * menu.
 *   felder_fenster TITEL N */
#include <gtk/gtk.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    gtk_init(&argc, &argv);
    const int n = argc > 2 ? atoi(argv[2]) : 0;
    GtkWidget* fenster = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(fenster), argc > 1 ? argv[1] : "Felder");
    GtkWidget* tabelle = gtk_table_new(20, 2 * ((n + 19) / 20) + 1, FALSE);
    for (int i = 0; i < n; ++i) {
        gchar* text = g_strdup_printf("Feld %d / mm", i + 1);
        const int spalte = 2 * (i / 20), zeile = i % 20;
        gtk_table_attach_defaults(GTK_TABLE(tabelle), gtk_label_new(text), spalte, spalte + 1,
                                  zeile, zeile + 1);
        g_free(text);
        GtkWidget* feld = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(feld), "12.5");
        gtk_table_attach_defaults(GTK_TABLE(tabelle), feld, spalte + 1, spalte + 2, zeile, zeile + 1);
    }
    gtk_container_add(GTK_CONTAINER(fenster), tabelle);
    g_signal_connect(fenster, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(fenster);
    gtk_main();
    return 0;
}
