// The module's own reading of the catalogues (kern/mo_katalog.*, the
// catalogues compiled in by netz/sprachen_einbetten.cmake) against GNU
// gettext's lookup through the build's locale/: the same text for every
// message of the template, German where the catalogue has none.
#include "mo_katalog.h"
#include "sprache.h"
#include "sprache_eingebettet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <libintl.h>
#include <string>
#include <vector>

namespace {

const char* const DOMAENE = "maschinenelemente";
// The English catalogue as msgfmt writes it for gettext, with its hash table.
const char* const MO_GETTEXT = KV_LOCALEDIR_BAU "/en/LC_MESSAGES/maschinenelemente.mo";

// A quoted string of a .pot line, its escapes decoded.
std::string entschluesseln(const std::string& zeile)
{
    std::string t;
    const size_t von = zeile.find('"'), bis = zeile.rfind('"');
    for (size_t i = von + 1; i < bis; ++i) {
        if (zeile[i] != '\\') {
            t += zeile[i];
            continue;
        }
        const char c = zeile[++i];
        t += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return t;
}

// Every msgid of the template but the header, continued lines joined.
std::vector<std::string> vorlage_ids()
{
    std::ifstream datei(KV_VORLAGE);
    std::vector<std::string> ids;
    std::string zeile, id;
    bool in_id = false;
    while (std::getline(datei, zeile)) {
        if (zeile.rfind("msgid \"", 0) == 0) {
            id = entschluesseln(zeile);
            in_id = true;
        } else if (in_id && zeile.rfind("\"", 0) == 0) {
            id += entschluesseln(zeile);
        } else if (in_id) {
            if (!id.empty())
                ids.push_back(id);
            in_id = false;
        }
    }
    return ids;
}

std::vector<unsigned char> datei_lesen(const char* pfad)
{
    std::ifstream d(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(d), {}};
}

class Sprachkatalog : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // gettext in English from the build's catalogues, whatever the
        // environment of the test says.
        setenv("LANGUAGE", "en", 1);
        ASSERT_NE(std::setlocale(LC_MESSAGES, "en_US.UTF-8"), nullptr) << "locale en_US.UTF-8 missing";
        bindtextdomain(DOMAENE, KV_LOCALEDIR_BAU);
        bind_textdomain_codeset(DOMAENE, "UTF-8");
    }
    void TearDown() override { kv_sprache_setzen("de"); }
};

TEST_F(Sprachkatalog, JedeMeldungDerVorlageWieGettext)
{
    const std::vector<std::string> ids = vorlage_ids();
    ASSERT_GT(ids.size(), 50u) << KV_VORLAGE;
    ASSERT_TRUE(kv_sprache_setzen("en"));
    EXPECT_STREQ(kv_sprache(), "en");
    for (const std::string& id : ids)
        EXPECT_STREQ(kv_text(id.c_str()), dgettext(DOMAENE, id.c_str())) << id;
    // gettext did read the build's catalogue.
    EXPECT_STREQ(dgettext(DOMAENE, "Rechnen"), "Calculate");
}

TEST_F(Sprachkatalog, TexteOhneUebersetzungBleibenDeutsch)
{
    ASSERT_TRUE(kv_sprache_setzen("en"));
    // Not in the catalogue: before its first and after its last text, a
    // prefix and an extension of one.
    for (const char* t : {"Rechne", "Rechnenx", "\x01", "\xff\xff", "Kein Text des Katalogs", " Rechnen"}) {
        EXPECT_EQ(kv_text(t), t) << t;
        EXPECT_STREQ(dgettext(DOMAENE, t), t) << t;
    }
    // The empty id is the catalogue's header for gettext, no text here.
    const char* leer = "";
    EXPECT_EQ(kv_text(leer), leer);
    EXPECT_EQ(kv_text(nullptr), nullptr);
    const std::vector<std::string> ids = vorlage_ids();
    for (const char* code : {"de", "fr", "", "EN", "en_US"}) {
        EXPECT_EQ(kv_sprache_setzen(code), std::strcmp(code, "de") == 0) << code;
        EXPECT_STREQ(kv_sprache(), "de");
        for (const std::string& id : ids)
            ASSERT_EQ(kv_text(id.c_str()), id.c_str()) << code << ": " << id;
    }
}

// The build's .mo as msgfmt writes it for gettext (with its hash table),
// also in the other byte order, finds what the embedded one finds.
TEST_F(Sprachkatalog, MoMitHashtabelleUndInAndererByteordnung)
{
    std::vector<unsigned char> mo = datei_lesen(MO_GETTEXT);
    ASSERT_GT(mo.size(), 28u);
    KvMoKatalog k;
    ASSERT_TRUE(kv_mo_lesen(mo.data(), mo.size(), k));
    ASSERT_FALSE(k.getauscht);
    // Every word of the header, the two tables and the hash table turned round.
    std::vector<unsigned char> anders = mo;
    auto wenden = [&](size_t stelle) { std::reverse(anders.begin() + stelle, anders.begin() + stelle + 4); };
    auto wort = [&](size_t stelle) { uint32_t w; std::memcpy(&w, mo.data() + stelle, 4); return w; };
    const uint32_t n = wort(8), o = wort(12), t = wort(16), s = wort(20), h = wort(24);
    for (size_t i = 0; i < 7; ++i)
        wenden(4 * i);
    for (size_t i = 0; i < 2 * size_t(n); ++i) {
        wenden(o + 4 * i);
        wenden(t + 4 * i);
    }
    for (size_t i = 0; i < s; ++i)
        wenden(h + 4 * i);
    KvMoKatalog g;
    ASSERT_TRUE(kv_mo_lesen(anders.data(), anders.size(), g));
    EXPECT_TRUE(g.getauscht);
    ASSERT_TRUE(kv_sprache_setzen("en"));
    for (const std::string& id : vorlage_ids()) {
        const char* a = kv_mo_suchen(k, id.c_str());
        const char* b = kv_mo_suchen(g, id.c_str());
        ASSERT_TRUE(a && b) << id;
        EXPECT_STREQ(a, kv_text(id.c_str())) << id;
        EXPECT_STREQ(b, a) << id;
    }
}

TEST_F(Sprachkatalog, KaputteKatalogeWerdenAbgelehnt)
{
    const std::vector<unsigned char> mo = datei_lesen(MO_GETTEXT);
    ASSERT_GT(mo.size(), 28u);
    KvMoKatalog k;
    EXPECT_FALSE(kv_mo_lesen(nullptr, 0, k));
    EXPECT_FALSE(kv_mo_lesen(mo.data(), 27, k));
    // Cut short: a text or a table beyond the end.
    EXPECT_FALSE(kv_mo_lesen(mo.data(), mo.size() - 1, k));
    EXPECT_FALSE(kv_mo_lesen(mo.data(), mo.size() / 2, k));
    auto geaendert = [&](size_t stelle, unsigned char wert) {
        std::vector<unsigned char> d = mo;
        d[stelle] = wert;
        return d;
    };
    // Another magic number; major revision 2; a table's offset far out;
    // the number of texts beyond the tables.
    for (const auto& [stelle, wert] : std::vector<std::pair<size_t, unsigned char>>{
             {0, 0xdf}, {6, 2}, {15, 0x7f}, {19, 0x7f}, {11, 0x10}}) {
        const std::vector<unsigned char> d = geaendert(stelle, wert);
        EXPECT_FALSE(kv_mo_lesen(d.data(), d.size(), k)) << "Byte " << stelle;
        EXPECT_EQ(k.daten, nullptr);
    }
    // A minor revision only adds: still read.
    const std::vector<unsigned char> d = geaendert(4, 1);
    EXPECT_TRUE(kv_mo_lesen(d.data(), d.size(), k));
}

} // namespace
