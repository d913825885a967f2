// The disc spring's built-in table: the springs of DIN 2093, series A.
#include "tellerfeder.h"

#include "eingebaut.h"
#include "sprache.h"

namespace {

// Disc spring: its dimensions, the test deflection 0.75 h0 and the plot
// from 0 to h0.
bool tellerfeder(const KvKatalog& k, size_t z, const KvKatalogLage&, KvKatalogEintrag& aus,
                 std::string&)
{
    aus.felder = {{"De", kv_katalog_zelle(k, z, "De_mm")}, {"Di", kv_katalog_zelle(k, z, "Di_mm")},
                  {"t", kv_katalog_zelle(k, z, "t_mm")},   {"h0", kv_katalog_zelle(k, z, "h0_mm")},
                  {"s", kv_katalog_zelle(k, z, "s075_mm")}, {"s1", "0"},
                  {"s2", kv_katalog_zelle(k, z, "h0_mm")}};
    return true;
}

} // namespace

void wendis_kataloge(const KvRechner& r, std::vector<KvKatalog>& tabellen)
{
    static const std::vector<KvEingebaut> eingebaut = {
        {"tellerfedern_a", "disc_springs_din2093_series_a.csv", N_("Tellerfedern DIN 2093 Reihe A"), tellerfeder,
         "", N_("De, Di, t, h0, s = 0.75 h0, s1 = 0, s2 = h0")},
    };
    kv_eingebaute_tabellen(r, eingebaut, tabellen);
}
