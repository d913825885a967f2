// The buckling calculator's window with real widgets under X: structure,
// "Rechnen" with its questions and input errors, and the save flow.
#include "fenster_test.h"
#include "stalor.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

std::string knopf_text(GtkWidget* knopf)
{
    GtkWidget* box = gtk_bin_get_child(GTK_BIN(knopf));
    GList* kinder = gtk_container_get_children(GTK_CONTAINER(box));
    std::string t = label(GTK_WIDGET(g_list_nth_data(kinder, 1)));
    g_list_free(kinder);
    return t;
}

class StalorFenster : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(stalor_programm);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        // Each test starts from the defaults, case 1, nothing computed.
        static const char* vorgaben[7] = {"3500", "229", "78.54", "490.87", "206000", "500", "7"};
        for (int i = 0; i < 7; ++i)
            gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[i]), vorgaben[i]);
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(rButtons_Knickfall[0]), TRUE);
        gerechnet = 0;
        MitOrdner::SetUp();
    }
};

TEST_F(StalorFenster, AufbauWieBeimStart)
{
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _("Knickung von Bauteilen"));
    // Geometrie: labels in columns 0 and 2, entries beside them, defaults.
    GtkWidget* rahmen = gtk_widget_get_parent(gtk_widget_get_parent(INPUT_Geometrie[0]));
    EXPECT_STREQ(gtk_frame_get_label(GTK_FRAME(rahmen)), _("Geometrie"));
    GtkWidget* tabelle = gtk_widget_get_parent(INPUT_Geometrie[0]);
    EXPECT_EQ(label(zelle(tabelle, 0, 0)), _("Kraft F / N"));
    EXPECT_EQ(zelle(tabelle, 1, 0), INPUT_Geometrie[0]);
    EXPECT_EQ(label(zelle(tabelle, 2, 0)), _("Flaechentraegheitsmoment I / mm^4"));
    EXPECT_EQ(zelle(tabelle, 3, 2), INPUT_Geometrie[5]);
    EXPECT_EQ(label(zelle(tabelle, 0, 3)), _("Sicherheit / 1"));
    EXPECT_EQ(zelle(tabelle, 1, 3), INPUT_Geometrie[6]);
    EXPECT_EQ(text(INPUT_Geometrie[3]), "490.87");
    // Auswahl: pictures above their radio buttons, case 1 active.
    GtkWidget* auswahl = gtk_widget_get_parent(rButtons_Knickfall[0]);
    EXPECT_STREQ(gtk_frame_get_label(GTK_FRAME(gtk_widget_get_parent(auswahl))), _("Auswahl"));
    for (guint k = 0; k < 4; ++k) {
        EXPECT_TRUE(GTK_IS_IMAGE(zelle(auswahl, k, 0)));
        EXPECT_EQ(gtk_image_get_storage_type(GTK_IMAGE(zelle(auswahl, k, 0))), GTK_IMAGE_PIXBUF)
            << "Knickfall" << k + 1 << ".png not loaded";
        EXPECT_EQ(zelle(auswahl, k, 1), rButtons_Knickfall[k]);
    }
    EXPECT_EQ(gtk_button_get_label(GTK_BUTTON(rButtons_Knickfall[2])),
              std::string(_("Knickfall 3 (eingespannt/gelenkig)")));
    EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(rButtons_Knickfall[0])));
    // Results empty and read-only, regime label spanning two columns.
    for (GtkWidget* f : OUTPUT_Ergebnisse) {
        EXPECT_EQ(text(f), "");
        EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(f)));
    }
    GtkWidget* ergebnisse = gtk_widget_get_parent(OUTPUT_Ergebnisse[0]);
    EXPECT_EQ(label(zelle(ergebnisse, 2, 0)), _("Druckspannung / (N/mm^2)"));
    EXPECT_EQ(zelle(ergebnisse, 3, 2), OUTPUT_Ergebnisse[6]);
    EXPECT_EQ(zelle(ergebnisse, 2, 3), LABEL_res[7]);
    EXPECT_EQ(label(LABEL_res[7]), _("Knickung?"));
    // Action bar: four buttons in order, each with its tooltip.
    GtkWidget* leiste = gtk_widget_get_parent(pButton_rechnen);
    EXPECT_STREQ(gtk_frame_get_label(GTK_FRAME(gtk_widget_get_parent(leiste))), _("Aktionen"));
    GList* knoepfe = gtk_container_get_children(GTK_CONTAINER(leiste));
    const char* namen[4] = {_("Rechnen"), _("Speichern"), _("Info"), _("Beenden")};
    const char* tips[4] = {_("Berechnung starten"), _("Speichern der Ergebnisse"),
                           _("Informationen anzeigen"), _("Programm beenden")};
    ASSERT_EQ(g_list_length(knoepfe), 4u);
    for (int i = 0; i < 4; ++i) {
        GtkWidget* k = GTK_WIDGET(g_list_nth_data(knoepfe, i));
        EXPECT_EQ(knopf_text(k), namen[i]);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkTooltipsData* tip = gtk_tooltips_data_get(k);
        G_GNUC_END_IGNORE_DEPRECATIONS
        ASSERT_NE(tip, nullptr);
        EXPECT_STREQ(tip->tip_text, tips[i]);
    }
    g_list_free(knoepfe);
    // Top to bottom: input frame, action bar, results.
    GList* oben = gtk_container_get_children(GTK_CONTAINER(Pack_Box[5]));
    EXPECT_STREQ(gtk_frame_get_label(GTK_FRAME(g_list_nth_data(oben, 0))), _("Eingabedaten"));
    EXPECT_EQ(g_list_nth_data(oben, 1), Pack_Box[3]);
    EXPECT_EQ(g_list_nth_data(oben, 2), Pack_Box[4]);
    g_list_free(oben);
}

TEST_F(StalorFenster, RechnenZeigtErgebnisseUndFragtBeimZweitenMal)
{
    EXPECT_TRUE(klicken(pButton_rechnen, {}).empty());
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "458.00000");
    EXPECT_EQ(text(OUTPUT_Ergebnisse[6]), "679.67995");
    EXPECT_EQ(label(LABEL_res[7]), _("elastische Knickung nach Euler"));
    EXPECT_EQ(gerechnet, 1);

    // No: nothing read, nothing changed.
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(rButtons_Knickfall[3]), TRUE);
    gerechnet = 1;
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[0]), "abc");
    auto d = klicken(pButton_rechnen, {NEIN});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n"));
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "458.00000");
    EXPECT_EQ(gerechnet, 1);

    // Escape or closing the question counts as No.
    EXPECT_EQ(klicken(pButton_rechnen, {SCHLIESSEN}).size(), 1u);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "458.00000");
    EXPECT_EQ(gerechnet, 1);

    // Yes: computes case 4.
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[0]), "3500");
    d = klicken(pButton_rechnen, {JA});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[6]), "10874.87921");
    EXPECT_EQ(label(LABEL_res[7]), _("unelastische Knickung nach Tetmajer"));
}

TEST_F(StalorFenster, FalschesFeldGibtZweiMeldungenInDieserFolge)
{
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[2]), "78,54");
    auto d = klicken(pButton_rechnen, {OK, OK});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].art, "info");
    EXPECT_EQ(d[0].text, uebersetzt("Stelle 3: keine Zahl\n", "Stelle {1}: keine Zahl\n", {"3"}));
    EXPECT_EQ(d[1].art, "error");
    EXPECT_EQ(d[1].text, _("Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!"));
    EXPECT_EQ(gerechnet, 0);
    EXPECT_EQ(text(INPUT_Geometrie[2]), "78,54");
    d = klicken(pButton_speichern, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));
}

TEST_F(StalorFenster, ZweiBytezeichenVerschiebtDieStelle)
{
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[1]), "2\xc3\xa4" "9");
    auto d = klicken(pButton_rechnen, {OK, OK});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].text, uebersetzt("Stelle 2: keine Zahl\n", "Stelle {1}: keine Zahl\n", {"2"}));
    // Fields before the rejected one are converted, the rest keep their values.
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[1]), "1.2.3");
    klicken(pButton_rechnen, {});
    EXPECT_EQ(d_box_geometrie[1], 1.2);
}

TEST_F(StalorFenster, DezimalpunktUnterJedemLocale)
{
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[6]), "1.75");
    klicken(pButton_rechnen, {});
    EXPECT_EQ(d_box_geometrie[6], 1.75);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "458.00000");
    const std::string pfad = ordner + "/bericht.txt";
    klicken(pButton_speichern, {datei(pfad)});
    // The report's caption in the reader's language, the value with the point.
    if (auf_deutsch()) {
        EXPECT_NE(lesen(pfad).find("Sicherheit S / 1:                        1.75000\n"), std::string::npos);
    }
    EXPECT_NE(lesen(pfad).find(" 1.75000\n"), std::string::npos);
}

TEST_F(StalorFenster, SpeichernNeueDateiUndUeberschreiben)
{
    auto d = klicken(pButton_speichern, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));

    klicken(pButton_rechnen, {});
    d = klicken(pButton_speichern, {ABBRECHEN});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].art, "datei");
    EXPECT_EQ(d[0].text, _("Ergebnisse speichern"));

    // A name without extension is used as typed.
    const std::string pfad = ordner + "/bericht";
    EXPECT_EQ(klicken(pButton_speichern, {datei(pfad)}).size(), 1u);
    const std::string bericht = lesen(pfad);
    EXPECT_EQ(std::count(bericht.begin(), bericht.end(), '\n'), 29);
    EXPECT_FALSE(g_file_test((pfad + ".txt").c_str(), G_FILE_TEST_EXISTS));

    // Overwrite: No and closing keep the file byte for byte, Yes replaces it.
    schreiben(pfad, "alt\n");
    d = klicken(pButton_speichern, {datei(pfad), NEIN});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].text, _("Es ist schon eine Ergebnissdatei vorhanden!\nSoll diese ueberschrieben werden?"));
    EXPECT_EQ(lesen(pfad), "alt\n");
    klicken(pButton_speichern, {datei(pfad), SCHLIESSEN});
    EXPECT_EQ(lesen(pfad), "alt\n");
    klicken(pButton_speichern, {datei(pfad), JA});
    EXPECT_EQ(lesen(pfad), bericht);
}

TEST_F(StalorFenster, UnlesbareDateiWirdTrotzdemErfragt)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    klicken(pButton_rechnen, {});
    const std::string pfad = ordner + "/gesperrt.txt";
    schreiben(pfad, "alt\n");
    chmod(pfad.c_str(), 0200);
    auto d = klicken(pButton_speichern, {datei(pfad), NEIN});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].art, "info");
}

TEST_F(StalorFenster, NichtSchreibbarGibtFehlermeldung)
{
    klicken(pButton_rechnen, {});
    // The folder chosen is gone when the report is written (removed while
    // the overwrite question was open): the error shows.
    const std::string weg = ordner + "/weg";
    const std::string pfad = weg + "/bericht.txt";
    ASSERT_EQ(g_mkdir(weg.c_str(), 0700), 0);
    schreiben(pfad, "alt\n");
    Antwort ja_ohne_ordner = JA;
    ja_ohne_ordner.vorher = [weg] { ASSERT_EQ(std::system(("rm -rf '" + weg + "'").c_str()), 0); };
    auto d = klicken(pButton_speichern, {datei(pfad), ja_ohne_ordner, OK});
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[2].art, "error");
    EXPECT_EQ(d[2].text, uebersetzt("Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n" + pfad,
                                    "Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n{1}",
                                    {pfad}));
    EXPECT_FALSE(g_file_test(weg.c_str(), G_FILE_TEST_EXISTS));
    // A report takes its file's place by renaming a finished temporary file
    // beside it: a device such as /dev/full is refused, never replaced.  (A
    // full disk proper is tested with the menu: tests/shell.)
    kompl_name.clear();
    d = klicken(pButton_speichern, {datei("/dev/full"), JA, OK});
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[2].text, uebersetzt("Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n/dev/full",
                                    "Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n{1}",
                                    {"/dev/full"}));
    struct stat st;
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST_F(StalorFenster, KnickfallKlickVerwirftErgebnisse)
{
    klicken(pButton_rechnen, {});
    klicken(rButtons_Knickfall[1], {});
    EXPECT_EQ(gerechnet, 0);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "458.00000");
    auto d = klicken(pButton_speichern, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung noch nicht durchgefuert!"));
    // The next press computes without asking.
    EXPECT_TRUE(klicken(pButton_rechnen, {}).empty());
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "229.00000");
}

TEST_F(StalorFenster, InfoZeigtBeschreibung)
{
    auto d = klicken(pButton_info, {OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(std::string(stalor_programm.info_text).rfind("Ein Rechenprogramm fuer Knickung", 0), 0u);
    EXPECT_EQ(d[0].text, _(stalor_programm.info_text));
}

TEST_F(StalorFenster, SehrGrosseKraftWirdVollGezeigt)
{
    gtk_entry_set_text(GTK_ENTRY(INPUT_Geometrie[0]), ("1" + std::string(300, '0')).c_str());
    klicken(pButton_rechnen, {});
    EXPECT_EQ(text(OUTPUT_Ergebnisse[4]).size() > 300u, true);
}

TEST_F(StalorFenster, FelderNennenIhreBeschriftung)
{
    EXPECT_EQ(beschriftung(INPUT_Geometrie[0]), _("Kraft F / N"));
    EXPECT_EQ(beschriftung(INPUT_Geometrie[6]), _("Sicherheit / 1"));
    EXPECT_EQ(beschriftung(OUTPUT_Ergebnisse[6]), _("zul. Maximalkraft / N"));
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    EXPECT_EQ(felder.size(), 14u);
    for (GtkWidget* f : felder)
        EXPECT_FALSE(beschriftung(f).empty()) << text(f);
    // Tying them to their captions shows no underlined letter.
    EXPECT_EQ(label(zelle(gtk_widget_get_parent(INPUT_Geometrie[0]), 0, 0)), _("Kraft F / N"));
}

TEST_F(StalorFenster, TabGehtInLeserichtung)
{
    // Row by row through the inputs, then the chosen case, the action bar
    // and the results, row by row; then round again.
    const auto* e = INPUT_Geometrie;
    const auto* r = OUTPUT_Ergebnisse;
    const std::vector<GtkWidget*> erwartet = {
        e[0], e[3], e[1], e[4], e[2], e[5], e[6], rButtons_Knickfall[0],
        pButton_rechnen, pButton_speichern, pButton_info, pButton_ende,
        r[0], r[4], r[1], r[5], r[2], r[6], r[3], e[0]};
    EXPECT_EQ(tab_folge(window_main, e[0], erwartet.size()), erwartet);
}

TEST_F(StalorFenster, FeldMitZehntausendZeichen)
{
    // As many characters as a user may paste: read in full, not cut off.
    setzen(INPUT_Geometrie[0], std::string(9996, '0') + "3500");
    setzen(INPUT_Geometrie[1], "229." + std::string(9996, '0'));
    EXPECT_TRUE(klicken(pButton_rechnen, {}).empty());
    EXPECT_EQ(d_box_geometrie[0], 3500.0);
    EXPECT_EQ(d_box_geometrie[1], 229.0);
    EXPECT_EQ(text(OUTPUT_Ergebnisse[0]), "458.00000"); // case 1: twice the length
    // A bad byte at the very end is found and its place named.
    setzen(INPUT_Geometrie[2], std::string(9999, '7') + "x");
    auto d = klicken(pButton_rechnen, {JA, OK, OK});
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[1].text, uebersetzt("Stelle 10000: keine Zahl\n", "Stelle {1}: keine Zahl\n", {"10000"}));
}

TEST_F(StalorFenster, BerichtUnterEinemPfadVonViertausendBytes)
{
    std::string ordnerpfad = ordner;
    while (ordnerpfad.size() < 3800) {
        ordnerpfad += "/" + std::string(200, 'v');
        ASSERT_EQ(g_mkdir(ordnerpfad.c_str(), 0700), 0);
    }
    const std::string pfad = ordnerpfad + "/" + std::string(4000 - ordnerpfad.size() - 5, 'b') + ".txt";
    ASSERT_EQ(pfad.size(), 4000u);
    klicken(pButton_rechnen, {});
    EXPECT_EQ(klicken(pButton_speichern, {datei(pfad)}).size(), 1u);
    EXPECT_EQ(kompl_name, pfad);
    const std::string bericht = lesen(pfad);
    EXPECT_EQ(std::count(bericht.begin(), bericht.end(), '\n'), 29);
    // The overwrite question and the file name reach the same file.
    auto d = klicken(pButton_speichern, {datei(pfad), JA});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(lesen(pfad), bericht);
}

} // namespace
