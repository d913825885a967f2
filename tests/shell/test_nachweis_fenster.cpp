// "Datei" > "Nachweis als PDF..." in a calculator's window, with real widgets
// under X (built for the programs KV_PROGRAMM names): refused before a
// computation, then the save flow of reports around the record, whose bytes
// are those the command line writes for the same inputs.
#include "eingabesatz_datei.h"
#include "programm_fenster.h"
#include "programm_starten.h"

namespace {

const KvProgramm& P = KV_PROGRAMM;
const KvRechner& R = KV_RECHNER;
const std::string EPOCHE = "1765000000";
// The German ids, given in the test's language where compared.
const char* const KEINE_BERECHNUNG = N_("Berechnung noch nicht durchgefuert!");
const char* const UEBERSCHREIBEN = N_("Es ist schon eine Ergebnissdatei vorhanden!\n"
                                      "Soll diese ueberschrieben werden?");

std::vector<Dialog> nachweis(std::vector<Antwort> antworten)
{
    return ausfuehren([] { taste(window_main, GDK_p, GDK_CONTROL_MASK); }, std::move(antworten));
}

void rechnen()
{
    EXPECT_TRUE(ausfuehren([] { taste(window_main, GDK_F5); }, {}).empty());
    ASSERT_EQ(gerechnet, 1);
}

class NachweisFenster : public ProgrammFenster {
protected:
    static void SetUpTestSuite()
    {
        // The record's date: the command line's with the same clock.
        g_setenv("SOURCE_DATE_EPOCH", EPOCHE.c_str(), TRUE);
        ProgrammFenster::SetUpTestSuite();
    }
    // The record the command line writes for the inputs of the set.
    std::string von_kommandozeile(const std::string& satz)
    {
        const std::string pdf = ordner + "/kommandozeile.pdf";
        const Ausgang a = programm_starten({R.name, "--eingaben", satz, "--nachweis", pdf},
                                           {"SOURCE_DATE_EPOCH=" + EPOCHE});
        EXPECT_EQ(a.status, 0) << a.fehler;
        return lesen(pdf);
    }
};

// An entry taken with "Uebernehmen" is named in the window's record as the
// command line names it: the same bytes.
TEST_F(NachweisFenster, NenntDenKatalogeintragWieDieKommandozeile)
{
    kv_gtk_eingaben_setzen(kv_vorgaben(R));
    KvKatalogDialog* k = kv_gtk_katalog_dialog();
    const KvKatalog& tab = k->kataloge.tabellen[0];
    gtk_combo_box_set_active(GTK_COMBO_BOX(k->tabelle), 0);
    gtk_combo_box_set_active(GTK_COMBO_BOX(k->eintrag), 2);
    const std::string wahl = tab.name + ":" + std::string(kv_katalog_bezeichnung(tab, 2));
    EXPECT_TRUE(ausfuehren([&] { EXPECT_TRUE(kv_gtk_katalog_uebernehmen(*k)); }, {}).empty());
    gtk_widget_destroy(k->dialog);
    rechnen();
    ASSERT_EQ(nachweis({datei(ordner + "/katalog.pdf")}).size(), 1u);
    const std::string pdf = ordner + "/kommandozeile.pdf";
    const Ausgang a = programm_starten({R.name, "--katalog", wahl, "--nachweis", pdf},
                                       {"SOURCE_DATE_EPOCH=" + EPOCHE});
    ASSERT_EQ(a.status, 0) << a.fehler;
    EXPECT_TRUE(lesen(ordner + "/katalog.pdf") == lesen(pdf)) << "anders als die Kommandozeile mit " << wahl;
    EXPECT_EQ(kv_gtk_katalog_zeilen(kv_gtk_eingaben_lesen()).size(), 1u);
}

TEST_F(NachweisFenster, VorDerRechnungDerHinweis)
{
    const auto d = nachweis({OK});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].art, "info");
    EXPECT_EQ(d[0].text, _(KEINE_BERECHNUNG));
}

TEST_F(NachweisFenster, DieLetzteRechnungWieAufDerKommandozeile)
{
    KvEingaben e = kv_vorgaben(R);
    e.texte[0] = "120";
    kv_gtk_eingaben_setzen(e);
    rechnen();
    const std::string satz = ordner + "/gerechnet" + kv_eingabesatz_endung(R);
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_schreiben(R, kv_gtk_eingaben_lesen(), satz, fehler)) << fehler;
    // A field edited after "Rechnen": the record shows what was computed.
    KvEingabeWidgets w;
    P.eingabe_widgets(w);
    setzen(w.felder[0], "99");

    // A name without an extension gets ".pdf".
    const auto d = nachweis({datei(ordner + "/nachweis")});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].art, "datei");
    EXPECT_EQ(d[0].text, _("Nachweis speichern"));
    const std::string pdf = lesen(ordner + "/nachweis.pdf");
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(pdf == von_kommandozeile(satz)) << "anders als die Kommandozeile";
    EXPECT_EQ(kv_gtk_eingaben_lesen().texte[0], "99"); // the window as it was
}

TEST_F(NachweisFenster, UeberschreibenNurNachJa)
{
    rechnen();
    const std::string pfad = ordner + "/alt.pdf";
    schreiben(pfad, "alt");
    auto d = nachweis({datei(pfad), NEIN});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].text, _(UEBERSCHREIBEN));
    EXPECT_EQ(lesen(pfad), "alt");
    d = nachweis({datei(pfad), SCHLIESSEN});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(lesen(pfad), "alt");
    d = nachweis({datei(pfad), JA});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(lesen(pfad).rfind("%PDF-", 0), 0u);
    // Cancelled at the chooser: nothing asked, nothing written.
    d = nachweis({ABBRECHEN});
    ASSERT_EQ(d.size(), 1u);
}

TEST_F(NachweisFenster, FehlgeschlagenesSchreibenBehaeltDieAlteDatei)
{
    rechnen();
    const std::string pfad = ordner + "/geschuetzt.pdf";
    schreiben(pfad, "alt");
    ASSERT_EQ(g_chmod(pfad.c_str(), 0444), 0);
    const auto d = nachweis({datei(pfad), JA, OK});
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[2].art, "error");
    EXPECT_EQ(d[2].text, uebersetzt("Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben "
                                    "werden:\n" + pfad,
                                    "Fehler beim Speichern!\nDie Ergebnissdatei konnte nicht geschrieben werden:\n{1}",
                                    {pfad}));
    EXPECT_EQ(lesen(pfad), "alt");
}

} // namespace
