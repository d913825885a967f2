// The clutch calculator's window under X: first screen, mode changes,
// fields read per mode, and the report of each mode through the save flow.
#include "fenster_test.h"
#include "kopdra.h"

namespace {

class KopdraFenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(kopdra_programm);
        ereignisse_abarbeiten();
    }
    void modus(int i) { klicken(rButtons[i], {}); }
};

bool aktiv(GtkWidget* w) { return gtk_widget_is_sensitive(w); }

TEST_F(KopdraFenster, ErsterBildschirmUndModuswechsel)
{
    // First screen: TK given, tB greyed, result 6 "--", the rest empty.
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _("Berechung von Schaltgetrieben"));
    EXPECT_EQ(window_status, 200);
    EXPECT_FALSE(aktiv(INPUT_Beschleunigungszeit[0]));
    EXPECT_TRUE(aktiv(INPUT_Drehmomente[2]));
    EXPECT_EQ(text(OUTPUT_Ergebnisse[6]), "--");
    EXPECT_FALSE(aktiv(OUTPUT_Ergebnisse[6]));
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(text(OUTPUT_Ergebnisse[j]), "");
    GtkWidget* tabelle = gtk_widget_get_parent(INPUT_Drehzahlen[0]);
    EXPECT_EQ(label(zelle(tabelle, 0, 1)), _("Lastdrehzahl vor dem Kuppeln n20 / (1/min)"));
    EXPECT_EQ(label(zelle(gtk_widget_get_parent(INPUT_Drehmomente[0]), 0, 1)), _("Lastmomet TL / Nm"));
    GtkWidget* ergebnisse = gtk_widget_get_parent(OUTPUT_Ergebnisse[0]);
    EXPECT_EQ(zelle(ergebnisse, 3, 0), OUTPUT_Ergebnisse[1]);
    EXPECT_EQ(zelle(ergebnisse, 1, 3), OUTPUT_Ergebnisse[6]);

    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "0.23069");
    EXPECT_EQ(text(OUTPUT_Ergebnisse[4]), "13528169.20154");
    EXPECT_EQ(text(OUTPUT_Ergebnisse[6]), "--");

    // TK sought: its inputs greyed, results 0-5 "--", saving refused.
    modus(1);
    EXPECT_EQ(window_status, 300);
    EXPECT_EQ(gerechnet, 0);
    EXPECT_FALSE(aktiv(INPUT_Drehmomente[2]));
    EXPECT_FALSE(aktiv(INPUT_Drehzahlen[3]));
    EXPECT_TRUE(aktiv(INPUT_Beschleunigungszeit[0]));
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "--");
    EXPECT_FALSE(aktiv(OUTPUT_Ergebnisse[0]));
    auto d = klicken(pButton_speichern, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));

    // An invalid nL or Z is not read in this mode.
    setzen(INPUT_Drehzahlen[2], "x");
    setzen(INPUT_Drehzahlen[3], "-1");
    EXPECT_TRUE(klicken(pButton_rechnen, {}).empty());
    EXPECT_EQ(text(OUTPUT_Ergebnisse[6]), "15999.91416");
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "--");

    // Back to TK given: "--" stays until the next computation.
    modus(0);
    EXPECT_EQ(window_status, 200);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "--");
    EXPECT_TRUE(aktiv(OUTPUT_Ergebnisse[0]));
    EXPECT_EQ(text(OUTPUT_Ergebnisse[6]), "--");
    d = klicken(pButton_rechnen, {OK, OK});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].text, uebersetzt("Stelle 1: keine Zahl\n", "Stelle {1}: keine Zahl\n", {"1"}));
    setzen(INPUT_Drehzahlen[2], "350");
    setzen(INPUT_Drehzahlen[3], "200");
}

TEST_F(KopdraFenster, BerichtJeModusUeberDenSpeicherablauf)
{
    modus(0);
    klicken(pButton_rechnen, {});
    const std::string gegeben = ordner + "/gegeben.txt";
    klicken(pButton_speichern, {datei(gegeben)});
    const std::string t = lesen(gegeben);
    // The captions in the reader's language, the values with the point.
    if (auf_deutsch()) {
        EXPECT_EQ(t.rfind("Ergebnisse, wenn das Kupplungsmoment gegeben ist:\n\n\n", 0), 0u);
        EXPECT_NE(t.find("Hochlaufzeit tCt0 / s:                       0.25891\n"), std::string::npos);
    }
    EXPECT_NE(t.find(" 0.25891\n"), std::string::npos);

    modus(1);
    klicken(pButton_rechnen, {});
    setzen(INPUT_Drehmomente[0], "1"); // edited after computing: not in the report
    const std::string gesucht = ordner + "/gesucht.txt";
    klicken(pButton_speichern, {datei(gesucht)});
    const std::string u = lesen(gesucht);
    if (auf_deutsch()) {
        EXPECT_EQ(u.rfind("Ergebnisse, wenn das Kupplungsmoment gesucht ist:\n\n\n", 0), 0u);
        EXPECT_NE(u.find("Antriebsmoment TA / Nm:                      15325.00000\n"), std::string::npos);
        EXPECT_NE(u.find("Kupplungsmoment TK / Nm:                      15999.91416\n"), std::string::npos);
    }
    EXPECT_NE(u.find(" 15325.00000\n"), std::string::npos);
    EXPECT_NE(u.find(" 15999.91416\n"), std::string::npos);
    EXPECT_EQ(u.find("nL"), std::string::npos);
    setzen(INPUT_Drehmomente[0], "15325");
}

TEST_F(KopdraFenster, FelderNennenIhreBeschriftungUndTabInLeserichtung)
{
    modus(0);
    EXPECT_EQ(beschriftung(INPUT_Drehmomente[0]), _("Antriebsmoment TA / Nm"));
    EXPECT_EQ(beschriftung(INPUT_Beschleunigungszeit[0]), _("Beschleunigungszeit tB / s"));
    EXPECT_EQ(beschriftung(OUTPUT_Ergebnisse[6]), _("Kupplungsmoment TK / Nm"));
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    EXPECT_EQ(felder.size(), 17u);
    for (GtkWidget* f : felder)
        EXPECT_FALSE(beschriftung(f).empty()) << text(f);
    // Left column, then right column (tB is greyed in this mode), the mode,
    // the action bar, the results row by row (the greyed TK result skipped).
    const auto* m = INPUT_Drehmomente;
    const auto* n = INPUT_Drehzahlen;
    const auto* r = OUTPUT_Ergebnisse;
    const std::vector<GtkWidget*> erwartet = {
        m[0], m[1], m[2], n[0], n[1], n[2], n[3], INPUT_Drehmassen[0], INPUT_Drehmassen[1],
        rButtons[0], pButton_rechnen, pButton_speichern, pButton_info, pButton_ende,
        r[0], r[1], r[2], r[3], r[4], r[5], m[0]};
    EXPECT_EQ(tab_folge(window_main, m[0], erwartet.size()), erwartet);
}

} // namespace
