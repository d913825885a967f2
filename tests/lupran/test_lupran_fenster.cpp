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
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), "Radial-Gleitlager-Berechnung nach DIN 31652");
    EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(rButton[0])));
    EXPECT_EQ(radio_status, 1001);
    EXPECT_EQ(check_status, 1005);
    for (GtkWidget* f : OUTPUT_Ergebnisse)
        EXPECT_EQ(text(f), "");
    EXPECT_EQ(label(Label_eps), "eps / 1");
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
    EXPECT_EQ(label(Label_Reynolds), "Reynolds-Bedingung erfuellt\n");

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
    EXPECT_EQ(d[0].text, "Berechnung noch nicht durchgefuert!");
}

TEST_F(LupranFenster, AblehnungenLassenErgebnisseStehen)
{
    klicken(pButton_rechnen, {});
    gerechnet = 0;
    setzen(INPUT_Geom_Werkstoff[3], "14.99");
    auto d = klicken(pButton_rechnen, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text.rfind("Breite zu Durchmesser zu klein oder zu gross!", 0), 0u);
    setzen(INPUT_Geom_Werkstoff[3], "60");
    setzen(INPUT_Geom_Werkstoff[0], "500");
    d = klicken(pButton_rechnen, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text.rfind("Sommerfeld-Zahl ausserhalb des Iterationsbereichs!", 0), 0u);
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
    EXPECT_NE(t.find("Schmierung: Schmierloch gegenueber der Last\n\nEps iterativ berechnet!\n\n"),
              std::string::npos);
    EXPECT_NE(t.find("eps (13) / 1:                          0.82296"), std::string::npos);
}

} // namespace
