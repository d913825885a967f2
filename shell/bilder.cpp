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

gpointer laden(gpointer daten)
{
    Vorrat* v = static_cast<Vorrat*>(daten);
    for (const std::string& n : v->namen)
        v->bilder[n] = gdk_pixbuf_new_from_file(n.c_str(), nullptr);
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
