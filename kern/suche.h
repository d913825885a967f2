// Sizing: the value of one number field for which one result reaches a
// target, found by computing the calculator again and again from its
// description.  Every trial is a press of "Rechnen" on the window's inputs
// with the field's text changed (kv_rechnen: the same digit check,
// conversion and refusals), and every value tried or found is a field text
// of digits and one point, so what is found is what a user could type.
// Plain C++, no GTK.
#pragma once
#include "rechner.h"

#include <string>
#include <vector>

// What is sought: result `ergebnis` equal to `ziel`, by changing field
// `feld` within von..bis.
struct KvSuche {
    int feld = -1;
    int ergebnis = -1;
    double ziel = 0;
    double von = 0, bis = 0;
};

struct KvLoesung {
    std::string text; // the field's text
    double wert;      // its value as read
    double ergebnis;  // the result computed from it
};

enum class KvSuchstatus {
    gefunden,      // loesungen holds one or more, in increasing order
    keine_loesung, // no value in the range reaches the target
    verweigert,    // the search makes no sense; meldung says why
};

struct KvSuchergebnis {
    KvSuchstatus status = KvSuchstatus::verweigert;
    std::string meldung; // keine_loesung, verweigert: one sentence in the reader's language
    std::vector<KvLoesung> loesungen;
    bool ergebnisse_gesehen = false; // a finite result was computed in the range
    double kleinstes = 0, groesstes = 0;
    long rechnungen = 0; // computations made
};

// The field and result of those names, as a search can use them with these
// options; "" when they can, else why not (the index is -1 then).
std::string kv_suchfeld(const KvRechner& r, const int* optionen, const std::string& name, int& feld);
std::string kv_suchergebnis(const KvRechner& r, const int* optionen, const std::string& name,
                            int& ergebnis);

// The range offered when none is given: a tenth to ten times the value.
void kv_suchbereich_vorgabe(double wert, double& von, double& bis);

// Searches from the inputs e (the field's own text is not read).  Scans the
// range for sign changes of result minus target (evenly, or by equal factors
// when it spans more than a decade; points the calculator refuses or that
// give no finite result are left out), converges in each bracket with
// TOMS 748 and takes the shortest field text in it whose result the window
// shows as it shows the target (the result's format); where there is none,
// the shortest whose result is as close to the target as the converged
// bracket's.
KvSuchergebnis kv_suchen(const KvRechner& r, const KvEingaben& e, const KvSuche& s);

// The search's field and result for messages: `l1 (Knicklaenge L1 / mm)`.
std::string kv_such_name(const KvEingabe& f);
std::string kv_such_name(const KvAusgabe& a);
