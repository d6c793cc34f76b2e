#include "Master/TMasterForm.h"
#include "app/QtPlatform.h"
#include "app/TallimoApplication.h"
#include "bench/ClockReading.h"

#include <cstdio>

// One start-up of the program over the given ticket and history files,
// timed by the benchmark: the main window is made as the program makes it
// and painted once. The moment it is shown and the process's CPU time by
// then go to standard output, so that closing down, which the user does not
// wait for, is not counted. Missing files give the start-up with no data.
int main(int argc, char** argv) {
    if (argc != 3) return 2;
    app::TallimoApplication application(argc, argv);
    app::QtPlatform platform;
    application.SetErrorReporter(&platform);
    master::TMasterForm form(platform, {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])}, false);
    form.show();
    form.grab();
    std::printf("%lld %lld\n", bench::Nanoseconds(CLOCK_MONOTONIC), bench::Nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
