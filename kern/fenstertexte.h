// The messages every front-end shows around "Rechnen" and "Speichern": the
// windows' dialogs and the web page say the same.  Plain C++, no GTK.  The
// texts below are the German message ids (given in the reader's language by
// _() where shown); the functions give their texts in the reader's language.
#pragma once
#include <string>
#include <vector>

struct KvRechnung;
struct KvSuchergebnis;

// "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n"
extern const char* const KV_NEU_RECHNEN;
// A field with a byte other than a digit or a point, after the position.
extern const char* const KV_FEHLER_EINGABE;
// A plot range whose start is not below its end.
extern const char* const KV_FEHLER_BEREICH;
// "Speichern" before a computation.
extern const char* const KV_NICHT_GERECHNET;

// An input set refused, before the reader's reason.
extern const char* const KV_FEHLER_OEFFNEN;
// Above the values a search found, before the first one is put in: one,
// and n > 1 after the number.
extern const char* const KV_GEFUNDEN;
extern const char* const KV_LOESUNGEN;

// "Zielwert suchen...": what is typed into it is no number, the search is
// refused, or no value in the range reaches the target.  Each before what
// is wrong.
extern const char* const KV_FEHLER_ZIELWERT;
extern const char* const KV_FEHLER_SUCHBEREICH;
extern const char* const KV_SUCHE_NICHT_MOEGLICH;
extern const char* const KV_ZIELWERT_NICHT_ERREICHT;

// "Stelle 3: keine Zahl\n": the 1-based position of the first bad byte.
std::string kv_stelle_text(int stelle);
// Above n > 1 values a search found: "3 Loesungen, die erste ist eingesetzt:".
std::string kv_loesungen_text(size_t n);

// The dialogs a window shows for this outcome of "Rechnen", in turn: none
// after a computation, position and input error for a field that is no
// number, the calculator's own text for a refusal.
std::vector<std::string> kv_fenstermeldungen(const KvRechnung& rechnung);

// The target as "Zielwert suchen..." reads it: the whole text one number as
// C++ writes a double ("1e3", ".5", "-inf", "nan"; no blanks, no "+").
// Empty when wert holds it, else the dialog's text.
std::string kv_zielwert_meldung(const std::string& ziel, double& wert);
// A bound of the search's range (name: "von", "bis", given in the reader's
// language) as a field reads it: digits
// and one point.  Empty when wert holds it, else the dialog's text.
std::string kv_suchgrenze_meldung(const std::string& text, const char* name, double& wert);
// The dialog's text after a search: empty when it found a value.
std::string kv_suchmeldung(const KvSuchergebnis& g);
