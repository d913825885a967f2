// The watchdog of the window tests also covers a suite's set-up: a window
// whose building never returns ends the process with the step named, here
// within the two seconds the test sets.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace {

class Haengt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (;;)
            gtk_main_iteration_do(FALSE), g_usleep(10000);
    }
};

TEST_F(Haengt, WirdNieErreicht) { FAIL() << "the set-up returned"; }

} // namespace
