#include "kuerzeste.h"

// fmt's Dragonbox gives the digits; only its headers are used, nothing of
// its formatting.
#define FMT_HEADER_ONLY
#include <fmt/format.h>

#include <cmath>
#include <cstdio>

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

// Fixed notation of |wert| = d, sign written already.
void fest(std::string& s, double wert, KvDezimal d)
{
    const std::string z = std::to_string(d.ziffern);
    const int n = static_cast<int>(z.size());
    if (d.exponent >= 0) {
        // From 2^53 on, the digits with zeros behind may name another
        // integer than the value; the text then holds the value's own
        // integer digits, all exact (printf's are).
        if (std::fabs(wert) >= 9007199254740992.0) {
            const int laenge = std::snprintf(nullptr, 0, "%.0f", std::fabs(wert));
            std::string ganz(static_cast<size_t>(laenge) + 1, '\0');
            std::snprintf(ganz.data(), ganz.size(), "%.0f", std::fabs(wert));
            s.append(ganz, 0, static_cast<size_t>(laenge));
            return;
        }
        s += z;
        s.append(static_cast<size_t>(d.exponent), '0');
    } else if (n + d.exponent > 0) {
        s.append(z, 0, static_cast<size_t>(n + d.exponent));
        s += '.';
        s.append(z, static_cast<size_t>(n + d.exponent));
    } else {
        s += "0.";
        s.append(static_cast<size_t>(-d.exponent - n), '0');
        s += z;
    }
}

} // namespace

KvDezimal kv_kuerzeste(double wert)
{
    if (wert == 0)
        return {0, 0};
    const fmt::detail::dragonbox::decimal_fp<double> d = fmt::detail::dragonbox::to_decimal(wert);
    KvDezimal e{d.significand, d.exponent};
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
        fest(s, wert, d);
        return;
    }
    const std::string z = std::to_string(d.ziffern);
    s += z[0];
    if (n > 1) {
        s += '.';
        s.append(z, 1);
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
    fest(s, wert, kv_kuerzeste(wert));
}
