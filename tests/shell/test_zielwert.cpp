// "Zielwert suchen..." in one calculator's window, with real widgets under
// X: built once for each program (KV_PROGRAMM names its KvProgramm).  The
// value found lands in its field and the window shows what "Rechnen" shows
// for it; a refused search, a bad target and a range without a solution
// are told over the dialog and change nothing in the window.
#include "fenster_test.h"
#include "shell.h"
#include "zahlen.h"

extern const KvProgramm KV_PROGRAMM;
extern const KvRechner KV_RECHNER;

namespace {

const KvProgramm& P = KV_PROGRAMM;
const KvRechner& R = KV_RECHNER;
const std::string NAME = KV_PROGRAMMNAME;

// Per program: the field, the result, a value of the field whose result is
// the target (so that value is the answer), and a range around it.
struct Fall {
    const char* feld;
    const char* ergebnis;
    const char* wert;
    const char* von;
    const char* bis;
};

Fall fall()
{
    if (NAME == "stalor") return {"l1", "F_max_zul", "300", "100", "1000"};
    if (NAME == "tarvex") return {"FAo", "FSA", "30000", "1000", "100000"};
    // Below 15 mm the bearing refuses (B/D < 0.125): inside the range.
    if (NAME == "lupran") return {"b", "pq", "60", "1", "100"};
    // A pole of the slip time near 9808 Nm: inside the range too.
    if (NAME == "kopdra") return {"TK", "tb", "12000", "5000", "100000"};
    return {"s", "F", "0.6", "0.1", "1"};
}

int ergebnis_index(const char* name)
{
    for (size_t j = 0; j < R.ergebnisse.size(); ++j)
        if (std::string(name) == R.ergebnisse[j].name)
            return static_cast<int>(j);
    return -1;
}

// Every field's text and every result field's text in the window.
std::vector<std::string> inhalt()
{
    std::vector<GtkWidget*> felder;
    alle_felder(window_main, felder);
    std::vector<std::string> t;
    for (GtkWidget* f : felder)
        t.push_back(text(f));
    for (const int o : kv_gtk_eingaben_lesen().optionen)
        t.push_back(std::to_string(o));
    return t;
}

void waehlen(GtkWidget* combo, const std::vector<int>& indizes, int index)
{
    const auto k = std::find(indizes.begin(), indizes.end(), index);
    ASSERT_NE(k, indizes.end()) << index;
    gtk_combo_box_set_active(GTK_COMBO_BOX(combo), static_cast<int>(k - indizes.begin()));
}

class Zielwert : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        kv_bilder_vorladen(P);
        kv_gtk_fenster_erzeugen(P);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        kv_gtk_eingaben_setzen(kv_vorgaben(R));
        gerechnet = 0;
        z = kv_gtk_zielwert_dialog();
        waehlen(z->feld, z->felder, kv_eingabe_index(R, f.feld));
        waehlen(z->ergebnis, z->ergebnisse, ergebnis_index(f.ergebnis));
        setzen(z->von, f.von);
        setzen(z->bis, f.bis);
        setzen(z->ziel, kv_kurz(ziel()));
    }
    void TearDown() override
    {
        gtk_widget_destroy(z->dialog);
        ereignisse_abarbeiten();
    }
    // The result at the field's value from the defaults.
    double ziel() const
    {
        KvEingaben e = kv_vorgaben(R);
        e.texte[kv_eingabe_index(R, f.feld)] = f.wert;
        KvStand stand;
        return kv_rechnen(R, e, stand).ergebnisse[ergebnis_index(f.ergebnis)];
    }
    std::vector<Dialog> suchen(std::vector<Antwort> antworten, bool erwartet)
    {
        bool gefunden = !erwartet;
        auto d = ausfuehren([&] { gefunden = kv_gtk_zielwert_suchen(*z); }, std::move(antworten));
        EXPECT_EQ(gefunden, erwartet);
        return d;
    }
    const Fall f = fall();
    KvZielwertDialog* z = nullptr;
};

TEST_F(Zielwert, BietetDieErgebnisseUndFelderDerBetriebsart)
{
    const KvEingaben e = kv_gtk_eingaben_lesen();
    std::vector<int> ergebnisse, felder;
    for (size_t j = 0; j < R.ergebnisse.size(); ++j)
        if (kv_gilt(R.ergebnisse[j].nur_bei, e.optionen.data()))
            ergebnisse.push_back(static_cast<int>(j));
    for (size_t i = 0; i < R.eingaben.size(); ++i)
        if (kv_gelesen(R, static_cast<int>(i), e.optionen.data()))
            felder.push_back(static_cast<int>(i));
    EXPECT_EQ(z->ergebnisse, ergebnisse);
    EXPECT_EQ(z->felder, felder);
    EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(z->dialog)), GTK_WINDOW(window_main));
    // The range offered: a tenth to ten times the field's value.
    const int i = kv_eingabe_index(R, f.feld);
    gtk_combo_box_set_active(GTK_COMBO_BOX(z->feld), 0);
    waehlen(z->feld, z->felder, i);
    const double jetzt = kv_zahl_lesen(e.texte[i].c_str());
    EXPECT_EQ(text(z->von), kv_feldtext(jetzt / 10));
    EXPECT_EQ(text(z->bis), kv_feldtext(jetzt * 10));
}

// The target offered: every result as its field shows it after "Rechnen"
// (with the digits its format gives, not every digit of the value), without the
// field's leading blanks.
TEST_F(Zielwert, BietetDasErgebnisWieSeinFeldEsZeigt)
{
    KvStand stand;
    const KvEingaben e = kv_gtk_eingaben_lesen();
    const KvRechnung r = kv_rechnen(R, e, stand);
    ASSERT_EQ(r.status, KvStatus::berechnet);
    int kuerzer = 0;
    for (const int j : z->ergebnisse) {
        gtk_combo_box_set_active(GTK_COMBO_BOX(z->ergebnis), -1);
        waehlen(z->ergebnis, z->ergebnisse, j);
        std::string feld = kv_ergebnistext(R, r, e.optionen.data(), j);
        feld.erase(0, feld.find_first_not_of(' '));
        EXPECT_EQ(text(z->ziel), feld) << R.ergebnisse[j].name;
        kuerzer += feld != kv_kurz(r.ergebnisse[j]);
    }
    EXPECT_GT(kuerzer, 0);
}

TEST_F(Zielwert, SetztDasFeldUndRechnetWieRechnen)
{
    EXPECT_TRUE(suchen({}, true).empty());
    KvEingabeWidgets w;
    P.eingabe_widgets(w);
    EXPECT_EQ(text(w.felder[kv_eingabe_index(R, f.feld)]), f.wert);
    EXPECT_EQ(gerechnet, 1);
    EXPECT_NE(label(z->loesungen).find(std::string(f.feld) + " = " + f.wert), std::string::npos)
        << label(z->loesungen);
    const std::vector<std::string> gesucht = inhalt();
    const std::string bericht = kv_gtk_letzter_bericht();

    // The same inputs typed and computed: the same window and report.
    KvEingaben e = kv_vorgaben(R);
    e.texte[kv_eingabe_index(R, f.feld)] = f.wert;
    kv_gtk_eingaben_setzen(e);
    EXPECT_TRUE(klicken(pButton_rechnen, {}).empty());
    EXPECT_EQ(inhalt(), gesucht);
    EXPECT_EQ(kv_gtk_letzter_bericht(), bericht);

    // With results shown, "Rechnen" asks first, as a click on it would.
    const auto d = suchen({NEIN}, true);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n"));
    EXPECT_EQ(inhalt(), gesucht);
}

TEST_F(Zielwert, OhneSinnOderOhneLoesungAendertSichNichts)
{
    klicken(pButton_rechnen, {});
    const std::vector<std::string> vorher = inhalt();
    const struct {
        const char* ziel;
        const char* von;
        const char* bis;
        const char* art;
        std::string text;
    } faelle[] = {
        {"", f.von, f.bis, "error",
         _("Fehler im Zielwert!\n") + uebersetzt("\"\" ist keine Zahl.", "\"{1}\" ist keine Zahl.", {""})},
        {"1,5", f.von, f.bis, "error",
         _("Fehler im Zielwert!\n") + uebersetzt("\"1,5\" ist keine Zahl.", "\"{1}\" ist keine Zahl.", {"1,5"})},
        {"1", "-1", f.bis, "error",
         _("Fehler im Suchbereich!\n")
             + uebersetzt("von: Stelle 1: keine Zahl", "{1}: Stelle {2}: keine Zahl", {_("von"), "1"})},
        {"1", f.von, "", "error",
         _("Fehler im Suchbereich!\n") + uebersetzt("bis: kein Wert", "{1}: kein Wert", {_("bis")})},
        {"1", f.bis, f.bis, "error",
         _("Suche nicht moeglich!\n")
             + nur_deutsch(std::string("Bereich von ") + f.bis + " bis " + f.bis + ": VON muss kleiner als BIS sein")},
        {"1e30", f.von, f.bis, "info", _("Zielwert nicht erreicht!\n") + nur_deutsch("keine Loesung: ")},
    };
    for (const auto& fall : faelle) {
        setzen(z->ziel, fall.ziel);
        setzen(z->von, fall.von);
        setzen(z->bis, fall.bis);
        const auto d = suchen({OK}, false);
        ASSERT_EQ(d.size(), 1u) << fall.text;
        EXPECT_EQ(d[0].art, fall.art);
        EXPECT_EQ(d[0].text.substr(0, fall.text.size()), fall.text);
        EXPECT_EQ(d[0].ueber, GTK_WINDOW(z->dialog));
        EXPECT_EQ(inhalt(), vorher) << fall.text;
        EXPECT_EQ(gerechnet, 1);
    }
}

// Ctrl+G opens the dialog over the window; "Abbrechen" closes it.
TEST_F(Zielwert, StrgGOeffnetDenDialog)
{
    const std::vector<std::string> vorher = inhalt();
    const auto d = ausfuehren([] { taste(window_main, GDK_g, GDK_CONTROL_MASK); }, {ABBRECHEN});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, _("Zielwert suchen"));
    EXPECT_EQ(d[0].ueber, GTK_WINDOW(window_main));
    EXPECT_EQ(inhalt(), vorher);
}

} // namespace
