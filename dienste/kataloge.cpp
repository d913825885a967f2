#include "kataloge.h"

#include "ausgabe.h"
#include "sprache.h"
#include "zahlen.h"

namespace {

// {"NAME": "WERT", ...}
void felder_json(std::string& t, const std::vector<KvKatalogFeld>& felder)
{
    t += "{";
    for (size_t j = 0; j < felder.size(); ++j) {
        if (j) t += ", ";
        kv_json_text_anhaengen(t, felder[j].name);
        t += ": ";
        kv_json_text_anhaengen(t, felder[j].wert);
    }
    t += "}";
}

// "NAME": "TEXT" and the comma after it.
void glied(std::string& t, const char* name, std::string_view text)
{
    t += std::string("\"") + name + "\": ";
    kv_json_text_anhaengen(t, text);
    t += ", ";
}

} // namespace

std::string kv_katalog_json(const KvKataloge& k, const std::vector<KvKatalogWahl>& verwendet,
                            const std::string& einzug)
{
    if (verwendet.empty())
        return "";
    std::string t = "[";
    for (size_t i = 0; i < verwendet.size(); ++i) {
        const KvKatalogWahl& w = verwendet[i];
        const KvKatalog* tab = kv_katalog_finden(k, w.tabelle);
        t += (i ? ",\n" : "\n") + einzug + "  {";
        glied(t, "tabelle", w.tabelle);
        glied(t, "bezeichnung", w.bezeichnung);
        if (tab) {
            glied(t, "titel", tab->titel);
            glied(t, "datei", tab->datei);
            glied(t, "quelle", tab->quelle);
        }
        t += "\"felder\": ";
        felder_json(t, w.felder);
        if (!w.kennwert.empty() && tab) {
            t += ", \"kennwert\": {";
            glied(t, "name", tab->kennwert.name);
            t += "\"wert\": ";
            kv_json_text_anhaengen(t, w.kennwert);
            t += "}";
        }
        if (!w.hinweis.empty()) {
            t += ", \"hinweis\": ";
            kv_json_text_anhaengen(t, w.hinweis);
        }
        t += "}";
    }
    return t + "\n" + einzug + "]";
}

std::string kv_katalogliste(const KvRechner& r, const KvKataloge& k, const KvEingaben& eingaben,
                            const std::vector<KvKatalogWahl>& vorher, bool json)
{
    std::string t;
    if (json) {
        t += "{\n  \"programm\": ";
        kv_json_text_anhaengen(t, r.name);
        t += ",\n  \"tabellen\": [";
    } else if (k.tabellen.empty()) {
        return kv_ohne_kataloge(r) + ".\n";
    }
    const KvKatalogLage lage{r, eingaben, k, vorher};
    for (size_t n = 0; n < k.tabellen.size(); ++n) {
        const KvKatalog& tab = k.tabellen[n];
        if (json) {
            t += n ? ",\n    {" : "\n    {";
            const std::pair<const char*, const std::string*> teile[] = {
                {"name", &tab.name}, {"titel", &tab.titel}, {"quelle", &tab.quelle}, {"datei", &tab.datei}};
            for (const auto& [schluessel, wert] : teile)
                glied(t, schluessel, *wert);
            if (!tab.kennwert.name.empty()) {
                t += "\"kennwert\": {";
                glied(t, "name", tab.kennwert.name);
                glied(t, "beschriftung", tab.kennwert.beschriftung);
                t += "\"einheit\": ";
                kv_json_text_anhaengen(t, tab.kennwert.einheit);
                t += "}, ";
            }
            t += "\"eintraege\": [";
        } else {
            t += tab.name + "\t" + tab.titel + "\t" + tab.datei
                 + (tab.kennwert.name.empty() ? "" : "\t" + tab.kennwert.name) + "\n";
            size_t a = 0;
            while (!tab.quelle.empty() && a <= tab.quelle.size()) {
                const size_t e = std::min(tab.quelle.find('\n', a), tab.quelle.size());
                t += "# " + tab.quelle.substr(a, e - a) + "\n";
                a = e + 1;
            }
        }
        for (size_t i = 0; i < tab.zeilen.size(); ++i) {
            KvKatalogEintrag e;
            std::string fehler;
            const bool ok = kv_katalog_eintrag(tab, i, lage, e, fehler);
            const std::string_view b = kv_katalog_bezeichnung(tab, i);
            if (json) {
                t += i ? ",\n      {\"bezeichnung\": " : "\n      {\"bezeichnung\": ";
                kv_json_text_anhaengen(t, b);
                t += ", \"felder\": ";
                felder_json(t, e.felder);
                if (!ok || !e.hinweis.empty()) {
                    t += ok ? ", \"hinweis\": " : ", \"fehler\": ";
                    kv_json_text_anhaengen(t, ok ? e.hinweis : fehler);
                }
                t += "}";
            } else {
                t += "\t" + std::string(b) + "\t";
                if (!ok)
                    t += kv_nicht_verwendbar(fehler);
                for (size_t j = 0; j < e.felder.size(); ++j)
                    t += (j ? " " : "") + e.felder[j].name + "=" + e.felder[j].wert;
                t += "\n";
            }
        }
        if (json)
            t += tab.zeilen.empty() ? "]}" : "\n    ]}";
    }
    if (json)
        t += k.tabellen.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return t;
}

namespace {

void json_liste(std::string& t, const std::vector<std::string>& v)
{
    t += "[";
    for (size_t i = 0; i < v.size(); ++i) {
        if (i) t += ", ";
        kv_json_text_anhaengen(t, v[i]);
    }
    t += "]";
}

} // namespace

std::string kv_auslegung_text(const KvKatalog& tabelle, const std::vector<KvBedingung>& bedingungen,
                              const KvAuslegung& a, bool json)
{
    std::string t;
    const std::string gewaehlt = a.gewaehlt >= 0 ? a.eintraege[a.gewaehlt].bezeichnung : "";
    if (!json)
        return kv_auslegung_liste(tabelle, bedingungen, a);
    t = "{\n  \"tabelle\": ";
    kv_json_text_anhaengen(t, tabelle.name);
    t += ",\n  \"bedingungen\": ";
    std::vector<std::string> texte;
    for (const KvBedingung& b : bedingungen)
        texte.push_back(b.text);
    json_liste(t, texte);
    t += ",\n  \"gewaehlt\": ";
    if (a.gewaehlt >= 0)
        kv_json_text_anhaengen(t, gewaehlt);
    else
        t += "null";
    t += ",\n  \"eintraege\": [";
    for (size_t i = 0; i < a.eintraege.size(); ++i) {
        const KvAuslegungseintrag& x = a.eintraege[i];
        t += i ? ",\n    {\"bezeichnung\": " : "\n    {\"bezeichnung\": ";
        kv_json_text_anhaengen(t, x.bezeichnung);
        t += std::string(", \"erfuellt\": ") + (x.erfuellt ? "true" : "false") + ", \"verfehlt\": ";
        json_liste(t, x.verfehlt);
        t += ", \"pruefungen\": ";
        kv_json_pruefungen_anhaengen(t, x.pruefungen);
        t += "}";
    }
    t += a.eintraege.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return t;
}

KvFehler kv_auslegung_ausgabe(const KvRechner& r, const KvKataloge& k, const std::string& tabelle,
                              const KvEingaben& e, const std::vector<KvKatalogWahl>& vorher,
                              const std::vector<KvBedingung>& bedingungen, bool json, std::string& text)
{
    text.clear();
    const KvKatalog* t = kv_katalog_finden(k, tabelle);
    if (!t)
        return kv_abgelehnt("--auslegung " + tabelle + ": " + kv_keine_tabelle(r, k, tabelle));
    const KvAuslegung ergebnis = kv_auslegen(r, k, *t, e, vorher, bedingungen);
    text = kv_auslegung_text(*t, bedingungen, ergebnis, json);
    if (ergebnis.gewaehlt < 0)
        return kv_verweigert(kv_einsetzen(_("--auslegung {1}: kein Eintrag erfuellt alle Pruefungen und Bedingungen"),
                                          {t->name}));
    if (!json) {
        KvEingaben mit = e;
        std::string fehler;
        std::vector<KvKatalogWahl> gewaehlt = vorher;
        kv_katalog_waehlen(r, k, t->name + ":" + ergebnis.eintraege[ergebnis.gewaehlt].bezeichnung, mit,
                           gewaehlt, fehler);
        KvStand stand;
        text += "\n" + r.bericht(stand, kv_rechnen(r, mit, stand));
    }
    return {};
}
