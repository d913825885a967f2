// Shared by the calculators' fuzz targets: turns the fuzzer's bytes into the
// state of a window (option buttons and the texts of its fields) and runs the
// fields through the digit check and the conversion exactly as the window
// does when "Rechnen" is pressed.  No GTK: only the cores and kv_kern.
//
// Layout of an input:
//   line 1:        option bytes, one byte per option of the program (a
//                  missing byte counts as 0); readable seeds use '0', '1' ...
//   further lines: one field text each, in the window's order.  Lines end at
//                  '\n' or at a NUL byte, so every text is NUL-free, as an
//                  entry's text is.  Fields beyond the input keep their
//                  default text from the calculator's description, as in a
//                  freshly opened window.
// The locale is the environment's, as in the window: run the targets under
// LC_ALL=de_DE.UTF-8 to have a decimal comma where the C library is asked.
#pragma once
#include "fuzz_pruefen.h"
#include "rechner.h"
#include "zahlen.h"

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kv_fuzz {

// Every text the window shows or saves: never empty, never a NUL inside.
inline void text_pruefen(const std::string& t, const char* was)
{
    muss(!t.empty(), was);
    muss(t.find('\0') == std::string::npos, was);
}

class Fenster {
public:
    Fenster(const uint8_t* daten, size_t n, const KvRechner& r)
    {
        std::vector<std::string> zeilen(1);
        for (size_t i = 0; i < n; ++i) {
            if (daten[i] == '\n' || daten[i] == '\0')
                zeilen.emplace_back();
            else
                zeilen.back() += static_cast<char>(daten[i]);
        }
        optionen_ = zeilen[0];
        felder_ = kv_vorgaben(r).texte;
        for (size_t i = 1; i < zeilen.size() && i - 1 < felder_.size(); ++i)
            felder_[i - 1] = zeilen[i];
    }

    // Option k as one of `anzahl` choices (0 to anzahl - 1).
    unsigned option(size_t k, unsigned anzahl) const
    {
        const unsigned b = k < optionen_.size() ? static_cast<unsigned char>(optionen_[k]) : 0u;
        return b % anzahl;
    }

    // The text of field i.
    const char* text(size_t i) const { return felder_.at(i).c_str(); }

    // Fields von to von + n - 1 read, checked and converted into werte as
    // kv_gtk_felder_lesen does: false at the first field with a byte other
    // than a digit or a point, which refuses the whole computation.
    bool lesen(size_t von, size_t n, double* werte) const
    {
        for (size_t i = 0; i < n; ++i) {
            const char* t = text(von + i);
            if (kv_erste_fehlstelle(t) != 0)
                return false;
            werte[i] = kv_zahl_lesen(t);
        }
        return true;
    }

private:
    std::string optionen_;
    std::vector<std::string> felder_;
};

// The result fields: every value printed with the program's format, with a
// point as decimal separator whatever the locale.
inline void ergebnisse_schreiben(const double* werte, int n, const char* format)
{
    for (int j = 0; j < n; ++j) {
        const std::string t = kv_format(format, werte[j]);
        text_pruefen(t, "Ergebnisfeld");
        muss(t.find(',') == std::string::npos, "Dezimalpunkt im Ergebnisfeld");
    }
}

} // namespace kv_fuzz

// The desktop's locale, as gtk_init sets it for the window: under
// LC_ALL=de_DE.UTF-8 the C library alone would read and print commas.
// (Each fuzz target is one translation unit that includes this header.)
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kv_fuzz::ortsangaben_der_umgebung();
    return 0;
}
