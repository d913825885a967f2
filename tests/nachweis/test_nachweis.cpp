// The calculation record from the command line, read back with poppler's
// tools: every input, result text and verdict is in its text, its input set
// computes the same report again, the bytes are the same in every run and
// locale with SOURCE_DATE_EPOCH, fonts are embedded, pages are A4, and a
// failed write keeps the old file.
#include "eingabesatz.h"
#include "nachweis.h"
#include "pdf_werkzeuge.h"
#include "rechengang_aufzeichnen.h"
#include "programm_starten.h"
#include "rechnerliste.h"
#include "zahlen.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

const std::string EPOCHE = "SOURCE_DATE_EPOCH=1765000000";
// A German desktop in another time zone.
const std::string DEUTSCH[] = {"LANG=de_DE.UTF-8", "LC_ALL=de_DE.UTF-8", "TZ=Europe/Berlin"};

std::string lesen(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Nachweis : public ::testing::Test {
protected:
    void SetUp() override { ordner = g_dir_make_tmp("kv-nachweis-XXXXXX", nullptr); }
    void TearDown() override { EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0); }
    std::string ordner;
};

struct Fall {
    std::vector<std::string> args; // program and NAME=WERT
};

// Every calculator in each of its modes and methods.
const Fall FAELLE[] = {
    {{"stalor"}},
    {{"stalor", "Knickfall=4", "F=12000"}},
    {{"tarvex"}},
    {{"tarvex", "d=16", "Qualitaet=8.8", "Dehnschraube=ja", "schlussgerollt=ja"}},
    {{"lupran"}},
    {{"lupran", "Oelzufuhr=3", "eps_direkt=ja"}},
    {{"kopdra"}},
    {{"kopdra", "Modus=gesucht", "tB=0.3"}},
    {{"wendis"}},
    {{"wendis", "t=1.2", "s=0.8", "s1=0.2", "s2=1.5"}},
    // Gaps among the bolt's sections and the plates; section 5 has only a length.
    {{"tarvex", "di3=8", "li3=10", "li5=3", "lpi3=5"}},
};

// The inputs as the command line reads them.
KvEingaben eingaben_von(const KvRechner& r, const std::vector<std::string>& args)
{
    KvEingaben e = kv_vorgaben(r);
    for (size_t j = 1; j < args.size(); ++j) {
        const std::string name = args[j].substr(0, args[j].find('='));
        const std::string wert = args[j].substr(args[j].find('=') + 1);
        if (const int i = kv_eingabe_index(r, name); i >= 0)
            e.texte[i] = wert;
        else
            e.optionen[kv_option_index(r, name)] =
                kv_optionswert_index(r.optionen[kv_option_index(r, name)], wert);
    }
    return e;
}

TEST_F(Nachweis, TextEnthaeltAllesUndDerEingabesatzRechnetGleich)
{
    for (const Fall& f : FAELLE) {
        const KvRechner& r = *kv_rechner_finden(f.args[0]);
        const std::string pdf = ordner + "/" + r.name + ".pdf";
        std::vector<std::string> args = f.args;
        const Ausgang bericht = programm_starten(args);
        ASSERT_EQ(bericht.status, 0) << bericht.fehler;
        args.insert(args.end(), {"--nachweis", pdf, "--projekt", "Pruefstand 3 \xc3\xa4",
                                 "--bearbeiter", "A. Muster"});
        const Ausgang mit = programm_starten(args, {EPOCHE});
        ASSERT_EQ(mit.status, 0) << mit.fehler;
        // Beside the usual output, which stays as it was.
        EXPECT_EQ(mit.aus, bericht.aus);

        const std::string text = pdf_text(pdf);
        const std::string fall = f.args[0] + (f.args.size() > 1 ? " " + f.args[1] : "");
        auto enthaelt = [&](const std::string& t) {
            EXPECT_NE(text.find(einfach(t)), std::string::npos) << fall << ": \"" << t << "\"";
        };
        enthaelt(std::string("Rechnungsnachweis ") + r.titel);
        enthaelt("Projekt: Pruefstand 3 \xc3\xa4");
        enthaelt("Bearbeiter: A. Muster");
        enthaelt("Berechnet am: 2025-12-06 05:46:40 UTC");
        if (*r.verfahren)
            enthaelt(std::string("Verfahren: ") + r.verfahren);

        const KvEingaben e = eingaben_von(r, f.args);
        KvStand stand;
        const KvRechnung rechnung = kv_rechnen(r, e, stand);
        const KvNichtBelegt leer = r.nicht_belegt ? r.nicht_belegt(stand) : KvNichtBelegt{};
        for (size_t i = 0; i < r.eingaben.size(); ++i) {
            const std::string zeile = std::string(r.eingaben[i].beschriftung) + " "
                                    + r.eingaben[i].name + " " + e.texte[i];
            if (std::count(leer.felder.begin(), leer.felder.end(), static_cast<int>(i)))
                EXPECT_EQ(text.find(zeile + " "), std::string::npos) << fall << ": " << zeile;
            else if (kv_gilt(r.eingaben[i].nur_bei, e.optionen.data()))
                enthaelt(zeile);
        }
        if (!leer.text.empty())
            enthaelt("Nicht belegt und weggelassen (im Eingabesatz enthalten): " + leer.text);
        for (size_t k = 0; k < r.optionen.size(); ++k)
            enthaelt(std::string(r.optionen[k].name) + " " + r.optionen[k].werte[e.optionen[k]]);
        for (size_t j = 0; j < r.ergebnisse.size(); ++j)
            enthaelt(std::string(r.ergebnisse[j].beschriftung) + " " + r.ergebnisse[j].name + " "
                     + einfach(kv_ergebnistext(r, rechnung, e.optionen.data(), j)));
        for (size_t k = 0; k < r.hinweise.size(); ++k)
            enthaelt(std::string(r.hinweise[k].name) + ": " + rechnung.hinweise[k]);
        if (r.rechengang) {
            KvRechengang gang;
            r.rechengang(stand, rechnung, gang);
            // Every number of the working and the checks to six digits.
            auto mit_einheit = [](double w, const std::string& einheit) {
                return kv_sechsstellig(w) + (einheit == "1" ? "" : " " + einheit);
            };
            // pdftotext may drop the blank after a short line's "=".
            auto dicht = [](std::string t) {
                t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
                return t;
            };
            const std::string text_dicht = dicht(text);
            for (const KvSchritt& s : gang.schritte) {
                const std::string t = s.symbol + " = " + s.formel + " = " + s.eingesetzt + " = "
                                    + mit_einheit(s.wert, s.einheit);
                EXPECT_NE(text_dicht.find(dicht(t)), std::string::npos) << fall << ": " << t;
            }
            for (const KvPruefung& p : gang.pruefungen) {
                enthaelt(p.text);
                if (p.mit_grenze)
                    enthaelt(mit_einheit(p.wert, p.einheit) + " " + p.vergleich + " "
                             + mit_einheit(p.grenze, p.einheit) + ": "
                             + (p.erfuellt ? "erfuellt" : "nicht erfuellt"));
            }
        }
        EXPECT_NE(text.find("Seite 1 von "), std::string::npos) << fall;

        // The input set of the last pages, read back, computes the same report.
        const std::string satz = satz_aus_text(pdf_text(pdf, false));
        EXPECT_EQ(satz, kv_eingabesatz_text(r, e)) << fall;
        const std::string datei = ordner + "/satz" + kv_eingabesatz_endung(r);
        std::ofstream(datei, std::ios::binary) << satz;
        const Ausgang wieder = programm_starten({r.name, "--eingaben", datei});
        EXPECT_EQ(wieder.status, 0) << fall << ": " << wieder.fehler;
        EXPECT_EQ(wieder.aus, bericht.aus) << fall;
    }
}

// The catalogue entries the inputs hold are named in the inputs, a line
// each with table, file, designation and the fields set; one whose field
// was given over it is not.
TEST_F(Nachweis, NenntDieVerwendetenKatalogeintraege)
{
    const std::string pdf = ordner + "/katalog.pdf";
    const Ausgang a = programm_starten({"stalor", "--katalog", "ipe:IPE 240", "--katalog", "baustahl:S235",
                                        "--nachweis", pdf});
    ASSERT_EQ(a.status, 0) << a.fehler;
    EXPECT_EQ(a.aus, programm_starten({"stalor", "--katalog", "ipe:IPE 240", "--katalog", "baustahl:S235"}).aus);
    std::string text = pdf_text(pdf);
    const size_t eingaben = text.find("Eingaben"), ergebnisse = text.find("Ergebnisse Ergebnis");
    const size_t ipe = text.find(einfach("Katalog ipe (IPE-Traeger, Knicken um die schwache Achse, "
                                         "sections_ipe.csv): IPE 240: A = 3912, I = 2836000"));
    const size_t stahl = text.find("Katalog baustahl (");
    EXPECT_NE(ipe, std::string::npos) << text;
    EXPECT_NE(stahl, std::string::npos) << text;
    EXPECT_TRUE(eingaben < ipe && ipe < stahl && stahl < ergebnisse) << text;
    EXPECT_NE(text.find("E = 210000, Re = 235 (Re = ReH fuer Erzeugnisdicken bis 16 mm (Flanschdicke "
                        "tf = 9.8 mm von IPE 240))"), std::string::npos) << text;

    ASSERT_EQ(programm_starten({"stalor", "--katalog", "ipe:IPE 240", "--katalog", "baustahl:S235", "I=2836001",
                                "--nachweis", pdf}).status, 0);
    text = pdf_text(pdf);
    EXPECT_EQ(text.find("Katalog ipe"), std::string::npos);
    EXPECT_NE(text.find("Katalog baustahl"), std::string::npos);
    ASSERT_EQ(programm_starten({"stalor", "--nachweis", pdf}).status, 0);
    EXPECT_EQ(pdf_text(pdf).find("Katalog "), std::string::npos);
}

TEST_F(Nachweis, GleicheBytesSchriftenEingebettetA4)
{
    for (const Fall& f : {FAELLE[1], FAELLE[3], FAELLE[7], FAELLE[9]}) {
        std::vector<std::string> pfade;
        for (int lauf = 0; lauf < 3; ++lauf) {
            pfade.push_back(ordner + "/" + f.args[0] + std::to_string(lauf) + ".pdf");
            std::vector<std::string> args = f.args;
            args.insert(args.end(), {"--nachweis", pfade.back(), "--bearbeiter", "A. Muster"});
            std::vector<std::string> umgebung = {EPOCHE};
            if (lauf == 2)
                umgebung.insert(umgebung.end(), std::begin(DEUTSCH), std::end(DEUTSCH));
            ASSERT_EQ(programm_starten(args, umgebung).status, 0);
        }
        const std::string a = lesen(pfade[0]);
        ASSERT_EQ(a.rfind("%PDF-", 0), 0u);
        EXPECT_TRUE(a == lesen(pfade[1])) << f.args[0] << ": zwei Laeufe verschieden";
        EXPECT_TRUE(a == lesen(pfade[2])) << f.args[0] << ": unter de_DE.UTF-8 in Berlin verschieden";

        // pdffonts: two lines of heading, then one per font, "yes" for embedded.
        std::istringstream fonts(werkzeug({"pdffonts", pfade[0]}));
        std::string zeile;
        int schriften = 0;
        for (int n = 0; std::getline(fonts, zeile); ++n) {
            if (n < 2)
                continue;
            ++schriften;
            std::istringstream spalten(zeile.substr(zeile.find("TrueType")));
            std::string art, kodierung, eingebettet;
            spalten >> art >> kodierung >> eingebettet;
            EXPECT_EQ(eingebettet, "yes") << zeile;
        }
        EXPECT_GE(schriften, 2) << f.args[0];

        const std::string info = einfach(werkzeug({"pdfinfo", "-isodates", "-f", "1", "-l", "99", pfade[0]}));
        auto anzahl = [&info](const std::string& t) {
            size_t n = 0;
            for (size_t p = 0; (p = info.find(t, p)) != std::string::npos; p += t.size())
                ++n;
            return n;
        };
        EXPECT_GE(anzahl(" pts"), 2u) << info;
        EXPECT_EQ(anzahl(" size: 595.276 x 841.89 pts (A4)"), anzahl(" pts")) << info;
        EXPECT_NE(info.find("Creator: maschinenelemente"), std::string::npos) << info;
        EXPECT_NE(info.find("Title: Rechnungsnachweis: "), std::string::npos) << info;
        EXPECT_NE(info.find("Author: A. Muster"), std::string::npos) << info;
        EXPECT_NE(info.find("CreationDate: 2025-12-06T05:46:40"), std::string::npos) << info;
    }
}

TEST_F(Nachweis, NichtsGeschriebenOderAlteDateiBleibt)
{
    const std::string pdf = ordner + "/n.pdf";
    struct Zeile { std::vector<std::string> args; int status; } falsch[] = {
        {{"stalor", "F=3x", "--nachweis", pdf}, 2},
        {{"lupran", "b=5", "--nachweis", pdf}, 1},              // refused: B/D too small
        {{"stalor", "--projekt", "P"}, 2},                       // only with --nachweis
        {{"stalor", "--bearbeiter", "B"}, 2},
        {{"stalor", "--variiere", "F=1:2:2", "--format", "csv", "--nachweis", pdf}, 2},
        {{"stalor", "--nachweis", pdf, "--projekt", "\xff"}, 2}, // no UTF-8
    };
    for (const Zeile& z : falsch) {
        const Ausgang a = programm_starten(z.args);
        EXPECT_EQ(a.status, z.status) << z.args[1] << ": " << a.fehler;
        EXPECT_TRUE(a.aus.empty()) << z.args[1];
        EXPECT_FALSE(g_file_test(pdf.c_str(), G_FILE_TEST_EXISTS)) << z.args[1];
    }
    // A file that may not be written stays as it was.
    std::ofstream(pdf) << "alt";
    ASSERT_EQ(g_chmod(pdf.c_str(), 0444), 0);
    const Ausgang a = programm_starten({"stalor", "--nachweis", pdf});
    EXPECT_EQ(a.status, 1);
    EXPECT_NE(a.fehler.find("Nachweis " + pdf), std::string::npos) << a.fehler;
    EXPECT_EQ(lesen(pdf), "alt");
}

TEST_F(Nachweis, PruefungKnappAnDerGrenzeMitAllenStellen)
{
    // Checks of a calculator: one just past its limit, one well within.
    KvRechner r = *kv_rechner_finden("stalor");
    r.rechengang = [](const KvStand&, const KvRechnung&, KvRechengang& g) {
        kv_pruefung(g, "knapp", 200.0000001, "N/mm^2", "<=", 200, false);
        kv_pruefung(g, "weit", 123.456789, "1", "<", 200.0000001, true);
    };
    std::string pdf, fehler;
    ASSERT_TRUE(kv_nachweis_pdf(r, kv_vorgaben(r), nullptr, KvNachweisAngaben{}, pdf, fehler))
        << fehler;
    const std::string datei = ordner + "/grenze.pdf";
    std::ofstream(datei, std::ios::binary) << pdf;
    const std::string text = pdf_text(datei);
    for (const char* t : {"knapp 200.0000001 N/mm^2 <= 200 N/mm^2: nicht erfuellt",
                          "weit 123.457 < 200: erfuellt"})
        EXPECT_NE(text.find(t), std::string::npos) << t;
}

TEST_F(Nachweis, OhneRechengangOhneDieseAbschnitte)
{
    // A calculator that does not write down its working yet.
    KvRechner ohne = *kv_rechner_finden("stalor");
    ohne.rechengang = nullptr;
    ohne.verfahren = "";
    KvNachweisAngaben a;
    a.zeitpunkt = 1765000000;
    a.utc = true;
    const std::string pdf = ordner + "/ohne.pdf";
    std::string fehler;
    ASSERT_TRUE(kv_nachweis_schreiben(ohne, kv_vorgaben(ohne), nullptr, a, pdf, fehler)) << fehler;
    const std::string text = pdf_text(pdf);
    for (const char* t : {"Eingaben", "Ergebnisse", "Eingabesatz", "Kraft F / N F 3500",
                          "Seite 2 von 2"})
        EXPECT_NE(text.find(t), std::string::npos) << t;
    for (const char* t : {"Rechengang", "Pruefungen", "Diagramm", "Verfahren:", "Projekt:"})
        EXPECT_EQ(text.find(t), std::string::npos) << t;

    // A field that is no number: no record, and the field named.
    KvEingaben e = kv_vorgaben(ohne);
    e.texte[0] = "3,5";
    EXPECT_FALSE(kv_nachweis_schreiben(ohne, e, nullptr, a, ordner + "/nie.pdf", fehler));
    EXPECT_EQ(fehler, "Feld F (Kraft F / N): Stelle 2: keine Zahl");
}

} // namespace
