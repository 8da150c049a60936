#pragma once
#include <string>

#include "log/Logger.h"

class CController;

// Reads LayoutCfg.ini beside the program into the controller: the layout
// folder (by name or from the board line), the switches, the tab captions.
class LayoutSelection {
public:
    explicit LayoutSelection(CController& controller);
    ~LayoutSelection();
    LayoutSelection(const LayoutSelection&) = delete;
    LayoutSelection& operator=(const LayoutSelection&) = delete;

    void Load();
    // [TabName] key, read anew at every call; empty when missing.
    static std::wstring TabName(const std::wstring& key);

    static std::wstring ConfigPath();
    // The folder of a [LayoutPath] value: the program folder, the value, a backslash.
    static std::wstring FolderOf(const std::wstring& layoutPath);
    // The folder of the layout named in [LayoutPath]; empty when it has no entry.
    static std::wstring NamedLayoutFolder(const std::wstring& name);

private:
    // One value of LayoutCfg.ini, read anew; empty when missing.
    static std::wstring ConfigValue(const std::wstring& section, const std::wstring& key);
    std::wstring ChooseLayoutName(const std::wstring& current);

    CController& m_controller;
    Logger* m_log = nullptr;
};
