#include "eingabesatz.h"

#include "datei.h"

#include <glib.h>

#include <memory>

namespace {

const char* const VERSION_SCHLUESSEL = "Formatversion";
const char* const PROGRAMME[] = {"stalor", "tarvex", "lupran", "kopdra", "wendis"};

using KeyFile = std::unique_ptr<GKeyFile, decltype(&g_key_file_free)>;
using Text = std::unique_ptr<gchar, decltype(&g_free)>;
using Liste = std::unique_ptr<gchar*, decltype(&g_strfreev)>;

KeyFile neue_keyfile() { return KeyFile(g_key_file_new(), g_key_file_free); }

std::string zitat(const std::string& s) { return "\"" + s + "\""; }

bool ist_programm(const char* name)
{
    for (const char* p : PROGRAMME)
        if (g_strcmp0(p, name) == 0)
            return true;
    return false;
}

// The one group of the file: the program's own, or why not.
bool gruppe_pruefen(const KvRechner& r, GKeyFile* kf, std::string& fehler)
{
    gsize n = 0;
    Liste gruppen(g_key_file_get_groups(kf, &n), g_strfreev);
    for (gsize i = 0; i < n; ++i) {
        const char* g = gruppen.get()[i];
        if (g_strcmp0(g, r.name) == 0)
            continue;
        fehler = ist_programm(g) ? std::string("ist ein Eingabesatz fuer ") + g + ", nicht fuer " + r.name
                                 : "enthaelt die unbekannte Gruppe [" + std::string(g) + "]";
        return false;
    }
    if (!g_key_file_has_group(kf, r.name)) {
        fehler = std::string("ist kein Eingabesatz fuer ") + r.name + " (Gruppe [" + r.name + "] fehlt)";
        return false;
    }
    return true;
}

bool version_pruefen(const KvRechner& r, GKeyFile* kf, std::string& fehler)
{
    // A set written by hand may leave the version out: every set written so
    // far is of version 1, so that is what it is read as.
    Text v(g_key_file_get_value(kf, r.name, VERSION_SCHLUESSEL, nullptr), g_free);
    if (!v)
        return true;
    if (std::string(v.get()) != std::to_string(KV_EINGABESATZ_FORMAT)) {
        fehler = std::string(VERSION_SCHLUESSEL) + " " + v.get() + " wird nicht unterstuetzt (erwartet: "
               + std::to_string(KV_EINGABESATZ_FORMAT) + ")";
        return false;
    }
    return true;
}

} // namespace

std::string kv_optionswerte(const KvOption& o)
{
    std::string t;
    for (const char* w : o.werte) {
        if (!t.empty()) t += ", ";
        t += w;
    }
    return t;
}

std::string kv_eingabesatz_endung(const KvRechner& r) { return std::string(".") + r.name; }

std::string kv_eingabesatz_text(const KvRechner& r, const KvEingaben& e)
{
    KeyFile kf = neue_keyfile();
    const std::string kopf = std::string(" Eingabesatz von ") + r.name + ": " + r.titel;
    g_key_file_set_integer(kf.get(), r.name, VERSION_SCHLUESSEL, KV_EINGABESATZ_FORMAT);
    g_key_file_set_comment(kf.get(), r.name, nullptr, kopf.c_str(), nullptr);
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        const KvEingabe& f = r.eingaben[i];
        g_key_file_set_string(kf.get(), r.name, f.name, e.texte[i].c_str());
        const std::string kommentar = std::string(" ") + f.beschriftung;
        g_key_file_set_comment(kf.get(), r.name, f.name, kommentar.c_str(), nullptr);
    }
    for (size_t k = 0; k < r.optionen.size(); ++k) {
        const KvOption& o = r.optionen[k];
        g_key_file_set_string(kf.get(), r.name, o.name, o.werte[e.optionen[k]]);
        const std::string kommentar = std::string(" ") + o.beschriftung + ": " + kv_optionswerte(o);
        g_key_file_set_comment(kf.get(), r.name, o.name, kommentar.c_str(), nullptr);
    }
    gsize n = 0;
    Text daten(g_key_file_to_data(kf.get(), &n, nullptr), g_free);
    return std::string(daten.get(), n);
}

bool kv_eingabesatz_aus_text(const KvRechner& r, const std::string& text, KvEingaben& e,
                             std::string& fehler)
{
    KeyFile kf = neue_keyfile();
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)
        || !g_key_file_load_from_data(kf.get(), text.data(), text.size(), G_KEY_FILE_NONE, nullptr)) {
        fehler = "ist kein Eingabesatz (Aufbau fehlerhaft)";
        return false;
    }
    if (!gruppe_pruefen(r, kf.get(), fehler) || !version_pruefen(r, kf.get(), fehler))
        return false;

    KvEingaben neu = kv_vorgaben(r);
    gsize n = 0;
    Liste schluessel(g_key_file_get_keys(kf.get(), r.name, &n, nullptr), g_strfreev);
    for (gsize j = 0; j < n; ++j) {
        const char* name = schluessel.get()[j];
        if (g_strcmp0(name, VERSION_SCHLUESSEL) == 0)
            continue;
        Text wert(g_key_file_get_string(kf.get(), r.name, name, nullptr), g_free);
        if (!wert) {
            fehler = zitat(name) + ": Wert nicht lesbar";
            return false;
        }
        if (const int i = kv_eingabe_index(r, name); i >= 0) {
            neu.texte[i] = wert.get();
        } else if (const int k = kv_option_index(r, name); k >= 0) {
            const int w = kv_optionswert_index(r.optionen[k], wert.get());
            if (w < 0) {
                fehler = std::string(name) + "=" + wert.get() + ": erlaubt sind "
                       + kv_optionswerte(r.optionen[k]);
                return false;
            }
            neu.optionen[k] = w;
        } else {
            fehler = "unbekannter Name " + zitat(name);
            return false;
        }
    }
    e = std::move(neu);
    return true;
}

bool kv_eingabesatz_lesen(const KvRechner& r, const std::string& pfad, KvEingaben& e,
                          std::string& fehler)
{
    std::string text;
    if (!kv_datei_lesen(pfad, text, fehler)
        || !kv_eingabesatz_aus_text(r, text, e, fehler)) {
        fehler = "Eingabesatz " + pfad + ": " + fehler;
        return false;
    }
    return true;
}

bool kv_eingabesatz_schreiben(const KvRechner& r, const KvEingaben& e, const std::string& pfad,
                              std::string& fehler)
{
    if (!kv_datei_schreiben(pfad, kv_eingabesatz_text(r, e), fehler)) {
        fehler = "Eingabesatz " + pfad + ": " + fehler;
        return false;
    }
    return true;
}
