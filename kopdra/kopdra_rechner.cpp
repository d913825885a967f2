// The clutch calculator's fields, mode and results, and its computation and
// report from the values as read.
#include "kupplung_diagramm.h"
#include "kupplung.h"
#include "sprache.h"

KupplungEingabe kupplung_eingabe(const KvStand& s)
{
    const double* v = s.werte;
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]};
}

namespace {

enum { GEGEBEN = 0, GESUCHT = 1 }; // values of the option Modus

int window_status(const KvStand& s) { return s.optionen[0] == GEGEBEN ? TK_GEGEBEN : TK_GESUCHT; }

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const KupplungEingabe e = kupplung_eingabe(s);
    if (kupplung_tk_gesucht_gewaehlt(s)) {
        rechnung.ergebnisse[6] = kupplung_tk_gesucht(e);
        return;
    }
    const KupplungGegeben r = kupplung_tk_gegeben(e);
    const double werte[6] = {r.tb, r.n12, r.tctb, r.wr, r.pv, r.tct0};
    for (int j = 0; j < 6; ++j)
        rechnung.ergebnisse[j] = werte[j];
}

void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    const KupplungEingabe e = kupplung_eingabe(s);
    if (kupplung_tk_gesucht_gewaehlt(s))
        kupplung_tk_gesucht(e, &gang);
    else
        kupplung_tk_gegeben(e, &gang);
}

std::string bericht(const KvStand& s, const KvRechnung& rechnung)
{
    return kupplung_bericht(window_status(s), s.werte, s.werte + 3, s.werte + 7, s.werte + 9,
                            rechnung.ergebnisse);
}

constexpr KvNurBei nur_gegeben{0, GEGEBEN};
constexpr KvNurBei nur_gesucht{0, GESUCHT};

} // namespace

const KvRechner kopdra_rechner = {
    .name = "kopdra",
    .titel = N_("Berechung von Schaltgetrieben"),
    .eingaben = kv_rahmenweise<KvEingabe>({
    {N_("Drehmomente"), {
        {"TA", N_("Antriebsmoment TA / Nm"), "Nm", "15325"},
        {"TL", N_("Lastmomet TL / Nm"), "Nm", "4000"},
        {"TK", N_("Kupplungsmoment TK / Nm"), "Nm", "16000", false, {}, nur_gegeben},
    }},
    {N_("Drehzahlen"), {
        {"n10", N_("Drehzahl Antrieb n10 / (1/min)"), "1/min", "350"},
        {"n20", N_("Lastdrehzahl vor dem Kuppeln n20 / (1/min)"), "1/min", "0"},
        {"nL", N_("Lastdrehzahl nach dem Kuppeln nL / (1/min)"), "1/min", "350", false, {}, nur_gegeben},
        {"Z", N_("Anzahl der Schaltungen Z / (1/h)"), "1/h", "200", false, {}, nur_gegeben},
    }},
    {N_("Drehmassen"), {
        {"JA", N_("Drehmasse des Antriebs JA / kgm^2"), "kgm^2", "76"},
        {"JL", N_("Drehmasse der Last JL / kgm^2"), "kgm^2", "80"},
    }},
    // Below the masses, in no frame of its own.
    {KV_EINGABERAHMEN, {
        {"tB", N_("Beschleunigungszeit tB / s"), "s", "0.23069", false, {}, nur_gesucht},
    }}}),
    .optionen = kv_rahmenweise<KvOption>({{N_("Auswahl"), {
        {"Modus", N_("Kupplungsmoment"), {"gegeben", "gesucht"},
         {N_("Kupplungsmoment gegeben"), N_("Kupplungsmoment gesucht")}},
    }}}),
    .ergebnisse = {
        {"tb", N_("Beschleunigungszeit tB / s"), "s", "%7.5lf", nur_gegeben},
        {"n12", N_("Synchrondrehzahl n12 / (1/min)"), "1/min", "%7.5lf", nur_gegeben},
        {"tctb", N_("Zeit von tB bis tC / s"), "s", "%7.5lf", nur_gegeben},
        {"wr", N_("Reibarbeit WR / J"), "J", "%7.5lf", nur_gegeben},
        {"pv", N_("Verlustleistung PV / (J/h)"), "J/h", "%7.5lf", nur_gegeben},
        {"tct0", N_("Hochlaufzeit tCt0 / s"), "s", "%7.5lf", nur_gegeben},
        {"TK_gesucht", N_("Kupplungsmoment TK / Nm"), "Nm", "%7.5lf", nur_gesucht},
    },
    .hinweise = {},
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = N_("Reibkupplung mit konstantem Rutschmoment zwischen zwei starren Drehmassen"),
    .rechengang = rechengang,
    .thema = N_("Schaltkupplungen"),
    .diagramm = kopdra_diagramm,
    .ohne_kataloge = N_("seine Werte haengen vom Erzeugnis des Herstellers ab"),
};
