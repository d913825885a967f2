// Entry point of the window tests: the toolkit first, then GoogleTest.  A
// watchdog looks at the whole process from its first line on: at the
// toolkit's start, at each suite's set-up (where the window is built), at
// each test and each tear-down.  Should one of these steps ever take longer
// than a window test can (a wait that was not bounded, a program that
// hangs), it ends the process with a message naming the step.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include "sprache.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

// A window test takes seconds; a long run (a thousand rounds) may say more.
#ifndef KV_TEST_SEKUNDEN
#define KV_TEST_SEKUNDEN 45
#endif
// KV_WACHHUND_SEKUNDEN sets another limit (the watchdog's own test).
std::chrono::seconds hoechstens(KV_TEST_SEKUNDEN);

// What the watchdog looks at, shared with its thread for the whole run.
std::mutex wache;
std::string schritt;
std::chrono::steady_clock::time_point beginn;

// The run's own data folder (the list of recently used files), removed when
// the tests end and when the watchdog ends them.
std::string daten_ordner;

bool daten_entfernen()
{
    std::error_code fehler;
    std::filesystem::remove_all(daten_ordner, fehler);
    return !fehler;
}

void schritt_beginnen(std::string was)
{
    std::lock_guard<std::mutex> sperre(wache);
    schritt = std::move(was);
    beginn = std::chrono::steady_clock::now();
}

[[noreturn]] void wachen()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        std::lock_guard<std::mutex> sperre(wache);
        if (std::chrono::steady_clock::now() - beginn > hoechstens) {
            std::fprintf(stderr, "%s laeuft seit mehr als %lld s: abgebrochen\n", schritt.c_str(),
                         static_cast<long long>(hoechstens.count()));
            std::fflush(stderr);
            daten_entfernen();
            _exit(3);
        }
    }
}

class Wachhund : public ::testing::EmptyTestEventListener {
    void OnTestSuiteStart(const ::testing::TestSuite& s) override
    {
        schritt_beginnen(std::string("Aufbau des Fensters (") + s.name() + ")");
    }
    void OnTestStart(const ::testing::TestInfo& t) override
    {
        schritt_beginnen(std::string("Test ") + t.test_suite_name() + "." + t.name());
    }
    void OnTestEnd(const ::testing::TestInfo& t) override
    {
        schritt_beginnen(std::string("Nach dem Test ") + t.test_suite_name() + "." + t.name());
    }
    void OnTestSuiteEnd(const ::testing::TestSuite& s) override
    {
        schritt_beginnen(std::string("Nach den Tests ") + s.name());
    }
    void OnTestProgramEnd(const ::testing::UnitTest&) override { schritt_beginnen("Ende der Tests"); }
};

} // namespace

int main(int argc, char** argv)
{
    if (const char* s = std::getenv("KV_WACHHUND_SEKUNDEN"))
        hoechstens = std::chrono::seconds(std::atoi(s));
    schritt_beginnen("Start des Toolkits");
    std::thread(wachen).detach();
    // With the accessibility module, as on a desktop with a screen reader.
    g_setenv("GTK_MODULES", "gail", TRUE);
    // The list of recently used files in a folder of its own, not the user's.
    gchar* daten = g_dir_make_tmp("kv-daten-XXXXXX", nullptr);
    g_setenv("XDG_DATA_HOME", daten, TRUE);
    {
        std::lock_guard<std::mutex> sperre(wache);
        daten_ordner = daten;
    }
    g_free(daten);
    gtk_init(&argc, &argv);
    // As the programs start: the messages in the locale's language.
    kv_sprache_einrichten();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Wachhund);
    schritt_beginnen("Beginn der Tests");
    const int ergebnis = RUN_ALL_TESTS();
    std::lock_guard<std::mutex> sperre(wache);
    return daten_entfernen() ? ergebnis : 1;
}
