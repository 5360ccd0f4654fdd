// The window tests' own main: the GL driver (Mesa) keeps allocations to the
// end of the process, which a sanitizer build's leak check would report as
// ours. The results are final once the tests ran, so the process ends without
// the exit-time leak check; memory errors are still caught.
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int rc = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(rc);
}
