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
#include "ziffern.h"

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

// A result as the window shows it.
std::string gezeigt(const Aufgabe& a, double ergebnis)
{
    return kv_format(a.r.ergebnisse[suche(a).ergebnis].format, ergebnis);
}

// The two texts of one significant digit less on either side of t ("14.92":
// "14.9" and "15"); none for a text of one digit.
std::vector<std::string> kuerzere(const std::string& t)
{
    auto [ziffern, k] = ziffern_und_stelle(t);
    if (ziffern.size() <= 1)
        return {};
    ziffern.pop_back();
    ++k;
    std::vector<std::string> texte;
    for (const long long m : {std::stoll(ziffern), std::stoll(ziffern) + 1}) {
        std::string z = std::to_string(m);
        if (k >= 0) {
            z += std::string(static_cast<size_t>(k), '0');
        } else {
            if (static_cast<int>(z.size()) <= -k)
                z.insert(0, std::string(static_cast<size_t>(-k - static_cast<int>(z.size()) + 1), '0'));
            z.insert(z.size() - static_cast<size_t>(-k), ".");
        }
        texte.push_back(z);
    }
    return texte;
}

// What every solution must be: a text the digit check accepts, in the
// range, whose reported result is computed from it.  Where its result is
// shown as the target is shown, no text of fewer significant digits in the
// range is (either neighbour with one digit less); where not, none is as
// close to the target.  Whether its result is shown as the target.
bool pruefen(const Aufgabe& a, const KvLoesung& l)
{
    EXPECT_EQ(kv_erste_fehlstelle(l.text.c_str()), 0) << l.text;
    EXPECT_EQ(kv_zahl_lesen(l.text.c_str()), l.wert);
    EXPECT_GE(l.wert, a.von);
    EXPECT_LE(l.wert, a.bis);
    EXPECT_EQ(rechnen(a, l.text), l.ergebnis);
    const bool wie_ziel = gezeigt(a, l.ergebnis) == gezeigt(a, a.ziel);
    for (const std::string& k : kuerzere(l.text)) {
        const double x = kv_zahl_lesen(k.c_str());
        if (x < a.von || x > a.bis)
            continue;
        const double y = rechnen(a, k);
        if (wie_ziel)
            EXPECT_NE(gezeigt(a, y), gezeigt(a, a.ziel)) << l.text << " " << k;
        else
            EXPECT_GT(std::fabs(y - a.ziel), std::fabs(l.ergebnis - a.ziel)) << l.text << " " << k;
    }
    return wie_ziel;
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

    // The texts: the fewest digits whose result the window shows as it
    // shows the target; each checked by pruefen, which computes the
    // calculator with the text and with both texts of one digit less.
    const struct {
        Aufgabe a;
        double erwartet;
        const char* text;
    } faelle[] = {
        {euler, 229 * std::sqrt(f229 / 2000), "133.4973713"},
        {kupplung, rechnen(gesucht, "0.5"), "12664.66"},
        {feder_bei, 0.6, "0.6"},
    };
    for (const auto& f : faelle) {
        const KvSuchergebnis s = kv_suchen(f.a.r, eingaben(f.a), suche(f.a));
        ASSERT_EQ(s.status, KvSuchstatus::gefunden) << f.a.r.name << ": " << s.meldung;
        ASSERT_EQ(s.loesungen.size(), 1u) << f.a.r.name;
        EXPECT_EQ(s.loesungen[0].text, f.text);
        // Shown to five or six decimals, the result pins the field's value
        // far closer than a millionth.
        EXPECT_NEAR(s.loesungen[0].wert, f.erwartet, 1e-6 * f.erwartet) << f.a.r.name;
        EXPECT_TRUE(pruefen(f.a, s.loesungen[0])) << f.a.r.name;
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
        EXPECT_TRUE(pruefen(zwei, l)) << l.text;

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

TEST(Suche, KuerzesterTextDessenErgebnisWieDasZielGezeigtWird)
{
    // Results shown with five decimals (%7.5lf) and with six (%10.6lf); the
    // targets are what an engineer asks for.  The texts were checked by
    // computing the calculator with them and printing the result.
    const struct {
        Aufgabe a;
        const char* text;
    } faelle[] = {
        {{tarvex_rechner, {}, "d", "MA", 100, 1.2, 120}, "14.915738"},
        {{stalor_rechner, {}, "l1", "lambda", 100, 100, 1000}, "124.99936"},
        {{lupran_rechner, {}, "b", "pq", 3.3, 1, 100}, "90.909"},
        {{kopdra_rechner, {}, "TK", "tb", 0.7, 5000, 100000}, "11848.38"},
        {{wendis_rechner, {}, "s", "F", 100, 0, 1}, "0.5983814"},
        // On a rounding edge of the format: the double 100.0000005 lies
        // just below it and is shown as 100.000000, the converged value's
        // result just above (100.000001); the text for 100 N is shown so.
        {{wendis_rechner, {}, "s", "F", 100.0000005, 0, 1}, "0.5983814"},
    };
    for (const auto& f : faelle) {
        const KvSuchergebnis s = kv_suchen(f.a.r, eingaben(f.a), suche(f.a));
        ASSERT_EQ(s.status, KvSuchstatus::gefunden) << f.a.r.name << ": " << s.meldung;
        EXPECT_EQ(s.loesungen[0].text, f.text) << f.a.r.name;
        for (const KvLoesung& l : s.loesungen)
            EXPECT_TRUE(pruefen(f.a, l)) << f.a.r.name << " " << l.text;
    }

    // A force of the order of 1e12 N shown to five decimals: no text gives
    // a result shown as the target, so the shortest text as close to it as
    // the converged bracket's is found, as before.
    Aufgabe riesig{stalor_rechner, {{"E", "1000000000000000"}}, "l1", "F_max_zul", 0, 100, 1000};
    riesig.ziel = rechnen(riesig, "300") * (1 + 1e-9);
    const KvSuchergebnis s = kv_suchen(riesig.r, eingaben(riesig), suche(riesig));
    ASSERT_EQ(s.status, KvSuchstatus::gefunden) << s.meldung;
    ASSERT_EQ(s.loesungen.size(), 1u);
    EXPECT_FALSE(pruefen(riesig, s.loesungen[0])) << s.loesungen[0].text;
    EXPECT_EQ(s.loesungen[0].text, "299.99999985");
    // Indeed none of the 200 doubles around it is shown as the target.
    double unten = s.loesungen[0].wert, oben = unten;
    for (int k = 0; k < 100; ++k) {
        unten = std::nextafter(unten, 0.0);
        oben = std::nextafter(oben, 1e9);
        for (const double x : {unten, oben})
            EXPECT_NE(gezeigt(riesig, rechnen(riesig, kv_feldtext(x))), gezeigt(riesig, riesig.ziel))
                << kv_feldtext(x);
    }
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
