// Digit check, conversion and formatting of the numeric fields.
#include "zahlen.h"

#include <charconv>
#include <clocale>
#include <cmath>
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

// A whole text as one number, held against the standard library's
// from_chars (which the WebAssembly C++ library lacks for doubles).
TEST_F(Zahlen, GanzLesenWieFromChars)
{
    const char* faelle[] = {
        "2000", "-3.5", ".5", "5.", "1e3", "1E-3", "-2.5e+2", "0", "-0", "0e5", "1e308", "4e-320",
        "", "-", ".", "+5", " 5", "5 ", "1,5", "0x10", "-0X1p3", "1e", "1e+", "inf", "-infinity",
        "nan", "1e400", "-1e400", "1e-400", "1.2.3", "--1", "5a",
    };
    for (const char* t : faelle) {
        const std::string text = t;
        double erwartet = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), erwartet);
        const bool gilt = !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size()
                          && std::isfinite(erwartet);
        double wert = 7;
        EXPECT_EQ(kv_zahl_ganz_lesen(text, wert), gilt) << text;
        EXPECT_EQ(wert, gilt ? erwartet : 7.0) << text;
    }
    double wert = 0;
    EXPECT_FALSE(kv_zahl_ganz_lesen(std::string("1\0" "5", 3), wert));
}

TEST_F(Zahlen, FormatSchreibtPunktUndFuenfStellen)
{
    EXPECT_EQ(kv_format("%7.5lf", 3500), "3500.00000");
    EXPECT_EQ(kv_format("%7.5lf", 0.5), "0.50000");
    EXPECT_EQ(kv_format("%7.5lf", -2.25), "-2.25000");
    EXPECT_EQ(kv_format("%7.5g", 18), "     18");
    EXPECT_EQ(kv_format("%10.6lf", 1.75), "  1.750000");
}

TEST_F(Zahlen, SechsStellenOhneNullenMitKurzemExponenten)
{
    struct { double wert; const char* text; } faelle[] = {
        {76.24736908777679, "76.2474"}, {3500, "3500"}, {0.5, "0.5"}, {-0.001576, "-0.001576"},
        {123456.7, "123457"}, {999999.7, "1e6"}, {1234567, "1.23457e6"}, {2.06e11, "2.06e11"},
        {0.0001234567, "0.000123457"}, {1.5e-5, "1.5e-5"}, {-2.79154e-6, "-2.79154e-6"},
        {1e-300, "1e-300"}, {1e100, "1e100"}, {-0.0, "0"}, {0.0, "0"},
        {INFINITY, "inf"}, {-INFINITY, "-inf"}, {NAN, "nan"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(kv_sechsstellig(f.wert), f.text) << kv_kurz(f.wert);
        std::string s = "x = ";
        kv_sechsstellig_anhaengen(s, f.wert);
        EXPECT_EQ(s, std::string("x = ") + f.text);
    }
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
