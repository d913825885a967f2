// What a calculator tells about itself: the names, captions, units and
// defaults of its input fields and options in window order, where the window
// shows each field in its frame, its result
// fields with their display formats, and how it computes and reports from
// the values as read.  One description per calculator serves the window, the
// command line, the input sets and the tests, so nothing is named or
// defaulted twice.  Plain C++, no GTK.
#pragma once
#include "fehler.h"
#include "rechengang.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Room for the largest calculator (the bolted joint: 42 inputs, 20 results).
constexpr int KV_MAX_EINGABEN = 48;
constexpr int KV_MAX_OPTIONEN = 4;
constexpr int KV_MAX_ERGEBNISSE = 20;
constexpr int KV_MAX_HINWEISE = 2;

// Which option value a field or result belongs to; option -1: always.
struct KvNurBei {
    int option = -1;
    int wert = 0;
};

// An input field.  A number field passes the digit check when it is read; a
// text field (the strength class) is read as it stands.
struct KvEingabe {
    const char* name;         // variable name, e.g. "l1"
    const char* beschriftung; // the caption in the window
    const char* einheit;      // "1" for dimensionless quantities
    const char* vorgabe;      // default text
    bool text = false;
    std::vector<const char*> auswahl = {}; // offered texts (the class box's list)
    KvNurBei nur_bei = {};                 // read only in this mode
    bool beim_rechnen = true;              // false: read only for the plot
    const char* rahmen = "";               // caption of the frame the window shows it in
};

// The input frame of a six-box window, around all its input panels: a field
// the window shows in no frame of its own stands in it.
extern const char* const KV_EINGABERAHMEN;

// The fields or the options of one frame of the window.
template <typename T>
struct KvRahmen {
    const char* beschriftung;
    std::vector<T> teile;
};

// Fields or options frame by frame, in window order, each named with its frame.
template <typename T>
std::vector<T> kv_rahmenweise(std::initializer_list<KvRahmen<T>> rahmen)
{
    std::vector<T> alle;
    for (const KvRahmen<T>& r : rahmen)
        for (T t : r.teile) {
            t.rahmen = r.beschriftung;
            alle.push_back(std::move(t));
        }
    return alle;
}

// Where the window shows an input field in its frame's table.  Normally the
// caption stands left of the field: the two take columns 2 * spalte and
// 2 * spalte + 1 of row zeile.  A field under a column head (a bolt section's
// diameter and length) takes column spalte alone, in rows from 1 on; the
// caption of the field in row 1 heads the column in row 0, the others show
// none.  Tab walks each frame row by row, left to right.
struct KvZelle {
    int zeile = 0;
    int spalte = 0;
    bool unter_kopf = false;
};

// An option: a group of radio buttons or one check button.
struct KvOption {
    const char* name;                  // e.g. "Knickfall"
    const char* beschriftung;          // check button caption, or what the group chooses
    std::vector<const char*> werte;    // value names, e.g. "1" ... "4", "nein", "ja"
    std::vector<const char*> knoepfe;  // radio button caption of each value
    int vorgabe = 0;                   // index of the default value
    const char* rahmen = "";           // caption of the frame the window shows it in
};

// A result field.
struct KvAusgabe {
    const char* name;         // variable name, e.g. "lambda"
    const char* beschriftung; // the caption in the window
    const char* einheit;
    const char* format;       // how the window shows it, e.g. "%7.5lf"
    KvNurBei nur_bei = {};    // computed only in this mode; "--" otherwise
    const char* rahmen = "";  // "" or the caption of the calculator's addition
};

// A label whose text a computation sets (a verdict, a caption).
struct KvHinweis {
    const char* name;
    const char* beschriftung; // its text before the first computation
    const char* ergebnis = ""; // the result it is the caption of; "": a label of its own
    const char* rahmen = "";   // "" or the caption of the calculator's addition
};

// A calculation beyond what the window's frames show (a member check after a
// code, a stack of springs): the inputs, options, results and notes whose
// frame is its caption, each last in its list.  The window offers them in a
// dialog of their own from the menu "Berechnung"; every other front-end
// shows them like the others, in a frame of their own.  The window's report
// leaves them out.
struct KvZusatz {
    const char* rahmen = "";  // its caption, e.g. "Nachweis nach EN 1993-1-1"; "": none
    const char* menue = "";   // the menu entry, e.g. "Nachweis nach EN 1993-1-1..."
    const char* quelle = "";  // where its formulas come from, for the record
    const char* vorbehalt = ""; // what its results leave out, shown beside them
};

// The inputs as a window holds them: the text of every field and the chosen
// value of every option.
struct KvEingaben {
    std::vector<std::string> texte;
    std::vector<int> optionen;
};

// The inputs as read and converted, what a computation starts from.
struct KvStand {
    double werte[KV_MAX_EINGABEN] = {};       // fields not read stay 0
    const std::string* texte = nullptr;       // every field's text
    int optionen[KV_MAX_OPTIONEN] = {};
};

// Outcome of one press of "Rechnen".
struct KvRechnung {
    KvStatus status = KvStatus::berechnet;
    int feld = -1;               // abgelehnt: the field that is no number, and
    int stelle = 0;              // the 1-based position of its first bad byte
    const char* meldung = "";    // verweigert: the text of the calculator's dialog
    double ergebnisse[KV_MAX_ERGEBNISSE] = {};
    std::string hinweise[KV_MAX_HINWEISE];
};

struct Diagramm;
struct KvKatalog;

// Rows of a form left empty with these values (a bolt section without
// diameter and length, a plate without thickness): their fields, and the
// rows named for a reader, e.g. "Abschnitte 3 bis 9 (di = li = 0)".
struct KvNichtBelegt {
    std::vector<int> felder;
    std::string text; // empty when every row is filled
};

struct KvRechner {
    const char* name;  // the program
    const char* titel; // its window title
    std::vector<KvEingabe> eingaben;
    std::vector<KvOption> optionen;
    std::vector<KvAusgabe> ergebnisse;
    std::vector<KvHinweis> hinweise;
    // What the result fields show before the first computation.
    const char* ergebnisse_vorher = "";
    // Computes from the values as read; sets ergebnisse and hinweise, or
    // status verweigert with the dialog's text.
    void (*berechnen)(const KvStand& stand, KvRechnung& rechnung);
    // The report text "Speichern" writes after a successful computation.
    std::string (*bericht)(const KvStand& stand, const KvRechnung& rechnung);
    // The method and standard it follows, e.g. "nach VDI 2230".
    const char* verfahren = "";
    // The working of a successful computation from the same values as read:
    // what berechnen computed, step by step, and the checks it makes.
    void (*rechengang)(const KvStand& stand, const KvRechnung& rechnung,
                       KvRechengang& gang) = nullptr;
    // The rows left empty, which the calculation record leaves out of its
    // inputs and working and names in one line instead.
    KvNichtBelegt (*nicht_belegt)(const KvStand& stand) = nullptr;
    // The cell of input field i in its frame; none: the frame's fields one
    // below the other.
    KvZelle (*zelle)(int feld) = nullptr;
    // What the command line's list of programs calls it, e.g. "Knickung",
    // and its examples in the help: the words after the program's name.
    const char* thema = "";
    std::vector<const char*> beispiele = {};
    // The diagram of a computation from the values as read (with the plot's
    // own fields); false with the text of the window's message when there
    // is nothing to draw.  What it draws from a field the computation does
    // not read, for the command line's help ("die Kennlinie von s1 bis s2").
    bool (*diagramm)(const KvStand& s, Diagramm& d, std::string& fehler) = nullptr;
    const char* diagramm_bereich = "";
    // Its built-in tables of standard parts and materials, added to
    // tabellen (katalog/eingebaut.h); none: it has no catalogues, for the
    // reason given ("seine Werte haengen ...").
    void (*kataloge)(const KvRechner& r, std::vector<KvKatalog>& tabellen) = nullptr;
    const char* ohne_kataloge = "";
    KvZusatz zusatz = {};
};

// Whether a part in this frame belongs to the calculator's addition.
bool kv_im_zusatz(const KvRechner& r, const char* rahmen);
// How many inputs, options, results and notes the window's own frames show:
// those before the addition's.
struct KvFensterteile {
    int eingaben, optionen, ergebnisse, hinweise;
};
KvFensterteile kv_fensterteile(const KvRechner& r);

// Index of the input field, option or result of that name; -1 when none.
int kv_eingabe_index(const KvRechner& r, std::string_view name);
int kv_option_index(const KvRechner& r, std::string_view name);
int kv_optionswert_index(const KvOption& o, std::string_view wert);
// The text of the allowed values of an option: "1, 2, 3, 4".
std::string kv_optionswerte(const KvOption& o);

// The cell of input field i in its frame (see KvZelle).
KvZelle kv_zelle(const KvRechner& r, int i);

// Every field at its default text, every option at its default value.
KvEingaben kv_vorgaben(const KvRechner& r);

bool kv_gilt(const KvNurBei& b, const int* optionen);
// Whether "Rechnen" reads field i with these options.
bool kv_gelesen(const KvRechner& r, int i, const int* optionen);

// Reads, checks and converts the fields "Rechnen" reads, in window order, as
// the window does (with mit_diagramm also the fields only the plot reads);
// false at the first field with a bad byte (rechnung then says which field
// and where).
bool kv_lesen(const KvRechner& r, const KvEingaben& e, KvStand& stand, KvRechnung& rechnung,
              bool mit_diagramm = false);

// One press of "Rechnen": read, then compute.
KvRechnung kv_rechnen(const KvRechner& r, const KvEingaben& e, KvStand& stand,
                      bool mit_diagramm = false);

// "Feld l1 (Knicklaenge L1 / mm)"
std::string kv_feld_text(const KvEingabe& f);

// The outcome of a computation as every front-end reports it: none when it
// computed, a field that is no number ("Feld l1 (...): Stelle 3: keine
// Zahl"), or the calculator's refusal with its text.
KvFehler kv_rechnung_fehler(const KvRechner& r, const KvRechnung& rechnung);

// What result field j shows after the computation: "--" for a result of the
// other mode.
std::string kv_ergebnistext(const KvRechner& r, const KvRechnung& rechnung,
                            const int* optionen, int j);
