// The window's pictures, decoded in a thread of their own while the toolkit
// connects to the display; each widget then takes its picture from there.
// A picture that is missing or broken is left to the toolkit as before (the
// "broken image" sign, no window icon).
#include "shell.h"

#include <map>

namespace {

struct Vorrat {
    std::vector<std::string> namen;
    std::map<std::string, GdkPixbuf*> bilder; // nullptr: could not be read
};

Vorrat* vorrat = nullptr;  // filled by the thread
GThread* lader = nullptr;

// The pictures are PNG files: read as such, the toolkit's reader skips
// guessing the type from the desktop's whole MIME database.  Anything else
// (another format under the name, a broken file) is left for the widget to
// read the general way.
GdkPixbuf* als_png_lesen(const char* datei)
{
    gchar* inhalt = nullptr;
    gsize laenge = 0;
    if (!g_file_get_contents(datei, &inhalt, &laenge, nullptr))
        return nullptr;
    GdkPixbuf* bild = nullptr;
    if (GdkPixbufLoader* leser = gdk_pixbuf_loader_new_with_type("png", nullptr)) {
        // A failed write has closed the reader already.
        if (gdk_pixbuf_loader_write(leser, reinterpret_cast<const guchar*>(inhalt), laenge, nullptr)
            && gdk_pixbuf_loader_close(leser, nullptr)) {
            bild = gdk_pixbuf_loader_get_pixbuf(leser);
            if (bild)
                g_object_ref(bild);
        }
        g_object_unref(leser);
    }
    g_free(inhalt);
    return bild;
}

gpointer laden(gpointer daten)
{
    Vorrat* v = static_cast<Vorrat*>(daten);
    for (const std::string& n : v->namen)
        v->bilder[n] = als_png_lesen(n.c_str());
    return nullptr;
}

// The decoded picture, or nullptr when it was not asked for or not readable.
GdkPixbuf* bild(const std::string& name)
{
    if (lader) {
        g_thread_join(lader);
        lader = nullptr;
    }
    if (!vorrat)
        return nullptr;
    const auto b = vorrat->bilder.find(name);
    return b == vorrat->bilder.end() ? nullptr : b->second;
}

} // namespace

void kv_bilder_vorladen(const KvProgramm& programm)
{
    if (vorrat)
        return;
    vorrat = new Vorrat;
    const std::string n = programm.rechner->name;
    for (const char* endung : {"", "_rechnen", "_speichern", "_info", "_ende"})
        vorrat->namen.push_back(n + endung + ".png");
    for (const char* b : programm.bilder)
        vorrat->namen.emplace_back(b);
    lader = g_thread_new("bilder", laden, vorrat);
}

GtkWidget* kv_gtk_bild(const char* bild_datei)
{
    if (GdkPixbuf* b = bild(bild_datei))
        return gtk_image_new_from_pixbuf(b);
    return gtk_image_new_from_file(bild_datei);
}

void kv_gtk_fenster_icon(GtkWidget* fenster, const char* bild_datei)
{
    if (GdkPixbuf* b = bild(bild_datei))
        gtk_window_set_icon(GTK_WINDOW(fenster), b);
    else
        gtk_window_set_icon_from_file(GTK_WINDOW(fenster), bild_datei, nullptr);
}
