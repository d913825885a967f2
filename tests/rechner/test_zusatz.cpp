// A calculator's addition (the test calculator's twist per metre) on every
// front-end but the window: the description names it and the frame of each
// of its parts, the command line computes its inputs and results by name in
// JSON, studies and searches, the text report leaves it out, and the
// record gives it a section of its own with its source and reservation.
#include "alle_rechner.h"
#include "ausgabe.h"
#include "pdf_werkzeuge.h"
#include "programm_starten.h"
#include "testrechner.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <cmath>
#include <memory>

namespace {

const char* const RAHMEN = "Verdrehung je Meter";

const KvRechner& drillstab()
{
    kv_testrechner_anmelden();
    for (const KvRechner* r : kv_alle_rechner())
        if (std::string(r->name) == "drillstab")
            return *r;
    ADD_FAILURE() << "drillstab fehlt";
    return *kv_alle_rechner().front();
}

// A parsed JSON text; its root object.
struct Json {
    explicit Json(const std::string& text) : parser(json_parser_new(), g_object_unref)
    {
        ok = json_parser_load_from_data(parser.get(), text.c_str(), -1, nullptr);
    }
    JsonObject* wurzel() const { return json_node_get_object(json_parser_get_root(parser.get())); }
    std::unique_ptr<JsonParser, decltype(&g_object_unref)> parser;
    bool ok = false;
};

// The member "name" == name of an array of objects; nullptr when none.
JsonObject* benannt(JsonObject* o, const char* liste, const char* name)
{
    JsonArray* a = json_object_get_array_member(o, liste);
    for (guint i = 0; a && i < json_array_get_length(a); ++i) {
        JsonObject* e = json_array_get_object_element(a, i);
        if (json_object_has_member(e, "name") && std::string(json_object_get_string_member(e, "name")) == name)
            return e;
    }
    return nullptr;
}

TEST(Zusatz, BeschreibungNenntIhnMitSeinemRahmenZuletzt)
{
    kv_testrechner_anmelden();
    for (const KvRechner* r : kv_alle_rechner()) {
        SCOPED_TRACE(r->name);
        std::string t;
        kv_beschreibung_anhaengen(t, *r, "");
        const Json j(t);
        ASSERT_TRUE(j.ok) << t;
        JsonObject* o = j.wurzel();
        EXPECT_EQ(json_object_has_member(o, "zusatz"), *r->zusatz.rahmen != '\0');
        // Results and notes carry a frame only in the addition.
        for (const char* liste : {"ergebnisse", "hinweise"}) {
            JsonArray* a = json_object_get_array_member(o, liste);
            for (guint k = 0; k < json_array_get_length(a); ++k) {
                JsonObject* e = json_array_get_object_element(a, k);
                const bool hat = json_object_has_member(e, "rahmen");
                const char* rahmen = liste[0] == 'e' ? r->ergebnisse[k].rahmen : r->hinweise[k].rahmen;
                EXPECT_EQ(hat, kv_im_zusatz(*r, rahmen)) << liste << " " << k;
                if (hat) {
                    EXPECT_STREQ(json_object_get_string_member(e, "rahmen"), r->zusatz.rahmen);
                }
            }
        }
    }

    std::string t;
    kv_beschreibung_anhaengen(t, drillstab(), "");
    const Json j(t);
    JsonArray* rahmen = json_object_get_array_member(j.wurzel(), "rahmen");
    ASSERT_EQ(json_array_get_length(rahmen), 4u) << t;
    EXPECT_STREQ(json_array_get_string_element(rahmen, 2), "Querschnitt");
    EXPECT_STREQ(json_array_get_string_element(rahmen, 3), RAHMEN);
    JsonObject* z = json_object_get_object_member(j.wurzel(), "zusatz");
    EXPECT_STREQ(json_object_get_string_member(z, "rahmen"), RAHMEN);
    EXPECT_STREQ(json_object_get_string_member(z, "menue"), drillstab().zusatz.menue);
    EXPECT_STREQ(json_object_get_string_member(z, "quelle"), drillstab().zusatz.quelle);
    EXPECT_STREQ(json_object_get_string_member(z, "vorbehalt"), drillstab().zusatz.vorbehalt);
    EXPECT_STREQ(json_object_get_string_member(benannt(j.wurzel(), "eingaben", "theta_zul"), "rahmen"), RAHMEN);
    EXPECT_STREQ(json_object_get_string_member(benannt(j.wurzel(), "ergebnisse", "theta"), "rahmen"), RAHMEN);
    EXPECT_STREQ(json_object_get_string_member(benannt(j.wurzel(), "hinweise", "Verdrehung"), "rahmen"), RAHMEN);
}

// theta from the same run's phi and l, against the admissible value.
void verdrehung_pruefen(JsonObject* o, double theta_zul)
{
    const double phi = json_object_get_double_member(benannt(o, "ergebnisse", "phi"), "wert");
    const double l = json_object_get_double_member(benannt(o, "eingaben", "l"), "wert");
    JsonObject* theta = benannt(o, "ergebnisse", "theta");
    ASSERT_NE(theta, nullptr);
    const double wert = json_object_get_double_member(theta, "wert");
    EXPECT_NEAR(wert, phi / l * 1000, 1e-9 * wert);
    EXPECT_STREQ(json_object_get_string_member(benannt(o, "hinweise", "Verdrehung"), "text"),
                 wert <= theta_zul ? "Verdrehung zulaessig" : "Verdrehung zu gross!");
    JsonObject* p = benannt(o, "pruefungen", "Verdrehung theta");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(json_object_get_double_member(p, "grenze"), theta_zul);
    EXPECT_EQ(json_object_get_boolean_member(p, "erfuellt"), wert <= theta_zul);
}

TEST(Zusatz, KommandozeileRechnetUndSuchtMitSeinenNamen)
{
    for (const char* zul : {"0.25", "20"}) {
        const Ausgang a = programm_starten({"drillstab", std::string("theta_zul=") + zul, "--format", "json"});
        ASSERT_EQ(a.status, 0) << a.fehler;
        const Json j(a.aus);
        ASSERT_TRUE(j.ok) << a.aus;
        verdrehung_pruefen(j.wurzel(), std::stod(zul));
    }

    // A study over its input: one row each, its note turning.
    const Ausgang s = programm_starten({"drillstab", "--variiere", "theta_zul=10:30:3", "--format", "csv"});
    ASSERT_EQ(s.status, 0) << s.fehler;
    EXPECT_NE(s.aus.find(",theta,"), std::string::npos) << s.aus;
    EXPECT_EQ(s.aus.find("Verdrehung zu gross!"), s.aus.rfind("Verdrehung zu gross!")) << s.aus;
    EXPECT_NE(s.aus.find("Verdrehung zulaessig"), std::string::npos) << s.aus;

    // A search for its result: the diameter at which the twist is 10 Grad/m.
    const Ausgang g = programm_starten({"drillstab", "--suche", "d", "theta=10", "theta_zul=12", "--format", "json"});
    ASSERT_EQ(g.status, 0) << g.fehler;
    const Json j(g.aus);
    ASSERT_TRUE(j.ok) << g.aus;
    EXPECT_NEAR(json_object_get_double_member(benannt(j.wurzel(), "ergebnisse", "theta"), "wert"), 10, 1e-4);
    verdrehung_pruefen(j.wurzel(), 12);

    // Named like the others; the text report stays the window's.
    EXPECT_NE(programm_starten({"drillstab", "--namen"}).aus.find("theta_zul\t"), std::string::npos);
    EXPECT_NE(programm_starten({"drillstab", "--ergebnisnamen"}).aus.find("theta\t"), std::string::npos);
    const Ausgang b = programm_starten({"drillstab", "theta_zul=0.1"});
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.aus, programm_starten({"drillstab"}).aus);
    EXPECT_EQ(b.aus.find("theta"), std::string::npos) << b.aus;
}

TEST(Zusatz, NachweisInEinemAbschnittNachDemFenster)
{
    gchar* ordner = g_dir_make_tmp("kv-zusatz-XXXXXX", nullptr);
    ASSERT_NE(ordner, nullptr);
    const std::string pfad = std::string(ordner) + "/drillstab.pdf";
    const Ausgang a = programm_starten({"drillstab", "theta_zul=20", "--nachweis", pfad});
    ASSERT_EQ(a.status, 0) << a.fehler;
    const std::string t = pdf_text(pfad);
    g_unlink(pfad.c_str());
    g_rmdir(ordner);
    g_free(ordner);
    ASSERT_FALSE(t.empty());

    const size_t diagramm = t.find("Diagramm Dargestellter") != std::string::npos ? t.find("Diagramm Dargestellter")
                                                                                  : t.rfind("Diagramm");
    const size_t zusatz = t.find(std::string(RAHMEN) + " Quelle: " + drillstab().zusatz.quelle);
    const size_t satz = t.find("Eingabesatz Vollstaendig");
    ASSERT_NE(zusatz, std::string::npos) << t;
    ASSERT_NE(satz, std::string::npos) << t;
    EXPECT_LT(diagramm, zusatz);
    EXPECT_LT(zusatz, satz);
    // The window's part as before: neither the addition's input nor its working.
    const std::string fenster = t.substr(0, zusatz);
    EXPECT_EQ(fenster.find("theta"), std::string::npos) << fenster;
    EXPECT_NE(fenster.find("Schubspannung tau"), std::string::npos);
    const std::string teil = t.substr(zusatz, satz - zusatz);
    for (const char* s : {"Eingaben", "theta_zul 20 Grad/m", "Rechengang", "theta = phi / l 1000",
                          "Ergebnisse", "Verdrehung: Verdrehung zulaessig", "Pruefungen", "Verdrehung theta",
                          "erfuellt"})
        EXPECT_NE(teil.find(s), std::string::npos) << s << "\n" << teil;
    EXPECT_NE(teil.find(std::string("Vorbehalt: ") + drillstab().zusatz.vorbehalt), std::string::npos) << teil;
}

} // namespace
