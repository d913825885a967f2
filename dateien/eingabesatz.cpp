#include "eingabesatz.h"

#include "rechnernamen.h"
#include "schluesseldatei.h"
#include "sprache.h"

namespace {

const char* const VERSION_SCHLUESSEL = "Formatversion";

// The one group of the file: the program's own, or why not.
bool gruppe_pruefen(const KvRechner& r, const KvSchluesseldatei& d, std::string& fehler)
{
    for (const KvSchluesselgruppe& g : d.gruppen) {
        if (g.name == r.name)
            continue;
        fehler = kv_rechnername_bekannt(g.name)
                     ? kv_einsetzen(_("ist ein Eingabesatz fuer {1}, nicht fuer {2}"), {g.name, r.name})
                     : kv_einsetzen(_("enthaelt die unbekannte Gruppe [{1}]"), {g.name});
        return false;
    }
    if (!d.gruppe(r.name)) {
        fehler = kv_einsetzen(_("ist kein Eingabesatz fuer {1} (Gruppe [{1}] fehlt)"), {r.name});
        return false;
    }
    return true;
}

bool version_pruefen(const KvSchluesselgruppe& g, std::string& fehler)
{
    // A set written by hand may leave the version out: every set written so
    // far is of version 1, so that is what it is read as.  The value is
    // compared as it stands in the file.
    const std::string* v = g.wert(VERSION_SCHLUESSEL);
    if (!v)
        return true;
    if (*v != std::to_string(KV_EINGABESATZ_FORMAT)) {
        fehler = kv_einsetzen(_("{1} {2} wird nicht unterstuetzt (erwartet: {3})"),
                              {VERSION_SCHLUESSEL, *v, std::to_string(KV_EINGABESATZ_FORMAT)});
        return false;
    }
    return true;
}

} // namespace

std::string kv_eingabesatz_endung(const KvRechner& r) { return std::string(".") + r.name; }

std::string kv_eingabesatz_text(const KvRechner& r, const KvEingaben& e)
{
    std::string t;
    kv_schluesseldatei_kommentar(t, std::string(" Eingabesatz von ") + r.name + ": " + r.titel);
    kv_schluesseldatei_gruppe(t, r.name);
    kv_schluesseldatei_eintrag(t, VERSION_SCHLUESSEL, std::to_string(KV_EINGABESATZ_FORMAT));
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        const KvEingabe& f = r.eingaben[i];
        kv_schluesseldatei_kommentar(t, std::string(" ") + f.beschriftung);
        kv_schluesseldatei_eintrag(t, f.name, e.texte[i]);
    }
    for (size_t k = 0; k < r.optionen.size(); ++k) {
        const KvOption& o = r.optionen[k];
        kv_schluesseldatei_kommentar(t, std::string(" ") + o.beschriftung + ": " + kv_optionswerte(o));
        kv_schluesseldatei_eintrag(t, o.name, o.werte[e.optionen[k]]);
    }
    return t;
}

bool kv_eingabesatz_aus_text(const KvRechner& r, const std::string& text, KvEingaben& e,
                             std::string& fehler)
{
    KvSchluesseldatei d;
    if (!kv_schluesseldatei_lesen(text, d)) {
        fehler = _("ist kein Eingabesatz (Aufbau fehlerhaft)");
        return false;
    }
    if (!gruppe_pruefen(r, d, fehler))
        return false;
    const KvSchluesselgruppe& g = *d.gruppe(r.name);
    if (!version_pruefen(g, fehler))
        return false;

    // Every line in the order of the file; a name written twice counts with
    // its last value.
    KvEingaben neu = kv_vorgaben(r);
    for (const auto& [name, roh] : g.eintraege) {
        if (name == VERSION_SCHLUESSEL)
            continue;
        const std::string wert = kv_schluesselwert_text(*g.wert(name));
        if (const int i = kv_eingabe_index(r, name); i >= 0) {
            neu.texte[i] = wert;
        } else if (const int k = kv_option_index(r, name); k >= 0) {
            const int w = kv_optionswert_index(r.optionen[k], wert);
            if (w < 0) {
                fehler = kv_einsetzen(_("{1}: erlaubt sind {2}"),
                                      {name + "=" + wert, kv_optionswerte(r.optionen[k])});
                return false;
            }
            neu.optionen[k] = w;
        } else {
            fehler = kv_einsetzen(_("unbekannter Name \"{1}\""), {name});
            return false;
        }
    }
    e = std::move(neu);
    return true;
}
