// A long session in one process: the buckling calculator computes and saves
// a thousand times through the real dialogs.  Every report must be the same,
// and memory must stay within a small bound after the first hundred rounds.
#include "fenster_test.h"
#include "stalor.h"

#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

// Resident memory of this process in KiB.
long rss_kib()
{
    std::istringstream status(lesen("/proc/self/status"));
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.rfind("VmRSS:", 0) == 0)
            return std::stol(zeile.substr(6));
    return -1;
}

// Heap in use in KiB.
long heap_kib() { return static_cast<long>(mallinfo2().uordblks / 1024); }

#ifdef KV_MIT_SANITIZERN
// Its quarantine holds freed memory back on purpose: only the reports count.
constexpr bool mit_asan = true;
constexpr int runden = 200;
#else
constexpr bool mit_asan = false;
constexpr int runden = 1000;
#endif
constexpr int aufwaermen = 100;

struct Verbrauch { long rss, heap; };

// Runs a round `runden` times; returns the growth after the warm-up.
Verbrauch wachstum(const std::function<void(int)>& runde)
{
    Verbrauch vorher{};
    for (int i = 0; i < runden; ++i) {
        runde(i);
        if (::testing::Test::HasFatalFailure())
            return {};
        if (i + 1 == aufwaermen)
            vorher = {rss_kib(), heap_kib()};
    }
    const Verbrauch d{rss_kib() - vorher.rss, heap_kib() - vorher.heap};
    std::printf("%d Runden: nach dem Aufwaermen RSS %+ld KiB, Heap %+ld KiB\n", runden, d.rss, d.heap);
    return d;
}

class StalorDauerlauf : public MitOrdner {
protected:
    static void SetUpTestSuite()
    {
        kv_gtk_fenster_erzeugen(stalor_programm);
        ereignisse_abarbeiten();
    }
    void SetUp() override
    {
        MitOrdner::SetUp();
        gerechnet = 0;
        pfad = ordner + "/knickung.txt";
    }
    // "Rechnen", asked to recompute from the second round on.
    void rechnen(int i)
    {
        const auto d = klicken(pButton_rechnen, i == 0 ? std::vector<Antwort>{} : std::vector<Antwort>{JA});
        ASSERT_EQ(d.size(), i == 0 ? 0u : 1u) << "Runde " << i;
    }
    void gleicher_bericht(int i)
    {
        const std::string b = lesen(pfad);
        if (i == 0)
            erster = b;
        ASSERT_EQ(b, erster) << "Runde " << i;
    }
    std::string pfad, erster;
};

TEST_F(StalorDauerlauf, TausendMalRechnenUndSpeichern)
{
    const Verbrauch d = wachstum([&](int i) {
        rechnen(i);
        // The save-as dialog, and from the second round the overwrite question.
        std::vector<Antwort> antworten{datei(pfad)};
        if (i > 0)
            antworten.push_back(JA);
        const auto s = klicken(pButton_speichern, antworten);
        ASSERT_EQ(s.size(), i == 0 ? 1u : 2u) << "Runde " << i;
        gleicher_bericht(i);
    });
    EXPECT_NE(erster.find("Knickfall: 1\n"), std::string::npos);
    if (!mit_asan) {
        // GTK 2's file chooser keeps a few KiB each time it opens and lists
        // a folder; 900 openings stay well within this.
        EXPECT_LE(d.heap, 8 * 1024);
        EXPECT_LE(d.rss, 10 * 1024);
    }
}

TEST_F(StalorDauerlauf, RechnenUndBerichtHaltenNichtsFest)
{
    // The program's own share: computing, the recompute question, the
    // result fields, the report text and writing the file.
    const Verbrauch d = wachstum([&](int i) {
        rechnen(i);
        ASSERT_TRUE(kv_bericht_schreiben(pfad, kv_gtk_letzter_bericht()));
        gleicher_bericht(i);
    });
    if (!mit_asan) {
        EXPECT_LE(d.heap, 64);
    }
}

} // namespace
