// The built-in tables as the calculators declare them, and what their
// entries' rules share.
#include "eingebaut.h"
#include "tabellen.h"

#include "sprache.h"
#include "zahlen.h"

const std::string& kv_katalog_zelle(const KvKatalog& k, size_t zeile, std::string_view spalte)
{
    return k.csv.zeilen[zeile][kv_csv_spalte(k.csv, spalte)];
}

double kv_katalog_zahl(const KvKatalog& k, size_t zeile, std::string_view spalte)
{
    return kv_zahl_lesen(kv_katalog_zelle(k, zeile, spalte).c_str());
}

bool kv_katalog_auswahl(const KvKatalogLage& l, const char* option, const char* wert)
{
    const int o = kv_option_index(l.rechner, option);
    return o >= 0 && kv_optionswert_index(l.rechner.optionen[o], wert) == l.eingaben.optionen[o];
}

bool kv_katalog_eine_spalte(const char* feld, const KvKatalog& k, size_t z, KvKatalogEintrag& aus,
                            std::string& fehler)
{
    const std::string& w = kv_katalog_zelle(k, z, k.spalte);
    if (w.empty()) {
        fehler = kv_einsetzen(_("{1} ist fuer {2} in keiner Quelle angegeben"), {k.spalte, k.csv.zeilen[z][0]});
        return false;
    }
    aus.felder = {{feld, w}};
    return true;
}

bool kv_katalog_feldzahl(const KvKatalogLage& l, const char* name, double& wert, std::string& fehler)
{
    const std::string& t = l.eingaben.texte[kv_eingabe_index(l.rechner, name)];
    if (t.empty() || kv_erste_fehlstelle(t.c_str())) {
        fehler = kv_einsetzen(_("{1} = \"{2}\" ist keine Zahl"), {name, t});
        return false;
    }
    wert = kv_zahl_lesen(t.c_str());
    return true;
}

std::string kv_katalog_quelle(const KvCsvTabelle& t)
{
    std::string q;
    for (size_t i = 0; i < t.kommentare.size(); ++i)
        q += (i ? "\n" : "") + t.kommentare[i];
    return q;
}

void kv_eingebaute_tabellen(const KvRechner& r, const std::vector<KvEingebaut>& eingebaut,
                            std::vector<KvKatalog>& tabellen)
{
    for (const KvEingebaut& e : eingebaut) {
        KvKatalog k;
        int zeile = 0;
        std::string grund;
        // Built in from the shipped files, which the tests read.
        if (!kv_csv_lesen(kv_tabellentext(e.datei), k.csv, zeile, grund))
            continue;
        k.name = e.name;
        // What a person reads in the reader's language, as the folder marks it.
        k.titel = _(e.titel);
        k.quelle = kv_katalog_quelle(k.csv);
        k.datei = e.datei;
        k.zuordnung = e.zuordnung;
        k.spalte = e.spalte;
        k.inhalt = _(e.inhalt);
        k.kennwert = e.kennwert;
        k.kennwert.beschriftung = _(e.kennwert.beschriftung.c_str());
        const int feld = *e.angebot ? kv_eingabe_index(r, e.angebot) : -1;
        for (size_t i = 0; i < k.csv.zeilen.size(); ++i) {
            const std::string& b = k.csv.zeilen[i][0];
            if (kv_katalog_eintrag_index(k, b) >= 0)
                continue;
            if (feld >= 0) {
                bool angeboten = false;
                for (const char* w : r.eingaben[feld].auswahl)
                    angeboten = angeboten || b == w;
                if (!angeboten)
                    continue;
            }
            k.zeilen.push_back(i);
        }
        tabellen.push_back(std::move(k));
    }
}
