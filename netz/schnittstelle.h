/* The engine as the browser calls it: a C interface exported from the
 * WebAssembly module under the names in quotes.  Texts are UTF-8 and end in
 * a zero byte; the caller writes its texts into memory from "speicher" and
 * hands it back with "freigeben".  A text returned stays valid until the
 * next call of the same function.  Plain C, no GLib. */
#pragma once
#include <stddef.h>

/* Exported from the module under that name; natively (the bench, the
 * tests) a plain function. */
#ifdef __wasm__
#define NETZ_EXPORT(name) __attribute__((export_name(name)))
#else
#define NETZ_EXPORT(name)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* "speicher", "freigeben": n bytes for a text passed in. */
char* netz_speicher(size_t n);
void netz_freigeben(char* p);

/* "beschreibungen": every calculator's fields, options, results, notes and
 * frames in window order, as one JSON array, in the language in use. */
const char* netz_beschreibungen(void);

/* The language of every text the calls below give, German ("de") until
 * "sprache" sets another (netz/sprachwahl.cpp, in the module only):
 * "sprachen" the codes there are as a JSON array, "de" first; "sprache"
 * sets one of them and gives 1, or German and 0 for any other code;
 * "uebersetzen" gives a German text of the catalogues in the language in
 * use (itself where the catalogue has none). */
const char* netz_sprachen(void);
int netz_sprache(const char* code);
const char* netz_uebersetzen(const char* deutsch);

/* Every call below returns what the command line returns: 0 done, 1
 * refused by the calculator (or no solution, no entry that passes), 2 wrong
 * use (an unknown program among them).  "meldung" is then the message the
 * command line writes after "maschinenelemente: ", empty after success.
 * Inputs are lines NAME=WERT, one a line, as the command line takes them
 * as words, each on top of the calculator's defaults; a field's text cannot
 * hold a line break here.  Each call empties the texts of the others. */

/* "rechnen": one computation.  "json" is the command line's JSON and
 * "bericht" its report (both empty after a refusal). */
int netz_rechnen(const char* programm, const char* zeilen);

/* "rechengang": the working of that computation as the calculation record
 * prints it (kv_rechengang_text) in "text": the steps with their formulas
 * and numbers, and the checks with their verdicts. */
int netz_rechengang(const char* programm, const char* zeilen);

/* "eingaben_lesen": an input set's text (as the windows and --eingaben read
 * it) as "zeilen": every field and option NAME=WERT, one a line, ending in a
 * line break.  A set refused gives 2 and the reader's reason in "meldung"
 * (the command line puts "Eingabesatz DATEI: " before it).  laenge is the
 * text's length in bytes: a set may hold a zero byte, which the reader
 * judges as the file reader does. */
int netz_eingaben_lesen(const char* programm, const char* satz, size_t laenge);

/* "eingaben_schreiben": the input set of these inputs as "text", byte for
 * byte what "maschinenelemente PROG NAME=WERT... --eingaben-schreiben -"
 * and the window's saving write. */
int netz_eingaben_schreiben(const char* programm, const char* zeilen);

/* "diagramm": the computation's diagram at breite x hoehe pixels (1 to
 * 10000 each) as "svg", written by the library-free SVG writer; a range
 * the plot refuses gives 2 with the window's message. */
int netz_diagramm(const char* programm, const char* zeilen, int breite, int hoehe);

/* "suchen": "--suche FELD ERGEBNIS=ZIEL [--bereich VON:BIS] --format json":
 * "json" as the command line prints it (with the search's object) and the
 * report of the inputs found in "bericht".  bereich "" is the range around
 * the field's text; feld "" is no search at all, as without --suche.
 * Where the window's "Zielwert suchen..." would not search or finds
 * nothing, "fenster" holds its dialog's text: a target that is no number
 * as the dialog reads it, a range bound that is none (with bereich "" the
 * dialog's range around the field's value, none when that is no number), a
 * search refused or without a solution. */
int netz_suchen(const char* programm, const char* zeilen, const char* feld, const char* ergebnis,
                const char* ziel, const char* bereich);

/* "kataloge": "--kataloge --format json" of the built-in tables (the
 * browser has no user tables); "" for an unknown program.  Stays valid
 * until its next call. */
const char* netz_kataloge(const char* programm);

/* "katalog": the inputs with entries applied as "--katalog TABELLE:EINTRAG"
 * applies them, as "zeilen" like "eingaben_lesen"; wahl holds one
 * TABELLE:EINTRAG a line, applied in order (a later entry may depend on an
 * earlier one). */
int netz_katalog(const char* programm, const char* zeilen, const char* wahl);

/* "auslegung": "--auslegung TABELLE" with the conditions ERGEBNIS>=WERT or
 * ERGEBNIS<=WERT (one a line): "text" as the report format prints it (the
 * entries tried and after a choice the chosen entry's report), "json" as
 * --format json prints it.  With no entry passing (1) both are still set. */
int netz_auslegung(const char* programm, const char* zeilen, const char* tabelle, const char* bedingungen);

/* The texts of the last call: "json", "bericht", "meldung", "text",
 * "zeilen", "svg". */
const char* netz_json(void);
const char* netz_bericht(void);
const char* netz_meldung(void);
const char* netz_text(void);
const char* netz_zeilen(void);
const char* netz_svg(void);

/* What the window shows after the last computation ("rechnen", "suchen",
 * "auslegung"): "fenster" its dialogs' texts in turn as a JSON array of
 * strings (none after a computation; for "suchen" see there); "feld" the
 * name of the field that is no number and "stelle" the 1-based position of
 * its first bad byte (empty and 0 otherwise). */
const char* netz_fenster(void);
const char* netz_feld(void);
int netz_stelle(void);

/* "texte": the windows' messages that no computation gives, in the
 * language in use, as one JSON object: "nicht_gerechnet" ("Speichern"
 * before "Rechnen"),
 * "fehler_bereich" (a plot range whose start is not below its end),
 * "fehler_oeffnen" (before the reason an input set is refused), "gefunden"
 * and "loesungen" (above one or n values a search found, after n). */
const char* netz_texte(void);

#ifdef __cplusplus
}
#endif
