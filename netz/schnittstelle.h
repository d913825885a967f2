/* The engine as the browser calls it: a C interface exported from the
 * WebAssembly module under the names in quotes.  Texts are UTF-8 and end in
 * a zero byte; the caller writes its texts into memory from "speicher" and
 * hands it back with "freigeben".  A text returned stays valid until the
 * next call of the same function.  Plain C, no GLib. */
#pragma once
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* "speicher", "freigeben": n bytes for a text passed in. */
char* netz_speicher(size_t n);
void netz_freigeben(char* p);

/* "beschreibungen": every calculator's fields, options, results, notes and
 * frames in window order, as one JSON array. */
const char* netz_beschreibungen(void);

/* "rechnen": one computation of the calculator named programm from its
 * defaults and the lines NAME=WERT, as the command line takes them.  Returns
 * what the command line returns: 0 computed, 1 refused by the calculator, 2
 * wrong use.  Then "json" is the command line's JSON and "bericht" its
 * report (both empty after a refusal), "meldung" the message it writes
 * after "maschinenelemente: " (empty after a computation). */
int netz_rechnen(const char* programm, const char* zeilen);
const char* netz_json(void);
const char* netz_bericht(void);
const char* netz_meldung(void);

/* What the window shows after the last "rechnen": "fenster" its dialogs'
 * texts in turn as a JSON array of strings (none after a computation);
 * "feld" the name of the field that is no number and "stelle" the 1-based
 * position of its first bad byte (empty and 0 otherwise). */
const char* netz_fenster(void);
const char* netz_feld(void);
int netz_stelle(void);

/* "texte": the windows' messages that no computation gives, as one JSON
 * object: "nicht_gerechnet" ("Speichern" before "Rechnen"),
 * "fehler_bereich" (a plot range whose start is not below its end),
 * "fehler_oeffnen" (before the reason an input set is refused), "gefunden"
 * and "loesungen" (above one or n values a search found, after n). */
const char* netz_texte(void);

/* Later beside these, with the same texts in and out: reading an input set
 * into NAME=WERT lines, the search for a target, the diagram as SVG. */

#ifdef __cplusplus
}
#endif
