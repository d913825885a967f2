// The window's pictures, decoded in a thread of their own while the toolkit
// connects to the display; each widget then takes its picture from there.
// A picture that is missing or broken is left to the toolkit as before (the
// "broken image" sign, no window icon).
//
// The thread touches no toolkit or GObject type: it reads bytes and lets
// libpng decode them into plain memory.  The first use of a type registers
// it under GLib's type lock, and the main thread, building the window, may
// hold that lock while it waits for the same registration; a thread that
// registered a type of its own (the toolkit's pixbuf, say) could then wait
// for the main thread while the main thread waits for it.  Only the main
// thread makes the pixbufs, from the decoded bytes, when a widget asks.
#include "png_lesen.h"
#include "shell.h"

#include <map>

namespace {

struct Gelesen {
    bool gut = false;
    KvRohbild roh;
    GdkPixbuf* bild = nullptr; // made on first use, in the main thread
};

struct Vorrat {
    std::vector<std::string> namen;
    std::map<std::string, Gelesen> bilder;
};

Vorrat* vorrat = nullptr;  // filled by the thread
GThread* lader = nullptr;

// The pictures are PNG files: read as such, without the toolkit guessing
// the type from the desktop's whole MIME database.  Anything else (another
// format under the name, a broken file) is left for the widget to read the
// general way.
gpointer laden(gpointer daten)
{
    Vorrat* v = static_cast<Vorrat*>(daten);
    for (const std::string& n : v->namen) {
        Gelesen& g = v->bilder[n];
        gchar* inhalt = nullptr;
        gsize laenge = 0;
        if (g_file_get_contents(n.c_str(), &inhalt, &laenge, nullptr)) {
            g.gut = kv_png_lesen(std::string(inhalt, laenge), g.roh);
            g_free(inhalt);
        }
    }
    return nullptr;
}

void roh_freigeben(guchar*, gpointer daten)
{
    delete static_cast<KvRohbild*>(daten);
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
    if (b == vorrat->bilder.end() || !b->second.gut)
        return nullptr;
    Gelesen& g = b->second;
    if (!g.bild) {
        // The pixbuf owns the bytes from here on.
        KvRohbild* roh = new KvRohbild(std::move(g.roh));
        const int kanaele = roh->alpha ? 4 : 3;
        g.bild = gdk_pixbuf_new_from_data(roh->pixel.data(), GDK_COLORSPACE_RGB, roh->alpha, 8,
                                          roh->breite, roh->hoehe, roh->breite * kanaele,
                                          roh_freigeben, roh);
    }
    return g.bild;
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
    // Every entry exists before the thread starts: it only fills them in.
    for (const std::string& name : vorrat->namen)
        vorrat->bilder[name];
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
