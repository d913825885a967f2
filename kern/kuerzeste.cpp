#include "kuerzeste.h"

#include "zahlen.h"

// fmt's Dragonbox gives the digits; only its headers are used, nothing of
// its formatting.
#define FMT_HEADER_ONLY
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int stellen_von(uint64_t z)
{
    int n = 1;
    while (z >= 10) {
        z /= 10;
        ++n;
    }
    return n;
}

// 10^k for k from 0 to 19.
uint64_t zehner(int k)
{
    static constexpr uint64_t potenzen[] = {1,
                                            10,
                                            100,
                                            1000,
                                            10000,
                                            100000,
                                            1000000,
                                            10000000,
                                            100000000,
                                            1000000000,
                                            10000000000,
                                            100000000000,
                                            1000000000000,
                                            10000000000000,
                                            100000000000000,
                                            1000000000000000,
                                            10000000000000000,
                                            100000000000000000,
                                            1000000000000000000,
                                            10000000000000000000u};
    return potenzen[k];
}

// Appends z as n digits, zeros in front where it has fewer.
void ziffern_anhaengen(std::string& s, uint64_t z, int n)
{
    const size_t alt = s.size();
    s.resize(alt + static_cast<size_t>(n));
    for (size_t i = s.size(); i > alt; --i, z /= 10)
        s[i - 1] = static_cast<char>('0' + z % 10);
}

// inf and nan as to_chars writes them; false for a finite value.
bool nicht_endlich(std::string& s, double wert)
{
    if (std::isfinite(wert))
        return false;
    if (std::signbit(wert))
        s += '-';
    s += std::isnan(wert) ? "nan" : "inf";
    return true;
}

// Fixed notation of |wert| = d of n digits, sign written already.
void fest(std::string& s, double wert, KvDezimal d, int n)
{
    if (d.exponent >= 0) {
        // From 2^53 on, the digits with zeros behind may name another
        // integer than the value; the text then holds the value's own
        // integer digits, all exact (printf's are).
        if (std::fabs(wert) >= 9007199254740992.0) {
            s += kv_format("%.0f", std::fabs(wert));
            return;
        }
        ziffern_anhaengen(s, d.ziffern, n);
        s.append(static_cast<size_t>(d.exponent), '0');
    } else if (n + d.exponent > 0) {
        const uint64_t teiler = zehner(-d.exponent);
        ziffern_anhaengen(s, d.ziffern / teiler, n + d.exponent);
        s += '.';
        ziffern_anhaengen(s, d.ziffern % teiler, -d.exponent);
    } else {
        s += "0.";
        s.append(static_cast<size_t>(-d.exponent - n), '0');
        ziffern_anhaengen(s, d.ziffern, n);
    }
}

// x * 10^zehn * 2^zwei; false where it would not fit 128 bits.
bool skalieren(unsigned __int128& x, int zehn, int zwei)
{
    for (; zehn > 0; --zehn) {
        if (x > ~static_cast<unsigned __int128>(0) / 10)
            return false;
        x *= 10;
    }
    if (zwei >= 128 || (zwei > 0 && (x >> (128 - zwei)) != 0))
        return false;
    x <<= zwei;
    return true;
}

// The finite betrag >= 0 as m * 2^e2 exactly.
void zerlegen(double betrag, uint64_t& m, int& e2)
{
    uint64_t bits;
    std::memcpy(&bits, &betrag, sizeof bits);
    const int feld = static_cast<int>(bits >> 52);
    m = bits & ((uint64_t(1) << 52) - 1);
    e2 = -1074;
    if (feld != 0) {
        m |= uint64_t(1) << 52;
        e2 = feld - 1075;
    }
}

// Where the finite betrag >= 0 lies against n * 10^j exactly: -1 below, 0
// on it, 1 above; 2 where the integers to compare would exceed 128 bits.
int vergleichen(double betrag, uint64_t n, int j)
{
    uint64_t m = 0;
    int e2 = 0;
    zerlegen(betrag, m, e2);
    // m * 2^e2 against n * 10^j, both sides made integers.
    unsigned __int128 links = m, rechts = n;
    if (!skalieren(links, j < 0 ? -j : 0, e2 > 0 ? e2 : 0) || !skalieren(rechts, j > 0 ? j : 0, e2 < 0 ? -e2 : 0))
        return 2;
    return links < rechts ? -1 : links > rechts ? 1 : 0;
}

// The finite betrag >= 0 times 10^stellen (0 to 17) rounded to an integer
// q as printf rounds it (ties to even), from its exact binary digits;
// false where q would exceed 64 bits or the exact product 128.
bool fest_runden(double betrag, int stellen, uint64_t& q)
{
    uint64_t m = 0;
    int e2 = 0;
    zerlegen(betrag, m, e2);
    // Below 2^110: m below 2^53, 10^stellen (at most 17) below 2^57.
    unsigned __int128 x = static_cast<unsigned __int128>(m) * zehner(stellen);
    if (!skalieren(x, 0, e2 > 0 ? e2 : 0))
        return false;
    if (e2 < 0) {
        // From 2^-128 on it is below a half.
        const int weg = -e2;
        if (weg >= 128) {
            q = 0;
            return true;
        }
        const unsigned __int128 rest = x & ((static_cast<unsigned __int128>(1) << weg) - 1);
        const unsigned __int128 halb = static_cast<unsigned __int128>(1) << (weg - 1);
        x >>= weg;
        if (rest > halb || (rest == halb && (x & 1) != 0))
            ++x;
    }
    if (x > ~uint64_t(0))
        return false;
    q = static_cast<uint64_t>(x);
    return true;
}

// The finite betrag > 0 rounded to a multiple of 10^k as printf rounds its
// exact value (ties to even): q * 10^k, from its shortest digits d.  Where d
// has digits below 10^k, the rounding of d is that of the value: a halfway
// point between d and the value would be a shorter decimal in the value's
// rounding interval, or one as short and nearer, which the shortest digits
// would be; only on the halfway point itself do the exact binary digits
// decide.  Where d lies on the grid the value rounds to d if the doubles'
// spacing there is below 10^k (checked against 10^pruefstelle, no more
// than k).  False where neither can tell.
bool runden(double betrag, KvDezimal d, int k, int pruefstelle, uint64_t& q)
{
    if (d.exponent >= k) {
        int binaer = 0;
        std::frexp(betrag, &binaer);
        // 2 * spacing < 10^pruefstelle, in powers of two with room to spare.
        const int abstand = std::max(binaer - 53, -1074);
        if (!(abstand + 1 < pruefstelle * 3.321928094887362 - 1e-6) || d.exponent - k > 19)
            return false;
        q = d.ziffern * zehner(d.exponent - k);
        return true;
    }
    const int darunter = k - d.exponent;
    // At most 17 digits: all below half a unit of 10^k.
    if (darunter >= 18) {
        q = 0;
        return true;
    }
    const uint64_t teiler = zehner(darunter);
    q = d.ziffern / teiler;
    const uint64_t rest = d.ziffern % teiler;
    const int seite = rest < teiler / 2 ? -1 : rest > teiler / 2 ? 1 : vergleichen(betrag, d.ziffern, d.exponent);
    if (seite == 2)
        return false;
    if (seite > 0 || (seite == 0 && q % 2 == 1))
        ++q;
    return true;
}

// A text at a precision, written in place and appended at once: sign,
// up to 20 digits, point, up to 21 places and "e-308" fit.
struct Text {
    char z[64];
    int n = 0;
    void zeichen(char c) { z[n++] = c; }
    // q as stellen digits, zeros in front where it has fewer.
    void ziffern(uint64_t q, int stellen)
    {
        for (int i = n + stellen; i > n; q /= 10)
            z[--i] = static_cast<char>('0' + q % 10);
        n += stellen;
    }
    // q with nachkomma places after the point (none without any), "0"
    // before the point where its integer part is 0.
    void mit_punkt(uint64_t q, int nachkomma)
    {
        const uint64_t teiler = nachkomma < 20 ? zehner(nachkomma) : 0;
        const uint64_t ganz = teiler != 0 ? q / teiler : 0;
        ziffern(ganz, stellen_von(ganz));
        if (nachkomma > 0) {
            zeichen('.');
            ziffern(teiler != 0 ? q % teiler : q, nachkomma);
        }
    }
    // "e+05", "e-123": the exponent with its sign and at least two digits.
    void exponent(int e)
    {
        zeichen('e');
        zeichen(e < 0 ? '-' : '+');
        const int b = std::abs(e);
        ziffern(static_cast<uint64_t>(b), b >= 100 ? 3 : 2);
    }
    // As %g: without the zeros at the end of the places and a point left
    // alone.
    void nullen_streichen()
    {
        if (std::memchr(z, '.', static_cast<size_t>(n)) == nullptr)
            return;
        while (z[n - 1] == '0')
            --n;
        if (z[n - 1] == '.')
            --n;
    }
};

} // namespace

KvDezimal kv_kuerzeste(double wert)
{
    if (wert == 0)
        return {0, 0};
    const fmt::detail::dragonbox::decimal_fp<double> d = fmt::detail::dragonbox::to_decimal(wert);
    KvDezimal e{d.significand, d.exponent};
    // Dragonbox leaves zeros at the end on some of its paths.
    while (e.ziffern % 10 == 0) {
        e.ziffern /= 10;
        ++e.exponent;
    }
    return e;
}

int kv_kuerzeste_stellen(double wert)
{
    return stellen_von(kv_kuerzeste(wert).ziffern);
}

void kv_kuerzeste_anhaengen(std::string& s, double wert)
{
    if (nicht_endlich(s, wert))
        return;
    if (std::signbit(wert))
        s += '-';
    const KvDezimal d = kv_kuerzeste(wert);
    const int n = stellen_von(d.ziffern);
    // d.ddde+XX
    const int e = d.exponent + n - 1;
    const int wissenschaftlich = n + (n > 1 ? 1 : 0) + 2 + (std::abs(e) >= 100 ? 3 : 2);
    const int fest_laenge = d.exponent >= 0 ? n + d.exponent : n + d.exponent > 0 ? n + 1 : 2 - d.exponent;
    if (fest_laenge <= wissenschaftlich) {
        fest(s, wert, d, n);
        return;
    }
    const uint64_t teiler = zehner(n - 1);
    ziffern_anhaengen(s, d.ziffern / teiler, 1);
    if (n > 1) {
        s += '.';
        ziffern_anhaengen(s, d.ziffern % teiler, n - 1);
    }
    Text t;
    t.exponent(e);
    s.append(t.z, static_cast<size_t>(t.n));
}

void kv_kuerzeste_fest_anhaengen(std::string& s, double wert)
{
    if (nicht_endlich(s, wert))
        return;
    if (std::signbit(wert))
        s += '-';
    const KvDezimal d = kv_kuerzeste(wert);
    fest(s, wert, d, stellen_von(d.ziffern));
}

bool kv_gerundet_anhaengen(std::string& s, double wert, char art, int genauigkeit)
{
    if (!std::isfinite(wert) || genauigkeit < 0 || genauigkeit > 17 || (art != 'f' && art != 'e' && art != 'g'))
        return false;
    const double betrag = std::fabs(wert);
    uint64_t q = 0;
    Text t;
    if (std::signbit(wert))
        t.zeichen('-');
    if (art == 'f') {
        if (!fest_runden(betrag, genauigkeit, q))
            return false;
        t.mit_punkt(q, genauigkeit);
        s.append(t.z, static_cast<size_t>(t.n));
        return true;
    }
    // Significant digits after the first.
    const int p = art == 'g' ? std::max(genauigkeit, 1) - 1 : genauigkeit;
    int e = 0;
    if (betrag != 0) {
        const KvDezimal d = kv_kuerzeste(betrag);
        e = d.exponent + stellen_von(d.ziffern) - 1;
        // A value just below a power of ten whose shortest digits are that
        // power has one place less before the point: the spacing is
        // checked one place further down.
        if (!runden(betrag, d, e - p, e - p - 1, q))
            return false;
        if (q == zehner(p + 1)) {
            q /= 10;
            ++e;
        }
    }
    const bool fest = art == 'g' && e >= -4 && e <= p;
    t.mit_punkt(q, fest ? p - e : p);
    if (art == 'g')
        t.nullen_streichen();
    if (!fest)
        t.exponent(e);
    s.append(t.z, static_cast<size_t>(t.n));
    return true;
}
