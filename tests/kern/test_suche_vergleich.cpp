// Many seeded random searches through all five calculators (random other
// fields, result, target and range) against what the search found when it
// still left TOMS 748 by throwing: the same solutions, texts, messages and
// number of computations, the same smallest and largest result seen.  The recorded answers are in suche_referenz.txt;
// with KV_SUCHE_REFERENZ_SCHREIBEN=FILE set, the test writes them instead.
#include "gleitlager.h"
#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "suche.h"
#include "tellerfeder.h"
#include "zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr int SUCHEN_JE_RECHNER = 60;

struct Zufall {
    std::mt19937 g;
    // In [0, 1), the same on every platform (mt19937's numbers are fixed).
    double gleich() { return g() / 4294967296.0; }
    int bis(int n) { return static_cast<int>(g() % static_cast<uint32_t>(n)); }
};

struct Fall {
    KvEingaben e;
    KvSuche s;
};

// A search from the defaults: some number fields changed by up to a factor
// of three, options chosen at random, a field and a result the search can
// use, a range around the field's value and a target that is mostly the
// result somewhere in the range, sometimes any number.
Fall zufallsfall(const KvRechner& r, Zufall& z)
{
    Fall f{kv_vorgaben(r), {}};
    for (size_t o = 0; o < r.optionen.size(); ++o)
        f.e.optionen[o] = z.bis(static_cast<int>(r.optionen[o].werte.size()));
    std::vector<int> felder, ergebnisse;
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (!r.eingaben[i].text && kv_gelesen(r, static_cast<int>(i), f.e.optionen.data()))
            felder.push_back(static_cast<int>(i));
    for (size_t j = 0; j < r.ergebnisse.size(); ++j)
        if (kv_gilt(r.ergebnisse[j].nur_bei, f.e.optionen.data()))
            ergebnisse.push_back(static_cast<int>(j));
    for (const int i : felder)
        if (z.bis(4) == 0) {
            const double w = kv_zahl_lesen(f.e.texte[i].c_str());
            f.e.texte[i] = kv_feldtext(w * std::pow(3.0, 2 * z.gleich() - 1));
        }
    f.s.feld = felder[z.bis(static_cast<int>(felder.size()))];
    f.s.ergebnis = ergebnisse[z.bis(static_cast<int>(ergebnisse.size()))];
    double w = kv_zahl_lesen(f.e.texte[f.s.feld].c_str());
    if (w == 0)
        w = 1;
    f.s.von = z.bis(5) == 0 ? 0 : w * std::pow(10.0, -2 * z.gleich());
    f.s.bis = w * std::pow(10.0, 0.1 + 2 * z.gleich());
    KvEingaben probe = f.e;
    probe.texte[f.s.feld] = kv_feldtext(f.s.von + (f.s.bis - f.s.von) * z.gleich());
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(r, probe, stand);
    f.s.ziel = z.bis(4) != 0 && rechnung.status == KvStatus::berechnet
        ? rechnung.ergebnisse[f.s.ergebnis]
        : std::pow(10.0, 8 * z.gleich() - 2);
    return f;
}

// One line per search: what it found, every number as its shortest text
// (the message is made of these).
std::string zeile(const KvRechner& r, const Fall& f, const KvSuchergebnis& g)
{
    std::string t = std::string(r.name) + "\t" + r.eingaben[f.s.feld].name + "\t"
        + r.ergebnisse[f.s.ergebnis].name + "\t" + kv_kurz(f.s.ziel) + "\t" + kv_kurz(f.s.von) + "\t"
        + kv_kurz(f.s.bis) + "\t" + std::to_string(static_cast<int>(g.status)) + "\t"
        + std::to_string(g.rechnungen);
    if (g.ergebnisse_gesehen)
        t += "\t" + kv_kurz(g.kleinstes) + "\t" + kv_kurz(g.groesstes);
    for (const KvLoesung& l : g.loesungen)
        t += "\t" + l.text + "=" + kv_kurz(l.ergebnis);
    return t;
}

std::vector<std::string> zeilen()
{
    std::vector<std::string> z;
    Zufall zufall{std::mt19937(20261209)};
    for (const KvRechner* r : {&stalor_rechner, &kopdra_rechner, &wendis_rechner, &lupran_rechner,
                               &tarvex_rechner})
        for (int k = 0; k < SUCHEN_JE_RECHNER; ++k) {
            const Fall f = zufallsfall(*r, zufall);
            z.push_back(zeile(*r, f, kv_suchen(*r, f.e, f.s)));
        }
    return z;
}

TEST(SucheVergleich, WieMitAusnahmenAusToms748)
{
    const std::vector<std::string> jetzt = zeilen();
    if (const char* datei = std::getenv("KV_SUCHE_REFERENZ_SCHREIBEN")) {
        std::ofstream aus(datei);
        for (const std::string& z : jetzt)
            aus << z << "\n";
        ASSERT_TRUE(aus.flush()) << datei;
        return;
    }
    std::ifstream ein(KV_SUCHE_REFERENZ);
    ASSERT_TRUE(ein) << KV_SUCHE_REFERENZ;
    std::vector<std::string> referenz;
    for (std::string z; std::getline(ein, z);)
        referenz.push_back(z);
    ASSERT_EQ(referenz.size(), jetzt.size());
    int status[3] = {};
    for (size_t k = 0; k < jetzt.size(); ++k) {
        EXPECT_EQ(jetzt[k], referenz[k]) << "Suche " << k;
        std::istringstream spalten(jetzt[k]);
        std::string s;
        for (int spalte = 0; spalte <= 6; ++spalte)
            std::getline(spalten, s, '\t');
        ++status[std::stoi(s)];
    }
    const int gefunden = status[0], keine = status[1];
    // Both outcomes are among them, so both ways are compared.
    EXPECT_GT(gefunden, SUCHEN_JE_RECHNER);
    EXPECT_GT(keine, 5);
}

} // namespace
