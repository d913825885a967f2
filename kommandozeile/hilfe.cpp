#include "hilfe.h"

#include "alle_rechner.h"
#include "sprache.h"

namespace {

// What the help writes from the descriptions wraps before a line grows
// longer than this, as its own lines about do; the options' texts start in
// the column SPALTE.
constexpr size_t BREITE = 89;
const std::string SPALTE(35, ' ');

// Appends the pieces to the last line of t, each after a blank, or on a new
// line indented by einzug where it would make the line too long.
void umbrechen(std::string& t, const std::vector<std::string>& stuecke, const std::string& einzug)
{
    for (const std::string& s : stuecke) {
        const size_t anfang = t.rfind('\n') + 1;
        if (t.size() - anfang + 1 + s.size() > BREITE)
            t += "\n" + einzug + s;
        else
            t += " " + s;
    }
}

std::vector<std::string> woerter(const std::string& text)
{
    std::vector<std::string> w;
    for (size_t von = 0; von <= text.size();) {
        const size_t bis = std::min(text.find(' ', von), text.size());
        w.push_back(text.substr(von, bis - von));
        von = bis + 1;
    }
    return w;
}

// "fuenf": the number of programs as a word.
std::string anzahl(size_t n)
{
    static const char* const wort[] = {N_("null"), N_("eins"),   N_("zwei"), N_("drei"), N_("vier"),
                                       N_("fuenf"), N_("sechs"), N_("sieben"), N_("acht"), N_("neun"),
                                       N_("zehn"), N_("elf"),  N_("zwoelf")};
    return n < std::size(wort) ? _(wort[n]) : std::to_string(n);
}

} // namespace

std::string kv_hilfe_text()
{
    const std::vector<const KvRechner*>& alle = kv_alle_rechner();
    std::string t = kv_einsetzen(_("Aufruf: maschinenelemente PROGRAMM [NAME=WERT ...] [OPTIONEN]\n"
                                   "\n"
                                   "Rechnet wie die Fenster der {1} Rechenprogramme, ohne Fenster.\n"
                                   "PROGRAMM:"),
                                 {anzahl(alle.size())});
    std::vector<std::string> programme;
    for (const KvRechner* r : alle)
        programme.push_back(std::string(r->name) + " (" + _(r->thema) + ")" + (r == alle.back() ? "" : ","));
    umbrechen(t, programme, std::string(10, ' '));
    t += _("\n"
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
         "                                   (nach der Endung .png, .svg, .pdf)");
    // Who draws over a range of fields of its own, and over which.
    bool erster = true;
    for (const KvRechner* r : alle) {
        if (!*r->diagramm_bereich)
            continue;
        t += erster ? ";" : ",";
        erster = false;
        umbrechen(t, woerter(kv_einsetzen(_("{1} zeichnet {2}"), {r->name, _(r->diagramm_bereich)})), SPALTE);
    }
    t += _("\n"
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
         "                                   vor NAME=WERT); Oele: TABELLE:EINTRAG:nu100=WERT;");
    // Who has no tables at all, each in one piece.
    std::vector<std::string> ohne;
    for (const KvRechner* r : alle)
        if (!r->kataloge) {
            if (!ohne.empty())
                ohne.back() += ",";
            ohne.push_back(kv_einsetzen(_("{1} hat keine Kataloge"), {r->name}));
        }
    umbrechen(t, ohne, SPALTE);
    t += _("\n"
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
         "Beispiele:\n");
    for (const KvRechner* r : alle)
        for (const char* b : r->beispiele)
            t += std::string("  maschinenelemente ") + r->name + " " + b + "\n";
    return t;
}
