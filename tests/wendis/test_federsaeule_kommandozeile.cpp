// The stack of disc springs on the command line: its results in the json,
// the report and the single spring's results as without it, its refusals,
// and the design of a stack to a series-A spring.
#include "aufrufen.h"
#include "zahlen.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <clocale>
#include <map>

namespace {

// Each result's text by its name, from a computation's json.
std::map<std::string, std::string> ergebnisse(const std::vector<std::string>& args)
{
    std::vector<std::string> a = args;
    a.insert(a.end(), {"--format", "json"});
    const Ausgang x = aufrufen(a);
    EXPECT_EQ(x.status, 0) << x.fehler;
    std::map<std::string, std::string> texte;
    JsonParser* p = json_parser_new();
    if (!json_parser_load_from_data(p, x.aus.c_str(), -1, nullptr)) {
        ADD_FAILURE() << x.aus;
        g_object_unref(p);
        return texte;
    }
    JsonArray* e = json_object_get_array_member(json_node_get_object(json_parser_get_root(p)), "ergebnisse");
    for (guint j = 0; j < json_array_get_length(e); ++j) {
        JsonObject* o = json_array_get_object_element(e, j);
        texte[json_object_get_string_member(o, "name")] = json_object_get_string_member(o, "text");
    }
    g_object_unref(p);
    return texte;
}

TEST(FedersaeuleKommandozeile, DreiPaketeZuJeZweiFedern)
{
    // The defaults' single spring (test_tellerfeder): F = 130.411989 N and
    // W = 81.507493 mJ at s = 1 mm, l0 = t + h0 = 2 mm.
    std::map<std::string, std::string> r = ergebnisse({"wendis", "i=3", "n=2"});
    EXPECT_EQ(r["F_ges"], "260.823978"); // 2 x F
    EXPECT_EQ(r["s_ges"], "  3.000000"); // 3 x s
    EXPECT_EQ(r["L0_ges"], "  9.000000"); // 3 x (2 + (2 - 1) x 1)
    EXPECT_EQ(r["L_ges"], "  6.000000"); // 9 - 3
    EXPECT_EQ(r["W_ges"], "489.044959"); // 6 x W
    // The single spring's results as without a stack.
    std::map<std::string, std::string> einzeln = ergebnisse({"wendis"});
    for (const char* name : {"F", "sig1", "W", "sig2", "sigom", "sig3"})
        EXPECT_EQ(r[name], einzeln[name]) << name;
    EXPECT_EQ(einzeln["F"], "130.411989");
    EXPECT_EQ(einzeln["F_ges"], einzeln["F"]);
    // The report is the window's, which knows no stack.
    EXPECT_EQ(aufrufen({"wendis", "i=3", "n=2"}).aus, aufrufen({"wendis"}).aus);
}

TEST(FedersaeuleKommandozeile, VerweigertOhneDiagramm)
{
    gchar* ordner = g_dir_make_tmp("kv-saeule-XXXXXX", nullptr);
    const std::string bild = std::string(ordner) + "/saeule.svg";
    const struct {
        const char* feld;
        const char* meldung;
    } faelle[] = {
        {"i=0", "maschinenelemente: Die Zahl der Federn in Reihe i muss eine ganze Zahl ab 1 sein!\n"},
        {"n=1.5", "maschinenelemente: Die Zahl der Federn parallel je Paket n muss eine ganze Zahl ab 1 sein!\n"},
    };
    for (const auto& f : faelle) {
        const Ausgang a = aufrufen({"wendis", f.feld, "--diagramm", bild});
        EXPECT_EQ(a.status, 1) << f.feld;
        EXPECT_EQ(a.fehler, f.meldung);
        EXPECT_FALSE(g_file_test(bild.c_str(), G_FILE_TEST_EXISTS)) << f.feld;
    }
    const Ausgang a = aufrufen({"wendis", "i=3", "n=2", "--diagramm", bild});
    EXPECT_EQ(a.status, 0) << a.fehler;
    EXPECT_TRUE(g_file_test(bild.c_str(), G_FILE_TEST_EXISTS));
    g_remove(bild.c_str());
    g_rmdir(ordner);
    g_free(ordner);
}

TEST(FedersaeuleKommandozeile, AuslegungDerSaeule)
{
    // F_ges = 2 F: the stack's 3000 N are 1500 N of each spring, so the
    // design picks what a single spring's "F>=1500" picks (A 20, about
    // 1521 N at 0.75 h0; A 18 has about 1250 N).
    const Ausgang a = aufrufen({"wendis", "--auslegung", "tellerfedern_a", "i=3", "n=2", "F_ges>=3000"});
    EXPECT_EQ(a.status, 0) << a.fehler;
    EXPECT_NE(a.aus.find("\nGewaehlt: A 20\n"), std::string::npos) << a.aus;
    EXPECT_NE(a.aus.find("A 18: verfehlt: F_ges>=3000\n"), std::string::npos) << a.aus;
    const Ausgang b = aufrufen({"wendis", "--auslegung", "tellerfedern_a", "F>=1500"});
    EXPECT_NE(b.aus.find("\nGewaehlt: A 20\n"), std::string::npos) << b.aus;
    // The chosen spring's stack, computed on its own, holds the condition.
    std::map<std::string, std::string> r = ergebnisse({"wendis", "--katalog", "tellerfedern_a:A 20", "i=3", "n=2"});
    EXPECT_GE(kv_zahl_lesen(r["F_ges"].c_str()), 3000.0);
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
