// What an install run costs beyond its fixed waits: 20 items whose stand-in
// setups end at once and whose own waits are 0, from the Install request to
// the completion question, measured from outside. The fixed waits are the
// run's 5 s start, 1 s after each item and the 3 s settling at its end; the
// setups' own lives (start to exit, a Wine process start each) are read from
// the program's log; the installing view ends the run at its next one-second
// tick, so up to 1 s of the rest is that tick. Prints, never judges. Bar: the
// rest under 1 s besides the tick.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "BenchClock.h"
#include "DiscFolder.h"
#include "E2ePaths.h"
#include "FileTail.h"
#include "ListProbe.h"
#include "MainWindowProbe.h"
#include "SessionCatalogue.h"

namespace {
constexpr int kItems = 20;
constexpr double kFixedMs = 5000.0 + kItems * 1000.0 + 3000.0;

// Milliseconds of the day of a log line ("12/10/26 23:46:53 280 [..."); -1 for another line.
double LineMs(const std::wstring& line)
{
    int hours = 0, minutes = 0, seconds = 0, ms = 0;
    if (swscanf(line.c_str(), L"%*d/%*d/%*d %d:%d:%d %d", &hours, &minutes, &seconds, &ms) != 4)
        return -1;
    return ((hours * 60.0 + minutes) * 60.0 + seconds) * 1000.0 + ms;
}

// From each setup's start to its exit code, summed.
double SetupsMs(const std::vector<std::wstring>& lines)
{
    double sum = 0;
    double started = -1;
    for (const std::wstring& line : lines) {
        if (line.find(L"[RunSetup] InstallPath") != std::wstring::npos)
            started = LineMs(line);
        else if (started >= 0 && line.find(L": exit code ") != std::wstring::npos) {
            sum += LineMs(line) - started;
            started = -1;
        }
    }
    return sum;
}
} // namespace

int wmain()
{
    DiscFolder disc;
    if (!disc.CopyDemoDisc()) {
        std::printf("the demo disc is missing: run the build first\n");
        return 1;
    }
    std::vector<SessionItem> items;
    for (int n = 1; n <= kItems; ++n) {
        SessionItem item{L"Bench item " + std::to_wstring(n)};
        item.installMs = 0;
        items.push_back(item);
    }
    SessionCatalogue catalogue(items);
    if (!catalogue.Write(disc)) {
        std::printf("the catalogue could not be written\n");
        return 1;
    }
    SetEnvironmentVariableW(L"DEZOZI2_NO_RESTART", L"1");
    FileTail log(E2ePaths::ProgramLog());
    MainWindowProbe program;
    if (!program.Start(disc, L"-o 00") || !program.WaitReady(60000)) {
        std::printf("the window did not become ready within 60 s\n");
        return 1;
    }
    const std::vector<ListWindow> lists = ListProbe(program.Window(), program.Pid()).WaitLists(1, 10000);
    if (lists.size() != 1) {
        std::printf("the Driver list did not open\n");
        program.Kill();
        return 1;
    }
    const double start = NowMs();
    PostMessageW(lists[0].dialog, WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED), 0);
    HWND done = program.WaitMessagePopup(300000);
    const double total = NowMs() - start;
    if (!done) {
        std::printf("no completion question within 300 s\n");
        program.Kill();
        return 1;
    }
    const double setups = SetupsMs(log.NewLines());
    const double rest = total - kFixedMs - setups;
    std::printf("run of %d items to the completion question  %8.0f ms\n", kItems, total);
    std::printf("fixed waits                                 %8.0f ms\n", kFixedMs);
    std::printf("the setups' own lives                       %8.0f ms\n", setups);
    std::printf("rest (up to 1000 ms of it the clock's tick) %8.0f ms = %.1f %% of the run (bar: 1000 ms + tick)\n",
                rest, 100.0 * rest / total);
    program.Kill();
    return 0;
}
