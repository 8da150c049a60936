// The disc's terms-of-use program: shows the terms in the system's language
// and leaves what the installer is to tell the user afterwards in
// "Ov_termsTmp.txt" of the Windows folder.
#include <windows.h>

#include <string>

#include "TermsOfUse/TermsConfig.h"
#include "TermsOfUse/TermsFiles.h"
#include "TermsOfUse/TermsWindow.h"
#include "config/CLanguage.h"
#include "probes/ExeFolder.h"

namespace {

constexpr int kExitAccepted = 0;
constexpr int kExitDeclined = 1;
constexpr int kExitNoTerms = 2;
constexpr int kExitNoResult = 3;
constexpr int kExitNoWindow = 4;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const std::wstring folder = ExeFolder();
    const TermsConfig config = TermsConfig::Load(folder + L"TermsOfUse.ini");
    const std::wstring notice = TermsFiles::NoticePath();

    // The same per-language choice as the licence files: 0409..., XX09...
    const std::wstring termsFile = LocalizedFile(folder + config.folder + L"\\", config.file);
    std::wstring text;
    if (termsFile.empty() || !TermsFiles::ReadText(termsFile, text)) {
        TermsFiles::WriteNotice(notice, std::wstring());
        return kExitNoTerms;
    }

    TermsWindow window(config, text);
    const TermsWindow::Answer answer = window.Run(instance);
    if (answer == TermsWindow::kNoWindow) {
        TermsFiles::WriteNotice(notice, std::wstring());
        return kExitNoWindow;
    }
    const bool accepted = answer == TermsWindow::kAccepted;
    if (!TermsFiles::WriteNotice(notice, accepted ? config.acceptedNotice : config.declinedNotice))
        return kExitNoResult;
    return accepted ? kExitAccepted : kExitDeclined;
}
