// Reading and printing numbers with the point as decimal separator,
// whatever locale the desktop has switched the C library to.
// Knows nothing of GTK, so the calculators' cores and their tests can use it.
#pragma once
#include <string>

// 0 when every byte of the text is a digit 0-9 or a point (also the empty
// text); otherwise the 1-based position of the first other byte.  Bytes of
// 0x80 and above (any non-ASCII character) are rejected.
int kv_erste_fehlstelle(const char* text);

// The value of the longest valid prefix, as atof reads it in the "C" locale:
// "1.2.3" gives 1.2, "." and "" give 0.
double kv_zahl_lesen(const char* text);

// The whole text as one finite number, read in the "C" locale: an optional
// "-", digits with at most one point, an optional exponent ("1e3", ".5",
// "-2.5E-3"); no blanks, no "+" in front, no hexadecimal, no "inf" or "nan".
// False (wert unchanged) otherwise.
bool kv_zahl_ganz_lesen(const std::string& text, double& wert);

// printf-style formatting of one value in the "C" locale, of any length.
std::string kv_format(const char* format, double wert);

// The same text without printf where the format's one conversion is
// %[width][.precision][l]f, e or g without flags, with text around it that
// holds no other "%", and the digits of kv_gerundet_anhaengen (kuerzeste.h)
// can tell it: appended, true.  False (s unchanged) otherwise.  The
// WebAssembly module formats so: its C library's printf computes in a
// software long double.
bool kv_format_ohne_printf(std::string& s, const char* format, double wert);

// Appends the shortest text that reads back as the same double, with a
// point ("0.1", "3500", "1e-05"); non-finite values as "inf", "-inf", "nan".
void kv_kurz_anhaengen(std::string& s, double wert);
std::string kv_kurz(double wert);

// The value to six significant digits, as a checker reads the working of a
// calculation record: "76.2474", "0.000123457", "3500", "1.5e-5",
// "2.06e11".  Trailing zeros are dropped; the exponent form, where %g takes
// it (below 1e-4, from 1e6 on), is written without "+" and leading zeros,
// as the formulas write their constants ("1e9"); either zero is "0";
// non-finite values as "inf", "-inf", "nan".
void kv_sechsstellig_anhaengen(std::string& s, double wert);
std::string kv_sechsstellig(double wert);

// The shortest text of digits and at most one point that reads back as the
// same double ("0.00001", "3500", "12.5"): what a field takes and the digit
// check accepts.  For finite values of at least 0.
std::string kv_feldtext(double wert);
