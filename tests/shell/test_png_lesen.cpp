// The start-up reader of the window's pictures: it registers no GObject type
// (so the thread that runs it can never wait on GLib's type lock for the main
// thread), and it gives the pixels GDK's own reader gives for the kinds of
// PNG a picture may be saved as.
#include "png_lesen.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace {

// Every type registered so far below the fundamental types a library
// registers its own under.
int typen_zaehlen(GType t)
{
    guint n = 0;
    GType* kinder = g_type_children(t, &n);
    int summe = 1;
    for (guint i = 0; i < n; ++i)
        summe += typen_zaehlen(kinder[i]);
    g_free(kinder);
    return summe;
}

int alle_typen()
{
    return typen_zaehlen(G_TYPE_OBJECT) + typen_zaehlen(G_TYPE_INTERFACE) + typen_zaehlen(G_TYPE_BOXED)
           + typen_zaehlen(G_TYPE_ENUM) + typen_zaehlen(G_TYPE_FLAGS) + typen_zaehlen(G_TYPE_POINTER);
}

std::string bytes(const std::string& datei)
{
    gchar* inhalt = nullptr;
    gsize laenge = 0;
    if (!g_file_get_contents(datei.c_str(), &inhalt, &laenge, nullptr))
        return "";
    std::string s(inhalt, laenge);
    g_free(inhalt);
    return s;
}

const char* const BILDER[] = {"stalor.png", "stalor_rechnen.png", "stalor_speichern.png", "stalor_info.png",
                              "stalor_ende.png", "Knickfall1.png", "Knickfall2.png", "Knickfall3.png",
                              "Knickfall4.png", "tarvex.png", "lupran.png", "kopdra.png", "wendis.png"};

// Runs first in this program, before anything made a pixbuf.
TEST(PngLesen, RegistriertKeinenTyp)
{
    const int vorher = alle_typen();
    for (const char* n : BILDER) {
        KvRohbild b;
        EXPECT_TRUE(kv_png_lesen(bytes(n), b)) << n;
        EXPECT_GT(b.breite, 0) << n;
    }
    KvRohbild kaputt;
    EXPECT_FALSE(kv_png_lesen(bytes("stalor.png").substr(0, 100), kaputt));
    EXPECT_FALSE(kv_png_lesen("BM kein PNG", kaputt));
    EXPECT_EQ(alle_typen(), vorher);
    EXPECT_EQ(g_type_from_name("GdkPixbuf"), G_TYPE_INVALID);
}

// A PNG of the given kind, written with libpng: a pattern of colours, with
// a transparent palette entry or grey level where tRNS is asked for.
std::string schreiben(int farbart, int tiefe, bool zeilensprung, bool trns)
{
    const int b = 13, h = 7;
    std::string aus;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &aus,
                     [](png_structp p, png_bytep d, png_size_t n) {
                         static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<char*>(d), n);
                     },
                     nullptr);
    png_set_IHDR(png, info, b, h, tiefe, farbart, zeilensprung ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (farbart == PNG_COLOR_TYPE_PALETTE) {
        png_color palette[4] = {{255, 0, 0}, {0, 128, 255}, {10, 200, 30}, {250, 250, 5}};
        png_set_PLTE(png, info, palette, 4);
        if (trns) {
            png_byte a[2] = {0, 128};
            png_set_tRNS(png, info, a, 2, nullptr);
        }
    } else if (trns && farbart == PNG_COLOR_TYPE_GRAY) {
        png_color_16 t{};
        t.gray = 1;
        png_set_tRNS(png, info, nullptr, 0, &t);
    } else if (trns && farbart == PNG_COLOR_TYPE_RGB) {
        png_color_16 t{};
        t.red = 3, t.green = 5, t.blue = 7;
        png_set_tRNS(png, info, nullptr, 0, &t);
    }
    png_write_info(png, info);
    const int kanaele = png_get_channels(png, info);
    const size_t zeile = png_get_rowbytes(png, info);
    std::vector<std::vector<png_byte>> zeilen(h, std::vector<png_byte>(zeile));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x)
            for (int k = 0; k < kanaele; ++k) {
                const int wert = (x * 37 + y * 11 + k * 71) & ((1 << std::min(tiefe, 8)) - 1);
                if (tiefe == 16) {
                    zeilen[y][(x * kanaele + k) * 2] = static_cast<png_byte>(wert);
                    zeilen[y][(x * kanaele + k) * 2 + 1] = static_cast<png_byte>(wert * 3);
                } else if (tiefe == 8) {
                    zeilen[y][x * kanaele + k] = static_cast<png_byte>(farbart == PNG_COLOR_TYPE_PALETTE ? wert & 3 : wert);
                } else { // 1, 2 or 4 bits, one channel
                    const int je_byte = 8 / tiefe;
                    const int v = farbart == PNG_COLOR_TYPE_PALETTE ? wert & 3 : wert;
                    zeilen[y][x / je_byte] |= static_cast<png_byte>(v << ((je_byte - 1 - x % je_byte) * tiefe));
                }
            }
    std::vector<png_bytep> z(h);
    for (int y = 0; y < h; ++y)
        z[y] = zeilen[y].data();
    png_write_image(png, z.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return aus;
}

TEST(PngLesen, GleichePixelWieGdkFuerJedeArt)
{
    struct Art {
        int farbart, tiefe;
        const char* name;
    };
    const Art arten[] = {
        {PNG_COLOR_TYPE_RGB, 8, "RGB 8"},          {PNG_COLOR_TYPE_RGB_ALPHA, 8, "RGBA 8"},
        {PNG_COLOR_TYPE_RGB, 16, "RGB 16"},        {PNG_COLOR_TYPE_RGB_ALPHA, 16, "RGBA 16"},
        {PNG_COLOR_TYPE_GRAY, 1, "Grau 1"},        {PNG_COLOR_TYPE_GRAY, 4, "Grau 4"},
        {PNG_COLOR_TYPE_GRAY, 8, "Grau 8"},        {PNG_COLOR_TYPE_GRAY, 16, "Grau 16"},
        {PNG_COLOR_TYPE_GRAY_ALPHA, 8, "Grau+Alpha 8"}, {PNG_COLOR_TYPE_GRAY_ALPHA, 16, "Grau+Alpha 16"},
        {PNG_COLOR_TYPE_PALETTE, 2, "Palette 2"},  {PNG_COLOR_TYPE_PALETTE, 8, "Palette 8"},
    };
    for (const Art& a : arten)
        for (bool zeilensprung : {false, true})
            for (bool trns : {false, true}) {
                if (trns && (a.farbart & PNG_COLOR_MASK_ALPHA))
                    continue;
                const std::string was = std::string(a.name) + (zeilensprung ? " Adam7" : "") + (trns ? " tRNS" : "");
                const std::string png = schreiben(a.farbart, a.tiefe, zeilensprung, trns);
                KvRohbild roh;
                ASSERT_TRUE(kv_png_lesen(png, roh)) << was;
                GdkPixbufLoader* leser = gdk_pixbuf_loader_new();
                ASSERT_TRUE(gdk_pixbuf_loader_write(leser, reinterpret_cast<const guchar*>(png.data()), png.size(), nullptr)) << was;
                ASSERT_TRUE(gdk_pixbuf_loader_close(leser, nullptr)) << was;
                GdkPixbuf* gdk = gdk_pixbuf_loader_get_pixbuf(leser);
                ASSERT_NE(gdk, nullptr) << was;
                EXPECT_EQ(roh.breite, gdk_pixbuf_get_width(gdk)) << was;
                EXPECT_EQ(roh.hoehe, gdk_pixbuf_get_height(gdk)) << was;
                EXPECT_EQ(roh.alpha, gdk_pixbuf_get_has_alpha(gdk) != 0) << was;
                const int n = roh.alpha ? 4 : 3;
                bool gleich = gdk_pixbuf_get_n_channels(gdk) == n;
                for (int y = 0; gleich && y < roh.hoehe; ++y)
                    gleich = std::memcmp(roh.pixel.data() + static_cast<size_t>(y * roh.breite * n),
                                         gdk_pixbuf_get_pixels(gdk) + y * gdk_pixbuf_get_rowstride(gdk),
                                         static_cast<size_t>(roh.breite * n)) == 0;
                EXPECT_TRUE(gleich) << was;
                g_object_unref(leser);
            }
}

} // namespace
