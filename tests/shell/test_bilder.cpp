// The window's pictures as the buckling window reads them at start: each one
// shows the same pixels as the toolkit's own reader gives, whatever format
// hides behind the .png name; what cannot be read is left to the toolkit
// (its "broken image" sign) as before.
#include "stalor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

GdkPixbuf* gelesen(const std::string& datei) { return gdk_pixbuf_new_from_file(datei.c_str(), nullptr); }

bool gleiche_pixel(GdkPixbuf* a, GdkPixbuf* b)
{
    const int w = gdk_pixbuf_get_width(a), h = gdk_pixbuf_get_height(a);
    const int n = gdk_pixbuf_get_n_channels(a);
    if (w != gdk_pixbuf_get_width(b) || h != gdk_pixbuf_get_height(b)
        || n != gdk_pixbuf_get_n_channels(b))
        return false;
    for (int y = 0; y < h; ++y)
        if (memcmp(gdk_pixbuf_get_pixels(a) + y * gdk_pixbuf_get_rowstride(a),
                   gdk_pixbuf_get_pixels(b) + y * gdk_pixbuf_get_rowstride(b), w * n) != 0)
            return false;
    return true;
}

TEST(Bilder, GleichePixelWieDerAllgemeineLeserUndKaputteWieZuvor)
{
    const std::string quelle = g_get_current_dir();
    gchar* ordner = g_dir_make_tmp("kv-bilder-XXXXXX", nullptr);
    ASSERT_NE(ordner, nullptr);
    auto kopieren = [&](const std::string& von, const std::string& nach) {
        gchar* inhalt = nullptr;
        gsize laenge = 0;
        ASSERT_TRUE(g_file_get_contents((quelle + "/" + von).c_str(), &inhalt, &laenge, nullptr));
        ASSERT_TRUE(g_file_set_contents((std::string(ordner) + "/" + nach).c_str(), inhalt,
                                        static_cast<gssize>(laenge), nullptr));
        g_free(inhalt);
    };
    for (const char* n : {"stalor_rechnen.png", "stalor_ende.png", "Knickfall4.png"})
        kopieren(n, n);
    ASSERT_EQ(chdir(ordner), 0);
    // A BMP under the PNG's name, a PNG cut off after 100 bytes, one missing.
    GdkPixbuf* fall1 = gelesen(quelle + "/Knickfall1.png");
    ASSERT_TRUE(gdk_pixbuf_save(fall1, "Knickfall1.png", "bmp", nullptr, nullptr));
    g_object_unref(fall1);
    kopieren("Knickfall2.png", "Knickfall2.png");
    ASSERT_EQ(truncate("Knickfall2.png", 100), 0);

    kv_bilder_vorladen(stalor_programm);
    for (const char* n : {"stalor_rechnen.png", "stalor_ende.png", "Knickfall4.png", "Knickfall1.png"}) {
        GtkWidget* bild = g_object_ref_sink(kv_gtk_bild(n));
        ASSERT_EQ(gtk_image_get_storage_type(GTK_IMAGE(bild)), GTK_IMAGE_PIXBUF) << n;
        GdkPixbuf* erwartet = gelesen(n);
        EXPECT_TRUE(gleiche_pixel(gtk_image_get_pixbuf(GTK_IMAGE(bild)), erwartet)) << n;
        g_object_unref(erwartet);
        g_object_unref(bild);
    }
    for (const char* n : {"Knickfall2.png", "Knickfall3.png"}) {
        GtkWidget* bild = g_object_ref_sink(kv_gtk_bild(n));
        GtkWidget* toolkit = g_object_ref_sink(gtk_image_new_from_file(n));
        EXPECT_EQ(gtk_image_get_storage_type(GTK_IMAGE(bild)),
                  gtk_image_get_storage_type(GTK_IMAGE(toolkit))) << n;
        if (gtk_image_get_storage_type(GTK_IMAGE(toolkit)) == GTK_IMAGE_PIXBUF) {
            EXPECT_TRUE(gleiche_pixel(gtk_image_get_pixbuf(GTK_IMAGE(bild)),
                                      gtk_image_get_pixbuf(GTK_IMAGE(toolkit)))) << n;
        }
        g_object_unref(toolkit);
        g_object_unref(bild);
    }
    ASSERT_EQ(chdir(quelle.c_str()), 0);
    EXPECT_EQ(std::system(("rm -rf '" + std::string(ordner) + "'").c_str()), 0);
    g_free(ordner);
}

} // namespace
