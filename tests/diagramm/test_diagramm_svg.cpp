// The layout and the SVG file without cairo: the table of the font's widths,
// line breaking, the five calculators' diagrams as well-formed SVG with the
// texts the cairo picture shows, laid out inside the picture, and byte for
// byte as committed under any locale.
#include "alle_diagramme.h"
#include "datei_lesen.h"
#include "diagramm_cairo.h"
#include "diagramm_aufbau.h"
#include "diagramm_datei.h"
#include "diagramm_svg.h"
#include "pdf_werkzeuge.h"
#include "tabellenmass.h"

#include <cairo-pdf.h>
#include <glib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

// The words of a text, markup left out, entities read back.
std::set<std::string> woerter(const std::string& t, bool xml)
{
    std::set<std::string> w;
    std::string wort;
    bool in_marke = false;
    for (size_t i = 0; i <= t.size(); ++i) {
        const char c = i < t.size() ? t[i] : ' ';
        if (xml && c == '<') in_marke = true;
        if (in_marke || c == ' ' || c == '\n' || c == '\f') {
            if (!wort.empty()) w.insert(wort);
            wort.clear();
        } else {
            wort += c;
        }
        if (xml && c == '>') in_marke = false;
    }
    if (!xml)
        return w;
    std::set<std::string> gelesen;
    for (std::string s : w) {
        for (const auto& [e, z] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
            for (size_t p; (p = s.find(e)) != std::string::npos;)
                s.replace(p, std::string(e).size(), z);
        gelesen.insert(s);
    }
    return gelesen;
}

class DiagrammSvg : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::setlocale(LC_ALL, "");
        ordner = g_dir_make_tmp("kv-svg-XXXXXX", nullptr);
    }
    void TearDown() override
    {
        EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0);
        std::setlocale(LC_ALL, "C");
    }
    std::string ordner;
};

TEST(Tabellenmass, BreitenAusDerSchriftUndZeilenumbruch)
{
    const TabellenMass m;
    // At 2048 pixels a width is the advance in font units.
    EXPECT_DOUBLE_EQ(m.messen("A", {2048}).breite, 1401);
    EXPECT_DOUBLE_EQ(m.messen("AA", {1024}).breite, 1401);
    EXPECT_DOUBLE_EQ(m.messen("\xc3\xa4", {2048}).breite, 1255); // a umlaut, two bytes
    EXPECT_DOUBLE_EQ(m.messen("\xe2\x82\xac", {10}).breite, m.messen("?", {10}).breite);
    EXPECT_GT(m.messen("Kraft", {10, true}).breite, m.messen("Kraft", {10}).breite);
    const Textmasse eine = m.messen("x", {10}), zwei = m.messen("x\ny", {10});
    EXPECT_DOUBLE_EQ(zwei.hoehe, 2 * eine.hoehe);
    EXPECT_GT(eine.grundlinie, 0.7 * eine.hoehe);

    const std::string text = "Rutschen bis tB = 0.4105 s, danach Hochlauf beider Seiten "
                             "Donaudampfschifffahrtsgesellschaftskapitaen";
    const double breite = m.messen("Rutschen bis tB", {10}).breite;
    const std::vector<std::string> z = zeilen_umbrechen(m, text, {10}, breite);
    ASSERT_GT(z.size(), 4u);
    EXPECT_EQ(z[0], "Rutschen bis tB");
    std::string wieder, ohne_blanks;
    for (const std::string& zeile : z) {
        EXPECT_LE(m.messen(zeile, {10}).breite, breite) << zeile;
        wieder += zeile;
    }
    // Nothing lost but the blanks at the breaks; the long word broken
    // between characters.
    for (char c : text)
        if (c != ' ') ohne_blanks += c;
    wieder.erase(std::remove(wieder.begin(), wieder.end(), ' '), wieder.end());
    EXPECT_EQ(wieder, ohne_blanks);
    EXPECT_EQ(z.back().find(' '), std::string::npos);
    EXPECT_EQ(zeilen_umbrechen(m, "a\n\nb", {10}, 100), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(zeilen_umbrechen(m, " a  b", {10}, -1), (std::vector<std::string>{" a  b"}));
}

// Every text of the layout lies inside the picture, turned ones included.
TEST(Diagrammaufbau, TexteImBild)
{
    const TabellenMass m;
    for (const auto& [name, d] : alle_diagramme())
        for (const auto& [b, h] : {std::pair{800.0, 500.0}, {400.0, 300.0}, {1600.0, 1000.0}})
            for (const Zeichnung& z : diagramm_aufbauen(d, b, h, m)) {
                if (z.art != Zeichenart::text) continue;
                const Textmasse t = m.messen(z.text, z.schrift, z.breite_max);
                const double breite = z.breite_max > 0 ? z.breite_max : z.breite;
                Rechteck r{z.x, z.y, breite, t.hoehe};
                if (z.senkrecht)
                    r = {z.x, z.y - breite, t.hoehe, breite};
                EXPECT_TRUE(r.x >= 0 && r.rechts() <= b + 1e-9 && r.y >= 0 && r.unten() <= h + 1e-9)
                    << name << " " << b << "x" << h << ": " << z.text << " at " << r.x << ","
                    << r.y;
            }
}

cairo_status_t verwerfen(void*, const unsigned char*, unsigned int) { return CAIRO_STATUS_SUCCESS; }

// The table against pango on a PDF page (unhinted metrics): every text of
// the five diagrams about as wide, all of them together as wide, as high
// (wrapped notes in as many lines), with the same baseline.
TEST(Tabellenmass, WiePango)
{
    cairo_surface_t* flaeche = cairo_pdf_surface_create_for_stream(verwerfen, nullptr, 800, 500);
    cairo_t* cr = cairo_create(flaeche);
    const PangoMass pango(cr);
    const TabellenMass tabelle;
    int texte = 0;
    double summe_pango = 0, summe_tabelle = 0;
    for (const auto& [name, d] : alle_diagramme())
        for (const auto& [b, h] : {std::pair{800.0, 500.0}, {300.0, 200.0}})
            for (const Zeichnung& z : diagramm_aufbauen(d, b, h, tabelle)) {
                if (z.art != Zeichenart::text) continue;
                const Textmasse p = pango.messen(z.text, z.schrift, z.breite_max);
                const Textmasse t = tabelle.messen(z.text, z.schrift, z.breite_max);
                // pango rounds each glyph's advance to a whole pixel.
                EXPECT_NEAR(p.breite, t.breite, 1 + 0.5 * static_cast<double>(z.text.size()))
                    << name << ": " << z.text;
                EXPECT_NEAR(p.hoehe, t.hoehe, 1) << name << ": " << z.text;
                EXPECT_NEAR(p.grundlinie, t.grundlinie, 1) << name << ": " << z.text;
                ++texte;
                summe_pango += p.breite;
                summe_tabelle += t.breite;
            }
    EXPECT_GT(texte, 100);
    // The rounding evens out over many texts; another font or weight would not.
    EXPECT_NEAR(summe_pango / summe_tabelle, 1, 0.01);
    cairo_destroy(cr);
    cairo_surface_destroy(flaeche);
}

TEST_F(DiagrammSvg, WohlgeformtMitDenTextenDesBildes)
{
    for (const auto& [name, d] : alle_diagramme()) {
        const std::string svg = ordner + "/" + name + ".svg", pdf = ordner + "/" + name + ".pdf";
        {
            std::ofstream aus(svg, std::ios::binary);
            aus << diagramm_svg(d, 800, 500);
        }
        const Ausgang x = prozess_starten("xmllint", {"--noout", svg});
        EXPECT_EQ(x.status, 0) << name << ": " << x.fehler;
        std::string fehler;
        ASSERT_TRUE(diagramm_schreiben(d, pdf, 800, 500, fehler)) << fehler;
        const std::set<std::string> im_svg = woerter(lesen(svg), true);
        const std::set<std::string> im_pdf = woerter(pdf_text(pdf, false), false);
        ASSERT_GT(im_pdf.size(), 20u) << name;
        for (const std::string& w : im_pdf)
            EXPECT_TRUE(im_svg.count(w)) << name << ": \"" << w << "\" fehlt im SVG";
        EXPECT_FALSE(std::regex_search(lesen(svg), std::regex("[0-9],[0-9]"))) << name;
    }
}

TEST_F(DiagrammSvg, ByteFuerByteWieAbgelegt)
{
    for (const auto& [name, d] : alle_diagramme()) {
        const std::string pfad = std::string(KV_SVG_VORLAGEN) + "/" + name + ".svg";
        const std::string vorlage = lesen(pfad);
        ASSERT_FALSE(vorlage.empty()) << pfad;
        EXPECT_TRUE(diagramm_svg(d, 800, 500) == vorlage) << name << " weicht von " << pfad << " ab";
    }
}

} // namespace
