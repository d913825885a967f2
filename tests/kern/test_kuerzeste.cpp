// The shortest texts of a double held against std::to_chars byte for byte,
// over every kind of double, and the texts at a precision rounded from them
// against printf: the WebAssembly module prints with the same code and has
// no to_chars of its own to compare with, and a slow printf.
#include "kuerzeste.h"
#include "zahlen.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

// Rounds of the random runs: a fifth under the sanitizers, where each costs
// several times as much; the runs over every binade and power of ten stay whole.
constexpr int runden(int n)
{
#ifdef KV_MIT_SANITIZERN
    return n / 5;
#else
    return n;
#endif
}

double aus_bits(uint64_t b)
{
    double x;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

std::string mit_to_chars(double x, std::chars_format f, int genauigkeit = -1)
{
    std::string s(400, '\0');
    const std::to_chars_result r = genauigkeit < 0 ? std::to_chars(s.data(), s.data() + s.size(), x, f)
                                                   : std::to_chars(s.data(), s.data() + s.size(), x, f, genauigkeit);
    s.resize(static_cast<size_t>(r.ptr - s.data()));
    return s;
}

std::string schlicht_to_chars(double x)
{
    std::string s(400, '\0');
    const std::to_chars_result r = std::to_chars(s.data(), s.data() + s.size(), x);
    s.resize(static_cast<size_t>(r.ptr - s.data()));
    return s;
}

// Counts the values whose texts differ and reports the first few.
class Vergleich {
public:
    void pruefen(double x)
    {
        ++anzahl_;
        std::string s;
        kv_kuerzeste_anhaengen(s, x);
        melden(x, "schlicht", schlicht_to_chars(x), s);
        s.clear();
        kv_kuerzeste_fest_anhaengen(s, x);
        melden(x, "fest", mit_to_chars(x, std::chars_format::fixed), s);
        if (std::isfinite(x)) {
            const std::string w = mit_to_chars(x, std::chars_format::scientific);
            int stellen = 0;
            for (size_t i = 0; i < w.size() && w[i] != 'e'; ++i)
                stellen += w[i] >= '0' && w[i] <= '9';
            melden(x, "Stellen", std::to_string(stellen), std::to_string(kv_kuerzeste_stellen(x)));
        }
    }
    void pruefen_mit_nachbarn(double x)
    {
        pruefen(x);
        pruefen(std::nextafter(x, 0.0));
        pruefen(std::nextafter(x, std::numeric_limits<double>::infinity()));
        pruefen(-x);
    }
    ~Vergleich() { EXPECT_EQ(fehler_, 0) << "von " << anzahl_ << " Werten"; }

private:
    void melden(double x, const char* art, const std::string& soll, const std::string& ist)
    {
        if (soll == ist)
            return;
        if (++fehler_ <= 10)
            ADD_FAILURE() << art << " " << std::hexfloat << x << ": to_chars " << soll << ", hier " << ist;
    }
    long anzahl_ = 0;
    long fehler_ = 0;
};

TEST(Kuerzeste, ZufaelligeBitmusterAllerBinaden)
{
    // Every exponent field alike, subnormals, infinities and NaNs included.
    std::mt19937_64 z(20261210);
    Vergleich v;
    for (int i = 0; i < runden(2000000); ++i)
        v.pruefen(aus_bits(z()));
}

TEST(Kuerzeste, GanzeZahlenUndZehnerpotenzen)
{
    std::mt19937_64 z(7);
    Vergleich v;
    for (int i = 0; i < runden(500000); ++i) {
        v.pruefen(static_cast<double>(z() >> (z() % 64)));  // integers of every length
        v.pruefen(static_cast<double>(z() % 100000));
    }
    // Around 2^53, where integers stop being exact, and the large ones
    // whose digits with zeros behind name another integer.
    for (uint64_t n = (uint64_t(1) << 53) - 1000; n < (uint64_t(1) << 53) + 1000; ++n)
        v.pruefen(static_cast<double>(n));
    for (int e = -325; e <= 309; ++e) {
        v.pruefen_mit_nachbarn(std::pow(10.0, e));
        for (int m = 1; m < 10; ++m)
            v.pruefen_mit_nachbarn(std::strtod((std::to_string(m) + "e" + std::to_string(e)).c_str(), nullptr));
    }
}

TEST(Kuerzeste, GrenzenDerBinaden)
{
    // At 2^n the gap below is half the gap above: the shortest decimal may
    // lie on the side of the larger gap.
    Vergleich v;
    for (int n = -1074; n <= 1023; ++n) {
        const double x = std::ldexp(1.0, n);
        v.pruefen_mit_nachbarn(x);
        v.pruefen(std::nextafter(std::nextafter(x, 0.0), 0.0));
    }
    v.pruefen_mit_nachbarn(std::numeric_limits<double>::max());
    v.pruefen_mit_nachbarn(std::numeric_limits<double>::min());
    v.pruefen_mit_nachbarn(std::numeric_limits<double>::denorm_min());
    v.pruefen(0.0);
    v.pruefen(-0.0);
}

TEST(Kuerzeste, HalbeWegeUndSubnormale)
{
    std::mt19937_64 z(31);
    Vergleich v;
    for (int i = 0; i < runden(500000); ++i) {
        // Exact binary fractions ending in 5: halfway between two shorter
        // decimals, where the even one is taken.
        v.pruefen_mit_nachbarn(std::ldexp(static_cast<double>(z() % 2000001), -static_cast<int>(z() % 60)));
        // Subnormals: exponent field 0.
        v.pruefen(aus_bits(z() & ((uint64_t(1) << 52) - 1)));
    }
}

TEST(Kuerzeste, PrintfWieToCharsMitGenauigkeit)
{
    // The texts at a precision come from printf in the "C" locale; to_chars
    // gives the same by its definition, checked here for the three used.
    std::mt19937_64 z(5);
    long fehler = 0;
    for (int i = 0; i < runden(300000) && fehler < 10; ++i) {
        const double x = aus_bits(z());
        if (!std::isfinite(x))
            continue;
        const int p = static_cast<int>(z() % 17);
        const std::string e = "%." + std::to_string(p) + "e";
        for (const auto& [soll, ist] :
             {std::pair{mit_to_chars(x, std::chars_format::general, 6), kv_format("%.6g", x)},
              std::pair{mit_to_chars(x, std::chars_format::scientific, p), kv_format(e.c_str(), x)},
              std::pair{mit_to_chars(x, std::chars_format::fixed, 2), kv_format("%.2f", x)}}) {
            if (soll != ist) {
                ++fehler;
                ADD_FAILURE() << std::hexfloat << x << ": to_chars " << soll << ", printf " << ist;
            }
        }
    }
}

// kv_format_ohne_printf held against printf (kv_format natively) for the
// formats drawn; counts the values it leaves to printf.
class GerundetVergleich {
public:
    void pruefen(const std::string& format, double x)
    {
        std::string ist = "alt";
        if (!kv_format_ohne_printf(ist, format.c_str(), x)) {
            ++abgegeben_;
            EXPECT_EQ(ist, "alt") << format;
            return;
        }
        const std::string soll = "alt" + kv_format(format.c_str(), x);
        if (ist != soll && ++fehler_ <= 10)
            ADD_FAILURE() << format << " " << std::hexfloat << x << ": printf " << soll << ", hier " << ist;
    }
    // One of %.Pf, %.Pe, %.Pg with P from 0 to 17, drawn.
    void gezogen(std::mt19937_64& z, double x)
    {
        pruefen(std::string("%.") + std::to_string(z() % 18) + "feg"[z() % 3], x);
    }
    long abgegeben() const { return abgegeben_; }
    ~GerundetVergleich() { EXPECT_EQ(fehler_, 0); }

private:
    long fehler_ = 0;
    long abgegeben_ = 0;
};

TEST(Kuerzeste, GerundetWiePrintf)
{
    std::mt19937_64 z(20261211);
    GerundetVergleich v;
    std::uniform_real_distribution<double> eins(0, 1);
    for (int i = 0; i < runden(400000); ++i) {
        // Every binade, and values as the calculators meet them.
        v.gezogen(z, aus_bits(z()));
        const double x = (z() % 2 ? -1 : 1) * eins(z) * std::pow(10.0, static_cast<int>(z() % 30) - 15);
        v.gezogen(z, x);
        v.gezogen(z, std::nextafter(x, 0.0));
        // Short decimals ending in 5, halfway at one place less ("2.345"
        // to two places): the binary digits decide; and exact binary
        // halves, where printf takes the even digit.
        const int stellen = static_cast<int>(z() % 8);
        const std::string dezimal = std::to_string(z() % 100000) + "." + std::to_string(z() % 10000000 + 10000000).substr(8 - stellen) + "5";
        const double h = std::strtod(dezimal.c_str(), nullptr);
        for (const char art : {'f', 'e', 'g'})
            v.pruefen(std::string("%.") + std::to_string(stellen + (art == 'f' ? 0 : 4)) + art, h);
        const double halb = std::ldexp(static_cast<double>(z() % 100000), -static_cast<int>(z() % 20));
        v.pruefen("%." + std::to_string(z() % 20) + "f", halb);
        v.gezogen(z, halb);
    }
    // Around powers of ten: a carry into a new digit and the change of form.
    for (int e = -320; e <= 308; ++e) {
        const double p = std::pow(10.0, e);
        for (const double x : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e308), p * 0.99999951, p * 0.9999995})
            for (int g = 0; g <= 17; ++g)
                for (const char art : {'f', 'e', 'g'})
                    v.pruefen(std::string("%.") + std::to_string(g) + art, x);
    }
    for (const double x : {0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 1e15, 123456789012.5})
        for (int g = 0; g <= 17; ++g)
            for (const char art : {'f', 'e', 'g'})
                v.pruefen(std::string("%.") + std::to_string(g) + art, x);
    // Left to printf: flags, other conversions, a second "%", a precision
    // beyond 17, values not finite.
    std::string s;
    for (const char* f : {"%07.3f", "%-7.3f", "%+.3f", "%#.3g", "% .3f", "%d", "%5.2f%%", "%.18e", "%Lf", "%a", "%E"})
        EXPECT_FALSE(kv_format_ohne_printf(s, f, 1.25)) << f;
    for (const double x : {std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_FALSE(kv_format_ohne_printf(s, "%.3f", x));
    EXPECT_EQ(s, "");
}

TEST(Kuerzeste, DieFormateDerRechnerOhnePrintf)
{
    // The calculators' formats for values as they compute them: never left
    // to printf, else the module would be slow again.
    std::mt19937_64 z(11);
    GerundetVergleich v;
    std::uniform_real_distribution<double> eins(-1, 1);
    for (int i = 0; i < runden(100000); ++i) {
        const double x = eins(z) * std::pow(10.0, static_cast<int>(z() % 24) - 12);
        for (const char* f : {"%7.5lf", "%10.6lf", "%7.5g", "%.8lf", "%.5lf", "%.2f", "%.3g", "%.6g",
                              "Qualitaet / 1:   %7.1lf\n", "di1: %7.5lf\n"})
            v.pruefen(f, x);
    }
    EXPECT_EQ(v.abgegeben(), 0);
}

} // namespace
