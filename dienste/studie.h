// A parameter study: fields varied over evenly spaced values, several of
// them as a grid of every combination, the last one varying fastest.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct KvVariation {
    int feld;          // index of the varied field
    std::string name;
    std::string von_text, bis_text;
    double von = 0, bis = 0;
    uint64_t anzahl = 1;
    // The k-th of the evenly spaced values, both ends exact.
    double wert(uint64_t k) const;
};

// Splits "NAME=VON:BIS:ANZAHL"; false when the form is wrong or ANZAHL is
// not a whole number of at least 1 (VON and BIS are checked by the caller).
bool kv_variation_zerlegen(const std::string& text, KvVariation& v);

// Number of points of the grid; 0 when it exceeds what can be counted.
uint64_t kv_studie_punkte(const std::vector<KvVariation>& v);

// Calls punkt(werte) for every point of the grid, in order, until it
// returns false.
template <typename F>
void kv_studie_durchlaufen(const std::vector<KvVariation>& v, F punkt)
{
    std::vector<uint64_t> k(v.size(), 0);
    std::vector<double> werte(v.size());
    for (size_t j = 0; j < v.size(); ++j)
        werte[j] = v[j].wert(0);
    for (;;) {
        if (!punkt(werte))
            return;
        size_t j = v.size();
        while (j > 0) {
            --j;
            if (++k[j] < v[j].anzahl) {
                werte[j] = v[j].wert(k[j]);
                break;
            }
            k[j] = 0;
            werte[j] = v[j].wert(0);
            if (j == 0)
                return;
        }
        if (v.empty())
            return;
    }
}
