#include "ausgabe.h"
#include "sprache.h"

#include "zahlen.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

void json_text(std::string& aus, std::string_view t)
{
    static const char hex[] = "0123456789abcdef";
    aus += '"';
    for (const char c : t) {
        const unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': aus += "\\\""; break;
        case '\\': aus += "\\\\"; break;
        case '\n': aus += "\\n"; break;
        case '\t': aus += "\\t"; break;
        case '\r': aus += "\\r"; break;
        default:
            if (u < 0x20) {
                aus += "\\u00";
                aus += hex[u >> 4];
                aus += hex[u & 15];
            } else {
                aus += c;
            }
        }
    }
    aus += '"';
}

// Texts of a table in the reader's language.
std::vector<const char*> uebersetzt(const std::vector<const char*>& t)
{
    std::vector<const char*> u;
    for (const char* x : t)
        u.push_back(_(x));
    return u;
}

void json_texte(std::string& aus, const std::vector<const char*>& t)
{
    aus += '[';
    for (size_t i = 0; i < t.size(); ++i) {
        if (i) aus += ", ";
        json_text(aus, t[i]);
    }
    aus += ']';
}

// A JSON number, or the strings "inf", "-inf", "nan" that JSON lacks.
void json_zahl(std::string& aus, double w)
{
    const bool endlich = std::isfinite(w);
    if (!endlich) aus += '"';
    kv_kurz_anhaengen(aus, w);
    if (!endlich) aus += '"';
}

bool csv_sonderzeichen(char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; }

void csv_text(std::string& aus, std::string_view t)
{
    bool zitieren = false;
    for (const char c : t)
        zitieren |= csv_sonderzeichen(c);
    if (!zitieren) {
        aus += t;
        return;
    }
    aus += '"';
    for (const char c : t) {
        if (c == '"') aus += '"';
        aus += c;
    }
    aus += '"';
}

// Key and value of one member, a comma before all but the first.
struct Objekt {
    std::string& aus;
    bool erstes = true;
    void schluessel(const char* k)
    {
        aus += erstes ? "{" : ", ";
        erstes = false;
        json_text(aus, k);
        aus += ": ";
    }
    void text(const char* k, std::string_view t) { schluessel(k); json_text(aus, t); }
    void zahl_oder_null(const char* k, bool zahl, double w)
    {
        schluessel(k);
        if (zahl) json_zahl(aus, w); else aus += "null";
    }
    void wahr(const char* k, bool w) { schluessel(k); aus += w ? "true" : "false"; }
    void ganz(const char* k, int w) { schluessel(k); aus += std::to_string(w); }
    void texte(const char* k, const std::vector<const char*>& t) { schluessel(k); json_texte(aus, t); }
    // null, or the option and its value for which alone it counts
    void nur_bei(const KvRechner& r, const KvNurBei& b)
    {
        schluessel("nur_bei");
        if (b.option < 0) {
            aus += "null";
            return;
        }
        const KvOption& o = r.optionen[b.option];
        Objekt n{aus};
        n.text("option", o.name);
        n.text("wert", o.werte[b.wert]);
        n.ende();
    }
    void ende() { aus += "}"; }
};

// "name": [ one object per element, on a line each ]
template <typename Element>
void json_liste(std::string& aus, const char* name, size_t n, const std::string& einzug,
                Element element)
{
    aus += ",\n" + einzug + "\"" + name + "\": [";
    for (size_t i = 0; i < n; ++i) {
        aus += (i ? ",\n" : "\n") + einzug + "  ";
        Objekt o{aus};
        element(o, i);
        o.ende();
    }
    aus += std::string(n ? "\n" + einzug : "") + "]";
}

} // namespace

void kv_json_text_anhaengen(std::string& aus, std::string_view t)
{
    json_text(aus, t);
}

const char* const KV_KEINE_LOESUNG = "keine Loesung";

const char* kv_status_text(KvStatus s)
{
    switch (s) {
    case KvStatus::berechnet: return "berechnet";
    case KvStatus::abgelehnt: return "abgelehnt";
    case KvStatus::verweigert: return "verweigert";
    }
    return "";
}

void kv_json_anhaengen(std::string& aus, const KvRechner& r, const KvEingaben& eingaben,
                       const KvStand& stand, const KvRechnung& rechnung, const std::string& einzug,
                       const KvJsonSuche* suche, const KvJsonZusatz* zusatz)
{
    const std::string e1 = einzug + "  ";
    const bool ohne_loesung = suche && suche->ergebnis.status != KvSuchstatus::gefunden;
    const bool berechnet = rechnung.status == KvStatus::berechnet && !ohne_loesung;
    aus += "{\n" + e1 + "\"programm\": ";
    json_text(aus, r.name);
    aus += ",\n" + e1 + "\"status\": ";
    json_text(aus, ohne_loesung ? KV_KEINE_LOESUNG : kv_status_text(rechnung.status));
    if (!berechnet) {
        aus += ",\n" + e1 + "\"meldung\": ";
        json_text(aus, ohne_loesung ? suche->ergebnis.meldung.c_str() : _(rechnung.meldung));
    }

    json_liste(aus, "eingaben", r.eingaben.size(), e1, [&](Objekt& o, size_t i) {
        const KvEingabe& f = r.eingaben[i];
        o.text("name", f.name);
        o.text("beschriftung", _(f.beschriftung));
        o.text("einheit", f.einheit);
        o.text("text", eingaben.texte[i]);
        const bool gesucht = ohne_loesung && static_cast<int>(i) == suche->suche.feld;
        o.zahl_oder_null("wert", kv_gelesen(r, static_cast<int>(i), stand.optionen) && !gesucht,
                         stand.werte[i]);
    });
    json_liste(aus, "optionen", r.optionen.size(), e1, [&](Objekt& o, size_t k) {
        o.text("name", r.optionen[k].name);
        o.text("beschriftung", _(r.optionen[k].beschriftung));
        o.text("wert", r.optionen[k].werte[stand.optionen[k]]);
    });
    if (berechnet) {
        json_liste(aus, "ergebnisse", r.ergebnisse.size(), e1, [&](Objekt& o, size_t j) {
            const KvAusgabe& a = r.ergebnisse[j];
            o.text("name", a.name);
            o.text("beschriftung", _(a.beschriftung));
            o.text("einheit", a.einheit);
            o.zahl_oder_null("wert", kv_gilt(a.nur_bei, stand.optionen), rechnung.ergebnisse[j]);
            o.text("text", kv_ergebnistext(r, rechnung, stand.optionen, static_cast<int>(j)));
        });
        json_liste(aus, "hinweise", r.hinweise.size(), e1, [&](Objekt& o, size_t h) {
            o.text("name", r.hinweise[h].name);
            o.text("text", _(rechnung.hinweise[h].c_str()));
        });
    }
    if (suche) {
        const KvSuche& s = suche->suche;
        const KvSuchergebnis& e = suche->ergebnis;
        aus += ",\n" + e1 + "\"suche\": ";
        Objekt o{aus};
        o.text("feld", r.eingaben[s.feld].name);
        o.text("ergebnis", r.ergebnisse[s.ergebnis].name);
        o.zahl_oder_null("ziel", true, s.ziel);
        o.zahl_oder_null("von", true, s.von);
        o.zahl_oder_null("bis", true, s.bis);
        o.zahl_oder_null("rechnungen", true, static_cast<double>(e.rechnungen));
        if (e.status == KvSuchstatus::keine_loesung && e.ergebnisse_gesehen) {
            o.zahl_oder_null("kleinstes", true, e.kleinstes);
            o.zahl_oder_null("groesstes", true, e.groesstes);
        }
        json_liste(aus, "loesungen", e.loesungen.size(), e1 + "  ", [&](Objekt& l, size_t k) {
            l.text("text", e.loesungen[k].text);
            l.zahl_oder_null("wert", true, e.loesungen[k].wert);
            l.zahl_oder_null("ergebnis", true, e.loesungen[k].ergebnis);
        });
        o.ende();
    }
    if (zusatz && berechnet) {
        KvRechengang gang;
        if (r.rechengang)
            r.rechengang(stand, rechnung, gang);
        aus += ",\n" + e1 + "\"pruefungen\": ";
        kv_json_pruefungen_anhaengen(aus, gang.pruefungen);
    }
    if (zusatz && !zusatz->katalog.empty())
        aus += ",\n" + e1 + "\"katalog\": " + zusatz->katalog;
    aus += "\n" + einzug + "}";
}

void kv_json_pruefungen_anhaengen(std::string& aus, const std::vector<KvPruefung>& pruefungen)
{
    aus += "[";
    bool erste = true;
    for (const KvPruefung& p : pruefungen) {
        if (!p.mit_grenze)
            continue;
        aus += erste ? "" : ", ";
        erste = false;
        Objekt o{aus};
        o.text("name", _(p.text.c_str()));
        o.zahl_oder_null("wert", true, p.wert);
        o.zahl_oder_null("grenze", true, p.grenze);
        o.wahr("erfuellt", p.erfuellt);
        o.ende();
    }
    aus += "]";
}

void kv_beschreibung_anhaengen(std::string& aus, const KvRechner& r, const std::string& einzug)
{
    const std::string e1 = einzug + "  ";
    aus += "{\n" + e1 + "\"programm\": ";
    json_text(aus, r.name);
    aus += ",\n" + e1 + "\"titel\": ";
    json_text(aus, _(r.titel));
    aus += ",\n" + e1 + "\"verfahren\": ";
    json_text(aus, _(r.verfahren));
    aus += ",\n" + e1 + "\"ergebnisse_vorher\": ";
    json_text(aus, r.ergebnisse_vorher);
    // The frames in window order, as the fields and then the options name them.
    std::vector<const char*> rahmen;
    auto rahmen_dazu = [&](const char* b) {
        if (std::none_of(rahmen.begin(), rahmen.end(), [&](const char* x) { return std::string_view(x) == _(b); }))
            rahmen.push_back(_(b));
    };
    // The addition's frame last, after the window's.
    for (const KvEingabe& f : r.eingaben)
        if (!kv_im_zusatz(r, f.rahmen))
            rahmen_dazu(f.rahmen);
    for (const KvOption& o : r.optionen)
        if (!kv_im_zusatz(r, o.rahmen))
            rahmen_dazu(o.rahmen);
    if (*r.zusatz.rahmen)
        rahmen_dazu(r.zusatz.rahmen);
    aus += ",\n" + e1 + "\"rahmen\": ";
    json_texte(aus, rahmen);
    if (*r.zusatz.rahmen) {
        aus += ",\n" + e1 + "\"zusatz\": ";
        Objekt z{aus};
        z.text("rahmen", _(r.zusatz.rahmen));
        z.text("menue", _(r.zusatz.menue));
        z.text("quelle", _(r.zusatz.quelle));
        z.text("vorbehalt", _(r.zusatz.vorbehalt));
        z.ende();
    }
    json_liste(aus, "eingaben", r.eingaben.size(), e1, [&](Objekt& o, size_t i) {
        const KvEingabe& f = r.eingaben[i];
        o.text("name", f.name);
        o.text("beschriftung", _(f.beschriftung));
        o.text("einheit", f.einheit);
        o.text("vorgabe", f.vorgabe);
        o.text("rahmen", _(f.rahmen));
        o.wahr("text", f.text);
        o.texte("auswahl", f.auswahl);
        o.nur_bei(r, f.nur_bei);
        o.wahr("beim_rechnen", f.beim_rechnen);
        // Where the window shows it in its frame.
        const KvZelle z = kv_zelle(r, static_cast<int>(i));
        o.schluessel("zelle");
        Objekt zelle{aus};
        zelle.ganz("zeile", z.zeile);
        zelle.ganz("spalte", z.spalte);
        zelle.wahr("unter_kopf", z.unter_kopf);
        zelle.ende();
    });
    json_liste(aus, "optionen", r.optionen.size(), e1, [&](Objekt& o, size_t k) {
        const KvOption& p = r.optionen[k];
        o.text("name", p.name);
        o.text("beschriftung", _(p.beschriftung));
        o.text("rahmen", _(p.rahmen));
        o.texte("werte", p.werte);
        o.texte("knoepfe", uebersetzt(p.knoepfe));
        o.text("vorgabe", p.werte[p.vorgabe]);
    });
    json_liste(aus, "ergebnisse", r.ergebnisse.size(), e1, [&](Objekt& o, size_t j) {
        const KvAusgabe& a = r.ergebnisse[j];
        o.text("name", a.name);
        o.text("beschriftung", _(a.beschriftung));
        o.text("einheit", a.einheit);
        o.text("format", a.format);
        o.nur_bei(r, a.nur_bei);
        if (*a.rahmen)
            o.text("rahmen", _(a.rahmen));
    });
    json_liste(aus, "hinweise", r.hinweise.size(), e1, [&](Objekt& o, size_t h) {
        const KvHinweis& n = r.hinweise[h];
        o.text("name", n.name);
        o.text("beschriftung", _(n.beschriftung));
        o.text("ergebnis", n.ergebnis);
        if (*n.rahmen)
            o.text("rahmen", _(n.rahmen));
    });
    aus += "\n" + einzug + "}";
}

KvCsv::KvCsv(const KvRechner& r, const KvEingaben& eingaben, const KvStand& stand,
             std::vector<int> variiert)
    : r_(r), variiert_(r.eingaben.size(), false)
{
    for (const int i : variiert)
        variiert_[i] = true;
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        std::string z = ",";
        if (r.eingaben[i].text)
            csv_text(z, eingaben.texte[i]);
        else if (kv_gelesen(r, static_cast<int>(i), stand.optionen))
            kv_kurz_anhaengen(z, stand.werte[i]);
        zellen_.push_back(std::move(z));
    }
    for (size_t k = 0; k < r.optionen.size(); ++k)
        zellen_.push_back(std::string(",") + r.optionen[k].werte[stand.optionen[k]]);
}

void KvCsv::kopf_anhaengen(std::string& aus) const
{
    aus += "status,meldung";
    for (const KvEingabe& f : r_.eingaben) (aus += ',') += f.name;
    for (const KvOption& o : r_.optionen) (aus += ',') += o.name;
    for (const KvAusgabe& a : r_.ergebnisse) (aus += ',') += a.name;
    for (const KvHinweis& h : r_.hinweise) (aus += ',') += h.name;
    aus += '\n';
}

void KvCsv::zeile_anhaengen(std::string& aus, const KvStand& stand, const KvRechnung& rechnung) const
{
    zeile(aus, stand, rechnung, kv_status_text(rechnung.status), -1);
}

void KvCsv::ohne_loesung_anhaengen(std::string& aus, const KvStand& stand, const std::string& meldung,
                                   int feld) const
{
    KvRechnung keine;
    keine.status = KvStatus::verweigert;
    keine.meldung = meldung.c_str();
    zeile(aus, stand, keine, KV_KEINE_LOESUNG, feld);
}

void KvCsv::zeile(std::string& aus, const KvStand& stand, const KvRechnung& rechnung,
                  const char* status, int leer) const
{
    const bool berechnet = rechnung.status == KvStatus::berechnet;
    aus += status;
    aus += ',';
    csv_text(aus, _(rechnung.meldung));
    const size_t n = r_.eingaben.size();
    for (size_t i = 0; i < n; ++i) {
        if (static_cast<int>(i) == leer) {
            aus += ',';
        } else if (variiert_[i]) {
            aus += ',';
            kv_kurz_anhaengen(aus, stand.werte[i]);
        } else {
            aus += zellen_[i];
        }
    }
    for (size_t k = n; k < zellen_.size(); ++k)
        aus += zellen_[k];
    for (size_t j = 0; j < r_.ergebnisse.size(); ++j) {
        aus += ',';
        if (berechnet && kv_gilt(r_.ergebnisse[j].nur_bei, stand.optionen))
            kv_kurz_anhaengen(aus, rechnung.ergebnisse[j]);
    }
    for (size_t h = 0; h < r_.hinweise.size(); ++h) {
        aus += ',';
        if (berechnet)
            csv_text(aus, _(rechnung.hinweise[h].c_str()));
    }
    aus += '\n';
}
