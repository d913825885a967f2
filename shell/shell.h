// The calculator shell shared by all five programs: start-up, window frame,
// action bar, numeric fields, message dialogs and the save-as-report flow.
// Each program describes itself in one KvProgramm and hands it to kv_main.
#pragma once
#include "diagramm.h"
#include "katalog.h"
#include "nachweis.h"
#include "rechner.h"
#include "sprache.h"

#include <gtk/gtk.h>
#include <optional>
#include <string>
#include <vector>

// Orientation of a layout box.
enum KvBoxArt { KV_HORIZONTAL, KV_VERTIKAL };

// The widgets of a calculator's window, in the order of its description:
// one entry per field (the class box's entry for a text field with a list),
// per option either one radio button per value or a single check button
// (values "nein", "ja"); the read-only entry of each result, and the label
// of each note.
struct KvEingabeWidgets {
    std::vector<GtkWidget*> felder;
    std::vector<std::vector<GtkWidget*>> optionen;
    std::vector<GtkWidget*> ergebnisse = {};
    std::vector<GtkWidget*> hinweise = {};
};

// Where a window keeps the fields of one of its panels as the last press of
// "Rechnen" read them: the texts (c_box_...) and the values (d_box_...) of
// anzahl fields, in the order of the description; a text field has none
// (both nullptr).
struct KvFeldgruppe {
    const char** c_box;
    double* d_box;
    int anzahl;
};

// An entry of the menu bar beyond the usual ones: in the menu of that name
// (a new one before "Hilfe" when there is none yet), with its shortcut.
struct KvMenuepunkt {
    const char* menue;  // "Berechnung", "Ansicht", ...
    const char* text;   // with "_" before the mnemonic letter
    int (*handler)();
    guint taste = 0;    // e.g. GDK_d; 0: none
    GdkModifierType umschalter = GdkModifierType(0);
};

// What a calculator supplies to the shell.
struct KvProgramm {
    // Its fields, options and results; its name (one lower-case word) forms
    // every picture name, its title is the window's.
    const KvRechner* rechner;
    const char* info_text; // shown by "Info"
    // Six-box window with the input frame: orientation of boxes 0 to 2 and
    // which boxes get a border of 5.  Seven-box window (disc springs): no
    // input frame, box 3 horizontal, the rest vertical.
    int anzahl_boxen = 6;
    KvBoxArt box_art[3] = {KV_HORIZONTAL, KV_HORIZONTAL, KV_VERTIKAL};
    bool rand[7] = {false, false, false, true, true, true, false};
    // Panel builders called before the action bar (input and option panels).
    void (*eingabe_panels[5])() = {};
    int (*ergebnisse)() = nullptr;         // result panel
    void (*nach_ergebnissen)() = nullptr;  // seven-box window: builders after the results
    void (*eigene_signale)() = nullptr;    // the calculator's own "clicked" connections
    int (*berechen)() = nullptr;           // kv_c_berechen, with kv_gtk_rechnen
    // Its panels' fields in the order of the description, and where the
    // window keeps its results (d_box_ergebnisse), for kv_gtk_rechnen.
    std::vector<KvFeldgruppe> felder = {};
    double* d_box_ergebnisse = nullptr;
    // A refusal of the calculator is an input error (an error dialog, and
    // "Rechnen" ends with -1), not a notice.
    bool verweigerung_ist_eingabefehler = false;
    bool beenden_tooltip = true;           // every program but the disc springs
    int action_bar_box = 3;                // slot of the action bar
    void (*vor_fenster)() = nullptr;       // before the window frame is built
    int (*nach_fenster)() = nullptr;       // after it, before the main loop
    // The widgets of its fields, options, results and notes.
    void (*eingabe_widgets)(KvEingabeWidgets& w) = nullptr;
    std::vector<KvMenuepunkt> menuepunkte = {}; // its own menu entries
    std::vector<const char*> bilder = {};       // its pictures beyond icon and buttons
};

// Program-wide state of the shell.
extern GtkWidget* window_main;
extern GtkWidget* Pack_Box[7];
extern GtkWidget* pButton_rechnen;
extern GtkWidget* pButton_speichern;
extern GtkWidget* pButton_info;
extern GtkWidget* pButton_ende;
extern GtkTooltips* TT_pButton_rechnen;
extern GtkTooltips* TT_pButton_speichern;
extern GtkTooltips* TT_pButton_info;
extern GtkTooltips* TT_pButton_ende;
// The window holds Fenster_Box: the menu bar above the calculator's own top
// box (Pack_Box[5], or Pack_Box[6] for the seven-box window).
extern GtkWidget* Fenster_Box;
extern GtkWidget* Menue_Leiste;
extern GtkAccelGroup* Tasten;
extern int gerechnet;
extern int iret;
extern int dret;
extern std::string kompl_name;
extern const char* std_verzeichnis;

// Start-up: initialise the toolkit, build the window, open the input set
// named on the command line, run the main loop.
int kv_main(const KvProgramm& programm, int argc, char** argv);
// The window without toolkit initialisation and main loop (for tests too).
// A program with no result panel of its own gets the window its
// description gives (kv_programm_aus_beschreibung).
int kv_gtk_fenster_erzeugen(const KvProgramm& programm);
// The program p with the window built from its description alone: input
// frames, options, results and notes, "Rechnen" through kv_gtk_rechnen
// (fenster_aus_beschreibung.cpp).
KvProgramm kv_programm_aus_beschreibung(const KvProgramm& p);
// The command line left after the toolkit's options: argv[0] and the names
// given (after "--" anything is a name), ending in a null pointer; false
// with the message for an option neither the toolkit nor the program knows.
bool kv_fenster_aufruf_pruefen(int argc, char** argv, std::vector<char*>& rest, std::string& fehler);
// The window and, once the main loop runs, the input set argv[1] if given
// (the toolkit has taken its own options out of argv by then).
int kv_gtk_starten(const KvProgramm& programm, int argc, char** argv);

// The menu bar with its shortcuts (menue.cpp): Datei, Berechnung, Hilfe and
// the program's own entries.
GtkWidget* kv_gtk_menue_leiste();
// Adds an entry; for menus a program or another part of the shell adds later.
GtkWidget* kv_gtk_menuepunkt(const KvMenuepunkt& punkt);
// "Ansicht" > "Diagramm" (Ctrl+D) for a program with a diagram, and the
// diagram window following every computation (diagramm_ansicht.cpp).
void kv_gtk_diagramm_anbinden();
int kv_c_diagramm_zeigen();
// The last completed computation (letzte_rechnung.cpp): kept by
// kv_gtk_rechnen; its inputs, with the plot's fields as they stand now, its
// report and when it was made; nothing before one.
void kv_gtk_letzte_rechnung_merken(const KvEingaben& e, const KvStand& stand, const KvRechnung& rechnung);
void kv_gtk_letzte_rechnung_vergessen();
std::optional<KvEingaben> kv_gtk_letzte_eingaben();
std::string kv_gtk_letzter_bericht();
KvNachweisAngaben kv_gtk_letzte_rechnung_zeit();

// "Berechnung" > "Zielwert suchen..." (Ctrl+G, zielwert.cpp): which value
// of a number field gives a wanted result.  The dialog offers the results
// and number fields of the window's current mode (each combo's entries are
// the description's indexes in ergebnisse and felder), the target (first
// the result at the window's inputs) and the range VON..BIS (a tenth to ten
// times the field's value).
struct KvZielwertDialog {
    GtkWidget* dialog;
    GtkWidget* ergebnis; // combo
    GtkWidget* ziel;
    GtkWidget* feld;     // combo
    GtkWidget* von;
    GtkWidget* bis;
    GtkWidget* loesungen; // label: the values found by the last search
    GtkWidget* abbrechen; // "Abbrechen", "Schliessen" after a search found one
    std::vector<int> ergebnisse, felder;
};
// Builds the dialog over window_main, not yet shown; it lives as long as
// its widget.
KvZielwertDialog* kv_gtk_zielwert_dialog();
// "Suchen": the first value found goes into its field as if typed and
// "Rechnen" is clicked; several are listed.  False after a message over the
// dialog (a bad target or range, a refused search, none in the range), and
// then nothing in the window changed.
bool kv_gtk_zielwert_suchen(KvZielwertDialog& z);
int kv_c_zielwert_suchen(); // the menu entry: runs the dialog until closed

// "Berechnung" > "Katalog..." (Ctrl+K, katalog_dialog.cpp), in a calculator
// that has catalogues: a table (built-in ones, then the user's), one of its
// entries, what it sets to which texts, the table's file and source.
struct KvKatalogDialog {
    GtkWidget* dialog;
    GtkWidget* tabelle;   // combo, in the order of kataloge.tabellen
    GtkWidget* eintrag;   // combo, the table's entries in table order
    GtkWidget* felder;    // label: the fields the entry sets, or why it cannot
    GtkWidget* quelle;    // text view: the table's file and provenance
    GtkWidget* abgelehnt; // label: the user tables refused, with file, line and reason
    GtkWidget* bedingungen; // entry: ERGEBNIS>=WERT ... of a design, blank-separated
    GtkWidget* kennwert;    // entry: the table's Kennwert (an oil's nu100), insensitive without one
    GtkWidget* kennwert_beschriftung; // its caption, after the table's Kennwert
    KvKataloge kataloge;
};
// The dialog's answer for "Auslegen".
constexpr int KV_ANTWORT_AUSLEGEN = 1;
bool kv_gtk_hat_kataloge();
// Builds the dialog over window_main, not yet shown; it lives as long as
// its widget.
KvKatalogDialog* kv_gtk_katalog_dialog();
// "Uebernehmen": the entry's texts into their fields as if typed; false
// after a message over the dialog when the entry cannot be used, and then
// nothing in the window changed.
bool kv_gtk_katalog_uebernehmen(KvKatalogDialog& k);
// "Auslegen": the chosen table's entries from small to large with the
// window's inputs; the entries tried with what each missed take the source's
// place, the first that passes every check and condition becomes the chosen
// entry (still to be taken with "Uebernehmen").  False after a message over
// the dialog (a bad condition, none passes); the window never changes.
bool kv_gtk_katalog_auslegen(KvKatalogDialog& k);
int kv_c_katalog(); // the menu entry: runs the dialog until closed
// The entries taken with "Uebernehmen" whose texts the inputs e still hold,
// a line each, as the calculation record names them.
std::vector<std::string> kv_gtk_katalog_zeilen(const KvEingaben& e);

// Input sets in the window (eingabesaetze.cpp).
KvEingaben kv_gtk_eingaben_lesen();                 // what the window holds now
void kv_gtk_eingaben_setzen(const KvEingaben& e);   // as if typed and clicked
int kv_c_eingaben_oeffnen();                        // chooser, then read
int kv_c_eingaben_speichern_unter();                // chooser, question, write
// Reads the set in pfad into the window; an error dialog on any fault, and
// then nothing in the window changes.  Puts it into the recent list.
bool kv_gtk_eingabesatz_oeffnen(const std::string& pfad);
// The recent list's entry of an opened or saved set.
void kv_gtk_zuletzt_merken(const std::string& pfad);
// MIME type of the program's input sets: application/x-maschinenelemente-PROGRAMM.
std::string kv_eingabesatz_mime_typ();

int kv_gtk_fenster_aufbauen();
int kv_gtk_pButtons();
GtkWidget* xpm_label_box(const char* bild_datei, const char* text);
// Pictures (bilder.cpp): the program's icon, button and own pictures are
// decoded in a thread from the start on; kv_gtk_bild and kv_gtk_fenster_icon
// take them from there (or read the file as before).
void kv_bilder_vorladen(const KvProgramm& programm);
GtkWidget* kv_gtk_bild(const char* bild_datei);
void kv_gtk_fenster_icon(GtkWidget* fenster, const char* bild_datei);
GtkWidget* kv_gtk_knopf(const char* bild_datei, const char* text,
                        GtkTooltips** tooltip, const char* tip);
int kv_gtk_signale_verbinden();
// Connects "clicked" of a button to a handler that takes no arguments.
void kv_gtk_klick(GtkWidget* knopf, int (*handler)());
void kv_gtk_klick(GtkWidget* knopf, void (*handler)());

// Packing used throughout: expand and fill off, padding 3.
void kv_gtk_packen(GtkWidget* box, GtkWidget* kind);
// A frame with a caption around inhalt, packed into box.
void kv_gtk_im_rahmen(GtkWidget* box, const char* titel, GtkWidget* inhalt);
GtkWidget* kv_gtk_tabelle(int zeilen, int spalten);
// The children of a container, in its order.
std::vector<GtkWidget*> kv_gtk_kinder(GtkWidget* container);
// A widget in the table cell at (spalte, zeile), spanning breite columns.
void kv_gtk_zelle(GtkWidget* tabelle, GtkWidget* w, int spalte, int zeile, int breite = 1);
// Input field i of the description and its caption in the cell the
// description gives it (kv_zelle).
void kv_gtk_eingabe_zelle(GtkWidget* tabelle, const KvRechner& r, int i, GtkWidget* feld);
// A row of a dialog's table: the caption (with its mnemonic) in column 0,
// left-aligned, and the widget it names in column 1.
void kv_gtk_zeile(GtkWidget* tabelle, int n, const char* beschriftung, GtkWidget* w);
GtkWidget* kv_gtk_feld(const char* vorgabe);     // input entry
GtkWidget* kv_gtk_ergebnisfeld(const char* text); // read-only entry
// Ties every field below w to its caption (left of it, or above it) for
// screen readers, and makes Tab follow reading order: row by row in each
// table, box by box in packing order.
void kv_gtk_zugaenglich_machen(GtkWidget* w);

// Numeric fields.
int kv_gtk_neu_rechnen();            // recompute question; 0 go on, -1 stop
int kv_gtk_isdigit(const char* text);
int kv_gtk_fehler_eingabe(int code = 4711);
// Reads, checks and converts n fields; -1 after a rejected field.
int kv_gtk_felder_lesen(GtkWidget* const* felder, const char** c_box,
                        double* d_box, int n);
// "Rechnen" after the recompute question, as every front-end computes
// (rechnen.cpp): the window's inputs read, checked and converted through the
// description in window order into the program's c_box and d_box arrays; a
// field that is no number ends it with its position dialog and the input
// error (-1), a refusal of the calculator with its text (-1 or 0, see
// KvProgramm); otherwise the results of the window's mode go into
// d_box_ergebnisse and their fields, each in its format, the notes into
// their labels, the computation is kept for the report, the record and the
// diagram, and gerechnet becomes 1 (0).
int kv_gtk_rechnen();
// The buttons of an option at its default: a group of radio buttons, or
// one check button for the values "nein", "ja".
std::vector<GtkWidget*> kv_gtk_optionsknoepfe(const KvOption& o);
// The widgets of the window, from the program, and those of its addition
// (zusatz.cpp), which the window holds without showing them.
KvEingabeWidgets kv_gtk_widgets();
// The addition: whether the calculator has one; the menu entry, which opens
// its dialog beside the window (the addition's fields, options, results and
// notes; "Rechnen" the window's, "Schliessen" keeps what was typed), or
// brings it to the front; the dialog while it is open, else nullptr.
bool kv_gtk_hat_zusatz();
int kv_c_zusatz();
GtkWidget* kv_gtk_zusatz_dialog();

// Message dialogs on window_main (or on the window given); each returns the
// response.
int kv_gtk_meldung(GtkMessageType typ, GtkButtonsType knoepfe, const std::string& text,
                   GtkWidget* ueber = nullptr);
// File choosers (dateiauswahl.cpp).  Runs one: the chosen file, or "" when
// the user cancelled; the caller then closes it with
// kv_gtk_dateiauswahl_schliessen, which destroys it once it is no longer
// listing a folder (kv_gtk_dateiauswahl_listet): at once, or after the
// listing, the chooser on the screen until then.
std::string kv_gtk_datei_waehlen(GtkWidget* dialog);
bool kv_gtk_dateiauswahl_listet(GtkWidget* chooser);
void kv_gtk_dateiauswahl_schliessen(GtkWidget* chooser);
int kv_gtk_dlg_info();
int kv_gtk_dlg_keine_ergebnisse();
int kv_gtk_dlg_speichern_unter();
int kv_gtk_dlg_dateien_vorhanden();
inline int kv_gtk_dlg_datein_vorhanden() { return kv_gtk_dlg_dateien_vorhanden(); }
// The save flow around the calculator's report text.
int kv_c_speichern();
// "Datei" > "Nachweis als PDF...": the same flow around the calculation
// record of the last computation, into a PDF file (".pdf" is added to a
// name without an extension); the chooser also asks for project and author.
int kv_c_nachweis_speichern();
// Writes a report text to a file; false when any step fails.
bool kv_bericht_schreiben(const std::string& pfad, const std::string& text);
