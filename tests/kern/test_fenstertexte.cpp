// The texts of "Zielwert suchen...": the target read as the standard
// library's from_chars reads a double (the WebAssembly C++ library has no
// such from_chars), the range as a field, and a search's outcome.
#include "fenstertexte.h"
#include "suche.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Fenstertexte, ZielwertWieFromChars)
{
    const char* faelle[] = {
        "2000", "-3.5", ".5", "5.", "1e3", "1E-3", "-2.5e+2", "0", "-0", "4e-320", "", "-", ".", "+5",
        " 5", "5 ", "1,5", "0x10", "1e", "1e400", "1e-400", "5a", "inf", "-INF", "Infinity", "-infinity",
        "infinit", "infx", "nan", "-NaN", "nan()", "nan(x_1)", "NAN(ABC9)", "nan(", "nan(a-b)", "nanx",
        "+inf",
    };
    for (const char* t : faelle) {
        const std::string text = t;
        double erwartet = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), erwartet);
        const bool gilt = !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
        double wert = 7;
        const std::string m = kv_zielwert_meldung(text, wert);
        EXPECT_EQ(m, gilt ? "" : "Fehler im Zielwert!\n\"" + text + "\" ist keine Zahl.") << text;
        if (gilt && std::isnan(erwartet)) {
            EXPECT_TRUE(std::isnan(wert)) << text;
        } else if (gilt) {
            EXPECT_EQ(wert, erwartet) << text;
        }
    }
}

TEST(Fenstertexte, SuchbereichUndErgebnisDerSuche)
{
    double wert = 0;
    EXPECT_EQ(kv_suchgrenze_meldung("12.5", "von", wert), "");
    EXPECT_EQ(wert, 12.5);
    EXPECT_EQ(kv_suchgrenze_meldung("", "bis", wert), "Fehler im Suchbereich!\nbis: kein Wert");
    EXPECT_EQ(kv_suchgrenze_meldung("-1", "von", wert), "Fehler im Suchbereich!\nvon: Stelle 1: keine Zahl");

    KvSuchergebnis g;
    g.meldung = "der Grund";
    EXPECT_EQ(kv_suchmeldung(g), "Suche nicht moeglich!\nder Grund");
    g.status = KvSuchstatus::keine_loesung;
    EXPECT_EQ(kv_suchmeldung(g), "Zielwert nicht erreicht!\nder Grund");
    g.status = KvSuchstatus::gefunden;
    EXPECT_EQ(kv_suchmeldung(g), "");
}

} // namespace
