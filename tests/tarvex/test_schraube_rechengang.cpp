// The working of the bolted joint, step by step, against what the core
// computes; without a display.
#include "rechengang_pruefen.h"
#include "schraube.h"
#include "zahlen.h"

namespace {

// The results in the order the joint is computed.
const std::vector<std::string> reihenfolge = {
    "deltas", "deltap", "PhiK", "FZ", "FSA", "FPA", "FMmax", "MA", "Fa", "Fm",
    "Siga", "SigA", "FSmax", "Sigsa", "Sigmax", "pP", "Rm", "Rp", "Fp02", "FBruch"};

// The defaults, each option, the three cases of the substitute area (3, 1,
// 2), another class and diameter, a lower service force, more sections.
const std::vector<std::vector<KvAenderung>> faelle = {
    {}, {{"Dehnschraube", "ja"}}, {{"schlussgerollt", "ja"}}, {{"DA", "18"}}, {{"DA", "40"}},
    {{"Qualitaet", "8.8"}, {"d", "16"}, {"P", "2"}}, {{"FAu", "5000"}},
    {{"di3", "8"}, {"li3", "10"}, {"lpi2", "5"}}};

KvRechengang gang(const std::vector<KvAenderung>& f)
{
    return kv_rechengang_pruefen(tarvex_rechner, kv_eingaben_mit(tarvex_rechner, f), reihenfolge);
}

TEST(SchraubeRechengang, SchritteWieDieErgebnisseUndBitgleichOhneAufzeichnung)
{
    EXPECT_STREQ(tarvex_rechner.verfahren, "nach VDI 2230");
    for (const auto& f : faelle) {
        EXPECT_EQ(gang(f).pruefungen.size(), 3u);
        const KvEingaben eingaben = kv_eingaben_mit(tarvex_rechner, f);
        const KvStand s = kv_stand_mit(tarvex_rechner, eingaben);
        KvRechengang g;
        const SchraubeErgebnis ohne = schraube_berechnen(schraube_eingabe(s));
        const SchraubeErgebnis mit = schraube_berechnen(schraube_eingabe(s), &g);
        EXPECT_EQ(std::memcmp(&ohne, &mit, sizeof ohne), 0);
    }
}

// Expected texts and values worked out by hand from the defaults (d 12,
// P 1.75, DK 18, DB 13.5, lpi1 42, sections 12/30 and 9.853/12).
TEST(SchraubeRechengang, EingesetztMitDenZahlen)
{
    const KvRechengang g = gang({});
    struct { const char* symbol; const char* eingesetzt; double wert; } faelle[] = {
        {"d2", "12 - 0.64952 * 1.75", 10.86334},        // d - 0.64952 P
        {"AN", "3.14159 * 12^2 / 4", 113.0973354},      // the program's pi to six digits
        {"lk", "42", 42},                               // plates 2 to 4 without thickness left out
        {"x", "(42 * 18 / (42 + 18)^2)^(1/3)", 0.5943922}, // case 3: DA 80 >= DK + lk
        {"rm", "0.25 * (18 + 13.5)", 7.875},
        {"SigA", "uSA(12, 12.9, 0)", 50},               // band 8 to 12, class 12.9
        {"Rp", "uRm(12, 12.9)", 1100},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(kv_schritt_von(g, f.symbol).eingesetzt, f.eingesetzt);
        EXPECT_NEAR(kv_schritt_von(g, f.symbol).wert, f.wert, 1e-6) << f.symbol;
    }
    const std::string deltas = kv_schritt_von(g, "deltas").eingesetzt;
    EXPECT_NE(deltas.find("4 * 30 / (3.14159 * 12^2) + 4 * 12 / (3.14159 * 9.853^2)"),
              std::string::npos) << deltas;
    // Case 1 with DA 18 = DK: pivier (18^2 - 13.5^2); case 2 with DA 40.
    EXPECT_EQ(kv_schritt_von(gang({{"DA", "18"}}), "AB").eingesetzt, "0.785398 * (18^2 - 13.5^2)");
    EXPECT_NEAR(kv_schritt_von(gang({{"DA", "18"}}), "AB").wert, 111.33019, 1e-5);
    EXPECT_NEAR(kv_schritt_von(gang({{"DA", "40"}}), "AB").wert, 447.91244, 1e-5);
    EXPECT_EQ(kv_schritt_von(gang({{"Dehnschraube", "ja"}}), "Amin").formel, "AT");
    EXPECT_EQ(kv_schritt_von(gang({{"schlussgerollt", "ja"}}), "SigA").eingesetzt, "uSA(12, 12.9, 1)");
}

// Rows without values are left out of the working and named in one line;
// a section with only a length, a plate with only a thickness stay.
TEST(SchraubeRechengang, NichtBelegteZeilen)
{
    struct { std::vector<KvAenderung> f; const char* text; const char* lk; } faelle[] = {
        {{}, "Abschnitte 3 bis 9 (di = li = 0); Platten 2 bis 4 (lpi = 0)", "42"},
        {{{"di3", "8"}, {"li3", "10"}, {"li5", "3"}, {"lpi3", "5"}, {"Epi4", "0"}},
         "Abschnitte 4, 6 bis 9 (di = li = 0); Platten 2, 4 (lpi = 0)", "42 + 5"},
        {{{"li9", "1"}, {"di8", "1"}, {"li7", "1"}, {"di6", "1"}, {"li5", "1"}, {"di4", "1"},
          {"li3", "1"}, {"lpi2", "1"}, {"lpi3", "1"}, {"lpi4", "1"}, {"Epi4", "0"}},
         "", "42 + 1 + 1"},
        {{{"di3", "1"}, {"di4", "1"}, {"di5", "1"}, {"di6", "1"}, {"di7", "1"}, {"di8", "1"},
          {"lpi2", "1"}, {"lpi3", "1"}},
         "Abschnitt 9 (di = li = 0); Platte 4 (lpi = 0)", "42 + 1 + 1"},
        {{{"lpi1", "0"}, {"di2", "0"}, {"li2", "0"}, {"li3", "2"}},
         "Abschnitte 2, 4 bis 9 (di = li = 0); Platten 1 bis 4 (lpi = 0)", "0"},
    };
    for (const auto& f : faelle) {
        const KvEingaben e = kv_eingaben_mit(tarvex_rechner, f.f);
        const KvNichtBelegt b = tarvex_rechner.nicht_belegt(kv_stand_mit(tarvex_rechner, e));
        EXPECT_EQ(b.text, f.text);
        for (int i : b.felder) {
            const std::string name = tarvex_rechner.eingaben[i].name;
            EXPECT_TRUE(name.rfind("Epi", 0) == 0 || kv_zahl_lesen(e.texte[i].c_str()) == 0)
                << name;
        }
        const KvRechengang g = gang(f.f);
        EXPECT_EQ(kv_schritt_von(g, "lk").eingesetzt, f.lk) << f.text;
        for (const KvSchritt& s : g.schritte)
            for (int i : b.felder)
                EXPECT_EQ(s.formel.find(tarvex_rechner.eingaben[i].name), std::string::npos)
                    << s.symbol << " = " << s.formel;
    }
}

TEST(SchraubeRechengang, Pruefungen)
{
    // Siga against SigA, pP without a limit, Sigmax against Rp.
    struct { std::vector<KvAenderung> f; bool siga, sigmax; } faelle[] = {
        {{}, true, true},                          // 5.49 <= 50, 533.56 <= 1100
        {{{"Qualitaet", "4.6"}}, true, false},     // 5.49 <= 40, 533.56 > 240
        {{{"FAo", "250000"}}, false, false},       // ten times the force amplitude
    };
    for (const auto& f : faelle) {
        const KvRechengang g = gang(f.f);
        ASSERT_EQ(g.pruefungen.size(), 3u);
        EXPECT_EQ(g.pruefungen[0].erfuellt, f.siga);
        EXPECT_FALSE(g.pruefungen[1].mit_grenze);
        EXPECT_EQ(g.pruefungen[2].erfuellt, f.sigmax);
    }
}

} // namespace
