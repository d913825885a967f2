// The messages every front-end shows around "Rechnen" and "Speichern": the
// windows' dialogs and the web page say the same.  Plain C++, no GTK.
#pragma once
#include <string>
#include <vector>

struct KvRechnung;

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

// "Stelle 3: keine Zahl\n": the 1-based position of the first bad byte.
std::string kv_stelle_text(int stelle);

// The dialogs a window shows for this outcome of "Rechnen", in turn: none
// after a computation, position and input error for a field that is no
// number, the calculator's own text for a refusal.
std::vector<std::string> kv_fenstermeldungen(const KvRechnung& rechnung);
