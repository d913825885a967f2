// The bolted-joint window under X: first screen, options refusing saving,
// a typed strength class, a text without class, and the report.
#include "fenster_test.h"
#include "tarvex.h"

namespace {

GtkWidget* klassenfeld()
{
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    return GTK_COMBO(Combo)->entry;
    G_GNUC_END_IGNORE_DEPRECATIONS
}

class TarvexFenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(tarvex_programm);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        MitOrdner::SetUp();
        gerechnet = 0;
        setzen(klassenfeld(), "12.9");
    }
};

TEST_F(TarvexFenster, ErsterBildschirm)
{
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _("Schraubenberechnung nach VDI 2230"));
    EXPECT_EQ(text(klassenfeld()), "12.9");
    EXPECT_EQ(text(INPUT_Nachgiebigkeit_Schraube[2]), "9.853");
    EXPECT_EQ(text(INPUT_Nachgiebigkeit_Schraube[18]), "210000");
    EXPECT_EQ(text(INPUT_Nachgiebigkeit_Platte[11]), "80");
    for (GtkWidget* b : cButtons_Schraubenart)
        EXPECT_FALSE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(b)));
    for (GtkWidget* f : OUTPUT_Ergebnisse) {
        EXPECT_EQ(text(f), "");
        EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(f)));
    }
    GtkWidget* schraube = gtk_widget_get_parent(INPUT_Nachgiebigkeit_Schraube[0]);
    EXPECT_EQ(zelle(schraube, 1, 9), INPUT_Nachgiebigkeit_Schraube[17]);
    GtkWidget* b = gtk_widget_get_parent(OUTPUT_Ergebnisse[3]);
    EXPECT_EQ(zelle(b, 3, 5), OUTPUT_Ergebnisse[14]);
    EXPECT_EQ(zelle(b, 5, 4), OUTPUT_Ergebnisse[19]);
    EXPECT_EQ(zelle(gtk_widget_get_parent(OUTPUT_Ergebnisse[0]), 2, 1), OUTPUT_Ergebnisse[2]);
}

TEST_F(TarvexFenster, RechnenUndOptionKlick)
{
    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[1]), "2.7915e-06");
    EXPECT_EQ(text(OUTPUT_Ergebnisse[16]), "45715.30533");
    klicken(cButtons_Schraubenart[0], {});
    EXPECT_EQ(gerechnet, 0);
    auto d = klicken(pButton_speichern, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));
    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[7]), "727.99500");
    klicken(cButtons_Schraubenart[0], {});
}

TEST_F(TarvexFenster, KlasseAlsTextUndOhneKlasse)
{
    setzen(klassenfeld(), "Kl. 8.8");
    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[9]), "640.00000");
    const std::string pfad = ordner + "/schraube.txt";
    klicken(pButton_speichern, {datei(pfad)});
    const std::string t = lesen(pfad);
    // The captions in the reader's language, the values with the point.
    if (auf_deutsch()) {
        EXPECT_NE(t.find("Qualitaet / 1:                                   8.8\n"), std::string::npos);
        EXPECT_EQ(t.rfind("Ergebnisse der Berechnung von TARVEX:\n\n\n", 0), 0u);
        EXPECT_NE(t.find("Ausschlagskraft / N:                             418.41114\n"), std::string::npos);
    }
    EXPECT_NE(t.find(" 8.8\n"), std::string::npos);
    EXPECT_NE(t.find(" 418.41114\n"), std::string::npos);

    // No class at all: refused, results and state as after an input error.
    setzen(klassenfeld(), "9.9");
    auto d = klicken(pButton_rechnen, {JA, OK});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].art, "error");
    EXPECT_EQ(d[1].text, _("Fehler in einem Eingabefeld\nQualitaet muss eine Festigkeitsklasse enthalten:\n"
                           "4.6, 4.8, 5.6, 5.8, 6.8, 8.8, 10.9 oder 12.9!"));
    EXPECT_EQ(gerechnet, 0);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[9]), "640.00000");
}

TEST_F(TarvexFenster, FelderNennenIhreBeschriftungUndTabInLeserichtung)
{
    EXPECT_EQ(beschriftung(INPUT_Geometrie_Werkstoff[2]), _("Min. Klemmkraft FK / N"));
    EXPECT_EQ(beschriftung(klassenfeld()), _("Qualitaet"));
    // Sections and plates under their column captions, told apart by row.
    EXPECT_EQ(beschriftung(INPUT_Nachgiebigkeit_Schraube[0]), uebersetzt("di / mm, Zeile 1", "{1}, Zeile {2}", {"di / mm", "1"}));
    EXPECT_EQ(beschriftung(INPUT_Nachgiebigkeit_Schraube[17]), uebersetzt("li / mm, Zeile 9", "{1}, Zeile {2}", {"li / mm", "9"}));
    EXPECT_EQ(beschriftung(INPUT_Nachgiebigkeit_Schraube[18]), _("E-Modul / (N/mm^2)"));
    EXPECT_EQ(beschriftung(INPUT_Nachgiebigkeit_Platte[3]), uebersetzt("lpi / mm, Zeile 2", "{1}, Zeile {2}", {"lpi / mm", "2"}));
    EXPECT_EQ(beschriftung(INPUT_Nachgiebigkeit_Platte[12]), _("Krafteinleitungsfaktor n / 1"));
    // Captions above: the load factor and the two resiliences.
    EXPECT_EQ(beschriftung(OUTPUT_Ergebnisse[0]), _("Kraftverhaeltnis PhiK"));
    EXPECT_EQ(beschriftung(OUTPUT_Ergebnisse[19]), _("Ausschlagkraft / N"));
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    EXPECT_EQ(felder.size(), 62u);
    for (GtkWidget* f : felder)
        EXPECT_FALSE(beschriftung(f).empty()) << text(f);

    // The three groups one after the other, each row by row (the class box's
    // arrow takes no focus), then the options and the action bar.
    std::vector<GtkWidget*> erwartet;
    for (GtkWidget* f : INPUT_Geometrie_Werkstoff)
        erwartet.push_back(f);
    erwartet.push_back(klassenfeld());
    for (GtkWidget* f : INPUT_Nachgiebigkeit_Schraube)
        erwartet.push_back(f);
    for (GtkWidget* f : INPUT_Nachgiebigkeit_Platte)
        erwartet.push_back(f);
    erwartet.insert(erwartet.end(), {cButtons_Schraubenart[0], cButtons_Schraubenart[1],
                                     pButton_rechnen, pButton_speichern, pButton_info, pButton_ende});
    erwartet.push_back(OUTPUT_Ergebnisse[0]); // the results come last
    EXPECT_EQ(tab_folge(window_main, INPUT_Geometrie_Werkstoff[0], erwartet.size()), erwartet);
}

} // namespace
