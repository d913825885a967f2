// The command line without a display: what it refuses and how, studies
// against single computations, JSON read back, input sets, and the same
// bytes under any locale.
#include "aufrufen.h"
#include "rechnerliste.h"
#include "zahlen.h"

#include <cairo.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <clocale>
#include <fstream>
#include <sstream>

namespace {

std::string zeile(const std::string& text, size_t n)
{
    std::istringstream s(text);
    std::string z;
    for (size_t i = 0; i <= n && std::getline(s, z);) ++i;
    return z;
}

std::vector<std::string> zellen(const std::string& z)
{
    std::vector<std::string> v;
    std::istringstream s(z);
    for (std::string c; std::getline(s, c, ',');) v.push_back(c);
    return v;
}

class MitDateien : public ::testing::Test {
protected:
    void SetUp() override { ordner_ = g_dir_make_tmp("kv-kz-XXXXXX", nullptr); }
    void TearDown() override { EXPECT_EQ(std::system(("rm -rf '" + ordner_ + "'").c_str()), 0); }
    std::string datei(const std::string& name, const std::string& inhalt = "")
    {
        const std::string pfad = ordner_ + "/" + name;
        if (!inhalt.empty()) std::ofstream(pfad) << inhalt;
        return pfad;
    }
    std::string ordner_;
};

using Kommandozeile = MitDateien;

TEST_F(Kommandozeile, FehlschlaegeMitStatusUndMeldungUndOhneAusgabe)
{
    const std::string fremd = datei("fremd.stalor", "[tarvex]\nFormatversion=1\nd=12\n");
    const std::string kaputt = datei("kaputt.stalor", "[stalor\nF=1\n");
    const std::string unbekannt = datei("unbekannt.stalor", "[stalor]\nFormatversion=1\nG=1\n");
    struct Fall {
        std::vector<std::string> args;
        int status;
        const char* meldung;
    };
    const Fall faelle[] = {
        // A rejected field: its name, caption and the window's position text.
        {{"stalor", "F=3x5"}, 2, "Feld F (Kraft F / N): Stelle 2: keine Zahl\n"},
        {{"tarvex", "li9=1,5"}, 2, "Feld li9 (li / mm): Stelle 2: keine Zahl\n"},
        {{"stalor", "--variiere", "l1=1-0:400:3", "--format", "csv"}, 2, "Stelle 2: keine Zahl\n"},
        // The calculators' own refusals: the text of their dialog.
        {{"lupran", "b=10"}, 1, "Breite zu Durchmesser zu klein oder zu gross!\nDer Wert muss"},
        {{"tarvex", "Qualitaet=13.9"}, 1, "Qualitaet muss eine Festigkeitsklasse enthalten"},
        // Wrong use: one line.
        {{"stalor", "G=1"}, 2, "unbekannter Name \"G\""},
        {{"ruder"}, 2, "unbekanntes Programm \"ruder\""},
        {{}, 2, "kein Programm angegeben"},
        {{"stalor", "F=1", "F=2"}, 2, "F ist zweimal angegeben"},
        {{"stalor", "F=1", "--variiere", "F=1:2:2", "--format=csv"}, 2, "F ist zweimal angegeben"},
        {{"stalor", "Knickfall=5"}, 2, "Knickfall=5: erlaubt sind 1, 2, 3, 4"},
        {{"lupran", "eps_direkt=1"}, 2, "erlaubt sind nein, ja"},
        {{"stalor", "F"}, 2, "keine Zuweisung"},
        {{"stalor", "--format", "xml"}, 2, "erlaubt sind bericht, json, csv"},
        {{"stalor", "--variiere", "l1=1:2:3"}, 2, "--format csv oder --format json"},
        {{"stalor", "--variiere", "l1=1:2:0", "--format=csv"}, 2, "erwartet NAME=VON:BIS:ANZAHL"},
        {{"stalor", "--variiere", "Knickfall=1:2:2", "--format=csv"}, 2, "Auswahl"},
        {{"kopdra", "--variiere", "tB=1:2:2", "--format=csv"}, 2, "nicht gelesen"},
        {{"stalor", "--bla"}, 2, "unbekannte Option --bla"},
        {{"stalor", "--format"}, 2, "Option --format braucht einen Wert"},
        {{"stalor", "--eingaben", datei("fehlt.stalor")}, 2, "kann nicht gelesen werden"},
        {{"stalor", "--eingaben", fremd}, 2, "ist ein Eingabesatz fuer tarvex, nicht fuer stalor"},
        {{"stalor", "--eingaben", kaputt}, 2, "Aufbau fehlerhaft"},
        {{"stalor", "--eingaben", unbekannt}, 2, "unbekannter Name \"G\""},
    };
    for (const Fall& f : faelle) {
        const Ausgang a = aufrufen(f.args);
        const std::string wie = f.args.empty() ? "" : f.args.back();
        EXPECT_EQ(a.status, f.status) << wie;
        EXPECT_EQ(a.aus, "") << wie;
        EXPECT_EQ(a.fehler.rfind("maschinenelemente: ", 0), 0u) << a.fehler;
        EXPECT_NE(a.fehler.find(f.meldung), std::string::npos) << a.fehler;
        if (f.status == 2) {
            EXPECT_EQ(std::count(a.fehler.begin(), a.fehler.end(), '\n'), 1) << a.fehler;
        }
    }
}

TEST(KommandozeileFelder, GraueFelderDerAnderenBetriebsartWerdenNichtGelesen)
{
    EXPECT_EQ(aufrufen({"kopdra", "Modus=gesucht", "TK=x", "nL=x", "Z=x"}).status, 0);
    EXPECT_EQ(aufrufen({"kopdra", "Modus=gegeben", "tB=x"}).status, 0);
    EXPECT_EQ(aufrufen({"kopdra", "Modus=gegeben", "nL=x"}).status, 2);
    EXPECT_EQ(aufrufen({"kopdra", "Modus=gesucht", "tB=x"}).status, 2);
    // The plot range is read by the plot only.
    EXPECT_EQ(aufrufen({"wendis", "s1=x"}).status, 0);
    // The class text is free text, checked after every number field.
    EXPECT_EQ(aufrufen({"tarvex", "Qualitaet=Schraube 8.8 verzinkt"}).status, 0);
    EXPECT_EQ(aufrufen({"tarvex", "Qualitaet=x", "n=x"}).status, 2);
}

TEST(KommandozeileStudie, ZeilenGleichenEinzelnenRechnungen)
{
    const Ausgang s = aufrufen({"stalor", "--variiere", "l1=100:400:4", "--variiere", "F=1000:2000:3",
                                "Knickfall=3", "--format", "csv"});
    ASSERT_EQ(s.status, 0) << s.fehler;
    EXPECT_EQ(std::count(s.aus.begin(), s.aus.end(), '\n'), 1 + 12);
    const std::vector<std::string> kopf = zellen(zeile(s.aus, 0));
    ASSERT_EQ(kopf[3], "l1");
    ASSERT_EQ(kopf[2], "F");
    const char* l1[] = {"100", "200", "300", "400"};
    const char* F[] = {"1000", "1500", "2000"};
    for (int k = 0; k < 12; ++k) {
        const std::vector<std::string> z = zellen(zeile(s.aus, 1 + k));
        // The last study varies fastest; both ends are exact.
        EXPECT_EQ(z[3], l1[k / 3]);
        EXPECT_EQ(z[2], F[k % 3]);
        const Ausgang e = aufrufen({"stalor", "l1=" + z[3], "F=" + z[2], "Knickfall=3", "--format=csv"});
        EXPECT_EQ(zeile(e.aus, 1), zeile(s.aus, 1 + k));
    }
}

TEST(KommandozeileStudie, VerweigertePunkteSindZeilenUndDieStudieGehtWeiter)
{
    // b = 5 mm gives B/D below 0.125: the bearing refuses that point.
    const Ausgang s = aufrufen({"lupran", "--variiere", "b=5:60:3", "--format=csv"});
    ASSERT_EQ(s.status, 0);
    EXPECT_EQ(zeile(s.aus, 1).rfind("verweigert,\"Breite zu Durchmesser zu klein", 0), 0u);
    EXPECT_NE(s.aus.find("\nberechnet,,"), std::string::npos);
    const Ausgang j = aufrufen({"lupran", "--variiere", "b=5:60:3", "--format=json"});
    JsonParser* p = json_parser_new();
    ASSERT_TRUE(json_parser_load_from_data(p, j.aus.c_str(), -1, nullptr));
    JsonArray* punkte = json_node_get_array(json_parser_get_root(p));
    ASSERT_EQ(json_array_get_length(punkte), 3u);
    EXPECT_STREQ(json_object_get_string_member(json_array_get_object_element(punkte, 0), "status"), "verweigert");
    EXPECT_STREQ(json_object_get_string_member(json_array_get_object_element(punkte, 2), "status"), "berechnet");
    g_object_unref(p);
}

TEST(KommandozeileJson, WerteLesenSichAlsDieselbenDoublesZurueck)
{
    for (const KvRechner* r : kv_alle_rechner()) {
        const Ausgang a = aufrufen({r->name, "--format", "json"});
        ASSERT_EQ(a.status, 0) << r->name;
        JsonParser* p = json_parser_new();
        ASSERT_TRUE(json_parser_load_from_data(p, a.aus.c_str(), -1, nullptr)) << a.aus;
        JsonObject* o = json_node_get_object(json_parser_get_root(p));
        EXPECT_STREQ(json_object_get_string_member(o, "programm"), r->name);
        EXPECT_STREQ(json_object_get_string_member(o, "status"), "berechnet");
        KvEingaben e = kv_vorgaben(*r);
        KvStand stand;
        const KvRechnung erwartet = kv_rechnen(*r, e, stand);
        JsonArray* ergebnisse = json_object_get_array_member(o, "ergebnisse");
        ASSERT_EQ(json_array_get_length(ergebnisse), r->ergebnisse.size());
        for (guint j = 0; j < r->ergebnisse.size(); ++j) {
            JsonObject* x = json_array_get_object_element(ergebnisse, j);
            EXPECT_STREQ(json_object_get_string_member(x, "name"), r->ergebnisse[j].name);
            EXPECT_STREQ(json_object_get_string_member(x, "beschriftung"), r->ergebnisse[j].beschriftung);
            EXPECT_EQ(json_object_get_string_member(x, "text"),
                      kv_ergebnistext(*r, erwartet, stand.optionen, static_cast<int>(j)));
            if (!json_object_get_null_member(x, "wert")) {
                EXPECT_EQ(json_object_get_double_member(x, "wert"), erwartet.ergebnisse[j]) << r->name << j;
            }
        }
        g_object_unref(p);
    }
    // kopdra's first mode: the sought torque shows "--" and has no value.
    const Ausgang k = aufrufen({"kopdra", "--format=json"});
    EXPECT_NE(k.aus.find("\"name\": \"TK_gesucht\", \"beschriftung\": \"Kupplungsmoment TK / Nm\", "
                         "\"einheit\": \"Nm\", \"wert\": null, \"text\": \"--\""), std::string::npos);
    // The labels a computation sets come along.
    const Ausgang l = aufrufen({"lupran", "--format=json"});
    EXPECT_NE(l.aus.find("{\"name\": \"eps_beschriftung\", \"text\": \"eps ("), std::string::npos);
    EXPECT_NE(l.aus.find("{\"name\": \"Reynolds\", \"text\": \"Reynolds-Bedingung erfuellt\\n\"}"),
              std::string::npos);
}

TEST(KommandozeileJson, NichtEndlicheWerteAlsText)
{
    // No area: infinite radius of gyration and stress, an undefined force;
    // the text is what the window's field shows.
    const Ausgang a = aufrufen({"stalor", "A=0", "--format=json"});
    ASSERT_EQ(a.status, 0);
    EXPECT_NE(a.aus.find("\"name\": \"sig_druck\", \"beschriftung\": \"Druckspannung / (N/mm^2)\", "
                         "\"einheit\": \"N/mm^2\", \"wert\": \"inf\", \"text\": \"    inf\""), std::string::npos);
    EXPECT_NE(a.aus.find("\"name\": \"F_max_zul\", \"beschriftung\": \"zul. Maximalkraft / N\", "
                         "\"einheit\": \"N\", \"wert\": \"nan\""), std::string::npos);
    JsonParser* p = json_parser_new();
    EXPECT_TRUE(json_parser_load_from_data(p, a.aus.c_str(), -1, nullptr));
    g_object_unref(p);
    const Ausgang c = aufrufen({"stalor", "A=0", "--format=csv"});
    EXPECT_NE(c.aus.find(",inf,"), std::string::npos);
}

TEST_F(Kommandozeile, EingabesatzGeschriebenUndGelesenGibtDenselbenBericht)
{
    const std::vector<std::vector<std::string>> faelle = {
        {"stalor", "F=5000", "Knickfall=4"},
        {"tarvex", "d=16", "Qualitaet=8.8", "Dehnschraube=ja", "li9=0", "n=0.5"},
        {"lupran", "f=20000", "Oelzufuhr=3", "eps_direkt=ja"},
        {"kopdra", "Modus=gesucht", "tB=0.5", "TK=Text"},
        {"wendis", "s=0.5", "s2=0.8"},
    };
    for (const std::vector<std::string>& f : faelle) {
        const std::string satz = datei("satz" + std::string(".") + f[0]);
        std::vector<std::string> schreiben = f;
        schreiben.insert(schreiben.end(), {"--eingaben-schreiben", satz});
        ASSERT_EQ(aufrufen(schreiben).status, 0);
        const Ausgang direkt = aufrufen(f);
        const Ausgang gelesen = aufrufen({f[0], "--eingaben", satz});
        EXPECT_EQ(gelesen.status, direkt.status);
        EXPECT_EQ(gelesen.aus, direkt.aus) << f[0];
    }
    // Given on the command line as well, a name overrides the file.
    EXPECT_EQ(aufrufen({"stalor", "--eingaben", datei("satz.stalor"), "Knickfall=2"}).aus,
              aufrufen({"stalor", "F=5000", "Knickfall=2"}).aus);
    // Written by hand without the format version: read as version 1; a
    // later version is still refused.
    const std::string hand = datei("hand.stalor", "[stalor]\nF=5000\n");
    EXPECT_EQ(aufrufen({"stalor", "--eingaben", hand}).aus, aufrufen({"stalor", "F=5000"}).aus);
    const std::string neuer = datei("neuer.stalor", "[stalor]\nFormatversion=2\nF=5000\n");
    EXPECT_EQ(aufrufen({"stalor", "--eingaben", neuer}).status, 2);
}

TEST_F(Kommandozeile, DiagrammNurVonEinerBerechnung)
{
    const std::string png = datei("d.png");
    const Ausgang a = aufrufen({"wendis", "s1=0.2", "s2=0.9", "--diagramm", png, "--groesse", "640x360"});
    ASSERT_EQ(a.status, 0) << a.fehler;
    EXPECT_EQ(a.aus, aufrufen({"wendis"}).aus);
    cairo_surface_t* bild = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(bild), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(bild), 640);
    EXPECT_EQ(cairo_image_surface_get_height(bild), 360);
    cairo_surface_destroy(bild);

    // Refused, rejected or a range the plot refuses: no file, no output.
    const std::string nichts = datei("nichts.svg");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* meldung;
    } faelle[] = {
        {{"lupran", "b=10"}, 1, "Breite zu Durchmesser"},
        {{"tarvex", "Qualitaet=x"}, 1, "Festigkeitsklasse"},
        {{"stalor", "F=x"}, 2, "Stelle 1: keine Zahl"},
        {{"wendis", "s1=a"}, 2, "Feld s1 (Federweg von s1 / mm): Stelle 1"},
        {{"wendis", "s1=1", "s2=1"}, 2, "Fehler in einem Eingabefeld: Startwert muss kleiner als Endwert sein!\n"},
        {{"stalor", "--variiere", "F=1:2:2", "--format=csv"}, 2, "einzelne Berechnung"},
    };
    for (const auto& f : faelle) {
        std::vector<std::string> args = f.args;
        args.insert(args.end(), {"--diagramm", nichts});
        const Ausgang x = aufrufen(args);
        EXPECT_EQ(x.status, f.status) << f.meldung;
        EXPECT_EQ(x.aus, "");
        EXPECT_NE(x.fehler.find(f.meldung), std::string::npos) << x.fehler;
        EXPECT_FALSE(g_file_test(nichts.c_str(), G_FILE_TEST_EXISTS)) << f.meldung;
    }
    EXPECT_EQ(aufrufen({"stalor", "--diagramm", datei("d.gif")}).status, 2);
    EXPECT_EQ(aufrufen({"stalor", "--diagramm", png, "--groesse", "0x10"}).status, 2);
    EXPECT_EQ(aufrufen({"stalor", "--groesse", "10x10"}).status, 2);
}

TEST(KommandozeileNamen, ListeNamenBeschriftungenEinheitenVorgabenUndWerte)
{
    const Ausgang a = aufrufen({"stalor", "--namen"});
    EXPECT_EQ(zeile(a.aus, 0), "F\tKraft F / N\tN\t3500\t");
    EXPECT_EQ(zeile(a.aus, 7), "Knickfall\tKnickfall\t\t1\t1|2|3|4");
    EXPECT_NE(aufrufen({"tarvex", "--namen"}).aus.find("Qualitaet\tQualitaet\t\t12.9\t4.6|4.8|"),
              std::string::npos);
    EXPECT_EQ(zeile(aufrufen({"stalor", "--ergebnisnamen"}).aus, 6), "F_max_zul\tzul. Maximalkraft / N\tN");
    EXPECT_EQ(aufrufen({"--version"}).aus.rfind("maschinenelemente ", 0), 0u);
    EXPECT_NE(aufrufen({"--version"}).aus.find("\nLizenz GPL-3.0-or-later: "), std::string::npos);
    EXPECT_EQ(aufrufen({"--help"}).aus.rfind("Aufruf: maschinenelemente PROGRAMM", 0), 0u);
}

TEST(KommandozeileSuche, VerweigertUndOhneLoesungMitStatusUndEinerZeile)
{
    const std::vector<std::string> suche = {"stalor", "--suche", "l1"};
    auto mit = [&](std::vector<std::string> rest) {
        std::vector<std::string> a = suche;
        a.insert(a.end(), rest.begin(), rest.end());
        return a;
    };
    const struct {
        std::vector<std::string> args;
        int status;
        const char* meldung;
    } faelle[] = {
        {suche, 2, "es fehlt das Ziel ERGEBNIS=WERT"},
        {{"stalor", "F_max_zul=2000"}, 2, "F_max_zul ist ein Ergebnis; ein Zielwert gilt nur mit --suche"},
        {{"stalor", "--bereich", "1:2"}, 2, "--bereich gilt nur mit --suche"},
        {{"stalor", "--suche", "G", "F_max_zul=1"}, 2, "unbekanntes Eingabefeld \"G\" fuer stalor (--namen"},
        {{"stalor", "--suche", "Knickfall", "F_max_zul=1"}, 2, "Knickfall ist eine Auswahl"},
        {{"tarvex", "--suche", "Qualitaet", "FSmax=1"}, 2, "ist ein Textfeld"},
        {{"kopdra", "--suche", "tB", "tb=1"}, 2, "wird bei dieser Auswahl nicht gelesen"},
        {{"kopdra", "--suche", "TK", "TK_gesucht=1"}, 2, "wird bei dieser Auswahl nicht berechnet"},
        {{"stalor", "--suche", "F", "lambda_grenz=60"}, 2, "haengt von 350 bis 35000 nicht von F"},
        {mit({"F_max_zul=zwei"}), 2, "F_max_zul=zwei: der Zielwert ist keine Zahl"},
        {mit({"F_max_zul=1", "lambda=90"}), 2, "lambda=90: eine Suche hat ein Ziel, F_max_zul=1 ist schon angegeben"},
        {mit({"F_max_zul=1", "--bereich", "400:100"}), 2, "VON muss kleiner als BIS sein"},
        {mit({"F_max_zul=1", "--bereich", "-1:100"}), 2, "Stelle 1 von \"-1\": keine Zahl"},
        {mit({"F_max_zul=1", "--bereich", "100"}), 2, "erwartet VON:BIS"},
        {mit({"F_max_zul=1", "l1=2x"}), 2, "Feld l1 (Knicklaenge L1 / mm): Stelle 2: keine Zahl"},
        {mit({"F_max_zul=1", "--variiere", "l1=1:2:2", "--format=csv"}), 2, "das gesuchte Feld"},
        {mit({"F_max_zul=1e9", "--bereich", "100:1000"}), 1,
         "keine Loesung: F_max_zul (zul. Maximalkraft / N) erreicht 1e+09 mit l1 (Knicklaenge L1 / mm) "
         "von 100 bis 1000 nicht (Ergebnisse von 35.64309630235519 bis 3564.3096302355193)\n"},
    };
    for (const auto& f : faelle) {
        const Ausgang a = aufrufen(f.args);
        EXPECT_EQ(a.status, f.status) << f.meldung;
        EXPECT_EQ(a.aus, "") << f.meldung;
        EXPECT_NE(a.fehler.find(f.meldung), std::string::npos) << a.fehler;
        EXPECT_EQ(std::count(a.fehler.begin(), a.fehler.end(), '\n'), 1) << a.fehler;
    }
}

TEST_F(Kommandozeile, SucheRechnetMitDemGefundenenText)
{
    const Ausgang j = aufrufen({"wendis", "h0=2", "--suche", "s", "F=300", "--bereich", "0.05:2",
                                "--format", "json"});
    ASSERT_EQ(j.status, 0) << j.fehler;
    JsonParser* p = json_parser_new();
    ASSERT_TRUE(json_parser_load_from_data(p, j.aus.c_str(), -1, nullptr)) << j.aus;
    JsonObject* suche = json_object_get_object_member(json_node_get_object(json_parser_get_root(p)), "suche");
    EXPECT_STREQ(json_object_get_string_member(suche, "feld"), "s");
    EXPECT_GT(json_object_get_int_member(suche, "rechnungen"), 0);
    JsonArray* loesungen = json_object_get_array_member(suche, "loesungen");
    // The characteristic with h0/t = 2 reaches 300 N twice in the range.
    ASSERT_EQ(json_array_get_length(loesungen), 2u);
    const std::string erste = json_object_get_string_member(json_array_get_object_element(loesungen, 0), "text");
    EXPECT_LT(json_object_get_double_member(json_array_get_object_element(loesungen, 0), "wert"),
              json_object_get_double_member(json_array_get_object_element(loesungen, 1), "wert"));
    g_object_unref(p);

    // The first is applied: report, CSV and input set are those of that text.
    const std::vector<std::string> gesucht = {"wendis", "h0=2", "--suche", "s", "F=300", "--bereich", "0.05:2"};
    EXPECT_EQ(aufrufen(gesucht).aus, aufrufen({"wendis", "h0=2", "s=" + erste}).aus);
    std::vector<std::string> csv = gesucht;
    csv.push_back("--format=csv");
    EXPECT_EQ(aufrufen(csv).aus, aufrufen({"wendis", "h0=2", "s=" + erste, "--format=csv"}).aus);
    std::vector<std::string> satz = gesucht;
    satz.insert(satz.end(), {"--eingaben-schreiben", "-"});
    EXPECT_EQ(aufrufen(satz).aus, aufrufen({"wendis", "h0=2", "s=" + erste, "--eingaben-schreiben", "-"}).aus);
}

TEST(KommandozeileSuche, JedeZeileEinerStudieEineSuche)
{
    // The admissible length for 2000 N over the moment of inertia; only
    // lengths up to 160 mm are looked at.
    const Ausgang s = aufrufen({"stalor", "--suche", "l1", "F_max_zul=2000", "--bereich", "100:160",
                                "--variiere", "I=200:800:4", "--format", "csv"});
    ASSERT_EQ(s.status, 0) << s.fehler;
    const char* status[] = {"keine Loesung", "berechnet", "berechnet", "keine Loesung"};
    const char* I[] = {"200", "400", "600", "800"};
    for (int k = 0; k < 4; ++k) {
        const std::vector<std::string> z = zellen(zeile(s.aus, 1 + k));
        EXPECT_EQ(z[0], status[k]);
        EXPECT_EQ(z[5], I[k]);
        const Ausgang e = aufrufen({"stalor", "I=" + z[5], "--suche", "l1", "F_max_zul=2000", "--bereich",
                                    "100:160", "--format=csv"});
        if (k == 1 || k == 2) {
            EXPECT_EQ(zeile(e.aus, 1), zeile(s.aus, 1 + k));
        } else {
            EXPECT_EQ(e.status, 1);
            EXPECT_EQ(z[3], ""); // no length
        }
    }
}

TEST(KommandozeileUmgebung, GleicheBytesUnterJedemGebietsschema)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"lupran"}, {"tarvex", "--format=json"},
          {"wendis", "--variiere", "s=0:1:5", "--format=csv"}, {"stalor", "F=1x"}}) {
        const Ausgang c = programm_starten(args, {"LC_ALL=C", "LANG=C"});
        const Ausgang de = programm_starten(args, {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
        EXPECT_EQ(de.status, c.status);
        EXPECT_EQ(de.aus, c.aus);
        EXPECT_EQ(de.fehler, c.fehler);
        EXPECT_EQ(c.aus.empty(), c.status != 0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // As a program that follows the desktop's locale would: the numbers
    // must still have points.
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
