// The shortest decimal that reads back as the same double, and its texts
// in plain, fixed and scientific notation: the bytes std::to_chars gives
// without a precision, without its tables for printing at a precision;
// and from the same digits the texts at a precision that printf gives.
// Knows nothing of GTK or GLib, so the WebAssembly module uses it too.
#pragma once
#include <cstdint>
#include <string>

// |wert| = ziffern * 10^exponent with as few digits as read back exactly,
// the nearest such decimal of them (the even one on a tie), no zero at the
// end of ziffern; 0 as {0, 0}.  For finite values.
struct KvDezimal {
    uint64_t ziffern;
    int exponent;
};
KvDezimal kv_kuerzeste(double wert);

// Its number of significant digits (1 for 0).
int kv_kuerzeste_stellen(double wert);

// Appends the shortest text, fixed or scientific whichever is shorter
// (fixed on a tie): "0.1", "3500", "1e-05", "-2.5e+300"; "inf", "-inf", "nan".
void kv_kuerzeste_anhaengen(std::string& s, double wert);

// Appends the shortest text in fixed notation: "0.00001", "3500", and a
// large value with all its integer digits.
void kv_kuerzeste_fest_anhaengen(std::string& s, double wert);

// Appends the text printf writes in the "C" locale for "%.<genauigkeit>f",
// "%.<genauigkeit>e" or "%.<genauigkeit>g" (art 'f', 'e' or 'g'), rounded
// as printf rounds the value's exact binary digits (ties to even), without
// printf.  False (s unchanged) where it cannot tell: non-finite values,
// precisions above 17, fixed texts of more than 2^64 units of the last
// place, and scientific ones of values so large or small that the doubles
// around lie a unit of the last place apart or more.
bool kv_gerundet_anhaengen(std::string& s, double wert, char art, int genauigkeit);
