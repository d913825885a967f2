// Every calculator the test build knows, the shipped ones and its own,
// through the test build's command line as a user calls it: computed from
// the defaults as the core computes, its JSON, input sets written and read
// back (and refused by every other calculator), its diagram, and the help,
// the names and the messages that list the programs.
#include "alle_rechner.h"
#include "eingabesatz.h"
#include "programm_starten.h"
#include "rechnerliste.h"
#include "testrechner.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <fstream>
#include <sstream>

namespace {

const std::vector<const KvRechner*>& alle()
{
    kv_testrechner_anmelden();
    return kv_alle_rechner();
}

std::string lesen(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The report the core computes from these inputs.
std::string bericht(const KvRechner& r, const KvEingaben& e)
{
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(r, e, stand);
    return r.bericht(stand, rechnung);
}

// The defaults with the first number field the computation reads changed,
// and its NAME=WERT.
KvEingaben geaendert(const KvRechner& r, std::string& zuweisung)
{
    KvEingaben e = kv_vorgaben(r);
    for (size_t i = 0; i < r.eingaben.size(); ++i)
        if (kv_gelesen(r, static_cast<int>(i), e.optionen.data())) {
            e.texte[i] += "1";
            zuweisung = std::string(r.eingaben[i].name) + "=" + e.texte[i];
            break;
        }
    return e;
}

class AlleRechner : public ::testing::Test {
protected:
    void SetUp() override { ordner = g_dir_make_tmp("kv-alle-XXXXXX", nullptr); }
    void TearDown() override { EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0); }
    std::string ordner;
};

TEST_F(AlleRechner, RechnenWieDerKernUndAlsJson)
{
    ASSERT_FALSE(alle().empty());
    for (const KvRechner* r : alle()) {
        SCOPED_TRACE(r->name);
        const Ausgang a = programm_starten({r->name});
        EXPECT_EQ(a.status, 0) << a.fehler;
        EXPECT_EQ(a.aus, bericht(*r, kv_vorgaben(*r)));

        const Ausgang j = programm_starten({r->name, "--format", "json"});
        ASSERT_EQ(j.status, 0) << j.fehler;
        JsonParser* p = json_parser_new();
        ASSERT_TRUE(json_parser_load_from_data(p, j.aus.c_str(), -1, nullptr)) << j.aus;
        JsonObject* o = json_node_get_object(json_parser_get_root(p));
        EXPECT_STREQ(json_object_get_string_member(o, "programm"), r->name);
        EXPECT_STREQ(json_object_get_string_member(o, "status"), "berechnet");
        EXPECT_EQ(json_array_get_length(json_object_get_array_member(o, "eingaben")), r->eingaben.size());
        g_object_unref(p);
    }
}

TEST_F(AlleRechner, EingabesatzHinUndZurueck)
{
    for (const KvRechner* r : alle()) {
        SCOPED_TRACE(r->name);
        std::string zuweisung;
        const KvEingaben e = geaendert(*r, zuweisung);
        const std::string pfad = ordner + "/satz" + kv_eingabesatz_endung(*r);
        const Ausgang w = programm_starten({r->name, "--eingaben-schreiben", pfad, zuweisung});
        ASSERT_EQ(w.status, 0) << w.fehler;
        EXPECT_EQ(lesen(pfad), kv_eingabesatz_text(*r, e));

        const Ausgang l = programm_starten({r->name, "--eingaben", pfad});
        EXPECT_EQ(l.status, 0) << l.fehler;
        EXPECT_EQ(l.aus, bericht(*r, e));
        EXPECT_NE(l.aus, bericht(*r, kv_vorgaben(*r)));

        // Every other calculator knows it as this one's and refuses it.
        for (const KvRechner* q : alle()) {
            if (q == r)
                continue;
            const Ausgang f = programm_starten({q->name, "--eingaben", pfad});
            EXPECT_EQ(f.status, 2) << q->name;
            EXPECT_NE(f.fehler.find(std::string("ist ein Eingabesatz fuer ") + r->name + ", nicht fuer " + q->name),
                      std::string::npos)
                << f.fehler;
        }
    }
}

TEST_F(AlleRechner, Diagramm)
{
    for (const KvRechner* r : alle()) {
        SCOPED_TRACE(r->name);
        const std::string pfad = ordner + "/" + r->name + ".svg";
        const Ausgang a = programm_starten({r->name, "--diagramm", pfad});
        if (!r->diagramm) {
            EXPECT_EQ(a.status, 2);
            EXPECT_NE(a.fehler.find("zeichnet kein Diagramm"), std::string::npos) << a.fehler;
            continue;
        }
        EXPECT_EQ(a.status, 0) << a.fehler;
        EXPECT_EQ(lesen(pfad).rfind("<?xml", 0), 0u);
        EXPECT_NE(lesen(pfad).find("<svg"), std::string::npos);
    }
}

TEST(AlleRechnerNamen, HilfeNenntJedenMitSeinenBeispielen)
{
    const Ausgang h = programm_starten({"--help"});
    ASSERT_EQ(h.status, 0);
    for (const KvRechner* r : alle()) {
        SCOPED_TRACE(r->name);
        EXPECT_NE(h.aus.find(std::string(r->name) + " (" + r->thema + ")"), std::string::npos) << h.aus;
        for (const char* b : r->beispiele)
            EXPECT_NE(h.aus.find(std::string("  maschinenelemente ") + r->name + " " + b + "\n"), std::string::npos)
                << b;
        if (!r->kataloge) {
            EXPECT_NE(h.aus.find(std::string(r->name) + " hat keine Kataloge"), std::string::npos);
        }
    }
}

TEST(AlleRechnerNamen, UnbekanntesProgrammNenntAlle)
{
    const Ausgang a = programm_starten({"keins"});
    EXPECT_EQ(a.status, 2);
    EXPECT_EQ(a.fehler, "maschinenelemente: unbekanntes Programm \"keins\" (" + kv_programmliste() + ")\n");
    for (const KvRechner* r : alle())
        EXPECT_NE(a.fehler.find(r->name), std::string::npos);
}

TEST(AlleRechnerNamen, NamenJedesFeldesUndJederAuswahl)
{
    for (const KvRechner* r : alle()) {
        SCOPED_TRACE(r->name);
        const Ausgang a = programm_starten({r->name, "--namen"});
        ASSERT_EQ(a.status, 0) << a.fehler;
        std::istringstream zeilen(a.aus);
        size_t n = 0;
        for (std::string z; std::getline(zeilen, z); ++n) {
            const std::string name = z.substr(0, z.find('\t'));
            EXPECT_TRUE(kv_eingabe_index(*r, name) >= 0 || kv_option_index(*r, name) >= 0) << name;
        }
        EXPECT_EQ(n, r->eingaben.size() + r->optionen.size());
    }
}

} // namespace
