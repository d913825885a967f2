#include "aufruf.h"

#include <glib.h>

#include <cstring>
#include <memory>

const char* const kv_hilfe_text =
    "Aufruf: maschinenelemente PROGRAMM [NAME=WERT ...] [OPTIONEN]\n"
    "\n"
    "Rechnet wie die Fenster der fuenf Rechenprogramme, ohne Fenster.\n"
    "PROGRAMM: stalor (Knickung), tarvex (Schraubenverbindungen), lupran (Radial-Gleitlager),\n"
    "          kopdra (Schaltkupplungen), wendis (Tellerfedern)\n"
    "NAME=WERT setzt ein Eingabefeld wie getippt oder eine Auswahl wie geklickt;\n"
    "nicht genannte Felder behalten ihre Vorgabe.\n"
    "Eigene Kataloge: $XDG_DATA_HOME/maschinenelemente/kataloge/PROGRAMM_NAME.csv\n"
    "(Zeilen mit # zuerst: Titel und Quelle; Kopfzeile: Bezeichnung, dann die Feldnamen).\n"
    "\n"
    "Optionen:\n"
    "  --format=bericht|json|csv        Ausgabe; Vorgabe: bericht (wie \"Speichern\")\n"
    "  --variiere=NAME=VON:BIS:ANZAHL   Studie: ANZAHL gleichmaessig verteilte Werte von VON\n"
    "                                   bis BIS; mehrfach fuer ein Raster aller Kombinationen\n"
    "                                   (die letzte aendert sich am schnellsten); csv oder json\n"
    "  --eingaben=DATEI                 Eingabesatz lesen; NAME=WERT gilt danach\n"
    "  --eingaben-schreiben=DATEI       vollstaendigen Eingabesatz schreiben, nicht rechnen\n"
    "                                   (DATEI \"-\": auf die Standardausgabe)\n"
    "  --diagramm=DATEI                 Diagramm der Berechnung als PNG, SVG oder PDF\n"
    "                                   (nach der Endung .png, .svg, .pdf); wendis zeichnet\n"
    "                                   die Kennlinie von s1 bis s2\n"
    "  --groesse=BREITExHOEHE           Groesse des Diagramms in Pixeln (Vorgabe 800x500)\n"
    "  --suche=FELD ERGEBNIS=ZIEL       Auslegung: den Wert von FELD suchen, bei dem ERGEBNIS\n"
    "                                   den Wert ZIEL hat, und damit rechnen; mit --variiere\n"
    "                                   eine Suche je Zeile (Status \"keine Loesung\", wo es\n"
    "                                   keine gibt); mit --eingaben-schreiben den Satz mit\n"
    "                                   dem gefundenen Wert schreiben\n"
    "  --bereich=VON:BIS                Suchbereich von FELD (Vorgabe: ein Zehntel bis das\n"
    "                                   Zehnfache seines Wertes)\n"
    "  --ergebnisnamen                  Namen, Beschriftungen und Einheiten der Ergebnisse,\n"
    "                                   durch Tabulatoren getrennt\n"
    "  --nachweis=DATEI                 Rechnungsnachweis der Berechnung als PDF (A4):\n"
    "                                   Eingaben, Rechengang, Ergebnisse, Pruefungen,\n"
    "                                   Diagramm und Eingabesatz\n"
    "  --projekt=TEXT                   Projekt im Kopf des Nachweises\n"
    "  --bearbeiter=TEXT                Bearbeiter im Kopf und als Autor des Nachweises\n"
    "  --katalog=TABELLE:EINTRAG        Felder aus einem Katalogeintrag setzen, wie getippt\n"
    "                                   (mehrfach, der Reihe nach; nach einem Eingabesatz,\n"
    "                                   vor NAME=WERT); Oele: TABELLE:EINTRAG:nu100=WERT;\n"
    "                                   kopdra hat keine Kataloge\n"
    "  --kataloge                       Tabellen des Programms mit Quelle und Eintraegen\n"
    "                                   und den Feldern, die jeder setzt (auch --format json)\n"
    "  --auslegung=TABELLE [ERGEBNIS>=WERT|ERGEBNIS<=WERT ...]\n"
    "                                   Auslegen: die Eintraege der Tabelle der Reihe nach\n"
    "                                   (klein bis gross) mit den uebrigen Eingaben rechnen\n"
    "                                   und den ersten nehmen, der alle Pruefungen und\n"
    "                                   Bedingungen erfuellt; zeigt jeden mit dem Verfehlten\n"
    "  --namen                          Namen, Beschriftungen, Einheiten, Vorgaben und\n"
    "                                   Auswahlwerte des Programms, durch Tabulatoren getrennt\n"
    "  -h, --help                       diese Hilfe\n"
    "  -V, --version                    Version\n"
    "\n"
    "Rueckgabewert: 0 berechnet; 1 vom Rechenprogramm abgelehnt, Ausgabe nicht\n"
    "schreibbar oder keine Loesung der Suche im Bereich; 2 falscher Aufruf, unbekannter\n"
    "Name, ungueltiges Feld oder eine Suche ohne Sinn.\n"
    "\n"
    "Beispiele:\n"
    "  maschinenelemente stalor F=5000 Knickfall=2\n"
    "  maschinenelemente lupran --format json\n"
    "  maschinenelemente stalor --variiere l1=100:400:31 --format csv\n"
    "  maschinenelemente tarvex --diagramm verspannung.svg --groesse 1000x600\n"
    "  maschinenelemente tarvex --nachweis nachweis.pdf --projekt \"Flansch 3\" --bearbeiter \"A. Muster\"\n"
    "  maschinenelemente tarvex --eingaben-schreiben mein.tarvex\n"
    "  maschinenelemente tarvex --eingaben mein.tarvex d=16\n"
    "  maschinenelemente stalor --suche l1 F_max_zul=2000\n"
    "  maschinenelemente tarvex --katalog regelgewinde:M16 --katalog bohrung_mittel:M16\n"
    "  maschinenelemente stalor --katalog \"ipe:IPE 200\" --katalog baustahl:S235 l1=4000\n"
    "  maschinenelemente wendis --auslegung tellerfedern_a \"F>=1000\"\n"
    "  maschinenelemente wendis --suche s F=1500 --bereich 0:1 --format json\n";

namespace {

// Options that take a value, by long and short name.
const char* const MIT_WERT[] = {"--format", "--variiere", "--eingaben", "--eingaben-schreiben",
                                "--diagramm", "--groesse", "--suche", "--bereich", "--nachweis",
                                "--projekt", "--bearbeiter", "--katalog", "--auslegung"};
const char* const OHNE_WERT[] = {"--namen", "--ergebnisnamen", "--kataloge", "--help", "-h", "--version", "-V"};

bool bekannt(const std::string& a, bool& mit_wert)
{
    const std::string name = a.substr(0, a.find('='));
    for (const char* o : MIT_WERT)
        if (name == o) {
            mit_wert = a.find('=') == std::string::npos;
            return true;
        }
    for (const char* o : OHNE_WERT)
        if (a == o) {
            mit_wert = false;
            return true;
        }
    return false;
}

// Which argument the parser stumbled over, in this program's words.
std::string fehler_text(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--")
            break;
        if (a.size() < 2 || a[0] != '-')
            continue;
        bool mit_wert = false;
        if (!bekannt(a, mit_wert))
            return "unbekannte Option " + a + " (--help zeigt die Optionen)";
        if (mit_wert) {
            if (i + 1 >= argc)
                return "Option " + a + " braucht einen Wert";
            ++i;
        }
    }
    return "fehlerhafte Optionen (--help zeigt die Optionen)";
}

std::vector<std::string> liste(gchar** l)
{
    std::vector<std::string> v;
    for (gchar** p = l; p && *p; ++p)
        v.emplace_back(*p);
    return v;
}

} // namespace

bool kv_aufruf_lesen(int argc, char** argv, KvAufruf& a, std::string& fehler)
{
    // Filenames are taken as bytes: no conversion through the locale's
    // character set, so every argument reads the same under any LANG.
    gchar* format = nullptr;
    gchar** variiere = nullptr;
    gchar* eingaben = nullptr;
    gchar* schreiben = nullptr;
    gchar* diagramm = nullptr;
    gchar* groesse = nullptr;
    gchar* suche = nullptr;
    gchar* bereich = nullptr;
    gchar* nachweis = nullptr;
    gchar* projekt = nullptr;
    gchar* bearbeiter = nullptr;
    gchar** katalog = nullptr;
    gchar* auslegung = nullptr;
    gchar** rest = nullptr;
    gboolean kataloge = FALSE;
    gboolean namen = FALSE, ergebnisnamen = FALSE, hilfe = FALSE, version = FALSE;
    const GOptionEntry eintraege[] = {
        {"format", 0, 0, G_OPTION_ARG_FILENAME, &format, nullptr, nullptr},
        {"variiere", 0, 0, G_OPTION_ARG_FILENAME_ARRAY, &variiere, nullptr, nullptr},
        {"eingaben", 0, 0, G_OPTION_ARG_FILENAME, &eingaben, nullptr, nullptr},
        {"eingaben-schreiben", 0, 0, G_OPTION_ARG_FILENAME, &schreiben, nullptr, nullptr},
        {"diagramm", 0, 0, G_OPTION_ARG_FILENAME, &diagramm, nullptr, nullptr},
        {"groesse", 0, 0, G_OPTION_ARG_FILENAME, &groesse, nullptr, nullptr},
        {"suche", 0, 0, G_OPTION_ARG_FILENAME, &suche, nullptr, nullptr},
        {"bereich", 0, 0, G_OPTION_ARG_FILENAME, &bereich, nullptr, nullptr},
        {"nachweis", 0, 0, G_OPTION_ARG_FILENAME, &nachweis, nullptr, nullptr},
        // Texts as bytes too: checked for UTF-8 where they are used.
        {"projekt", 0, 0, G_OPTION_ARG_FILENAME, &projekt, nullptr, nullptr},
        {"bearbeiter", 0, 0, G_OPTION_ARG_FILENAME, &bearbeiter, nullptr, nullptr},
        {"katalog", 0, 0, G_OPTION_ARG_FILENAME_ARRAY, &katalog, nullptr, nullptr},
        {"kataloge", 0, 0, G_OPTION_ARG_NONE, &kataloge, nullptr, nullptr},
        {"auslegung", 0, 0, G_OPTION_ARG_FILENAME, &auslegung, nullptr, nullptr},
        {"namen", 0, 0, G_OPTION_ARG_NONE, &namen, nullptr, nullptr},
        {"ergebnisnamen", 0, 0, G_OPTION_ARG_NONE, &ergebnisnamen, nullptr, nullptr},
        {"help", 'h', 0, G_OPTION_ARG_NONE, &hilfe, nullptr, nullptr},
        {"version", 'V', 0, G_OPTION_ARG_NONE, &version, nullptr, nullptr},
        {G_OPTION_REMAINING, 0, 0, G_OPTION_ARG_FILENAME_ARRAY, &rest, nullptr, nullptr},
        {},
    };
    GOptionContext* kontext = g_option_context_new(nullptr);
    g_option_context_set_help_enabled(kontext, FALSE);
    g_option_context_add_main_entries(kontext, eintraege, nullptr);

    // The parser takes the arguments out of the list it is given: a copy.
    gchar** kopie = g_new0(gchar*, argc + 1);
    for (int i = 0; i < argc; ++i)
        kopie[i] = g_strdup(argv[i]);
    GError* e = nullptr;
    const bool ok = g_option_context_parse_strv(kontext, &kopie, &e);
    g_strfreev(kopie);
    g_option_context_free(kontext);
    if (!ok) {
        g_error_free(e);
        fehler = fehler_text(argc, argv);
    } else {
        if (format) a.format = format;
        a.variiere = liste(variiere);
        if (eingaben) a.eingaben = eingaben;
        if (schreiben) a.eingaben_schreiben = schreiben;
        if (diagramm) a.diagramm = diagramm;
        if (groesse) a.groesse = groesse;
        if (suche) a.suche = suche;
        if (bereich) a.bereich = bereich;
        if (nachweis) a.nachweis = nachweis;
        if (projekt) a.projekt = projekt;
        if (bearbeiter) a.bearbeiter = bearbeiter;
        a.katalog = liste(katalog);
        a.kataloge = kataloge;
        if (auslegung) a.auslegung = auslegung;
        a.namen = namen;
        a.ergebnisnamen = ergebnisnamen;
        a.hilfe = hilfe;
        a.version = version;
        a.rest = liste(rest);
    }
    g_free(format);
    g_strfreev(variiere);
    g_free(eingaben);
    g_free(schreiben);
    g_free(diagramm);
    g_free(groesse);
    g_free(suche);
    g_free(bereich);
    g_free(nachweis);
    g_free(projekt);
    g_free(bearbeiter);
    g_strfreev(katalog);
    g_free(auslegung);
    g_strfreev(rest);
    return ok;
}
