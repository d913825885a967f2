// The torsion bar's fields, cross-section choice and results, and its
// computation and report from the values as read.
#include "drehstab.h"

#include "rechengang_aufzeichnen.h"

namespace {

enum { VOLL = 0, HOHL = 1 }; // values of the option Querschnitt

// The addition the window offers from its menu: the twist per metre.
const char* const VERDREHUNG = "Verdrehung je Meter";

// The twist per metre of length in Grad/m, recorded in the addition's frame.
double verdrehung(const DrehstabEingabe& e, const DrehstabErgebnis& r, double theta_zul,
                  KvRechengang* gang)
{
    const double theta = r.phi / e.l * 1000.0;
    if (gang) {
        gang->rahmen = VERDREHUNG;
        kv_schritt(gang, "theta", "phi / l 1000", {{"phi", r.phi}, {"l", e.l}}, theta, "Grad/m");
        kv_pruefung(*gang, "Verdrehung theta", theta, "Grad/m", "<=", theta_zul, theta <= theta_zul);
    }
    return theta;
}

void berechnen(const KvStand& s, KvRechnung& rechnung)
{
    const DrehstabEingabe e = drehstab_eingabe(s);
    if (e.hohl && !(e.di < e.d)) {
        rechnung.status = KvStatus::verweigert;
        rechnung.meldung = "Der Innendurchmesser di muss kleiner als der Aussendurchmesser d sein!";
        return;
    }
    const DrehstabErgebnis r = drehstab_berechnen(e);
    const double werte[5] = {r.Ip, r.Wp, r.c, r.phi, r.tau};
    for (int j = 0; j < 5; ++j)
        rechnung.ergebnisse[j] = werte[j];
    rechnung.hinweise[0] = r.tau <= e.tau_zul ? "Schubspannung zulaessig" : "Schubspannung zu hoch!";
    // The twist per metre of length, against the admissible.
    const double theta = verdrehung(e, r, s.werte[6], nullptr);
    rechnung.ergebnisse[5] = theta;
    rechnung.hinweise[1] = theta <= s.werte[6] ? "Verdrehung zulaessig" : "Verdrehung zu gross!";
}

std::string bericht(const KvStand& s, const KvRechnung&)
{
    const DrehstabEingabe e = drehstab_eingabe(s);
    return drehstab_bericht(e, drehstab_berechnen(e));
}

void rechengang(const KvStand& s, const KvRechnung&, KvRechengang& gang)
{
    const DrehstabEingabe e = drehstab_eingabe(s);
    verdrehung(e, drehstab_berechnen(e, &gang), s.werte[6], &gang);
}

} // namespace

DrehstabEingabe drehstab_eingabe(const KvStand& s)
{
    const double* v = s.werte;
    return {v[0], v[1], v[2], v[3], v[4], v[5], s.optionen[0] == HOHL};
}

const KvRechner drillstab_rechner = {
    .name = "drillstab",
    .titel = "Torsion eines Rundstabs",
    .eingaben = kv_rahmenweise<KvEingabe>({
    {"Belastung", {
        {"T", "Drehmoment T / Nm", "Nm", "50"},
    }},
    {"Stab", {
        {"l", "Laenge l / mm", "mm", "300"},
        {"d", "Aussendurchmesser d / mm", "mm", "12"},
        {"di", "Innendurchmesser di / mm", "mm", "6", false, {}, {0, HOHL}},
        {"G", "Schubmodul G / (N/mm^2)", "N/mm^2", "81000"},
        {"tau_zul", "zul. Schubspannung / (N/mm^2)", "N/mm^2", "300"},
    }},
    {VERDREHUNG, {
        {"theta_zul", "zul. Verdrehung theta_zul / (Grad/m)", "Grad/m", "0.25"},
    }}}),
    .optionen = kv_rahmenweise<KvOption>({{"Querschnitt", {
        {"Querschnitt", "Querschnitt", {"voll", "hohl"}, {"Vollquerschnitt", "Hohlquerschnitt"}},
    }}}),
    .ergebnisse = kv_rahmenweise<KvAusgabe>({{"", {
        {"Ip", "polares Flaechenmoment Ip / mm^4", "mm^4", "%7.5lf"},
        {"Wp", "polares Widerstandsmoment Wp / mm^3", "mm^3", "%7.5lf"},
        {"c", "Drehfedersteife c / (Nm/rad)", "Nm/rad", "%7.5lf"},
        {"phi", "Verdrehwinkel phi / Grad", "Grad", "%7.5lf"},
        {"tau", "Schubspannung tau / (N/mm^2)", "N/mm^2", "%7.5lf"},
    }}, {VERDREHUNG, {
        {"theta", "Verdrehung theta / (Grad/m)", "Grad/m", "%7.5lf"},
    }}}),
    .hinweise = kv_rahmenweise<KvHinweis>({{"", {{"Spannung", "Schubspannung?"}}},
                                           {VERDREHUNG, {{"Verdrehung", "Verdrehung?"}}}}),
    .berechnen = berechnen,
    .bericht = bericht,
    .verfahren = "nach der elastischen Torsion kreisfoermiger Querschnitte",
    .rechengang = rechengang,
    .thema = "Drehstaebe",
    .beispiele = {"Querschnitt=hohl di=8 --format json"},
    .diagramm = drillstab_diagramm,
    .zusatz = {VERDREHUNG, "_Verdrehung je Meter...",
               "Richtwert der zulaessigen Verdrehung von Wellen: 0.25 Grad/m",
               "Nur die Verdrehung; die Biegung der Welle bleibt unberuecksichtigt."},
};
