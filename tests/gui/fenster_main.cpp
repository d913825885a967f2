// Entry point of the window tests: the toolkit first, then GoogleTest.  A
// watchdog ends the process with a message naming the test should one test
// ever take longer than a window test can (a wait that was not bounded).
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

// A window test takes seconds; a long run (a thousand rounds) may say more.
#ifndef KV_TEST_SEKUNDEN
#define KV_TEST_SEKUNDEN 45
#endif
constexpr auto HOECHSTENS = std::chrono::seconds(KV_TEST_SEKUNDEN);

// What the watchdog looks at, shared with its thread for the whole run.
std::mutex wache;
std::string laufender_test;
std::chrono::steady_clock::time_point beginn;
bool laeuft = false;

void wachen()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        std::lock_guard<std::mutex> sperre(wache);
        if (laeuft && std::chrono::steady_clock::now() - beginn > HOECHSTENS) {
            std::fprintf(stderr, "Test %s laeuft seit mehr als %lld s: abgebrochen\n",
                         laufender_test.c_str(), static_cast<long long>(HOECHSTENS.count()));
            std::fflush(stderr);
            _exit(3);
        }
    }
}

class Wachhund : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& t) override
    {
        std::lock_guard<std::mutex> sperre(wache);
        laufender_test = std::string(t.test_suite_name()) + "." + t.name();
        beginn = std::chrono::steady_clock::now();
        laeuft = true;
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        std::lock_guard<std::mutex> sperre(wache);
        laeuft = false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    // With the accessibility module, as on a desktop with a screen reader.
    g_setenv("GTK_MODULES", "gail", TRUE);
    // The list of recently used files in a folder of its own, not the user's.
    gchar* daten = g_dir_make_tmp("kv-daten-XXXXXX", nullptr);
    g_setenv("XDG_DATA_HOME", daten, TRUE);
    gtk_init(&argc, &argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Wachhund);
    std::thread(wachen).detach();
    const int ergebnis = RUN_ALL_TESTS();
    const std::string aufraeumen = std::string("rm -rf '") + daten + "'";
    g_free(daten);
    return std::system(aufraeumen.c_str()) == 0 ? ergebnis : 1;
}
