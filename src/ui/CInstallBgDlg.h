#pragma once
#include <string>
#include <vector>

#include "config/AdEntry.h"
#include "log/ScopedLogger.h"
#include "probes/ZOrderKeeper.h"
#include "ui/CSkinOverlayDlg.h"
#include "ui/install/AdRotation.h"
#include "ui/install/InstallEstimate.h"

class CController;
class CInstallingDlg;
class CWebBroswerDlg;

// The installing view's background, laid over the main window's content
// while a run is active: it holds the advertisement browser and the
// installing dialog, rotates the advertisements and runs the clock that
// judges the end of the run (MSG_INSTALLDLG_CLOSE to its owner at 100 %).
// The clock follows the current tab's selected items: each one marked done
// moves it on, and it reaches 100 % only when all of them are done.
class CInstallBgDlg : public CSkinOverlayDlg {
public:
    CInstallBgDlg();
    ~CInstallBgDlg() override;

    // Before Create: the folder of LayoutCfg.ini (the program's by default).
    void SetProgramFolder(const std::wstring& folder) { m_programFolder = folder; }

    // Stops timers and questions and closes the children.
    void Stop();
    // Deletes a view now or, while its Cancel question's handler still runs
    // (a close can arrive from inside that question), right after it returns.
    static void Retire(WindowPtr<CInstallBgDlg> view);
    // After the owner moved it or the screen changed: children back in place.
    void Reposition(bool resolutionChanged);
    bool VerifyPlacement();

    CWebBroswerDlg* Browser() const { return m_browser.get(); }
    CInstallingDlg* InstallingDlg() const { return m_installing.get(); }
    const std::vector<AdEntry>& Ads() const { return m_ads; }
    float Percent() const { return m_percent; }
    int Elapsed() const { return m_elapsed; }
    int StripOffset() const { return m_stripOffset; }

    enum : UINT_PTR { kClockTimer = 5, kClockStartTimer = 6, kAdTimer = 9 };
    static constexpr UINT kClockStartMs = 5000;
    static constexpr UINT kClockMs = 1000;

protected:
    void OnInitOverlay() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMove(POINT) override;
    bool OnDestroy() override;

private:
    void OnDeferredInit();
    void CreateChildren();
    void ShowNextAd();
    void Tick();
    InstallEstimate::Result Estimate(int elapsed) const;
    void ShowProgress(const InstallEstimate::Result& result);
    RECT ScreenRect(int left, int top, int right, int bottom) const;
    bool Busy() const;
    static void CALLBACK SweepRetired(HWND, UINT, UINT_PTR, DWORD);

    ScopedLogger m_log{L"CInstallBgDlg"};
    CController* m_controller = nullptr;
    std::wstring m_programFolder;
    WindowPtr<CWebBroswerDlg> m_browser;
    WindowPtr<CInstallingDlg> m_installing;
    // Keeps the browser below the installing dialog while both are shown.
    ZOrderKeeper m_keeper;
    std::vector<AdEntry> m_ads;
    AdRotation m_rotation;
    float m_percent = 0.0f;
    int m_elapsed = 0;
    int m_stripOffset = 0;
    bool m_retired = false;
};
