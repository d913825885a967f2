#include "eingabesatz_datei.h"

#include "datei.h"
#include "sprache.h"

bool kv_eingabesatz_lesen(const KvRechner& r, const std::string& pfad, KvEingaben& e,
                          std::string& fehler)
{
    std::string text;
    if (!kv_datei_lesen(pfad, text, fehler)
        || !kv_eingabesatz_aus_text(r, text, e, fehler)) {
        fehler = kv_einsetzen(_("Eingabesatz {1}: {2}"), {pfad, fehler});
        return false;
    }
    return true;
}

bool kv_eingabesatz_schreiben(const KvRechner& r, const KvEingaben& e, const std::string& pfad,
                              std::string& fehler)
{
    if (!kv_datei_schreiben(pfad, kv_eingabesatz_text(r, e), fehler)) {
        fehler = kv_einsetzen(_("Eingabesatz {1}: {2}"), {pfad, fehler});
        return false;
    }
    return true;
}
