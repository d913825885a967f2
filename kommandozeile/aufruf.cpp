#include "aufruf.h"

#include "sprache.h"

#include <glib.h>

#include <cstring>
#include <memory>

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
            return kv_einsetzen(_("unbekannte Option {1} (--help zeigt die Optionen)"), {a});
        if (mit_wert) {
            if (i + 1 >= argc)
                return kv_einsetzen(_("Option {1} braucht einen Wert"), {a});
            ++i;
        }
    }
    return _("fehlerhafte Optionen (--help zeigt die Optionen)");
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
