// How a step ends, the same from a calculator's core through every
// front-end: a status and, when it did not succeed, the message in German.
// The command line returns the status as its exit status, the web module as
// its answer; the windows show the message in their dialogs.  No step
// throws.  Plain C++.
#pragma once
#include <string>

// Done (0); refused by the calculator, no solution in the range, nothing
// that passes, or an output that could not be written (1); wrong use: a
// field that is no number, an unknown name, an option or a value that does
// not fit (2).
enum class KvStatus { berechnet = 0, verweigert = 1, abgelehnt = 2 };

// A step that did not succeed; a default one is none:
//   if (KvFehler f = schritt()) return f;
struct KvFehler {
    KvStatus status = KvStatus::berechnet;
    std::string meldung;
    explicit operator bool() const { return status != KvStatus::berechnet; }
};

// Every line break of a text as ": ".
std::string kv_einzeilig(std::string text);

// Wrong use, told in one line.
KvFehler kv_abgelehnt(std::string meldung);
KvFehler kv_verweigert(std::string meldung);
// Either, by status: wrong use in one line, the others as they are.
KvFehler kv_fehler(KvStatus status, std::string meldung);

// The number the command line returns and the web module answers.
inline int kv_status_zahl(KvStatus s) { return static_cast<int>(s); }
