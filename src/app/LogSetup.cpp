#include "app/LogSetup.h"

#include <windows.h>

#include "log/CInfoTracker.h"
#include "log/ConsoleTracker.h"
#include "log/FileTracker.h"
#include "services/FileExists.h"

bool LogSetup::DebugWanted(int debugFlag)
{
    return FileExists(kForceDebugFile) || debugFlag != 0;
}

Logger* LogSetup::Configure(bool debug, const std::wstring& windowsDir, bool unattended)
{
    CInfoTracker& tracker = CInfoTracker::Instance();
    if (debug) {
        tracker.SetLevel(4);
        tracker.SetSink(new ConsoleTracker());
    } else {
        // Unattended runs keep their ERROR and WARN lines: nobody saw the
        // messages and warnings they stand for.
        tracker.SetLevel(unattended ? 3 : 1);
        // Without the Windows directory the path would fall back to the
        // root of the current drive (the disc): keep the sink closed instead.
        tracker.SetSink(new FileTracker(windowsDir.empty() ? std::wstring() : windowsDir + kLogBase));
    }
    tracker.SetRootName(L"ROOT");
    return &tracker.RootLogger();
}
