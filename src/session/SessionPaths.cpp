#include "session/SessionPaths.h"

#include "probes/ExeFolder.h"
#include "services/SystemFolders.h"

SessionPaths SessionPaths::ForThisProgram()
{
    SessionPaths paths;
    paths.WindowsFolder = SystemFolders::WindowsDirectory();
    paths.LoaderFolder = paths.WindowsFolder + L"\\Temp\\Pavv2Load";
    paths.ProgramPath = ExePath();
    paths.ProgramFolder = FolderOfPath(paths.ProgramPath);
    return paths;
}

std::wstring SessionPaths::LoaderParent() const
{
    const size_t cut = LoaderFolder.find_last_of(L'\\');
    return cut == std::wstring::npos ? std::wstring() : LoaderFolder.substr(0, cut);
}
