// The search against answers known without it: stalor's Euler length in
// closed form, kopdra's slip time against the torque its other mode seeks,
// wendis's force read back at its deflection; a result with two solutions,
// a range with none, refused points inside a range, and every refusal.
#include "gleitlager.h"
#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "suche.h"
#include "tellerfeder.h"
#include "zahlen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Aufgabe {
    const KvRechner& r;
    std::vector<std::pair<std::string, std::string>> werte; // fields and options changed
    std::string feld, ergebnis;
    double ziel, von, bis;
};

KvEingaben eingaben(const Aufgabe& a)
{
    KvEingaben e = kv_vorgaben(a.r);
    for (const auto& [name, wert] : a.werte) {
        if (const int i = kv_eingabe_index(a.r, name); i >= 0)
            e.texte[i] = wert;
        else
            e.optionen[kv_option_index(a.r, name)] =
                kv_optionswert_index(a.r.optionen[kv_option_index(a.r, name)], wert);
    }
    return e;
}

KvSuche suche(const Aufgabe& a)
{
    return {kv_eingabe_index(a.r, a.feld), [&] {
                for (size_t j = 0; j < a.r.ergebnisse.size(); ++j)
                    if (a.ergebnis == a.r.ergebnisse[j].name)
                        return static_cast<int>(j);
                return -1;
            }(), a.ziel, a.von, a.bis};
}

// One computation with the field at text t: result ergebnis.
double rechnen(const Aufgabe& a, const std::string& t)
{
    KvEingaben e = eingaben(a);
    e.texte[kv_eingabe_index(a.r, a.feld)] = t;
    KvStand stand;
    const KvRechnung r = kv_rechnen(a.r, e, stand);
    EXPECT_EQ(r.status, KvStatus::berechnet) << t;
    return r.ergebnisse[suche(a).ergebnis];
}

// What every solution must be: a text the digit check accepts, in the
// range, whose reported result is computed from it, and no shorter text
// (one digit less, either neighbour) as close to the target.
void pruefen(const Aufgabe& a, const KvLoesung& l)
{
    EXPECT_EQ(kv_erste_fehlstelle(l.text.c_str()), 0) << l.text;
    EXPECT_EQ(kv_zahl_lesen(l.text.c_str()), l.wert);
    EXPECT_GE(l.wert, a.von);
    EXPECT_LE(l.wert, a.bis);
    EXPECT_EQ(rechnen(a, l.text), l.ergebnis);
    const double abstand = std::fabs(l.ergebnis - a.ziel);
    const size_t punkt = l.text.find('.');
    if (punkt != std::string::npos && l.text.size() - punkt > 1) {
        const double schritt = std::pow(10.0, -static_cast<double>(l.text.size() - punkt - 2));
        const double kuerzer = std::floor(l.wert / schritt) * schritt;
        for (const double x : {kuerzer, kuerzer + schritt}) {
            if (x >= a.von && x <= a.bis) {
                EXPECT_GT(std::fabs(rechnen(a, kv_feldtext(x)) - a.ziel), abstand) << l.text << " " << x;
            }
        }
    }
}

TEST(Suche, AntwortenDieAuchOhneSucheBekanntSind)
{
    // stalor, Euler: F_max_zul ~ 1/l1^2, so the length for 2000 N follows
    // from any one computation.
    const Aufgabe euler{stalor_rechner, {}, "l1", "F_max_zul", 2000, 100, 1000};
    const double f229 = rechnen(euler, "229");
    // kopdra: the torque that gives tB = 0.5 s is what its other mode seeks.
    const Aufgabe kupplung{kopdra_rechner, {}, "TK", "tb", 0.5, 5000, 100000};
    const Aufgabe gesucht{kopdra_rechner, {{"Modus", "gesucht"}}, "tB", "TK_gesucht", 0, 0, 0};
    // wendis: the deflection that gives the force at s = 0.6 mm.
    const Aufgabe feder{wendis_rechner, {}, "s", "F", 0, 0.1, 1};
    Aufgabe feder_bei = feder;
    feder_bei.ziel = rechnen(feder, "0.6");

    const struct {
        Aufgabe a;
        double erwartet;
        double genauigkeit; // relative
    } faelle[] = {
        {euler, 229 * std::sqrt(f229 / 2000), 1e-9},
        {kupplung, rechnen(gesucht, "0.5"), 1e-9},
        {feder_bei, 0.6, 1e-9},
    };
    for (const auto& f : faelle) {
        const KvSuchergebnis s = kv_suchen(f.a.r, eingaben(f.a), suche(f.a));
        ASSERT_EQ(s.status, KvSuchstatus::gefunden) << f.a.r.name << ": " << s.meldung;
        ASSERT_EQ(s.loesungen.size(), 1u) << f.a.r.name;
        EXPECT_NEAR(s.loesungen[0].wert, f.erwartet, f.genauigkeit * f.erwartet) << f.a.r.name;
        EXPECT_NEAR(s.loesungen[0].ergebnis, f.a.ziel, 1e-9 * std::fabs(f.a.ziel)) << f.a.r.name;
        pruefen(f.a, s.loesungen[0]);
        // A monotone result over a decade: a few dozen computations.
        EXPECT_LE(s.rechnungen, 60) << f.a.r.name;
    }
}

TEST(Suche, ZweiLoesungenKeineUndVerweigertePunkte)
{
    // h0/t = 2: the characteristic rises to a maximum and falls again, so a
    // force between the values at its maximum and at s = h0 is reached twice.
    Aufgabe zwei{wendis_rechner, {{"h0", "2"}}, "s", "F", 0, 0.05, 2};
    zwei.ziel = rechnen(zwei, "1.6");
    const KvSuchergebnis s = kv_suchen(zwei.r, eingaben(zwei), suche(zwei));
    ASSERT_EQ(s.status, KvSuchstatus::gefunden) << s.meldung;
    ASSERT_EQ(s.loesungen.size(), 2u);
    EXPECT_LT(s.loesungen[0].wert, s.loesungen[1].wert);
    EXPECT_EQ(s.loesungen[1].text, "1.6");
    for (const KvLoesung& l : s.loesungen)
        pruefen(zwei, l);

    // More than the strut carries anywhere in the range: none, with the
    // smallest and largest result seen.
    const Aufgabe keine{stalor_rechner, {}, "l1", "F_max_zul", 1e9, 100, 1000};
    const KvSuchergebnis k = kv_suchen(keine.r, eingaben(keine), suche(keine));
    EXPECT_EQ(k.status, KvSuchstatus::keine_loesung);
    EXPECT_TRUE(k.loesungen.empty());
    EXPECT_DOUBLE_EQ(k.groesstes, rechnen(keine, "100"));
    EXPECT_DOUBLE_EQ(k.kleinstes, rechnen(keine, "1000"));
    EXPECT_EQ(k.meldung.rfind("keine Loesung: F_max_zul (zul. Maximalkraft / N) erreicht 1e+09 "
                              "mit l1 (Knicklaenge L1 / mm) von 100 bis 1000 nicht (Ergebnisse von ", 0), 0u)
        << k.meldung;

    // The bearing refuses widths below 15 mm (B/D < 0.125): those points
    // are left out, the pressure of 5 N/mm^2 is found at 60 mm.
    const Aufgabe lager{lupran_rechner, {}, "b", "pq", 5, 1, 100};
    const KvSuchergebnis l = kv_suchen(lager.r, eingaben(lager), suche(lager));
    ASSERT_EQ(l.status, KvSuchstatus::gefunden) << l.meldung;
    ASSERT_EQ(l.loesungen.size(), 1u);
    EXPECT_EQ(l.loesungen[0].text, "60");
}

TEST(Suche, Verweigert)
{
    const struct {
        Aufgabe a;
        const char* grund;
    } faelle[] = {
        {{tarvex_rechner, {}, "Qualitaet", "FSmax", 1, 1, 2}, "ist ein Textfeld"},
        {{kopdra_rechner, {}, "tB", "tb", 1, 1, 2}, "tB (Beschleunigungszeit tB / s) wird bei dieser Auswahl nicht gelesen"},
        {{wendis_rechner, {}, "s1", "F", 1, 1, 2}, "nicht gelesen"},
        {{kopdra_rechner, {}, "TK", "TK_gesucht", 1, 1, 2}, "wird bei dieser Auswahl nicht berechnet"},
        {{stalor_rechner, {}, "F", "lambda_grenz", 1, 1000, 5000}, "lambda_grenz (Grenzschlankheitsgrad / 1) haengt von 1000 bis 5000 nicht von F (Kraft F / N) ab"},
        {{stalor_rechner, {}, "l1", "F_max_zul", 1, 400, 400}, "VON muss kleiner als BIS sein"},
        {{stalor_rechner, {}, "l1", "F_max_zul", 1, -1, 400}, "nicht negativ"},
        {{stalor_rechner, {{"A", "7,5"}}, "l1", "F_max_zul", 1, 100, 400}, "Feld A (Flaeche A / mm^2): Stelle 2: keine Zahl"},
    };
    for (const auto& f : faelle) {
        const KvSuchergebnis s = kv_suchen(f.a.r, eingaben(f.a), suche(f.a));
        EXPECT_EQ(s.status, KvSuchstatus::verweigert) << f.grund;
        EXPECT_NE(s.meldung.find(f.grund), std::string::npos) << s.meldung;
    }
    int i = 0;
    EXPECT_EQ(kv_suchfeld(stalor_rechner, kv_vorgaben(stalor_rechner).optionen.data(), "Knickfall", i),
              "Knickfall ist eine Auswahl; gesucht werden kann nur ein Zahlenfeld");
    EXPECT_EQ(i, -1);
}

TEST(Feldtext, KuerzesteZiffernOhneExponent)
{
    const struct {
        double wert;
        const char* text;
    } faelle[] = {{3500, "3500"}, {0.00001, "0.00001"}, {12.5, "12.5"}, {0, "0"}, {1e21, "1000000000000000000000"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(kv_feldtext(f.wert), f.text);
        EXPECT_EQ(kv_zahl_lesen(kv_feldtext(f.wert).c_str()), f.wert);
    }
}

} // namespace
