// The input sets as GLib's GKeyFile reads and writes them: the reference our
// own reader and writer (kv_eingabesatz) are held against, in the tests and
// in the input-set fuzz target.  The set logic is the one the program had on
// GKeyFile; kv_glib_unterschied says where the two part.
//
// Where ours differs on purpose, the reference is adjusted here:
//  - a UTF-8 byte order mark at the start (an editor's "UTF-8 with BOM") is
//    skipped; GKeyFile refused such a file as badly built, so the reference
//    gets the text without it;
//  - a translated key "F[de]" is always a key of its own and so an unknown
//    name; GKeyFile dropped it unless it named the desktop's language (the
//    same file read differently under LANG=de and LANG=C), so the reference
//    loads with G_KEY_FILE_KEEP_TRANSLATIONS;
//  - in a language tag any character beyond ASCII counts as a letter;
//    GKeyFile asks Unicode (F[ä] a key, F[€] a badly built line).  Both
//    refuse the set, only the reason may differ.
#pragma once
#include "eingabesatz.h"

#include <glib.h>

#include <algorithm>
#include <memory>
#include <string>

namespace kv_glib {

using KeyFile = std::unique_ptr<GKeyFile, decltype(&g_key_file_free)>;
using Text = std::unique_ptr<gchar, decltype(&g_free)>;
using Liste = std::unique_ptr<gchar*, decltype(&g_strfreev)>;

inline std::string eingabesatz_text(const KvRechner& r, const KvEingaben& e)
{
    KeyFile kf(g_key_file_new(), g_key_file_free);
    const std::string kopf = std::string(" Eingabesatz von ") + r.name + ": " + r.titel;
    g_key_file_set_integer(kf.get(), r.name, "Formatversion", KV_EINGABESATZ_FORMAT);
    g_key_file_set_comment(kf.get(), r.name, nullptr, kopf.c_str(), nullptr);
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        const KvEingabe& f = r.eingaben[i];
        g_key_file_set_string(kf.get(), r.name, f.name, e.texte[i].c_str());
        g_key_file_set_comment(kf.get(), r.name, f.name, (std::string(" ") + f.beschriftung).c_str(), nullptr);
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

inline bool eingabesatz_aus_text(const KvRechner& r, std::string text, KvEingaben& e, std::string& fehler)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    KeyFile kf(g_key_file_new(), g_key_file_free);
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)
        || !g_key_file_load_from_data(kf.get(), text.data(), text.size(), G_KEY_FILE_KEEP_TRANSLATIONS,
                                      nullptr)) {
        fehler = "ist kein Eingabesatz (Aufbau fehlerhaft)";
        return false;
    }
    gsize n = 0;
    Liste gruppen(g_key_file_get_groups(kf.get(), &n), g_strfreev);
    for (gsize i = 0; i < n; ++i) {
        const std::string g = gruppen.get()[i];
        if (g == r.name)
            continue;
        const bool programm = g == "stalor" || g == "tarvex" || g == "lupran" || g == "kopdra" || g == "wendis";
        fehler = programm ? "ist ein Eingabesatz fuer " + g + ", nicht fuer " + r.name
                          : "enthaelt die unbekannte Gruppe [" + g + "]";
        return false;
    }
    if (!g_key_file_has_group(kf.get(), r.name)) {
        fehler = std::string("ist kein Eingabesatz fuer ") + r.name + " (Gruppe [" + r.name + "] fehlt)";
        return false;
    }
    Text v(g_key_file_get_value(kf.get(), r.name, "Formatversion", nullptr), g_free);
    if (v && std::string(v.get()) != std::to_string(KV_EINGABESATZ_FORMAT)) {
        fehler = std::string("Formatversion ") + v.get() + " wird nicht unterstuetzt (erwartet: "
               + std::to_string(KV_EINGABESATZ_FORMAT) + ")";
        return false;
    }
    KvEingaben neu = kv_vorgaben(r);
    Liste schluessel(g_key_file_get_keys(kf.get(), r.name, &n, nullptr), g_strfreev);
    for (gsize j = 0; j < n; ++j) {
        const std::string name = schluessel.get()[j];
        if (name == "Formatversion")
            continue;
        // With an escape GLib does not know, the text comes with an error
        // that the program never looked at: the text was taken.
        GError* nicht_beachtet = nullptr;
        Text wert(g_key_file_get_string(kf.get(), r.name, name.c_str(), &nicht_beachtet), g_free);
        g_clear_error(&nicht_beachtet);
        if (!wert) {
            fehler = "\"" + name + "\": Wert nicht lesbar";
            return false;
        }
        if (const int i = kv_eingabe_index(r, name); i >= 0) {
            neu.texte[i] = wert.get();
        } else if (const int k = kv_option_index(r, name); k >= 0) {
            const int w = kv_optionswert_index(r.optionen[k], wert.get());
            if (w < 0) {
                fehler = name + "=" + wert.get() + ": erlaubt sind " + kv_optionswerte(r.optionen[k]);
                return false;
            }
            neu.optionen[k] = w;
        } else {
            fehler = "unbekannter Name \"" + name + "\"";
            return false;
        }
    }
    e = std::move(neu);
    return true;
}

// A key whose language tag holds a character beyond ASCII: there the
// reasons for refusing may differ (see above).
inline bool sprachkennung_ausser_ascii(const std::string& text)
{
    size_t anfang = 0;
    while (anfang < text.size()) {
        size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos)
            ende = text.size();
        const std::string schluessel = text.substr(anfang, std::min(ende, text.find('=', anfang)) - anfang);
        const size_t auf = schluessel.find('[');
        if (auf != std::string::npos && auf > 0)
            for (size_t i = auf; i < schluessel.size() && schluessel[i] != ']'; ++i)
                if (static_cast<unsigned char>(schluessel[i]) >= 0x80)
                    return true;
        anfang = ende + 1;
    }
    return false;
}

// Where our reader and writer part from GKeyFile on a text read as a set of
// r: the same refusal with the same reason, or the same inputs read and the
// same bytes written back.  Empty when they agree.
inline std::string unterschied(const KvRechner& r, const std::string& text)
{
    KvEingaben unsere = kv_vorgaben(r), ihre = unsere;
    std::string unser_grund, ihr_grund;
    const bool wir = kv_eingabesatz_aus_text(r, text, unsere, unser_grund);
    const bool sie = eingabesatz_aus_text(r, text, ihre, ihr_grund);
    if (wir != sie)
        return wir ? "nur GKeyFile lehnt ab: " + ihr_grund : "nur wir lehnen ab: " + unser_grund;
    if (!wir)
        return unser_grund == ihr_grund || sprachkennung_ausser_ascii(text)
                 ? ""
                 : "andere Gruende: " + unser_grund + " / " + ihr_grund;
    if (unsere.texte != ihre.texte || unsere.optionen != ihre.optionen)
        return "andere Werte gelesen";
    if (kv_eingabesatz_text(r, unsere) != eingabesatz_text(r, unsere))
        return "anders geschrieben";
    return "";
}

} // namespace kv_glib
