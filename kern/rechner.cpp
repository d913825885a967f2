#include "rechner.h"

#include "sprache.h"
#include "zahlen.h"

const char* const KV_EINGABERAHMEN = N_("Eingabedaten");

int kv_eingabe_index(const KvRechner& r, std::string_view name)
{
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (name == r.eingaben[i].name)
            return static_cast<int>(i);
    return -1;
}

int kv_option_index(const KvRechner& r, std::string_view name)
{
    for (size_t i = 0; i < r.optionen.size(); ++i)
        if (name == r.optionen[i].name)
            return static_cast<int>(i);
    return -1;
}

std::string kv_optionswerte(const KvOption& o)
{
    std::string t;
    for (const char* w : o.werte) {
        if (!t.empty())
            t += ", ";
        t += w;
    }
    return t;
}

int kv_optionswert_index(const KvOption& o, std::string_view wert)
{
    for (size_t i = 0; i < o.werte.size(); ++i)
        if (wert == o.werte[i])
            return static_cast<int>(i);
    return -1;
}

KvZelle kv_zelle(const KvRechner& r, int i)
{
    if (r.zelle)
        return r.zelle(i);
    int zeile = 0;
    for (int k = 0; k < i; ++k)
        zeile += std::string_view(r.eingaben[k].rahmen) == r.eingaben[i].rahmen;
    return {zeile, 0};
}

bool kv_im_zusatz(const KvRechner& r, const char* rahmen)
{
    return *r.zusatz.rahmen && std::string_view(rahmen) == r.zusatz.rahmen;
}

namespace {

template <typename T>
int vor_dem_zusatz(const KvRechner& r, const std::vector<T>& teile)
{
    int n = 0;
    while (n < static_cast<int>(teile.size()) && !kv_im_zusatz(r, teile[n].rahmen))
        ++n;
    return n;
}

} // namespace

KvFensterteile kv_fensterteile(const KvRechner& r)
{
    return {vor_dem_zusatz(r, r.eingaben), vor_dem_zusatz(r, r.optionen),
            vor_dem_zusatz(r, r.ergebnisse), vor_dem_zusatz(r, r.hinweise)};
}

KvEingaben kv_vorgaben(const KvRechner& r)
{
    KvEingaben e;
    for (const KvEingabe& f : r.eingaben)
        e.texte.emplace_back(f.vorgabe);
    for (const KvOption& o : r.optionen)
        e.optionen.push_back(o.vorgabe);
    return e;
}

bool kv_gilt(const KvNurBei& b, const int* optionen)
{
    return b.option < 0 || optionen[b.option] == b.wert;
}

bool kv_gelesen(const KvRechner& r, int i, const int* optionen)
{
    const KvEingabe& f = r.eingaben[i];
    return !f.text && f.beim_rechnen && kv_gilt(f.nur_bei, optionen);
}

bool kv_lesen(const KvRechner& r, const KvEingaben& e, KvStand& stand, KvRechnung& rechnung,
              bool mit_diagramm)
{
    for (size_t k = 0; k < r.optionen.size(); ++k)
        stand.optionen[k] = e.optionen[k];
    stand.texte = e.texte.data();
    for (size_t i = 0; i < r.eingaben.size(); ++i) {
        stand.werte[i] = 0;
        const KvEingabe& f = r.eingaben[i];
        const bool diagramm = mit_diagramm && !f.text && !f.beim_rechnen;
        if (!diagramm && !kv_gelesen(r, static_cast<int>(i), stand.optionen))
            continue;
        const char* text = e.texte[i].c_str();
        const int stelle = kv_erste_fehlstelle(text);
        if (stelle != 0) {
            rechnung.status = KvStatus::abgelehnt;
            rechnung.feld = static_cast<int>(i);
            rechnung.stelle = stelle;
            return false;
        }
        stand.werte[i] = kv_zahl_lesen(text);
    }
    return true;
}

KvRechnung kv_rechnen(const KvRechner& r, const KvEingaben& e, KvStand& stand, bool mit_diagramm)
{
    KvRechnung rechnung;
    if (kv_lesen(r, e, stand, rechnung, mit_diagramm))
        r.berechnen(stand, rechnung);
    return rechnung;
}

std::string kv_ergebnistext(const KvRechner& r, const KvRechnung& rechnung,
                            const int* optionen, int j)
{
    const KvAusgabe& a = r.ergebnisse[j];
    if (!kv_gilt(a.nur_bei, optionen))
        return "--";
    return kv_format(a.format, rechnung.ergebnisse[j]);
}

std::string kv_feld_text(const KvEingabe& f)
{
    return kv_einsetzen(_("Feld {1} ({2})"), {f.name, _(f.beschriftung)});
}

KvFehler kv_rechnung_fehler(const KvRechner& r, const KvRechnung& rechnung)
{
    switch (rechnung.status) {
    case KvStatus::abgelehnt:
        return kv_abgelehnt(kv_einsetzen(_("{1}: Stelle {2}: keine Zahl"),
                                         {kv_feld_text(r.eingaben[rechnung.feld]), std::to_string(rechnung.stelle)}));
    case KvStatus::verweigert:
        return kv_verweigert(_(rechnung.meldung));
    case KvStatus::berechnet:
        break;
    }
    return {};
}
