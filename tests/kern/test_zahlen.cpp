// Digit check, conversion and formatting of the numeric fields.
#include "zahlen.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

// Under LANG=de_DE the C library prints and reads commas unless the shell
// keeps to the "C" locale; the same expectations must hold there.
class Zahlen : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, ""); }
};

TEST_F(Zahlen, FehlstelleIstDieEinsBasierteBytePosition)
{
    struct { const char* text; int stelle; } faelle[] = {
        {"3500", 0}, {"", 0}, {"1.2.3", 0}, {".", 0},
        {"-5", 1}, {"1e5", 2}, {"3,5", 2}, {" 12", 1}, {"12a", 3},
        {"\xc3\xa4", 1},        // a two-byte character at the start
        {"\xc3\xa4" "x", 1},
        {"1\xc3\xa4" "5", 2},
        {"\xff", 1}, {"9\x80", 2},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kv_erste_fehlstelle(f.text), f.stelle) << f.text;
}

TEST_F(Zahlen, LesenNimmtDenLaengstenGueltigenAnfang)
{
    EXPECT_EQ(kv_zahl_lesen("1.2.3"), 1.2);
    EXPECT_EQ(kv_zahl_lesen("."), 0.0);
    EXPECT_EQ(kv_zahl_lesen(""), 0.0);
    EXPECT_EQ(kv_zahl_lesen("1.75"), 1.75);
    EXPECT_EQ(kv_zahl_lesen("78.54"), 78.54);
}

TEST_F(Zahlen, FormatSchreibtPunktUndFuenfStellen)
{
    EXPECT_EQ(kv_format("%7.5lf", 3500), "3500.00000");
    EXPECT_EQ(kv_format("%7.5lf", 0.5), "0.50000");
    EXPECT_EQ(kv_format("%7.5lf", -2.25), "-2.25000");
    EXPECT_EQ(kv_format("%7.5g", 18), "     18");
    EXPECT_EQ(kv_format("%10.6lf", 1.75), "  1.750000");
}

TEST_F(Zahlen, GrosseWerteWerdenVollstaendigGeschrieben)
{
    const std::string eins_mit_300_nullen = "1" + std::string(300, '0');
    const std::string text = kv_format("%7.5lf", kv_zahl_lesen(eins_mit_300_nullen.c_str()));
    ASSERT_EQ(text.size(), 301u + 6u);
    EXPECT_EQ(text.substr(0, 2), "10");
    EXPECT_EQ(text.substr(text.size() - 6), ".00000");
}

} // namespace
