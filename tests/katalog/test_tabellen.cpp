// The shipped tables hold the published values unchanged: the same files
// as the delivered catalogue folder, the same provenance lines, header and
// numbers; the compiled-in text is the shipped file byte for byte.
#include "csv.h"
#include "tabellen.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string datei_lesen(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::set<std::string> csv_dateien(const fs::path& ordner)
{
    std::set<std::string> namen;
    for (const fs::directory_entry& e : fs::directory_iterator(ordner))
        if (e.path().extension() == ".csv")
            namen.insert(e.path().filename().string());
    return namen;
}

KvCsvTabelle gelesen(const fs::path& p)
{
    KvCsvTabelle t;
    int zeile = 0;
    std::string grund;
    EXPECT_TRUE(kv_csv_lesen(datei_lesen(p), t, zeile, grund)) << p << ":" << zeile << ": " << grund;
    return t;
}

// A plain decimal as the catalogue writes it; false for any other text.
bool zahl(const std::string& t, double& w)
{
    const auto r = std::from_chars(t.data(), t.data() + t.size(), w);
    return !t.empty() && r.ec == std::errc() && r.ptr == t.data() + t.size();
}

const fs::path GELIEFERT = KV_KATALOGE_GELIEFERT;
const fs::path MITGEGEBEN = KV_KATALOGE_MITGEGEBEN;

} // namespace

TEST(Tabellen, GleichDenGeliefertenWerten)
{
    if (!fs::is_directory(GELIEFERT))
        GTEST_SKIP() << "Vergleich uebersprungen: der Katalogordner " << GELIEFERT
                     << " fehlt (er liegt neben dem Quellbaum in ../shared/kataloge)";
    const std::set<std::string> namen = csv_dateien(MITGEGEBEN);
    ASSERT_EQ(namen, csv_dateien(GELIEFERT));
    int zahlen = 0;
    for (const std::string& n : namen) {
        SCOPED_TRACE(n);
        const KvCsvTabelle a = gelesen(MITGEGEBEN / n), b = gelesen(GELIEFERT / n);
        EXPECT_EQ(a.kommentare, b.kommentare);
        EXPECT_EQ(a.spalten, b.spalten);
        ASSERT_EQ(a.zeilen.size(), b.zeilen.size());
        for (size_t i = 0; i < a.zeilen.size(); ++i)
            for (size_t j = 0; j < a.zeilen[i].size(); ++j) {
                double x, y;
                if (zahl(b.zeilen[i][j], y)) {
                    ASSERT_TRUE(zahl(a.zeilen[i][j], x)) << a.zeilen[i][0] << " " << a.spalten[j];
                    EXPECT_EQ(x, y) << a.zeilen[i][0] << " " << a.spalten[j];
                    ++zahlen;
                } else {
                    EXPECT_EQ(a.zeilen[i][j], b.zeilen[i][j]) << a.zeilen[i][0] << " " << a.spalten[j];
                }
            }
    }
    EXPECT_GT(zahlen, 1000);
}

TEST(Tabellen, EingebautWieMitgegeben)
{
    const std::set<std::string> namen = csv_dateien(MITGEGEBEN);
    std::set<std::string> eingebaut;
    for (const KvTabellendatei& d : kv_tabellendateien()) {
        eingebaut.insert(d.datei);
        EXPECT_EQ(d.text, datei_lesen(MITGEGEBEN / d.datei)) << d.datei;
    }
    EXPECT_EQ(eingebaut, namen);
    EXPECT_TRUE(kv_tabellentext("gibt_es_nicht.csv").empty());
}

TEST(Csv, FehlerMitZeileUndGrund)
{
    struct Fall {
        const char* text;
        int zeile;
        const char* grund;
    };
    const Fall faelle[] = {
        {"# nur Kommentar\n", 1, "keine Kopfzeile"},
        {"a,b\n1,2\n3\n", 3, "1 Zellen, die Kopfzeile hat 2"},
        {"a,b\n1,2,3\n", 2, "3 Zellen, die Kopfzeile hat 2"},
        {"a,,c\n", 1, "Spalte 2 der Kopfzeile hat keinen Namen"},
        {"a,b,a\n", 1, "Spalte \"a\" ist zweimal genannt"},
        {"a\n1\n# spaet\n", 3, "Kommentarzeile nach der Kopfzeile"},
    };
    for (const Fall& f : faelle) {
        KvCsvTabelle t;
        int zeile = 0;
        std::string grund;
        EXPECT_FALSE(kv_csv_lesen(f.text, t, zeile, grund)) << f.text;
        EXPECT_EQ(zeile, f.zeile) << f.text;
        EXPECT_EQ(grund, f.grund) << f.text;
    }
    KvCsvTabelle t;
    int zeile = 0;
    std::string grund;
    ASSERT_TRUE(kv_csv_lesen("#  Titel\r\n#\nx,y\r\n\nM4,4\nM5,\n", t, zeile, grund)) << grund;
    EXPECT_EQ(t.kommentare, (std::vector<std::string>{" Titel", ""}));
    EXPECT_EQ(t.zeilen, (std::vector<std::vector<std::string>>{{"M4", "4"}, {"M5", ""}}));
    EXPECT_EQ(t.zeilennummern, (std::vector<int>{5, 6}));
    EXPECT_EQ(kv_csv_spalte(t, "y"), 1);
    EXPECT_EQ(kv_csv_spalte(t, "z"), -1);
}
