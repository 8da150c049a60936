#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "log/Logger.h"

class StyleSheet;

// The one configuration and run-state object of the process.
class CController {
public:
    CController();
    ~CController();
    CController(const CController&) = delete;
    CController& operator=(const CController&) = delete;

    // Reads LayoutCfg.ini beside the program: layout folder, switches.
    void LoadLayoutConfig();
    // [TabName] key of LayoutCfg.ini, read anew at every call.
    std::wstring GetTabName(const std::wstring& key) const;

    StyleSheet* GetStyleSheet() const { return m_styleSheet.get(); }
    Logger* GetLog() const { return m_log; }

    // Start-up fields.
    uint32_t RunMode = 0;
    int RoundFlag = 0;
    int DebugFlag = 0;
    int InstallState = -1; // 0 while a run is active
    int CurrentTab = -1;

    // Layout fields.
    std::wstring LayoutPathText;
    int BoardLine = 0;
    int ForceManual = 0;
    int Tool = 0;
    std::wstring FileListPath;
    int TermsOfUse = 0;

private:
    Logger* m_log = nullptr;
    std::unique_ptr<StyleSheet> m_styleSheet;

    friend class LayoutSelection;
};
