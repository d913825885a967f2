#include "ausgabe.h"

#include "zahlen.h"

#include <cmath>

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
    void zahl(const char* k, double w) { schluessel(k); json_zahl(aus, w); }
    void null(const char* k) { schluessel(k); aus += "null"; }
    void ende() { aus += "}"; }
};

} // namespace

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
                       const KvStand& stand, const KvRechnung& rechnung, const std::string& einzug)
{
    const std::string e1 = einzug + "  ", e2 = einzug + "    ";
    const bool berechnet = rechnung.status == KvStatus::berechnet;
    aus += "{\n" + e1 + "\"programm\": ";
    json_text(aus, r.name);
    aus += ",\n" + e1 + "\"status\": ";
    json_text(aus, kv_status_text(rechnung.status));
    if (!berechnet) {
        aus += ",\n" + e1 + "\"meldung\": ";
        json_text(aus, rechnung.meldung);
    }

    aus += ",\n" + e1 + "\"eingaben\": [";
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        const KvEingabe& f = r.eingaben[i];
        aus += (i ? ",\n" : "\n") + e2;
        Objekt o{aus};
        o.text("name", f.name);
        o.text("beschriftung", f.beschriftung);
        o.text("einheit", f.einheit);
        o.text("text", eingaben.texte[i]);
        if (kv_gelesen(r, static_cast<int>(i), stand.optionen))
            o.zahl("wert", stand.werte[i]);
        else
            o.null("wert");
        o.ende();
    }
    aus += "\n" + e1 + "],\n" + e1 + "\"optionen\": [";
    for (size_t k = 0; k < r.optionen.size(); ++k) {
        aus += (k ? ",\n" : "\n") + e2;
        Objekt o{aus};
        o.text("name", r.optionen[k].name);
        o.text("beschriftung", r.optionen[k].beschriftung);
        o.text("wert", r.optionen[k].werte[stand.optionen[k]]);
        o.ende();
    }
    aus += std::string(r.optionen.empty() ? "" : "\n" + e1) + "]";

    if (berechnet) {
        aus += ",\n" + e1 + "\"ergebnisse\": [";
        for (size_t j = 0; j < r.ergebnisse.size(); ++j) {
            const KvAusgabe& a = r.ergebnisse[j];
            aus += (j ? ",\n" : "\n") + e2;
            Objekt o{aus};
            o.text("name", a.name);
            o.text("beschriftung", a.beschriftung);
            o.text("einheit", a.einheit);
            if (kv_gilt(a.nur_bei, stand.optionen))
                o.zahl("wert", rechnung.ergebnisse[j]);
            else
                o.null("wert");
            o.text("text", kv_ergebnistext(r, rechnung, stand.optionen, static_cast<int>(j)));
            o.ende();
        }
        aus += "\n" + e1 + "],\n" + e1 + "\"hinweise\": [";
        for (size_t h = 0; h < r.hinweise.size(); ++h) {
            aus += (h ? ",\n" : "\n") + e2;
            Objekt o{aus};
            o.text("name", r.hinweise[h].name);
            o.text("text", rechnung.hinweise[h]);
            o.ende();
        }
        aus += std::string(r.hinweise.empty() ? "" : "\n" + e1) + "]";
    }
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
    const bool berechnet = rechnung.status == KvStatus::berechnet;
    aus += kv_status_text(rechnung.status);
    aus += ',';
    csv_text(aus, rechnung.meldung);
    const size_t n = r_.eingaben.size();
    for (size_t i = 0; i < n; ++i) {
        if (variiert_[i]) {
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
            csv_text(aus, rechnung.hinweise[h]);
    }
    aus += '\n';
}
