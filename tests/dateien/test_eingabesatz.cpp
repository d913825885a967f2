// Input sets and whole-file writing, without a display.
#include "datei.h"
#include "eingabesatz_datei.h"
#include "gleitlager.h"
#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "tellerfeder.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

const KvRechner* const alle[] = {&stalor_rechner, &tarvex_rechner, &lupran_rechner,
                                 &kopdra_rechner, &wendis_rechner};

TEST(Eingabesatz, JederRechnerLiestZurueckWasErSchrieb)
{
    for (const KvRechner* r : alle) {
        KvEingaben e = kv_vorgaben(*r);
        // Texts as a user may leave them in a field, and the last value of
        // every option.
        e.texte[0] = " 12,5 # [x]=y; \\n";
        e.texte.back() = "";
        for (size_t k = 0; k < r->optionen.size(); ++k)
            e.optionen[k] = static_cast<int>(r->optionen[k].werte.size()) - 1;
        const std::string text = kv_eingabesatz_text(*r, e);
        EXPECT_EQ(text.rfind(std::string("# Eingabesatz von ") + r->name, 0), 0u) << text;
        KvEingaben gelesen = kv_vorgaben(*r);
        std::string fehler;
        ASSERT_TRUE(kv_eingabesatz_aus_text(*r, text, gelesen, fehler)) << fehler;
        EXPECT_EQ(gelesen.texte, e.texte) << r->name;
        EXPECT_EQ(gelesen.optionen, e.optionen) << r->name;
    }
}

TEST(Eingabesatz, FehlendeNamenBekommenIhreVorgabe)
{
    KvEingaben e = kv_vorgaben(stalor_rechner);
    e.texte[0] = "1";
    e.optionen[0] = 3;
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_aus_text(stalor_rechner, "[stalor]\nFormatversion=1\nl1=300\n", e, fehler));
    EXPECT_EQ(e.texte[0], "3500");
    EXPECT_EQ(e.texte[1], "300");
    EXPECT_EQ(e.optionen[0], 0);
}

TEST(Eingabesatz, OhneFormatversionAlsVersionEins)
{
    // Written by hand: only the group and one name.
    KvEingaben e = kv_vorgaben(stalor_rechner);
    std::string fehler;
    ASSERT_TRUE(kv_eingabesatz_aus_text(stalor_rechner, "[stalor]\nF=5000\n", e, fehler)) << fehler;
    EXPECT_EQ(e.texte[0], "5000");
    EXPECT_EQ(e.texte[1], "229");
}

TEST(Eingabesatz, FehlerhafteSaetzeAendernNichts)
{
    const struct {
        const char* text;
        const char* fehler;
    } faelle[] = {
        {"[tarvex]\nFormatversion=1\n", "ist ein Eingabesatz fuer tarvex, nicht fuer stalor"},
        {"[stalor]\nFormatversion=1\n[Fenster]\nx=1\n", "unbekannte Gruppe [Fenster]"},
        {"# leer\n", "Gruppe [stalor] fehlt"},
        {"[stalor]\nF=1\nKraft=2\n", "unbekannter Name \"Kraft\""},
        {"[stalor]\nFormatversion=\n", "Formatversion  wird nicht unterstuetzt"},
        {"[stalor]\nFormatversion=2\n", "Formatversion 2 wird nicht unterstuetzt"},
        {"[stalor]\nFormatversion=1\nF=1\nKraft=2\n", "unbekannter Name \"Kraft\""},
        {"[stalor]\nFormatversion=1\nKnickfall=0\n", "Knickfall=0: erlaubt sind 1, 2, 3, 4"},
        {"[stalor]\nFormatversion=1\nF 1\n", "Aufbau fehlerhaft"},
        {"[stalor]\nFormatversion=1\nF=\xff\n", "Aufbau fehlerhaft"},
    };
    for (const auto& f : faelle) {
        KvEingaben e = kv_vorgaben(stalor_rechner);
        e.texte[0] = "vorher";
        std::string fehler;
        EXPECT_FALSE(kv_eingabesatz_aus_text(stalor_rechner, f.text, e, fehler)) << f.text;
        EXPECT_NE(fehler.find(f.fehler), std::string::npos) << fehler;
        EXPECT_EQ(e.texte[0], "vorher");
    }
}

class Dateien : public ::testing::Test {
protected:
    void SetUp() override { ordner = g_dir_make_tmp("kv-datei-XXXXXX", nullptr); }
    void TearDown() override { EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0); }
    std::string ordner;
};

TEST_F(Dateien, GescheitertesSchreibenLaesstDasZielWieEsWar)
{
    std::string fehler;
    EXPECT_FALSE(kv_datei_schreiben(ordner + "/fehlt/x.txt", "neu", fehler));
    EXPECT_EQ(fehler, "kann nicht geschrieben werden (Datei oder Ordner nicht vorhanden)");

    // A folder where the file should go: it stays a folder with its content.
    const std::string ziel = ordner + "/bericht.txt";
    ASSERT_EQ(g_mkdir(ziel.c_str(), 0700), 0);
    std::ofstream(ziel + "/drin") << "alt";
    EXPECT_FALSE(kv_datei_schreiben(ziel, "neu", fehler));
    EXPECT_TRUE(g_file_test((ziel + "/drin").c_str(), G_FILE_TEST_IS_REGULAR));
    // No temporary file is left beside it.
    GDir* d = g_dir_open(ordner.c_str(), 0, nullptr);
    int eintraege = 0;
    while (g_dir_read_name(d)) ++eintraege;
    g_dir_close(d);
    EXPECT_EQ(eintraege, 1);

    // A file without write permission is kept as writing into it would
    // have been refused, also for root, who could replace it.
    const std::string geschuetzt = ordner + "/geschuetzt.txt";
    std::ofstream(geschuetzt) << "alt";
    ASSERT_EQ(g_chmod(geschuetzt.c_str(), 0444), 0);
    EXPECT_FALSE(kv_datei_schreiben(geschuetzt, "neu", fehler));
    EXPECT_EQ(fehler, "kann nicht geschrieben werden (schreibgeschuetzt)");
    std::string inhalt;
    ASSERT_TRUE(kv_datei_lesen(geschuetzt, inhalt, fehler));
    EXPECT_EQ(inhalt, "alt");

    const std::string datei = ordner + "/satz.stalor";
    ASSERT_TRUE(kv_eingabesatz_schreiben(stalor_rechner, kv_vorgaben(stalor_rechner), datei, fehler));
    KvEingaben e = kv_vorgaben(stalor_rechner);
    EXPECT_TRUE(kv_eingabesatz_lesen(stalor_rechner, datei, e, fehler)) << fehler;
    EXPECT_FALSE(kv_eingabesatz_lesen(tarvex_rechner, datei, e, fehler));
    EXPECT_EQ(fehler, "Eingabesatz " + datei + ": ist ein Eingabesatz fuer stalor, nicht fuer tarvex");
}

TEST_F(Dateien, ErsetzteDateiBehaeltRechteUndVerknuepfung)
{
    std::string fehler, inhalt;
    // A report only its owner may read stays so when it is saved again.
    const std::string privat = ordner + "/privat.txt";
    std::ofstream(privat) << "alt";
    ASSERT_EQ(g_chmod(privat.c_str(), 0600), 0);
    ASSERT_TRUE(kv_datei_schreiben(privat, "neu", fehler)) << fehler;
    GStatBuf st;
    ASSERT_EQ(g_stat(privat.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_TRUE(kv_datei_lesen(privat, inhalt, fehler));
    EXPECT_EQ(inhalt, "neu");

    // Saved under a link's name: the linked file gets the text, the link
    // stays a link.
    const std::string link = ordner + "/link.txt";
    ASSERT_EQ(symlink("privat.txt", link.c_str()), 0);
    ASSERT_TRUE(kv_datei_schreiben(link, "ueber den Link", fehler)) << fehler;
    EXPECT_TRUE(g_file_test(link.c_str(), G_FILE_TEST_IS_SYMLINK));
    ASSERT_TRUE(kv_datei_lesen(privat, inhalt, fehler));
    EXPECT_EQ(inhalt, "ueber den Link");
}

} // namespace
