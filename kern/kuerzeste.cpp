#include "kuerzeste.h"

#include "zahlen.h"

// fmt's Dragonbox gives the digits; only its headers are used, nothing of
// its formatting.
#define FMT_HEADER_ONLY
#include <fmt/format.h>

#include <cmath>

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

uint64_t zehner(int k)
{
    uint64_t p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
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
    s += e < 0 ? "e-" : "e+";
    const int b = std::abs(e);
    if (b >= 100)
        s += static_cast<char>('0' + b / 100);
    s += static_cast<char>('0' + b / 10 % 10);
    s += static_cast<char>('0' + b % 10);
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
