// The diagram window under X beside the real buckling window: empty with
// its hint, the diagram after "Rechnen", drawn again at a new size, saved
// through the real file chooser (with the question before overwriting),
// closed with Escape; the main window stays as it was.
#include "diagramm_cairo.h"
#include "diagrammfenster.h"
#include "fenster_test.h"
#include "knickung_diagramm.h"
#include "stalor.h"

#include <cairo.h>

namespace {

int gezeichnet = 0;

gboolean mitzaehlen(GtkWidget*, GdkEventExpose*, gpointer)
{
    ++gezeichnet;
    return FALSE;
}

// The diagram of the last computation in the buckling window.
std::optional<Diagramm> stalor_quelle()
{
    if (!gerechnet)
        return std::nullopt;
    const double* v = d_box_geometrie;
    const KnickEingabe e{v[0], v[1], v[2], v[3], v[4], v[5], v[6], stat_knickfall};
    return knickung_diagramm(e, knickung_berechnen(e));
}

void oeffnen()
{
    kv_gtk_diagrammfenster_zeigen(stalor_quelle, stalor_rechner.titel);
    g_signal_connect_after(kv_gtk_diagrammfenster_flaeche(), "expose-event",
                           G_CALLBACK(mitzaehlen), nullptr);
}

// Lets the toolkit work until the area has been drawn once more (at most
// a few seconds, then the checks below fail on their own).
void neu_gezeichnet(int vorher)
{
    for (int i = 0; i < 500 && gezeichnet == vorher; ++i) {
        ereignisse_abarbeiten();
        g_usleep(10000);
    }
    ereignisse_abarbeiten();
    gdk_flush();
}

GtkAllocation groesse()
{
    GtkAllocation a;
    gtk_widget_get_allocation(kv_gtk_diagrammfenster_flaeche(), &a);
    return a;
}

struct Rgb {
    int r, g, b;
};

Rgb pixel(int x, int y)
{
    GdkPixbuf* p = gdk_pixbuf_get_from_drawable(
        nullptr, gtk_widget_get_window(kv_gtk_diagrammfenster_flaeche()), nullptr, x, y, 0, 0, 1, 1);
    const guchar* px = gdk_pixbuf_get_pixels(p);
    const Rgb c{px[0], px[1], px[2]};
    g_object_unref(p);
    return c;
}

bool wie(Rgb c, Farbe f)
{
    return std::abs(c.r - f.r * 255) <= 3 && std::abs(c.g - f.g * 255) <= 3
        && std::abs(c.b - f.b * 255) <= 3;
}

// The pixel of the operating point in the window has the marker's red.
void betriebspunkt_rot()
{
    const Diagramm* d = kv_gtk_diagrammfenster_diagramm();
    ASSERT_NE(d, nullptr);
    const GtkAllocation a = groesse();
    double px, py;
    ASSERT_TRUE(diagramm_position(*d, a.width, a.height, d->marken.back().p, px, py));
    EXPECT_TRUE(wie(pixel(static_cast<int>(px), static_cast<int>(py)), farben::rot))
        << a.width << "x" << a.height;
}

void rechnen()
{
    klicken(pButton_rechnen, {});
    ASSERT_EQ(gerechnet, 1);
    const int vorher = gezeichnet;
    kv_gtk_diagrammfenster_aktualisieren();
    neu_gezeichnet(vorher);
}

class Diagrammfenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(stalor_programm);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        MitOrdner::SetUp();
        if (GtkWidget* f = kv_gtk_diagrammfenster())
            gtk_widget_destroy(f);
        ereignisse_abarbeiten();
        gerechnet = 0;
        const int vorher = gezeichnet;
        oeffnen();
        neu_gezeichnet(vorher);
    }
};

} // namespace

TEST_F(Diagrammfenster, LeerMitHinweis)
{
    GtkWidget* f = kv_gtk_diagrammfenster();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(gtk_window_get_title(GTK_WINDOW(f)), uebersetzt("Knickung von Bauteilen - Diagramm", "{1} - Diagramm",
                                                              {_("Knickung von Bauteilen")}));
    EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(f)), GTK_WINDOW(window_main));
    EXPECT_TRUE(gtk_window_get_resizable(GTK_WINDOW(f)));
    EXPECT_EQ(kv_gtk_diagrammfenster_diagramm(), nullptr);
    // White with the grey hint across the middle.
    const GtkAllocation a = groesse();
    EXPECT_TRUE(wie(pixel(2, 2), {1, 1, 1}));
    int dunkel = 0;
    for (int x = 0; x < a.width; ++x) {
        const Rgb c = pixel(x, a.height / 2);
        dunkel += c.r < 200;
    }
    EXPECT_GT(dunkel, 10);
    // Saving asks for a computation first.
    const std::vector<Dialog> d = klicken(kv_gtk_diagrammfenster_speichern(), {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].art, "info");
    EXPECT_EQ(d[0].text, _("Noch keine Berechnung: bitte zuerst Rechnen."));
}

TEST_F(Diagrammfenster, ZeigtDasDiagrammNachRechnen)
{
    rechnen();
    betriebspunkt_rot();
    // Opening it again brings the same window with the same diagram.
    GtkWidget* f = kv_gtk_diagrammfenster();
    oeffnen();
    EXPECT_EQ(kv_gtk_diagrammfenster(), f);
    EXPECT_NE(kv_gtk_diagrammfenster_diagramm(), nullptr);
}

TEST_F(Diagrammfenster, NeuGezeichnetNachGroessenaenderung)
{
    rechnen();
    const GtkAllocation vorher = groesse();
    const int n = gezeichnet;
    gtk_window_resize(GTK_WINDOW(kv_gtk_diagrammfenster()), 520, 380);
    neu_gezeichnet(n);
    const GtkAllocation nachher = groesse();
    EXPECT_LT(nachher.width, vorher.width);
    EXPECT_LT(nachher.height, vorher.height);
    betriebspunkt_rot();
}

TEST_F(Diagrammfenster, SpeichernUeberDenDialog)
{
    rechnen();
    const GtkAllocation a = groesse();
    const std::string pfad = ordner + "/knickung.png";
    std::vector<Dialog> d = klicken(kv_gtk_diagrammfenster_speichern(), {datei(pfad)});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].art, "datei");
    EXPECT_EQ(d[0].text, _("Diagramm speichern"));
    cairo_surface_t* png = cairo_image_surface_create_from_png(pfad.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), a.width);
    EXPECT_EQ(cairo_image_surface_get_height(png), a.height);
    cairo_surface_destroy(png);

    // An existing file: No keeps it, Yes replaces it.
    schreiben(pfad, "alt");
    d = klicken(kv_gtk_diagrammfenster_speichern(), {datei(pfad), NEIN});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].art, "question");
    EXPECT_EQ(d[1].text, uebersetzt("Die Datei ist schon vorhanden:\n" + pfad + "\nSoll sie ueberschrieben werden?",
                                    "Die Datei ist schon vorhanden:\n{1}\nSoll sie ueberschrieben werden?", {pfad}));
    EXPECT_EQ(lesen(pfad), "alt");
    klicken(kv_gtk_diagrammfenster_speichern(), {datei(pfad), JA});
    EXPECT_EQ(lesen(pfad).substr(1, 3), "PNG");

    // A name without extension gets the chosen filter's (PNG first).
    klicken(kv_gtk_diagrammfenster_speichern(), {datei(ordner + "/ohne")});
    EXPECT_EQ(lesen(ordner + "/ohne.png").substr(1, 3), "PNG");
    // SVG by its extension; a missing folder ends in an error message.
    klicken(kv_gtk_diagrammfenster_speichern(), {datei(ordner + "/k.svg")});
    EXPECT_NE(lesen(ordner + "/k.svg").find("<svg"), std::string::npos);
}

TEST_F(Diagrammfenster, SchreibfehlerWirdGemeldet)
{
    rechnen();
    const std::string pfad = ordner + "/schutz.pdf";
    schreiben(pfad, "alt");
    g_chmod(pfad.c_str(), 0444);
    const std::vector<Dialog> d =
        klicken(kv_gtk_diagrammfenster_speichern(), {datei(pfad), JA, OK});
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[2].art, "error");
    if (auf_deutsch()) {
        EXPECT_NE(d[2].text.find("schreibgeschuetzt"), std::string::npos);
    }
    EXPECT_EQ(lesen(pfad), "alt");
    g_chmod(pfad.c_str(), 0644);
}

TEST_F(Diagrammfenster, EscapeSchliesstNurDasDiagramm)
{
    taste(kv_gtk_diagrammfenster(), GDK_Escape);
    EXPECT_EQ(kv_gtk_diagrammfenster(), nullptr);
    EXPECT_EQ(kv_gtk_diagrammfenster_flaeche(), nullptr);
    ASSERT_NE(window_main, nullptr);
    EXPECT_TRUE(gtk_widget_get_visible(window_main));
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _("Knickung von Bauteilen"));
    // Closed, an update does nothing; opened again, a new window.
    kv_gtk_diagrammfenster_aktualisieren();
    oeffnen();
    EXPECT_NE(kv_gtk_diagrammfenster(), nullptr);
}
