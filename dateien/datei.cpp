#include "datei.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <sys/stat.h>

namespace {

// Why a file operation failed, in the words of this program (GLib's own
// messages follow the desktop's language).
std::string grund(const GError* e)
{
    if (e->domain != G_FILE_ERROR)
        return "unbekannter Fehler";
    switch (e->code) {
    case G_FILE_ERROR_NOENT: return "Datei oder Ordner nicht vorhanden";
    case G_FILE_ERROR_ACCES:
    case G_FILE_ERROR_PERM: return "keine Berechtigung";
    case G_FILE_ERROR_ISDIR: return "ist ein Ordner";
    case G_FILE_ERROR_NOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case G_FILE_ERROR_NOSPC: return "kein Platz mehr auf dem Datentraeger";
    case G_FILE_ERROR_ROFS: return "Dateisystem nur lesbar";
    case G_FILE_ERROR_NAMETOOLONG: return "Name zu lang";
    default: return "Ein-/Ausgabefehler";
    }
}

bool fehlschlag(GError* e, const char* was, std::string& fehler)
{
    fehler = std::string(was) + " (" + grund(e) + ")";
    g_error_free(e);
    return false;
}

} // namespace

bool kv_datei_schreiben(const std::string& pfad, const std::string& inhalt, std::string& fehler)
{
    // The new file takes the old one's place by renaming: a device, a pipe
    // or a folder under that name would be replaced, not written to.
    GStatBuf st;
    if (g_stat(pfad.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        fehler = std::string("kann nicht geschrieben werden (")
               + (S_ISDIR(st.st_mode) ? "ist ein Ordner" : "keine gewoehnliche Datei") + ")";
        return false;
    }
    GError* e = nullptr;
    if (!g_file_set_contents(pfad.c_str(), inhalt.data(), static_cast<gssize>(inhalt.size()), &e))
        return fehlschlag(e, "kann nicht geschrieben werden", fehler);
    return true;
}

bool kv_datei_lesen(const std::string& pfad, std::string& inhalt, std::string& fehler)
{
    GError* e = nullptr;
    gchar* daten = nullptr;
    gsize laenge = 0;
    if (!g_file_get_contents(pfad.c_str(), &daten, &laenge, &e))
        return fehlschlag(e, "kann nicht gelesen werden", fehler);
    inhalt.assign(daten, laenge);
    g_free(daten);
    return true;
}
