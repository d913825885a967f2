// What an entry fills in each calculator, the user's own tables beside the
// built-in ones, and a malformed one refused with its line and reason.
#include "katalog.h"

#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "tellerfeder.h"

#include <gtest/gtest.h>

#include "auslegung.h"
#include "zahlen.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

using Felder = std::map<std::string, std::string>;

// The fields an entry sets with the calculator's defaults and the entries
// taken before.
Felder felder(const KvRechner& r, const std::string& tabelle, const std::string& eintrag,
              const std::vector<KvKatalogWahl>& vorher = {}, std::string* hinweis = nullptr)
{
    const KvKataloge k = kv_kataloge(r, "");
    const KvEingaben e = kv_vorgaben(r);
    const KvKatalog* t = kv_katalog_finden(k, tabelle);
    EXPECT_TRUE(t) << tabelle;
    if (!t)
        return {};
    const int i = kv_katalog_eintrag_index(*t, eintrag);
    EXPECT_GE(i, 0) << eintrag;
    KvKatalogEintrag aus;
    std::string fehler;
    EXPECT_TRUE(kv_katalog_eintrag(*t, i, {r, e, k, vorher}, aus, fehler)) << fehler;
    if (hinweis)
        *hinweis = aus.hinweis;
    Felder f;
    for (const KvKatalogFeld& x : aus.felder) {
        // An input field, or an option by its value (a section's buckling curve).
        EXPECT_TRUE(kv_eingabe_index(r, x.name) >= 0 || kv_option_index(r, x.name) >= 0) << x.name;
        EXPECT_TRUE(f.emplace(x.name, x.wert).second) << x.name << " zweimal";
    }
    return f;
}

std::vector<std::string> bezeichnungen(const KvKatalog& t)
{
    std::vector<std::string> v;
    for (size_t i = 0; i < t.zeilen.size(); ++i)
        v.emplace_back(kv_katalog_bezeichnung(t, i));
    return v;
}

} // namespace

TEST(Katalog, SchraubeAusGewindeKlasseBohrungKopfScheibe)
{
    EXPECT_EQ(felder(tarvex_rechner, "regelgewinde", "M16"),
              (Felder{{"d", "16"}, {"P", "2"}, {"di1", "16"}, {"di2", "13.546"}}));
    EXPECT_EQ(felder(tarvex_rechner, "feingewinde", "M12x1.5"),
              (Felder{{"d", "12"}, {"P", "1.5"}, {"di1", "12"}, {"di2", "10.160"}}));
    // The defaults are those of M12 (medium hole, socket head).
    EXPECT_EQ(felder(tarvex_rechner, "bohrung_mittel", "M12"), (Felder{{"DB", "13.5"}}));
    EXPECT_EQ(felder(tarvex_rechner, "bohrung_fein", "M12"), (Felder{{"DB", "13"}}));
    EXPECT_EQ(felder(tarvex_rechner, "bohrung_grob", "M36"), (Felder{{"DB", "42"}}));
    EXPECT_EQ(felder(tarvex_rechner, "zylinderkopf", "M12"), (Felder{{"DK", "18"}}));
    EXPECT_EQ(felder(tarvex_rechner, "zylinderkopf_dw", "M12"), (Felder{{"DK", "17.23"}}));
    EXPECT_EQ(felder(tarvex_rechner, "sechskantkopf", "M12"), (Felder{{"DK", "16.63"}}));
    EXPECT_EQ(felder(tarvex_rechner, "scheiben", "M12"), (Felder{{"DK", "24"}, {"lpi2", "2.5"}}));
    EXPECT_EQ(felder(tarvex_rechner, "festigkeitsklassen", "8.8"), (Felder{{"Qualitaet", "8.8"}}));

    const KvKataloge k = kv_kataloge(tarvex_rechner, "");
    // Every class the box offers, 8.8 once; 9.8 is not one of them.
    const std::vector<const char*>& box = tarvex_rechner.eingaben[kv_eingabe_index(tarvex_rechner, "Qualitaet")].auswahl;
    EXPECT_EQ(bezeichnungen(*kv_katalog_finden(k, "festigkeitsklassen")),
              std::vector<std::string>(box.begin(), box.end()));
    // A head size no source gives dw for is refused, with the reason.
    const KvKatalog& dw = *kv_katalog_finden(k, "zylinderkopf_dw");
    KvKatalogEintrag aus;
    std::string fehler;
    const KvEingaben e = kv_vorgaben(tarvex_rechner);
    EXPECT_FALSE(kv_katalog_eintrag(dw, kv_katalog_eintrag_index(dw, "M18"), {tarvex_rechner, e, k, {}},
                                    aus, fehler));
    EXPECT_EQ(fehler, "dw_min_mm ist fuer M18 in keiner Quelle angegeben");
}

TEST(Katalog, SchraubeAbhaengigVonDenEingaben)
{
    const KvKataloge k = kv_kataloge(tarvex_rechner, "");
    KvEingaben e = kv_vorgaben(tarvex_rechner);
    std::vector<KvKatalogWahl> vorher;
    std::string fehler;
    // A reduced shank keeps di1.
    e.optionen[kv_option_index(tarvex_rechner, "Dehnschraube")] = 1;
    ASSERT_TRUE(kv_katalog_waehlen(tarvex_rechner, k, "regelgewinde:M20", e, vorher, fehler)) << fehler;
    EXPECT_EQ(e.texte[kv_eingabe_index(tarvex_rechner, "di1")], "12");
    EXPECT_EQ(e.texte[kv_eingabe_index(tarvex_rechner, "di2")], "16.933");
    // Two washers take two plate rows; a washer wider than DA is refused.
    ASSERT_TRUE(kv_katalog_waehlen(tarvex_rechner, k, "scheiben:M20", e, vorher, fehler)) << fehler;
    ASSERT_TRUE(kv_katalog_waehlen(tarvex_rechner, k, "scheiben:M20", e, vorher, fehler)) << fehler;
    EXPECT_EQ(e.texte[kv_eingabe_index(tarvex_rechner, "lpi3")], "3");
    e.texte[kv_eingabe_index(tarvex_rechner, "DA")] = "36";
    EXPECT_FALSE(kv_katalog_waehlen(tarvex_rechner, k, "scheiben:M20", e, vorher, fehler));
    EXPECT_EQ(fehler, "die Scheibe (d2 = 37 mm) ist groesser als DA");
    EXPECT_EQ(vorher.size(), 3u);
    for (const char* falsch : {"gewinde:M12", "regelgewinde:M13", "regelgewinde"})
        EXPECT_FALSE(kv_katalog_waehlen(tarvex_rechner, k, falsch, e, vorher, fehler)) << falsch;
    EXPECT_EQ(fehler, "erwartet TABELLE:EINTRAG");
}

TEST(Katalog, TellerfederUndKnickstab)
{
    EXPECT_EQ(felder(wendis_rechner, "tellerfedern_a", "A 16"),
              (Felder{{"De", "16"}, {"Di", "8.2"}, {"t", "0.9"}, {"h0", "0.35"}, {"s", "0.2625"},
                      {"s1", "0"}, {"s2", "0.35"}}));
    // With the buckling curve of EN 1993-1-1 Table 6.2: h/b = 2 > 1.2 and
    // tf = 8.5 mm <= 40 mm, about z-z curve b, about y-y curve a.
    EXPECT_EQ(felder(stalor_rechner, "ipe", "IPE 200"),
              (Felder{{"A", "2848"}, {"I", "1424000"}, {"Knicklinie", "b"}}));
    EXPECT_EQ(felder(stalor_rechner, "ipe_starke_achse", "IPE 200"),
              (Felder{{"A", "2848"}, {"I", "19430000"}, {"Knicklinie", "a"}}));
    // Re by the flange thickness of the section taken before: HEB 1000 has
    // tf = 36 mm, in the step up to 40 mm.
    std::string hinweis;
    // The inputs here hold the default curve c, not the section's: the
    // steel sets HEB 1000's (h/b = 3.3, tf = 36 mm, about z-z: curve b).
    EXPECT_EQ(felder(stalor_rechner, "baustahl", "S355", {{"heb", "HEB 1000"}}, &hinweis),
              (Felder{{"E", "210000"}, {"Knicklinie", "b"}, {"Re", "345"}}));
    EXPECT_EQ(hinweis, "Re = ReH fuer Erzeugnisdicken bis 40 mm (Flanschdicke tf = 36 mm von HEB 1000)");
    EXPECT_EQ(felder(stalor_rechner, "baustahl", "S235", {}, &hinweis),
              (Felder{{"E", "210000"}, {"Re", "235"}}));
    EXPECT_EQ(hinweis, "Re = ReH fuer Erzeugnisdicken bis 16 mm (kein Profil gewaehlt)");
    felder(stalor_rechner, "baustahl", "S235", {{"ipn", "IPN 600"}}, &hinweis);
    EXPECT_EQ(hinweis, "Re = ReH fuer Erzeugnisdicken bis 16 mm (IPN 600: keine Flanschdicke in der Tabelle)");
    EXPECT_TRUE(kv_kataloge(kopdra_rechner, "").tabellen.empty());
}

TEST(Katalog, EigeneTabellenNachDenEingebauten)
{
    namespace fs = std::filesystem;
    const fs::path ordner = fs::path(testing::TempDir()) / "kv_kataloge_test";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    auto schreiben = [&](const char* name, const char* text) { std::ofstream(ordner / name) << text; };
    schreiben("tarvex_hausnormen.csv",
              "# Hausnormen der Firma\n# Quelle: Werknorm 4711\nBezeichnung,d,P,Qualitaet\n"
              "HN 1,10,1.5,10.9\nHN 2,,,8.8\n");
    schreiben("tarvex_b_kaputt.csv", "# Kaputt\nName,d,P\nX 1,10,1.5\nX 2,1,5,2\n");
    schreiben("tarvex_c_komma.csv", "Name,d\nK,1,5\n");
    schreiben("tarvex_d_komma.csv", "Name,P\nK,\"1.5\"\n");
    schreiben("tarvex_e_feld.csv", "# Titel\n# Quelle\nName,dd\n");
    schreiben("tarvex_f_klasse.csv", "Name,Qualitaet\nK,9.8\n");
    schreiben("tarvex_g_doppelt.csv", "Name,d\nK,1\n\nK,2\n");
    schreiben("tarvex_regelgewinde.csv", "Name,d\nK,1\n");
    schreiben("stalor_profile.csv", "Name,A\nP,1\n");
    schreiben("tarvex.csv", "Name,d\nK,1\n");

    const KvKataloge k = kv_kataloge(tarvex_rechner, ordner.string());
    ASSERT_GE(k.tabellen.size(), 2u);
    const KvKatalog& h = k.tabellen.back();
    EXPECT_EQ(h.name, "hausnormen");
    EXPECT_EQ(h.titel, "Hausnormen der Firma");
    EXPECT_EQ(h.quelle, "Quelle: Werknorm 4711");
    EXPECT_EQ(h.datei, (ordner / "tarvex_hausnormen.csv").string());
    EXPECT_EQ(k.tabellen.size(), kv_kataloge(tarvex_rechner, "").tabellen.size() + 1);
    const std::string o = ordner.string() + "/tarvex_";
    EXPECT_EQ(k.abgelehnt, (std::vector<std::string>{
                               o + "b_kaputt.csv:4: 4 Zellen, die Kopfzeile hat 3",
                               o + "c_komma.csv:2: 3 Zellen, die Kopfzeile hat 2",
                               o + "d_komma.csv:2: Feld P: \"\"1.5\"\", Stelle 1: keine Zahl",
                               o + "e_feld.csv:3: Spalte \"dd\": kein Feld von tarvex",
                               o + "f_klasse.csv:2: Feld Qualitaet: \"9.8\" ist keine der Auswahlen",
                               o + "g_doppelt.csv:4: \"K\" steht schon in Zeile 2",
                               o + "regelgewinde.csv: eine Tabelle \"regelgewinde\" gibt es schon",
                           }));

    // An empty cell leaves its field; the others take the text.
    KvEingaben e = kv_vorgaben(tarvex_rechner);
    std::vector<KvKatalogWahl> vorher;
    std::string fehler;
    ASSERT_TRUE(kv_katalog_waehlen(tarvex_rechner, k, "hausnormen:HN 2", e, vorher, fehler)) << fehler;
    KvEingaben erwartet = kv_vorgaben(tarvex_rechner);
    erwartet.texte[kv_eingabe_index(tarvex_rechner, "Qualitaet")] = "8.8";
    EXPECT_EQ(e.texte, erwartet.texte);
    fs::remove_all(ordner);
}

// The design walks the table: each entry computed here on its own, by hand
// for the strut, finds the same verdicts, and the first passing one is taken.
TEST(Auslegung, KnickstabJedesProfilUnabhaengigNachgerechnet)
{
    const KvKataloge k = kv_kataloge(stalor_rechner, "");
    KvEingaben e = kv_vorgaben(stalor_rechner);
    std::vector<KvKatalogWahl> vorher;
    std::string fehler;
    ASSERT_TRUE(kv_katalog_waehlen(stalor_rechner, k, "baustahl:S235", e, vorher, fehler)) << fehler;
    for (const auto& [name, wert] : {std::pair{"F", "100000"}, {"l1", "4000"}, {"S", "3"}})
        e.texte[kv_eingabe_index(stalor_rechner, name)] = wert;
    e.optionen[kv_option_index(stalor_rechner, "Knickfall")] = 1; // case 2: lk = l
    for (const char* tabelle : {"ipe", "hea", "heb", "ipn", "ipe_starke_achse"}) {
        SCOPED_TRACE(tabelle);
        const KvKatalog& t = *kv_katalog_finden(k, tabelle);
        const KvAuslegung a = kv_auslegen(stalor_rechner, k, t, e, vorher, {});
        ASSERT_EQ(a.eintraege.size(), t.zeilen.size());
        int erster = -1;
        for (size_t i = 0; i < t.zeilen.size(); ++i) {
            const std::vector<std::string>& z = t.csv.zeilen[t.zeilen[i]];
            const double A = kv_zahl_lesen(z[kv_csv_spalte(t.csv, "A_mm2")].c_str());
            const double I = kv_zahl_lesen(z[kv_csv_spalte(t.csv, t.spalte)].c_str());
            const double pi = 3.14159265358979, lambda = 4000 / std::sqrt(I / A);
            const bool euler = lambda >= pi * std::sqrt(210000.0 / 235);
            const bool haelt = 100000 / A <= pi * pi * 210000 / (3 * lambda * lambda);
            EXPECT_EQ(a.eintraege[i].erfuellt, euler && haelt) << z[0];
            EXPECT_EQ(a.eintraege[i].verfehlt.size(), size_t(!euler) + size_t(!haelt)) << z[0];
            if (euler && haelt && erster < 0)
                erster = static_cast<int>(i);
        }
        EXPECT_EQ(a.gewaehlt, erster);
    }
}

TEST(Auslegung, BedingungenAufErgebnisse)
{
    KvBedingung b;
    std::string fehler;
    EXPECT_TRUE(kv_bedingung_lesen(wendis_rechner, "F>=1000", b, fehler));
    EXPECT_TRUE(b.mindestens);
    EXPECT_EQ(b.grenze, 1000);
    EXPECT_TRUE(kv_bedingung_lesen(wendis_rechner, "sig1<=-1e3", b, fehler));
    EXPECT_FALSE(b.mindestens);
    EXPECT_EQ(b.grenze, -1000);
    for (const char* falsch : {"F>=", "F>=1,5", "G>=1", "F=>1", ">=1", "F<1"})
        EXPECT_FALSE(kv_bedingung_lesen(wendis_rechner, falsch, b, fehler)) << falsch;
    EXPECT_EQ(fehler, "\"F<1\": erwartet ERGEBNIS>=WERT oder ERGEBNIS<=WERT");

    // Every spring computed on its own at its test deflection.
    const KvKataloge k = kv_kataloge(wendis_rechner, "");
    const KvKatalog& t = *kv_katalog_finden(k, "tellerfedern_a");
    ASSERT_TRUE(kv_bedingung_lesen(wendis_rechner, "F>=1000", b, fehler));
    const KvAuslegung a = kv_auslegen(wendis_rechner, k, t, kv_vorgaben(wendis_rechner), {}, {b});
    int erster = -1;
    for (size_t i = 0; i < t.zeilen.size(); ++i) {
        KvEingaben e = kv_vorgaben(wendis_rechner);
        for (const char* f : {"De", "Di", "t", "h0"})
            e.texte[kv_eingabe_index(wendis_rechner, f)] = t.csv.zeilen[t.zeilen[i]][kv_csv_spalte(t.csv, std::string(f) + "_mm")];
        e.texte[kv_eingabe_index(wendis_rechner, "s")] = t.csv.zeilen[t.zeilen[i]][kv_csv_spalte(t.csv, "s075_mm")];
        KvStand stand;
        const bool haelt = kv_rechnen(wendis_rechner, e, stand).ergebnisse[b.ergebnis] >= 1000;
        EXPECT_EQ(a.eintraege[i].erfuellt, haelt) << a.eintraege[i].bezeichnung;
        if (haelt && erster < 0)
            erster = static_cast<int>(i);
    }
    EXPECT_EQ(a.gewaehlt, erster);
    EXPECT_EQ(a.eintraege[a.gewaehlt].bezeichnung, "A 16");
}
