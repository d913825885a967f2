#include "katalog.h"

#include "sprache.h"
#include "zahlen.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string zeilen_verbinden(const std::vector<std::string>& z, size_t ab)
{
    std::string t;
    for (size_t i = ab; i < z.size(); ++i) {
        if (i > ab) t += '\n';
        t += z[i];
    }
    return t;
}

// A user table's entry: every cell not empty fills the field of its column.
bool nutzer_zuordnung(const KvKatalog& k, size_t zeile, const KvKatalogLage&,
                      KvKatalogEintrag& aus, std::string&)
{
    const std::vector<std::string>& z = k.csv.zeilen[zeile];
    for (size_t j = 1; j < z.size(); ++j)
        if (!z[j].empty())
            aus.felder.push_back({k.csv.spalten[j], z[j]});
    return true;
}

} // namespace

std::string kv_ohne_kataloge(const KvRechner& r)
{
    return kv_einsetzen(_("{1} hat keine Kataloge"), {r.name});
}

std::string kv_keine_tabelle(const KvRechner& r, const KvKataloge& k, std::string_view name)
{
    if (k.tabellen.empty())
        return kv_ohne_kataloge(r);
    return kv_einsetzen(_("keine Tabelle \"{1}\" fuer {2} (--kataloge zeigt die Tabellen)"),
                        {std::string(name), r.name});
}

std::string kv_nicht_verwendbar(const std::string& grund)
{
    return kv_einsetzen(_("nicht verwendbar: {1}"), {grund});
}

std::string kv_katalog_nutzerordner()
{
    const char* daten = std::getenv("XDG_DATA_HOME");
    std::string basis;
    if (daten && daten[0] == '/') {
        basis = daten;
    } else {
        const char* heim = std::getenv("HOME");
        if (!heim || !heim[0])
            return "";
        basis = std::string(heim) + "/.local/share";
    }
    return basis + "/maschinenelemente/kataloge";
}

bool kv_nutzertabelle_lesen(const KvRechner& r, std::string_view text, const std::string& name,
                            const std::string& datei, KvKatalog& k, int& zeile, std::string& grund)
{
    k = {};
    if (!kv_csv_lesen(text, k.csv, zeile, grund))
        return false;
    const KvCsvTabelle& t = k.csv;
    // The header's line: after the comment lines, where the first row is not.
    zeile = static_cast<int>(t.kommentare.size()) + 1;
    if (t.spalten.size() < 2) {
        grund = _("die Kopfzeile nennt kein Feld");
        return false;
    }
    std::vector<int> feld(t.spalten.size(), -1);
    for (size_t j = 1; j < t.spalten.size(); ++j) {
        feld[j] = kv_eingabe_index(r, t.spalten[j]);
        if (feld[j] < 0) {
            grund = kv_einsetzen(_("Spalte \"{1}\": kein Feld von {2}"), {t.spalten[j], r.name});
            return false;
        }
    }
    if (t.zeilen.empty()) {
        grund = _("die Tabelle hat keinen Eintrag");
        return false;
    }
    for (size_t i = 0; i < t.zeilen.size(); ++i) {
        const std::vector<std::string>& z = t.zeilen[i];
        zeile = t.zeilennummern[i];
        if (z[0].empty()) {
            grund = _("der Eintrag hat keine Bezeichnung");
            return false;
        }
        for (size_t h = 0; h < i; ++h)
            if (t.zeilen[h][0] == z[0]) {
                grund = kv_einsetzen(_("\"{1}\" steht schon in Zeile {2}"),
                                     {z[0], std::to_string(t.zeilennummern[h])});
                return false;
            }
        for (size_t j = 1; j < z.size(); ++j) {
            const KvEingabe& f = r.eingaben[feld[j]];
            if (z[j].empty())
                continue;
            if (!f.auswahl.empty()) {
                if (std::none_of(f.auswahl.begin(), f.auswahl.end(),
                                 [&](const char* a) { return z[j] == a; })) {
                    grund = kv_einsetzen(_("Feld {1}: \"{2}\" ist keine der Auswahlen"), {f.name, z[j]});
                    return false;
                }
            } else if (const int stelle = f.text ? 0 : kv_erste_fehlstelle(z[j].c_str())) {
                grund = kv_einsetzen(_("Feld {1}: \"{2}\", Stelle {3}: keine Zahl"),
                                     {f.name, z[j], std::to_string(stelle)});
                return false;
            }
        }
        k.zeilen.push_back(i);
    }
    k.name = name;
    k.datei = datei;
    k.eigene = true;
    k.titel = t.kommentare.empty() ? name : t.kommentare[0];
    k.quelle = zeilen_verbinden(t.kommentare, 1);
    for (size_t j = 1; j < t.spalten.size(); ++j)
        k.inhalt += (j > 1 ? ", " : "") + t.spalten[j];
    k.zuordnung = nutzer_zuordnung;
    return true;
}

KvKataloge kv_kataloge(const KvRechner& r, const std::string& ordner)
{
    KvKataloge k;
    if (r.kataloge)
        r.kataloge(r, k.tabellen);
    if (ordner.empty())
        return k;
#ifdef __wasi__
    // The web page has no folders to list (nor does its C++ library).
    return k;
#else
    namespace fs = std::filesystem;
    std::error_code fehler;
    std::vector<fs::path> dateien;
    const std::string anfang = std::string(r.name) + "_";
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
        const std::string n = it->path().filename().string();
        if (n.size() > anfang.size() + 4 && n.compare(0, anfang.size(), anfang) == 0
            && n.compare(n.size() - 4, 4, ".csv") == 0)
            dateien.push_back(it->path());
    }
    std::sort(dateien.begin(), dateien.end());
    for (const fs::path& p : dateien) {
        const std::string n = p.filename().string();
        const std::string name = n.substr(anfang.size(), n.size() - anfang.size() - 4);
        std::ifstream f(p, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        KvKatalog t;
        int zeile = 0;
        std::string grund;
        if (!f) {
            zeile = 0;
            grund = _("nicht lesbar");
        } else if (kv_katalog_finden(k, name)) {
            grund = kv_einsetzen(_("eine Tabelle \"{1}\" gibt es schon"), {name});
        } else if (kv_nutzertabelle_lesen(r, s.str(), name, p.string(), t, zeile, grund)) {
            k.tabellen.push_back(std::move(t));
            continue;
        }
        k.abgelehnt.push_back(p.string() + (zeile > 0 ? ":" + std::to_string(zeile) : "") + ": " + grund);
    }
    return k;
#endif
}

const KvKatalog* kv_katalog_finden(const KvKataloge& k, std::string_view name)
{
    for (const KvKatalog& t : k.tabellen)
        if (t.name == name)
            return &t;
    return nullptr;
}

std::string_view kv_katalog_bezeichnung(const KvKatalog& k, size_t eintrag)
{
    return k.csv.zeilen[k.zeilen[eintrag]][0];
}

int kv_katalog_eintrag_index(const KvKatalog& k, std::string_view bezeichnung)
{
    for (size_t i = 0; i < k.zeilen.size(); ++i)
        if (kv_katalog_bezeichnung(k, i) == bezeichnung)
            return static_cast<int>(i);
    return -1;
}

bool kv_katalog_eintrag(const KvKatalog& k, size_t eintrag, const KvKatalogLage& lage,
                        KvKatalogEintrag& aus, std::string& fehler)
{
    aus = {};
    return k.zuordnung(k, k.zeilen[eintrag], lage, aus, fehler);
}

namespace {

// The value an entry's field gives an option of that name: the index of its
// value name; -1 when it names no option or no value of it.
int optionswert(const KvRechner& r, const KvKatalogFeld& f, int& option)
{
    option = kv_option_index(r, f.name);
    return option < 0 ? -1 : kv_optionswert_index(r.optionen[option], f.wert);
}

// Whether the inputs still hold what the entry's field set.
bool haelt(const KvRechner& r, const KvEingaben& eingaben, const KvKatalogFeld& f)
{
    if (const int i = kv_eingabe_index(r, f.name); i >= 0)
        return eingaben.texte[i] == f.wert;
    int k = -1;
    const int w = optionswert(r, f, k);
    return w >= 0 && eingaben.optionen[k] == w;
}

} // namespace

void kv_katalog_anwenden(const KvRechner& r, const KvKatalogEintrag& e, KvEingaben& eingaben)
{
    for (const KvKatalogFeld& f : e.felder) {
        int k = -1;
        if (const int i = kv_eingabe_index(r, f.name); i >= 0)
            eingaben.texte[i] = f.wert;
        else if (const int w = optionswert(r, f, k); w >= 0)
            eingaben.optionen[k] = w;
    }
}

bool kv_katalog_waehlen(const KvRechner& r, const KvKataloge& k, std::string_view wahl,
                        KvEingaben& eingaben, std::vector<KvKatalogWahl>& vorher,
                        std::string& fehler)
{
    const size_t d = wahl.find(':');
    if (d == wahl.npos) {
        fehler = _("erwartet TABELLE:EINTRAG");
        return false;
    }
    const std::string_view name = wahl.substr(0, d);
    std::string_view bezeichnung = wahl.substr(d + 1), kennwert;
    const KvKatalog* t = kv_katalog_finden(k, name);
    if (!t) {
        fehler = kv_keine_tabelle(r, k, name);
        return false;
    }
    if (!t->kennwert.name.empty()) {
        const std::string nach = ":" + t->kennwert.name + "=";
        if (const size_t p = bezeichnung.rfind(nach); p != bezeichnung.npos) {
            kennwert = bezeichnung.substr(p + nach.size());
            bezeichnung = bezeichnung.substr(0, p);
        }
    }
    const int i = kv_katalog_eintrag_index(*t, bezeichnung);
    if (i < 0) {
        fehler = kv_einsetzen(_("kein Eintrag \"{1}\" in {2}"), {std::string(bezeichnung), t->name});
        return false;
    }
    KvKatalogEintrag e;
    const KvKatalogLage lage{r, eingaben, k, vorher, kennwert};
    if (!kv_katalog_eintrag(*t, static_cast<size_t>(i), lage, e, fehler))
        return false;
    kv_katalog_anwenden(r, e, eingaben);
    vorher.push_back({t->name, std::string(bezeichnung), std::string(kennwert), e.felder, e.hinweis});
    return true;
}

std::vector<KvKatalogWahl> kv_katalog_verwendet(const KvRechner& r, const KvEingaben& eingaben,
                                                const std::vector<KvKatalogWahl>& vorher)
{
    std::vector<KvKatalogWahl> v;
    for (const KvKatalogWahl& w : vorher) {
        const bool gilt = !w.felder.empty()
                          && std::all_of(w.felder.begin(), w.felder.end(), [&](const KvKatalogFeld& f) {
                                 return haelt(r, eingaben, f);
                             });
        if (gilt)
            v.push_back(w);
    }
    return v;
}

std::string kv_katalog_zeile(const KvKataloge& k, const KvKatalogWahl& w)
{
    const KvKatalog* tab = kv_katalog_finden(k, w.tabelle);
    std::string t;
    if (!tab) {
        t = kv_einsetzen(_("Katalog {1}: {2}"), {w.tabelle, w.bezeichnung});
    } else {
        const std::string eintrag = w.kennwert.empty()
                                        ? w.bezeichnung
                                        : kv_einsetzen(_("{1} mit {2} = {3} {4}"),
                                                       {w.bezeichnung, tab->kennwert.name, w.kennwert,
                                                        tab->kennwert.einheit});
        const char* satz = tab->eigene ? _("Katalog {1} ({2}, eigene Tabelle {3}): {4}")
                                       : _("Katalog {1} ({2}, {3}): {4}");
        t = kv_einsetzen(satz, {w.tabelle, tab->titel, tab->datei, eintrag});
    }
    for (size_t i = 0; i < w.felder.size(); ++i)
        t += (i ? ", " : ": ") + w.felder[i].name + " = " + w.felder[i].wert;
    if (!w.hinweis.empty())
        t += " (" + w.hinweis + ")";
    return t;
}
