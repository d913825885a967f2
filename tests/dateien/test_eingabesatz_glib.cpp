// Our key-file reader and writer against GLib's GKeyFile, which read and
// wrote the input sets before: the corners of the format, each decided the
// same way (eingabesatz_glib.h lists where we differ on purpose, and why).
#include "eingabesatz_glib.h"
#include "gleitlager.h"
#include "knickung.h"
#include "kupplung.h"
#include "schraube.h"
#include "tellerfeder.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const char* const AUFBAU = "ist kein Eingabesatz (Aufbau fehlerhaft)";

struct Fall {
    std::string text;
    const char* grund; // the reason for refusing it, or nullptr: taken
    std::string F;     // then the text of field F
};

void pruefen(const std::vector<Fall>& faelle)
{
    for (const Fall& f : faelle) {
        KvEingaben e = kv_vorgaben(stalor_rechner);
        std::string fehler;
        const bool gelesen = kv_eingabesatz_aus_text(stalor_rechner, f.text, e, fehler);
        if (f.grund) {
            EXPECT_FALSE(gelesen) << f.text;
            EXPECT_EQ(fehler, f.grund) << f.text;
        } else {
            EXPECT_TRUE(gelesen) << f.text << ": " << fehler;
            EXPECT_EQ(e.texte[0], f.F) << f.text;
        }
        EXPECT_EQ(kv_glib::unterschied(stalor_rechner, f.text), "") << f.text;
    }
}

TEST(WieGKeyFile, ZeilenLeerzeichenUndKommentare)
{
    pruefen({
        {"[stalor]\r\nF=5\r\n", nullptr, "5"},
        // A "\r" ends a line only before "\n"; at the very end it stays.
        {"[stalor]\nF=5\r", nullptr, "5\r"},
        {"[stalor]\nF=5\r6\n", nullptr, "5\r6"},
        {"[stalor]\r", AUFBAU, ""},
        {"[stalor]\n\r\r\nF=5\n", nullptr, "5"},
        // Blanks, tabs, "\f" and "\r" before a line and around "=" go, those
        // at the end of a value stay; "\v" is no blank.
        {" \t[stalor] \t\n \f F \t= \r 5 \t\n", nullptr, "5 \t"},
        {"[stalor]\nF\v=1\n", "unbekannter Name \"F\v\"", ""},
        {"[stalor]\n\v\n", AUFBAU, ""},
        {"[stalor]\f\n", AUFBAU, ""},
        {"# vorn\n[stalor]\n  # F=9\nF=1 # kein Kommentar\n", nullptr, "1 # kein Kommentar"},
        {"[stalor]\nF==1=\n", nullptr, "=1="},
        {"[stalor]\nF=\n", nullptr, ""},
        {"[stalor]\nF 1\n", AUFBAU, ""},
        {"[stalor]\n=1\n", AUFBAU, ""},
        {"[stalor]\n =1\n", AUFBAU, ""},
        {"", "ist kein Eingabesatz fuer stalor (Gruppe [stalor] fehlt)", ""},
    });
}

TEST(WieGKeyFile, Maskierungen)
{
    pruefen({
        {"[stalor]\nF=\\s1\\t2\\n3\\r4\\\\5 \\s\n", nullptr, " 1\t2\n3\r4\\5  "},
        // Unknown escapes stay as written, a backslash at the end goes.
        {"[stalor]\nF=1\\q\\;2\\\xC3\xA4\\ \n", nullptr, "1\\q\\;2\\\xC3\xA4\\ "},
        {"[stalor]\nF=12\\", nullptr, "12"},
        // The version is compared as it stands in the file.
        {"[stalor]\nFormatversion=\\s1\n", "Formatversion \\s1 wird nicht unterstuetzt (erwartet: 1)", ""},
        {"[stalor]\nFormatversion=1 \n", "Formatversion 1  wird nicht unterstuetzt (erwartet: 1)", ""},
    });
}

TEST(WieGKeyFile, DoppelteNamenUndGruppen)
{
    pruefen({
        {"[stalor]\nF=1\nl1=3\nF=2\n", nullptr, "2"},
        // Every line in its turn, each with the name's last value.
        {"[stalor]\nKnickfall=0\nF=1\nKnickfall=2\n", nullptr, "1"},
        {"[stalor]\nKnickfall=2\nKraft=1\nKnickfall=0\n", "Knickfall=0: erlaubt sind 1, 2, 3, 4", ""},
        {"[stalor]\nKraft=1\nKnickfall=0\n", "unbekannter Name \"Kraft\"", ""},
        {"[stalor]\nF=1\n[stalor]\nl1=2\nF=3\n", nullptr, "3"},
        {"[Fenster]\n[tarvex]\n[stalor]\n", "enthaelt die unbekannte Gruppe [Fenster]", ""},
        {"[stalor]\n[tarvex]\n[stalor]\n", "ist ein Eingabesatz fuer tarvex, nicht fuer stalor", ""},
    });
}

TEST(WieGKeyFile, NamenVonGruppenUndSchluesseln)
{
    pruefen({
        {"F=1\n[stalor]\n", AUFBAU, ""},
        {"[]\n", AUFBAU, ""},
        {"[stalor]x\n", AUFBAU, ""},
        {"[stalor]]\n", AUFBAU, ""},
        {"[stal[or]\n", AUFBAU, ""},
        {"[stal\x7For]\n", AUFBAU, ""},
        {"[ stalor ]\n", "enthaelt die unbekannte Gruppe [ stalor ]", ""},
        {"[stalor\xC2\x80]\n", "enthaelt die unbekannte Gruppe [stalor\xC2\x80]", ""},
        {"[stalor]\nF\x01=1\n", "unbekannter Name \"F\x01\"", ""},
        {"[stalor]\nF l1=1\n", "unbekannter Name \"F l1\"", ""},
        {"[stalor]\nF]=1\n", AUFBAU, ""},
        {"[stalor]\n\xC2\xA0" "F=1\n", "unbekannter Name \"\xC2\xA0" "F\"", ""},
        // Translations: a key of its own in any language.
        {"[stalor]\nF[de_DE.UTF-8@euro]=1\n", "unbekannter Name \"F[de_DE.UTF-8@euro]\"", ""},
        {"[stalor]\nF[]=1\n", "unbekannter Name \"F[]\"", ""},
        {"[stalor]\nF\t[de]=1\n", "unbekannter Name \"F\t[de]\"", ""},
        {"[stalor]\nF [de]=1\n", AUFBAU, ""},
        {"[stalor]\nF[de!]=1\n", AUFBAU, ""},
        {"[stalor]\nF[de]x=1\n", AUFBAU, ""},
        {"[stalor]\nF[d[e]=1\n", AUFBAU, ""},
        // The encoding is checked in the first group only.
        {"[stalor]\nEncoding=latin1\n", AUFBAU, ""},
        {"[stalor]\nEncoding=utf-8\n", "unbekannter Name \"Encoding\"", ""},
        {"[stalor]\n[tarvex]\n[stalor]\nEncoding=UTF-8 \n", AUFBAU, ""},
        {"[tarvex]\n[stalor]\nEncoding=latin1\n", "ist ein Eingabesatz fuer tarvex, nicht fuer stalor", ""},
    });
}

TEST(WieGKeyFile, Zeichen)
{
    pruefen({
        {"[stalor]\nF=1\0002\n"s, AUFBAU, ""},
        {"[stalor]\nF=\xFF\n", AUFBAU, ""},
        {"[stalor]\nF=\xC0\xAF\n", AUFBAU, ""},         // overlong "/"
        {"[stalor]\nF=\xED\xA0\x80\n", AUFBAU, ""},     // surrogate
        {"[stalor]\nF=\xF4\x90\x80\x80\n", AUFBAU, ""}, // above U+10FFFF
        {"[stalor]\nF=\xE2\x82", AUFBAU, ""},           // cut short
        {"[stalor]\nF=\xEF\xBF\xBE\xF4\x8F\xBF\xBF\n", nullptr, "\xEF\xBF\xBE\xF4\x8F\xBF\xBF"},
        // A byte order mark is skipped at the start only.
        {"\xEF\xBB\xBF[stalor]\nF=7\n", nullptr, "7"},
        {"[stalor]\n\xEF\xBB\xBF" "F=7\n", "unbekannter Name \"\xEF\xBB\xBF" "F\"", ""},
    });
}

// What we mend, against GKeyFile as the program used it.
TEST(WieGKeyFile, AbweichungenMitAbsicht)
{
    const auto laedt = [](const std::string& text) {
        kv_glib::KeyFile kf(g_key_file_new(), g_key_file_free);
        return g_key_file_load_from_data(kf.get(), text.data(), text.size(), G_KEY_FILE_NONE, nullptr)
                   ? g_key_file_has_key(kf.get(), "stalor", "F[fr]", nullptr) ? "mit F[fr]" : "ohne F[fr]"
                   : "abgelehnt";
    };
    EXPECT_STREQ(laedt("\xEF\xBB\xBF[stalor]\n"), "abgelehnt");
    // Under LANG=fr the translation would have been taken, so refused.
    g_setenv("LANGUAGE", "de", TRUE);
    EXPECT_STREQ(laedt("[stalor]\nF[fr]=1\n"), "ohne F[fr]");
    g_setenv("LANGUAGE", "fr", TRUE);
    EXPECT_STREQ(laedt("[stalor]\nF[fr]=1\n"), "mit F[fr]");
    g_unsetenv("LANGUAGE");
    // A tag beyond ASCII: GKeyFile asks Unicode whether it is a letter.
    pruefen({
        {"[stalor]\nF[\xC3\xA4]=1\n", "unbekannter Name \"F[\xC3\xA4]\"", ""},
        {"[stalor]\nF[\xE2\x82\xAC]=1\n", "unbekannter Name \"F[\xE2\x82\xAC]\"", ""},
    });
    KvEingaben e = kv_vorgaben(stalor_rechner);
    std::string fehler;
    EXPECT_FALSE(kv_glib::eingabesatz_aus_text(stalor_rechner, "[stalor]\nF[\xE2\x82\xAC]=1\n", e, fehler));
    EXPECT_EQ(fehler, AUFBAU);
}

TEST(WieGKeyFile, GleicheBytesGeschrieben)
{
    const KvRechner* const alle[] = {&stalor_rechner, &tarvex_rechner, &lupran_rechner,
                                     &kopdra_rechner, &wendis_rechner};
    const std::string texte[] = {"", " \t \n\r x \t", "\\s\\ \\", "a\nb\r\n", "\t\\ ", "\xC3\xA4 ", "1\0002"s};
    for (const KvRechner* r : alle) {
        KvEingaben e = kv_vorgaben(*r);
        EXPECT_EQ(kv_eingabesatz_text(*r, e), kv_glib::eingabesatz_text(*r, e)) << r->name;
        for (size_t i = 0; i < e.texte.size(); ++i)
            e.texte[i] = texte[i % std::size(texte)];
        for (size_t k = 0; k < e.optionen.size(); ++k)
            e.optionen[k] = static_cast<int>(r->optionen[k].werte.size()) - 1;
        EXPECT_EQ(kv_eingabesatz_text(*r, e), kv_glib::eingabesatz_text(*r, e)) << r->name;
    }
}

} // namespace
