// Diagram files without a display: PNG, SVG and PDF of the requested size
// that read back, failed writes that keep the old file, the marker's colour
// at the operating point, nothing drawn up to the picture's edge, sizes and
// numbers with the point under any locale.
#include "alle_diagramme.h"
#include "datei_lesen.h"
#include "diagramm_cairo.h"
#include "diagramm_datei.h"

#include <cairo.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

class DiagrammDatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The desktop's locale, as a program has it (German in the _de_DE run).
        std::setlocale(LC_ALL, "");
        ordner = g_dir_make_tmp("kv-diagramm-XXXXXX", nullptr);
    }
    void TearDown() override
    {
        const std::string aufraeumen = "chmod -R u+w '" + ordner + "' && rm -rf '" + ordner + "'";
        EXPECT_EQ(std::system(aufraeumen.c_str()), 0);
        std::setlocale(LC_ALL, "C");
    }
    std::string ordner;
};

// Loads a PNG file; the caller destroys it.
cairo_surface_t* png_laden(const std::string& pfad)
{
    return cairo_image_surface_create_from_png(pfad.c_str());
}

// The colour at (x, y) of an ARGB32 picture as 0-255 values.
void farbe_bei(cairo_surface_t* s, int x, int y, int rgb[3])
{
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    const uint32_t p = *reinterpret_cast<const uint32_t*>(d + y * cairo_image_surface_get_stride(s) + 4 * x);
    rgb[0] = (p >> 16) & 0xff;
    rgb[1] = (p >> 8) & 0xff;
    rgb[2] = p & 0xff;
}

struct SvgWurzel {
    std::string name, breite, hoehe;
};

void svg_start(GMarkupParseContext*, const gchar* element, const gchar** namen,
               const gchar** werte, gpointer daten, GError**)
{
    SvgWurzel* w = static_cast<SvgWurzel*>(daten);
    if (!w->name.empty())
        return;
    w->name = element;
    for (int i = 0; namen[i]; ++i) {
        if (std::string(namen[i]) == "width") w->breite = werte[i];
        if (std::string(namen[i]) == "height") w->hoehe = werte[i];
    }
}

} // namespace

TEST_F(DiagrammDatei, PngSvgPdfInDerVerlangtenGroesse)
{
    const Diagramm d = stalor_vorgaben();
    std::string fehler;
    ASSERT_TRUE(diagramm_schreiben(d, ordner + "/a.png", 640, 400, fehler)) << fehler;
    cairo_surface_t* png = png_laden(ordner + "/a.png");
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), 640);
    EXPECT_EQ(cairo_image_surface_get_height(png), 400);
    cairo_surface_destroy(png);

    ASSERT_TRUE(diagramm_schreiben(d, ordner + "/a.SVG", 640, 400, fehler)) << fehler;
    const std::string svg = lesen(ordner + "/a.SVG");
    SvgWurzel wurzel;
    GMarkupParser parser{svg_start, nullptr, nullptr, nullptr, nullptr};
    GMarkupParseContext* kontext = g_markup_parse_context_new(&parser, GMarkupParseFlags(0), &wurzel, nullptr);
    GError* err = nullptr;
    const bool gut = g_markup_parse_context_parse(kontext, svg.data(), svg.size(), &err)
                  && g_markup_parse_context_end_parse(kontext, &err);
    EXPECT_TRUE(gut) << (err ? err->message : "");
    g_clear_error(&err);
    g_markup_parse_context_free(kontext);
    EXPECT_EQ(wurzel.name, "svg");
    EXPECT_EQ(g_ascii_strtod(wurzel.breite.c_str(), nullptr), 640) << wurzel.breite;
    EXPECT_EQ(g_ascii_strtod(wurzel.hoehe.c_str(), nullptr), 400) << wurzel.hoehe;

    ASSERT_TRUE(diagramm_schreiben(d, ordner + "/a.Pdf", 640, 400, fehler)) << fehler;
    const std::string pdf = lesen(ordner + "/a.Pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 640 400 ]"), std::string::npos);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(DiagrammDatei, FehlschlagLaesstDieAlteDateiStehen)
{
    const Diagramm d = stalor_vorgaben();
    std::string fehler;
    // Into a missing folder: nothing written, a German message.
    EXPECT_FALSE(diagramm_schreiben(d, ordner + "/fehlt/a.png", 800, 500, fehler));
    EXPECT_NE(fehler.find("Datei oder Ordner nicht vorhanden"), std::string::npos) << fehler;
    EXPECT_FALSE(g_file_test((ordner + "/fehlt").c_str(), G_FILE_TEST_EXISTS));

    // Over a read-only file: it stays as it was.
    const std::string alt = ordner + "/alt.png";
    g_file_set_contents(alt.c_str(), "alter Inhalt", -1, nullptr);
    g_chmod(alt.c_str(), 0444);
    fehler.clear();
    EXPECT_FALSE(diagramm_schreiben(d, alt, 800, 500, fehler));
    EXPECT_NE(fehler.find("schreibgeschuetzt"), std::string::npos) << fehler;
    EXPECT_EQ(lesen(alt), "alter Inhalt");

    // Unknown extension and impossible sizes: refused before anything is written.
    for (const char* name : {"/a.jpg", "/a", "/a.png.txt", "/png"}) {
        fehler.clear();
        EXPECT_FALSE(diagramm_schreiben(d, ordner + name, 800, 500, fehler)) << name;
        EXPECT_NE(fehler.find("Unbekannte Dateiendung"), std::string::npos) << fehler;
        EXPECT_FALSE(g_file_test((ordner + name).c_str(), G_FILE_TEST_EXISTS)) << name;
    }
    EXPECT_FALSE(diagramm_schreiben(d, ordner + "/b.png", 0, 500, fehler));
    EXPECT_FALSE(diagramm_schreiben(d, ordner + "/b.png", 800, DIAGRAMM_KANTE_MAX + 1, fehler));
    EXPECT_FALSE(g_file_test((ordner + "/b.png").c_str(), G_FILE_TEST_EXISTS));

    // A writable file is replaced whole.
    g_chmod(alt.c_str(), 0644);
    ASSERT_TRUE(diagramm_schreiben(d, alt, 300, 200, fehler)) << fehler;
    EXPECT_EQ(lesen(alt).substr(1, 3), "PNG");
    // ASCII messages only, also under a German locale.
    for (unsigned char c : fehler)
        EXPECT_LT(c, 0x80);
}

TEST_F(DiagrammDatei, MarkeInIhrerFarbeAmBetriebspunkt)
{
    const std::map<std::string, Diagramm> alle = alle_diagramme();
    for (const auto& [name, d] : alle)
        for (auto [b, h] : {std::pair{800, 500}, std::pair{480, 320}}) {
            const std::string pfad = ordner + "/" + name + ".png";
            std::string fehler;
            ASSERT_TRUE(diagramm_schreiben(d, pfad, b, h, fehler)) << fehler;
            cairo_surface_t* s = png_laden(pfad);
            // The last marker is each diagram's operating point (or, for the
            // clutch, the synchronous speed); it is drawn whole and on top.
            const Marke& m = d.marken.back();
            double px, py;
            ASSERT_TRUE(diagramm_position(d, b, h, m.p, px, py)) << name;
            int rgb[3];
            farbe_bei(s, static_cast<int>(px), static_cast<int>(py), rgb);
            EXPECT_NEAR(rgb[0], m.farbe.r * 255, 2) << name << " " << b;
            EXPECT_NEAR(rgb[1], m.farbe.g * 255, 2) << name << " " << b;
            EXPECT_NEAR(rgb[2], m.farbe.b * 255, 2) << name << " " << b;
            // Nothing reaches the outermost pixels: no number or title is
            // cut off at the edge of the picture.
            int weiss = 0, rand = 0;
            for (int x = 0; x < b; ++x)
                for (int y : {0, 1, h - 2, h - 1}) {
                    farbe_bei(s, x, y, rgb);
                    weiss += rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
                    ++rand;
                }
            for (int y = 0; y < h; ++y)
                for (int x : {0, 1, b - 2, b - 1}) {
                    farbe_bei(s, x, y, rgb);
                    weiss += rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
                    ++rand;
                }
            EXPECT_EQ(weiss, rand) << name << " " << b;
            cairo_surface_destroy(s);
        }
}

TEST_F(DiagrammDatei, UnsinnigeBeschreibungenStuerzenNichtAb)
{
    Diagramm d;
    d.x = {"x", "", NAN, INFINITY, false};
    d.y = {"y", "1", -5, -10, true};
    d.kurve({{NAN, 1}, {1, INFINITY}, {-1, -1}, {1e300, -1e300}}, farben::blau, "Kurve");
    d.marke({1e308, 1e308}, farben::rot, "weit weg");
    d.bezug(true, NAN, farben::grau, "nirgends");
    d.mass({0, 0}, {0, 0}, farben::rot, "null");
    d.band(5, -5, farben::hellrot, "umgekehrt");
    std::string fehler;
    for (auto [b, h] : {std::pair{1, 1}, std::pair{30, 20}, std::pair{800, 500}})
        EXPECT_TRUE(diagramm_schreiben(d, ordner + "/x.png", b, h, fehler)) << fehler;
    // A flat range on a linear axis and a huge one.
    Diagramm e;
    e.x = {"x", "", 3, 3, false};
    e.y = {"y", "", -1e300, 1e300, false};
    e.kurve({{3, 0}, {3, 1}}, farben::blau);
    EXPECT_TRUE(diagramm_schreiben(e, ordner + "/y.svg", 400, 300, fehler)) << fehler;
}

TEST_F(DiagrammDatei, GroesseLesen)
{
    int b = 0, h = 0;
    EXPECT_TRUE(diagramm_groesse_lesen("800x500", b, h));
    EXPECT_EQ(b, 800);
    EXPECT_EQ(h, 500);
    EXPECT_TRUE(diagramm_groesse_lesen("480X320", b, h));
    EXPECT_EQ(b, 480);
    EXPECT_EQ(h, 320);
    for (const char* falsch : {"", "800", "x500", "800x", "0x5", "-1x5", "800x500x", "8.5x5",
                               " 800x500", "99999x5", "800 x 500", "800x99999999999999"})
        EXPECT_FALSE(diagramm_groesse_lesen(falsch, b, h)) << falsch;
    EXPECT_EQ(b, 480); // untouched after a refusal
}

TEST_F(DiagrammDatei, ZahlenMitPunktUnterJederSprache)
{
    EXPECT_EQ(diagramm_zahl(0.23069), "0.2307");
    EXPECT_EQ(diagramm_zahl(63.7702), "63.77");
    EXPECT_EQ(diagramm_zahl(24948), "24948");
    EXPECT_EQ(diagramm_zahl(-1.5), "-1.5");
    EXPECT_EQ(diagramm_zahl(0), "0");
    EXPECT_EQ(diagramm_zahl(2e-5), "2.000e-05");
    EXPECT_EQ(diagramm_zahl(1e-4, 1), "1e-04");
    EXPECT_EQ(diagramm_zahl(0.001), "0.001");
    EXPECT_EQ(diagramm_zahl(NAN), "nan");
    // No decimal comma in any text of the descriptions.
    auto dezimalkomma = [](const std::string& t) {
        for (size_t i = 1; i + 1 < t.size(); ++i)
            if (t[i] == ',' && g_ascii_isdigit(t[i - 1]) && g_ascii_isdigit(t[i + 1]))
                return true;
        return false;
    };
    for (const auto& [name, d] : alle_diagramme()) {
        EXPECT_FALSE(dezimalkomma(d.titel + d.hinweis)) << name;
        for (const Marke& m : d.marken)
            EXPECT_FALSE(dezimalkomma(m.beschriftung)) << name << ": " << m.beschriftung;
        for (const Bemassung& m : d.bemassungen)
            EXPECT_FALSE(dezimalkomma(m.beschriftung)) << name << ": " << m.beschriftung;
    }
}
