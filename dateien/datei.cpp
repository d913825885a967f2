#include "datei.h"

#include "sprache.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why a file operation failed, in the words of this program (GLib's own
// messages follow the desktop's language).
std::string grund(const GError* e)
{
    if (e->domain != G_FILE_ERROR)
        return _("unbekannter Fehler");
    switch (e->code) {
    case G_FILE_ERROR_NOENT: return _("Datei oder Ordner nicht vorhanden");
    case G_FILE_ERROR_ACCES:
    case G_FILE_ERROR_PERM: return _("keine Berechtigung");
    case G_FILE_ERROR_ISDIR: return _("ist ein Ordner");
    case G_FILE_ERROR_NOTDIR: return _("ein Teil des Pfades ist kein Ordner");
    case G_FILE_ERROR_NOSPC: return _("kein Platz mehr auf dem Datentraeger");
    case G_FILE_ERROR_ROFS: return _("Dateisystem nur lesbar");
    case G_FILE_ERROR_NAMETOOLONG: return _("Name zu lang");
    default: return _("Ein-/Ausgabefehler");
    }
}

// satz: the sentence with the reason as {1}.
bool fehlschlag(GError* e, const char* satz, std::string& fehler)
{
    fehler = kv_einsetzen(satz, {grund(e)});
    g_error_free(e);
    return false;
}

// Why an existing target must not be replaced, or nullptr.  The new file
// takes the old one's place by renaming: a device, a pipe or a folder under
// that name would be replaced, not written to, and so would a file that may
// not be written; such a file is kept, one without any write permission
// even for root.
const char* nicht_zu_ersetzen(const std::string& ziel, const GStatBuf& st)
{
    if (S_ISDIR(st.st_mode))
        return _("ist ein Ordner");
    if (!S_ISREG(st.st_mode))
        return _("keine gewoehnliche Datei");
    if (g_access(ziel.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)
        return _("schreibgeschuetzt");
    return nullptr;
}

} // namespace

bool kv_datei_schreiben(const std::string& pfad, const std::string& inhalt, std::string& fehler)
{
    // A link is followed: the file it names is replaced, as writing into it
    // would have done, and the link stays.
    std::string ziel = pfad;
    if (g_file_test(pfad.c_str(), G_FILE_TEST_IS_SYMLINK))
        if (char* echt = realpath(pfad.c_str(), nullptr)) {
            ziel = echt;
            free(echt);
        }
    // A file that is replaced keeps its permissions (a private report stays
    // private).
    GStatBuf st;
    int rechte = 0666;
    if (g_stat(ziel.c_str(), &st) == 0) {
        if (const char* warum = nicht_zu_ersetzen(ziel, st)) {
            fehler = kv_einsetzen(_("kann nicht geschrieben werden ({1})"), {warum});
            return false;
        }
        rechte = st.st_mode & 0777;
    }
    GError* e = nullptr;
    if (!g_file_set_contents_full(ziel.c_str(), inhalt.data(), static_cast<gssize>(inhalt.size()),
                                  GFileSetContentsFlags(G_FILE_SET_CONTENTS_CONSISTENT
                                                        | G_FILE_SET_CONTENTS_ONLY_EXISTING),
                                  rechte, &e))
        return fehlschlag(e, _("kann nicht geschrieben werden ({1})"), fehler);
    return true;
}

bool kv_datei_lesen(const std::string& pfad, std::string& inhalt, std::string& fehler)
{
    GError* e = nullptr;
    gchar* daten = nullptr;
    gsize laenge = 0;
    if (!g_file_get_contents(pfad.c_str(), &daten, &laenge, &e))
        return fehlschlag(e, _("kann nicht gelesen werden ({1})"), fehler);
    inhalt.assign(daten, laenge);
    g_free(daten);
    return true;
}
