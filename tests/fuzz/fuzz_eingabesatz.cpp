// Fuzz target of the input-set reader: the first byte picks the calculator,
// the rest is a file as it may come from anywhere (mailed, downloaded,
// written by hand).  It is read as the windows and the command line read it,
// and a set that is taken is then applied: "Rechnen" and the report.
// Properties: a refused set leaves the inputs as they were and says why; a
// set taken is written back and reads back to the same inputs; GLib's
// GKeyFile, which read and wrote the sets before, decides the same, with the
// same reason, the same inputs and the same bytes written
// (eingabesatz_glib.h).
#include "eingabesatz_datei.h"
#include "eingabesatz_glib.h"
#include "fuzz_pruefen.h"
#include "rechnerliste.h"

#include <glib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::string datei;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kv_fuzz::ortsangaben_der_umgebung();
    gchar* ordner = g_dir_make_tmp("kv-fuzz-satz-XXXXXX", nullptr);
    datei = std::string(ordner) + "/satz";
    g_free(ordner);
    // libFuzzer ends a run of so many inputs through exit().
    std::atexit([] {
        std::error_code f;
        std::filesystem::remove_all(std::filesystem::path(datei).parent_path(), f);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    if (n == 0)
        return 0;
    const auto& alle = kv_alle_rechner();
    const KvRechner& r = *alle[daten[0] % alle.size()];
    const std::string text(reinterpret_cast<const char*>(daten) + 1, n - 1);
    {
        // Written plainly: the reader is under test, not the careful writer
        // (whose flush to the disk would make a run wait on the disk).
        std::FILE* f = std::fopen(datei.c_str(), "wb");
        kv_fuzz::muss(f && std::fwrite(text.data(), 1, text.size(), f) == text.size(), "Datei geschrieben");
        std::fclose(f);
    }

    const std::string unterschied = kv_glib::unterschied(r, text);
    if (!unterschied.empty())
        std::fprintf(stderr, "anders als GKeyFile: %s\n", unterschied.c_str());
    kv_fuzz::muss(unterschied.empty(), "wie GKeyFile");

    const KvEingaben vorher = kv_vorgaben(r);
    KvEingaben e = vorher;
    std::string fehler;
    if (!kv_eingabesatz_lesen(r, datei, e, fehler)) {
        kv_fuzz::muss(!fehler.empty(), "abgelehnt mit Grund");
        kv_fuzz::muss(e.texte == vorher.texte && e.optionen == vorher.optionen, "abgelehnt, nichts geaendert");
        return 0;
    }
    kv_fuzz::muss(e.texte.size() == r.eingaben.size() && e.optionen.size() == r.optionen.size(),
                  "jedes Feld und jede Auswahl");
    for (size_t k = 0; k < e.optionen.size(); ++k)
        kv_fuzz::muss(e.optionen[k] >= 0 && e.optionen[k] < static_cast<int>(r.optionen[k].werte.size()),
                      "Auswahl erlaubt");

    // Written as the window saves it, it reads back the same.
    KvEingaben zurueck = kv_vorgaben(r);
    kv_fuzz::muss(kv_eingabesatz_aus_text(r, kv_eingabesatz_text(r, e), zurueck, fehler),
                  "geschriebener Satz wieder gelesen");
    kv_fuzz::muss(zurueck.texte == e.texte && zurueck.optionen == e.optionen, "gleich gelesen");

    // Applied: "Rechnen", then "Speichern" after a computation.
    KvStand stand;
    const KvRechnung rechnung = kv_rechnen(r, e, stand);
    if (rechnung.status == KvStatus::berechnet) {
        for (size_t j = 0; j < r.ergebnisse.size(); ++j)
            kv_fuzz::punkt_pruefen(kv_ergebnistext(r, rechnung, stand.optionen, static_cast<int>(j)));
        kv_fuzz::muss(!r.bericht(stand, rechnung).empty(), "Bericht");
    }
    return 0;
}
