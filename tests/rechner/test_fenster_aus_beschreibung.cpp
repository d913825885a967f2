// The window the shell builds for a calculator from its description alone
// (KV_PROGRAMM names it), with real widgets under X, against its
// description and the test build's command line: every frame, field,
// caption, option and result where the description puts it; "Rechnen",
// "Speichern", a field that is no number, a refusal, input sets, and the
// mode an option chooses.
#include "programm_fenster.h"
#include "programm_starten.h"
#include "eingabesatz_datei.h"
#include "fenstertexte.h"
#include "zusatz_pruefen.h"
#include "testrechner.h"

#include <set>

namespace {

const KvRechner& R = KV_RECHNER;
const std::string NAME = KV_PROGRAMMNAME;

// The German ids, given in the test's language where compared.
const char* const KEINE_BERECHNUNG = N_("Berechnung noch nicht durchgefuert!");

// The report the command line writes for these NAME=WERT.
std::string bericht_von(std::vector<std::string> woerter)
{
    woerter.insert(woerter.begin(), NAME);
    const Ausgang a = programm_starten(woerter);
    EXPECT_EQ(a.status, 0) << a.fehler;
    return a.aus;
}

class FensterAusBeschreibung : public ProgrammFenster {
protected:
    static void SetUpTestSuite()
    {
        kv_testrechner_anmelden();
        ProgrammFenster::SetUpTestSuite();
    }
    // The first number field the computation reads with the defaults.
    static int erstes_feld()
    {
        const KvEingaben e = kv_vorgaben(R);
        for (size_t i = 0; i < R.eingaben.size(); ++i)
            if (kv_gelesen(R, static_cast<int>(i), e.optionen.data()))
                return static_cast<int>(i);
        return -1;
    }
};

TEST_F(FensterAusBeschreibung, AufbauWieDieBeschreibung)
{
    // Every caption in the reader's language.
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window_main)), _(R.titel));
    std::set<std::string> titel;
    rahmentitel(window_main, titel);
    EXPECT_TRUE(titel.count(_(KV_EINGABERAHMEN)));
    EXPECT_TRUE(titel.count(_("Aktionen")));
    EXPECT_TRUE(titel.count(_("Ergebnisse")));

    // The window's own; the addition's its dialog shows (below).
    const KvFensterteile f = kv_fensterteile(R);
    const KvEingabeWidgets w = kv_gtk_widgets();
    ASSERT_EQ(w.felder.size(), R.eingaben.size());
    for (int i = 0; i < f.eingaben; ++i) {
        SCOPED_TRACE(R.eingaben[i].name);
        EXPECT_EQ(text(w.felder[i]), R.eingaben[i].vorgabe);
        if (std::string(R.eingaben[i].rahmen) != KV_EINGABERAHMEN) {
            EXPECT_TRUE(titel.count(_(R.eingaben[i].rahmen)));
        }
        // In its cell, its caption left of it.
        const KvZelle z = kv_zelle(R, static_cast<int>(i));
        GtkWidget* tabelle = gtk_widget_get_parent(w.felder[i]);
        ASSERT_TRUE(GTK_IS_TABLE(tabelle));
        EXPECT_EQ(zelle(tabelle, 2 * z.spalte + 1, z.zeile), w.felder[i]);
        EXPECT_EQ(label(zelle(tabelle, 2 * z.spalte, z.zeile)), _(R.eingaben[i].beschriftung));
    }
    ASSERT_EQ(w.optionen.size(), R.optionen.size());
    for (int k = 0; k < f.optionen; ++k) {
        const KvOption& o = R.optionen[k];
        SCOPED_TRACE(o.name);
        EXPECT_TRUE(titel.count(_(o.rahmen)));
        ASSERT_EQ(w.optionen[k].size(), o.knoepfe.empty() ? 1u : o.knoepfe.size());
        for (size_t j = 0; j < o.knoepfe.size(); ++j)
            EXPECT_STREQ(gtk_button_get_label(GTK_BUTTON(w.optionen[k][j])), _(o.knoepfe[j]));
    }
    ASSERT_EQ(w.ergebnisse.size(), R.ergebnisse.size());
    for (int j = 0; j < f.ergebnisse; ++j) {
        EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(w.ergebnisse[j])));
        GtkWidget* tabelle = gtk_widget_get_parent(w.ergebnisse[j]);
        const bool gilt = kv_gilt(R.ergebnisse[j].nur_bei, kv_vorgaben(R).optionen.data());
        EXPECT_EQ(text(w.ergebnisse[j]), gilt ? _(R.ergebnisse_vorher) : "--");
        EXPECT_EQ(label(zelle(tabelle, 0, static_cast<guint>(j))), _(R.ergebnisse[j].beschriftung));
    }
    EXPECT_EQ(w.hinweise.size(), R.hinweise.size());
}

// The addition in its dialog (zusatz_pruefen.h); the report stays the
// window's, the json has the addition's results.
TEST_F(FensterAusBeschreibung, ZusatzImEigenenDialog)
{
    if (!*R.zusatz.rahmen)
        GTEST_SKIP() << "no addition";
    zusatz_im_dialog_pruefen(R, "0.01");
    const std::string zuweisung = std::string(R.eingaben[kv_fensterteile(R).eingaben].name) + "=0.01";
    EXPECT_EQ(kv_gtk_letzter_bericht(), bericht_von({zuweisung}));
    const std::string json = bericht_von({zuweisung, "--format", "json"});
    EXPECT_NE(json.find(std::string("\"") + R.ergebnisse[kv_fensterteile(R).ergebnisse].name + "\""),
              std::string::npos) << json;
}

TEST_F(FensterAusBeschreibung, RechnenUndSpeichernWieDieKommandozeile)
{
    EXPECT_TRUE(klicken(pButton_rechnen, {}).empty());
    EXPECT_EQ(gerechnet, 1);
    const KvEingabeWidgets w = kv_gtk_widgets();
    KvStand stand;
    const KvEingaben vorgaben = kv_vorgaben(R);
    const KvRechnung r = kv_rechnen(R, vorgaben, stand);
    for (size_t j = 0; j < R.ergebnisse.size(); ++j)
        EXPECT_EQ(text(w.ergebnisse[j]), kv_ergebnistext(R, r, stand.optionen, static_cast<int>(j)))
            << R.ergebnisse[j].name;

    const std::string pfad = ordner + "/bericht.txt";
    const auto d = klicken(pButton_speichern, {datei(pfad)});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(lesen(pfad), bericht_von({}));

    // A second press asks first.
    const auto frage = klicken(pButton_rechnen, {JA});
    ASSERT_EQ(frage.size(), 1u);
    EXPECT_EQ(frage[0].text, _(KV_NEU_RECHNEN));
}

TEST_F(FensterAusBeschreibung, FalschesFeldGibtStelleUndEingabefehler)
{
    const int i = erstes_feld();
    ASSERT_GE(i, 0);
    setzen(kv_gtk_widgets().felder[i], "1x5");
    const auto d = klicken(pButton_rechnen, {OK, OK});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].art, "info");
    EXPECT_EQ(d[0].text, kv_stelle_text(2));
    EXPECT_EQ(d[1].art, "error");
    EXPECT_EQ(d[1].text, _(KV_FEHLER_EINGABE));
    EXPECT_EQ(gerechnet, 0);
    const auto s = klicken(pButton_speichern, {OK});
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].text, _(KEINE_BERECHNUNG));
}

TEST_F(FensterAusBeschreibung, EingabesatzDerKommandozeile)
{
    const int i = erstes_feld();
    ASSERT_GE(i, 0);
    const std::string zuweisung = std::string(R.eingaben[i].name) + "=" + R.eingaben[i].vorgabe + "1";
    const std::string pfad = ordner + "/satz" + kv_eingabesatz_endung(R);
    ASSERT_EQ(programm_starten({NAME, "--eingaben-schreiben", pfad, zuweisung}).status, 0);
    ASSERT_TRUE(kv_gtk_eingabesatz_oeffnen(pfad));
    EXPECT_EQ(text(kv_gtk_widgets().felder[i]), std::string(R.eingaben[i].vorgabe) + "1");
    klicken(pButton_rechnen, {});
    EXPECT_EQ(kv_gtk_letzter_bericht(), bericht_von({zuweisung}));

    // And the window's own set reads back on the command line.
    const std::string zurueck = ordner + "/zurueck" + kv_eingabesatz_endung(R);
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_schreiben(R, kv_gtk_eingaben_lesen(), zurueck, fehler)) << fehler;
    EXPECT_EQ(lesen(zurueck), lesen(pfad));
}

// Each value of each option: the fields and results of that mode usable,
// the others grey and their results "--", and the window computes what the
// command line computes.
TEST_F(FensterAusBeschreibung, JedeAuswahlWieDieKommandozeile)
{
    const KvEingabeWidgets w = kv_gtk_widgets();
    for (size_t k = 0; k < R.optionen.size(); ++k)
        for (size_t v = 0; v < R.optionen[k].werte.size(); ++v) {
            const KvOption& o = R.optionen[k];
            SCOPED_TRACE(std::string(o.name) + "=" + o.werte[v]);
            KvEingaben e = kv_vorgaben(R);
            e.optionen[k] = static_cast<int>(v);
            kv_gtk_eingaben_setzen(e);
            EXPECT_EQ(gerechnet, 0);
            for (size_t i = 0; i < R.eingaben.size(); ++i)
                EXPECT_EQ(gtk_widget_get_sensitive(w.felder[i]) == TRUE,
                          kv_gilt(R.eingaben[i].nur_bei, e.optionen.data()))
                    << R.eingaben[i].name;
            klicken(pButton_rechnen, {});
            EXPECT_EQ(gerechnet, 1);
            EXPECT_EQ(kv_gtk_letzter_bericht(), bericht_von({std::string(o.name) + "=" + o.werte[v]}));
            for (size_t j = 0; j < R.ergebnisse.size(); ++j) {
                if (!kv_gilt(R.ergebnisse[j].nur_bei, e.optionen.data())) {
                    EXPECT_EQ(text(w.ergebnisse[j]), "--") << R.ergebnisse[j].name;
                }
            }
        }
}

} // namespace
