// The plain-bearing window under X: first screen, option changes, the
// refusals, the captions after a computation and the report.
#include "fenster_test.h"
#include "lupran.h"

namespace {

class LupranFenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(lupran_programm);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        MitOrdner::SetUp();
        gerechnet = 0;
        klicken(rButton[0], {});
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(cButton), FALSE);
        setzen(INPUT_Geom_Werkstoff[0], "36000");
        setzen(INPUT_Geom_Werkstoff[3], "60");
    }
};

TEST_F(LupranFenster, ErsterBildschirm)
{
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _("Radial-Gleitlager-Berechnung nach DIN 31652"));
    EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(rButton[0])));
    EXPECT_EQ(radio_status, 1001);
    EXPECT_EQ(check_status, 1005);
    for (GtkWidget* f : OUTPUT_Ergebnisse)
        EXPECT_EQ(text(f), "");
    EXPECT_EQ(label(Label_eps), _("eps / 1"));
    EXPECT_EQ(label(Label_Reynolds), "");
    GtkWidget* tabelle = gtk_widget_get_parent(INPUT_Geom_Werkstoff[0]);
    EXPECT_EQ(zelle(tabelle, 1, 6), INPUT_Geom_Werkstoff[6]);
    EXPECT_EQ(zelle(tabelle, 3, 0), INPUT_Geom_Werkstoff[7]);
    GtkWidget* ergebnisse = gtk_widget_get_parent(OUTPUT_Ergebnisse[0]);
    EXPECT_EQ(zelle(ergebnisse, 2, 2), Label_eps);
    EXPECT_EQ(zelle(ergebnisse, 4, 5), Label_Reynolds);
}

TEST_F(LupranFenster, RechnenUndOptionen)
{
    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[8]), "0.82296");
    EXPECT_EQ(label(Label_eps), "eps (13) / 1");
    EXPECT_EQ(label(Label_Reynolds), _("Reynolds-Bedingung erfuellt\n"));

    // A method change keeps the results saveable: Rechnen asks again.
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(cButton), TRUE);
    EXPECT_EQ(gerechnet, 1);
    auto d = klicken(pButton_rechnen, {JA});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(label(Label_eps), "eps (0) / 1");
    EXPECT_EQ(text(OUTPUT_Ergebnisse[8]), "0.85884");

    // An oil-feed change refuses saving.
    klicken(rButton[2], {});
    EXPECT_EQ(gerechnet, 0);
    d = klicken(pButton_speichern, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));
}

TEST_F(LupranFenster, AblehnungenLassenErgebnisseStehen)
{
    klicken(pButton_rechnen, {});
    gerechnet = 0;
    setzen(INPUT_Geom_Werkstoff[3], "14.99");
    auto d = klicken(pButton_rechnen, {OK});
    ASSERT_EQ(d.size(), 1u);
    // The calculator's reason, in the reader's language.
    if (auf_deutsch()) {
        EXPECT_EQ(d[0].text.rfind("Breite zu Durchmesser zu klein oder zu gross!", 0), 0u);
    }
    setzen(INPUT_Geom_Werkstoff[3], "60");
    setzen(INPUT_Geom_Werkstoff[0], "500");
    d = klicken(pButton_rechnen, {OK});
    ASSERT_EQ(d.size(), 1u);
    if (auf_deutsch()) {
        EXPECT_EQ(d[0].text.rfind("Sommerfeld-Zahl ausserhalb des Iterationsbereichs!", 0), 0u);
    }
    EXPECT_EQ(gerechnet, 0);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[8]), "0.82296");
    EXPECT_EQ(label(Label_eps), "eps (13) / 1");
}

TEST_F(LupranFenster, BerichtNenntDieOptionenDerRechnung)
{
    klicken(pButton_rechnen, {});
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(cButton), TRUE); // after computing
    const std::string pfad = ordner + "/lager.txt";
    klicken(pButton_speichern, {datei(pfad)});
    const std::string t = lesen(pfad);
    // The captions in the reader's language, the values with the point.
    if (auf_deutsch()) {
        EXPECT_NE(t.find("Schmierung: Schmierloch gegenueber der Last\n\nEps iterativ berechnet!\n\n"),
                  std::string::npos);
        EXPECT_NE(t.find("eps (13) / 1:                          0.82296"), std::string::npos);
    }
    EXPECT_NE(t.find(" 0.82296"), std::string::npos);
}

TEST_F(LupranFenster, FelderNennenIhreBeschriftungUndTabInLeserichtung)
{
    EXPECT_EQ(beschriftung(INPUT_Geom_Werkstoff[0]), _("Kraft F / N"));
    EXPECT_EQ(beschriftung(INPUT_Geom_Werkstoff[12]), _("alpha Lager / (1/K)"));
    // The eps caption changes with the computation; the field follows it.
    klicken(pButton_rechnen, {});
    EXPECT_EQ(beschriftung(OUTPUT_Ergebnisse[8]), "eps (13) / 1");
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    EXPECT_EQ(felder.size(), 30u);
    for (GtkWidget* f : felder)
        EXPECT_FALSE(beschriftung(f).empty()) << text(f);
    // Inputs row by row (0 and 7 share the first row), the active oil feed,
    // the direct-fit option, the action bar, the results row by row.
    const auto* e = INPUT_Geom_Werkstoff;
    const auto* r = OUTPUT_Ergebnisse;
    const std::vector<GtkWidget*> erwartet = {
        e[0], e[7], e[1], e[8], e[2], e[9], e[3], e[10], e[4], e[11], e[5], e[12], e[6],
        rButton[0], cButton, pButton_rechnen, pButton_speichern, pButton_info, pButton_ende,
        r[0], r[6], r[12], r[1], r[7], r[13], r[2], r[8], r[14], r[3], r[9], r[15],
        r[4], r[10], r[16], r[5], r[11], e[0]};
    EXPECT_EQ(tab_folge(window_main, e[0], erwartet.size()), erwartet);
}

} // namespace
