// The disc-spring window under X: first screen, the plot button's refusals,
// pixels of the drawn characteristic (also after the area was covered), and
// the report through the save flow.
#include "diagrammfenster.h"
#include "fenster_test.h"
#include "wendis.h"
#include "zahlen.h"

namespace {

class WendisFenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(wendis_programm);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        MitOrdner::SetUp();
        gerechnet = 0;
        setzen(INPUT_Kennlinie[0], "0");
        setzen(INPUT_Kennlinie[1], "1");
    }
};

// Whether the pixel at (x, y) of the drawing area is black.
bool schwarz(int x, int y)
{
    ereignisse_abarbeiten();
    gdk_flush();
    GdkPixbuf* p = gdk_pixbuf_get_from_drawable(nullptr, gtk_widget_get_window(Drawa), nullptr,
                                                x, y, 0, 0, 1, 1);
    const guchar* px = gdk_pixbuf_get_pixels(p);
    const bool s = px[0] == 0 && px[1] == 0 && px[2] == 0;
    g_object_unref(p);
    return s;
}

TEST_F(WendisFenster, ErsterBildschirm)
{
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _("Berechung von Tellerfedern nach DIN 2093"));
    for (GtkWidget* f : OUTPUT_Ergebnisse) {
        EXPECT_EQ(text(f), "--");
        EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(f)));
    }
    GtkWidget* tabelle = gtk_widget_get_parent(INPUT_Werkstoffdaten[0]);
    EXPECT_EQ(label(zelle(tabelle, 2, 0)), _("E-Modul E / (N/mm^2)"));
    EXPECT_EQ(zelle(tabelle, 1, 3), INPUT_Werkstoffdaten[6]);
    EXPECT_EQ(label(zelle(gtk_widget_get_parent(OUTPUT_Ergebnisse[0]), 0, 2)), _("Spannung OM / (N/mm^2)"));
    // Beenden has no tooltip here; the plot button has one and sits by the range fields.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    EXPECT_EQ(gtk_tooltips_data_get(pButton_ende), nullptr);
    ASSERT_NE(gtk_tooltips_data_get(pButton_kennlinie), nullptr);
    EXPECT_STREQ(gtk_tooltips_data_get(pButton_kennlinie)->tip_text, _("Federkennline zeichnen"));
    G_GNUC_END_IGNORE_DEPRECATIONS
    EXPECT_EQ(gtk_widget_get_parent(pButton_kennlinie), Pack_Box[3]);
    EXPECT_EQ(Drawa->allocation.height, 300);
    GList* oben = gtk_container_get_children(GTK_CONTAINER(Pack_Box[6]));
    EXPECT_EQ(g_list_length(oben), 4u);
    EXPECT_EQ(g_list_nth_data(oben, 3), Pack_Box[5]);
    g_list_free(oben);
}

TEST_F(WendisFenster, ZeichnenknopfVerweigert)
{
    auto d = klicken(pButton_kennlinie, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));

    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[2]), " 81.507493");
    setzen(INPUT_Kennlinie[0], "1");
    d = klicken(pButton_kennlinie, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!"));
    EXPECT_EQ(kv_gtk_gezeichnetes_bild(), nullptr);

    setzen(INPUT_Kennlinie[0], "-1");
    d = klicken(pButton_kennlinie, {OK, OK});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].text, uebersetzt("Stelle 1: keine Zahl\n", "Stelle {1}: keine Zahl\n", {"1"}));
    EXPECT_EQ(d[1].text, _("Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!"));
}

TEST_F(WendisFenster, BildStehtUndUeberstehtVerdecken)
{
    klicken(pButton_rechnen, {});
    EXPECT_TRUE(klicken(pButton_kennlinie, {}).empty());
    ASSERT_NE(kv_gtk_gezeichnetes_bild(), nullptr);
    // Grid lines at y = 29 and x = 79, the curve's start and end.
    EXPECT_TRUE(schwarz(400, 29));
    EXPECT_TRUE(schwarz(79, 100));
    EXPECT_TRUE(schwarz(2, 298));
    EXPECT_TRUE(schwarz(798, 2));
    EXPECT_FALSE(schwarz(40, 40));

    // Cover the area with another window, then uncover it.
    GtkWidget* decke = gtk_window_new(GTK_WINDOW_POPUP);
    gint x, y;
    gdk_window_get_origin(gtk_widget_get_window(Drawa), &x, &y);
    gtk_window_move(GTK_WINDOW(decke), x + Drawa->allocation.x, y + Drawa->allocation.y);
    gtk_widget_set_size_request(decke, 800, 300);
    gtk_widget_show(decke);
    ereignisse_abarbeiten();
    gtk_widget_destroy(decke);
    ereignisse_abarbeiten();
    // And have the whole area exposed, as after a resize or restore.
    gdk_window_invalidate_rect(gtk_widget_get_window(Drawa), nullptr, TRUE);
    gdk_window_process_all_updates();
    EXPECT_TRUE(schwarz(400, 29));
    EXPECT_TRUE(schwarz(2, 298));
    EXPECT_TRUE(schwarz(798, 2));

    // A computation clears the picture for good.
    klicken(pButton_rechnen, {JA});
    EXPECT_EQ(kv_gtk_gezeichnetes_bild(), nullptr);
    gdk_window_invalidate_rect(gtk_widget_get_window(Drawa), nullptr, TRUE);
    EXPECT_FALSE(schwarz(400, 29));
}

TEST_F(WendisFenster, NichtEndlicheKraftZeigtHinweis)
{
    setzen(INPUT_Werkstoffdaten[2], "100");
    klicken(pButton_rechnen, {});
    auto d = klicken(pButton_kennlinie, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Kennlinie kann nicht gezeichnet werden!\n"
                           "Die Federkraft ist im gewaehlten Bereich nicht endlich."));
    EXPECT_TRUE(schwarz(400, 29));
    setzen(INPUT_Werkstoffdaten[2], "50");
}

TEST_F(WendisFenster, BerichtUeberDenSpeicherablauf)
{
    klicken(pButton_rechnen, {});
    setzen(INPUT_Werkstoffdaten[0], "120"); // edited afterwards: not in the report
    const std::string pfad = ordner + "/feder.txt";
    klicken(pButton_speichern, {datei(pfad)});
    const std::string t = lesen(pfad);
    // The captions in the reader's language, the values with the point.
    if (auf_deutsch()) {
        EXPECT_EQ(t.rfind("Ergebnisse der Berechnung von WENDIS:\n\n\n", 0), 0u);
        EXPECT_NE(t.find("Aussendurchmesser De / mm:            100.00000\n"), std::string::npos);
        EXPECT_NE(t.find("Federkraft F / N:                     130.41199\n"), std::string::npos);
    }
    EXPECT_NE(t.find(" 100.00000\n"), std::string::npos);
    EXPECT_NE(t.find(" 130.41199\n"), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 2), "\n\n");
    setzen(INPUT_Werkstoffdaten[0], "100");
}

TEST_F(WendisFenster, FelderNennenIhreBeschriftungUndTabInLeserichtung)
{
    EXPECT_EQ(beschriftung(INPUT_Werkstoffdaten[0]), _("Aussendurchmesser De / mm"));
    EXPECT_EQ(beschriftung(INPUT_Werkstoffdaten[6]), _("Federweg s / mm"));
    EXPECT_EQ(beschriftung(OUTPUT_Ergebnisse[2]), _("Arbeit W / mJ"));
    EXPECT_EQ(beschriftung(INPUT_Kennlinie[1]), _("Federweg bis s2 / mm"));
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    EXPECT_EQ(felder.size(), 15u);
    for (GtkWidget* f : felder)
        EXPECT_FALSE(beschriftung(f).empty()) << text(f);
    // Inputs two to a row, the action bar, the results, the plot range and
    // its button.
    const auto* e = INPUT_Werkstoffdaten;
    const auto* r = OUTPUT_Ergebnisse;
    const std::vector<GtkWidget*> erwartet = {
        e[0], e[1], e[2], e[3], e[4], e[5], e[6],
        pButton_rechnen, pButton_speichern, pButton_info, pButton_ende,
        r[0], r[1], r[2], r[3], r[4], r[5], INPUT_Kennlinie[0], INPUT_Kennlinie[1],
        pButton_kennlinie, e[0]};
    EXPECT_EQ(tab_folge(window_main, e[0], erwartet.size()), erwartet);
}

// A stack typed into the addition's fields: its results beside the window's,
// "Kennlinie zeichnen" plots it (scaled on both axes it fills the area as
// the single spring does), and the diagram window shows the stack's
// characteristic from i s1 to i s2 with its working point (3 x 1 mm,
// 2 x 130.411989 N, the defaults' single spring).
TEST_F(WendisFenster, SaeuleZeichnetIhreKennlinie)
{
    const KvEingabeWidgets w = kv_gtk_widgets();
    ASSERT_GT(w.felder.size(), static_cast<size_t>(TELLER_N));
    ASSERT_EQ(w.ergebnisse.size(), 11u);
    setzen(w.felder[TELLER_I], "3");
    setzen(w.felder[TELLER_N], "2");
    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "130.411989");
    EXPECT_EQ(text(w.ergebnisse[6]), "260.823978");
    EXPECT_EQ(text(w.ergebnisse[7]), "  3.000000");
    EXPECT_TRUE(klicken(pButton_kennlinie, {}).empty());
    ASSERT_NE(kv_gtk_gezeichnetes_bild(), nullptr);
    EXPECT_TRUE(schwarz(2, 298));
    EXPECT_TRUE(schwarz(798, 2));

    kv_c_diagramm_zeigen();
    ereignisse_abarbeiten();
    const Diagramm* d = kv_gtk_diagrammfenster_diagramm();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->x.min, 0);
    EXPECT_EQ(d->x.max, 3);
    ASSERT_EQ(d->marken.size(), 1u);
    EXPECT_EQ(d->marken[0].p.x, 3);
    EXPECT_EQ(kv_format("%.6lf", d->marken[0].p.y), "260.823978");
    EXPECT_EQ(d->x.titel, _("Federweg der Saeule s_ges"));
    gtk_widget_destroy(kv_gtk_diagrammfenster());
    ereignisse_abarbeiten();

    setzen(w.felder[TELLER_I], "1");
    setzen(w.felder[TELLER_N], "1");
}

} // namespace
