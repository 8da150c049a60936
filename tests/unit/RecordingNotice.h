#pragma once
#include <string>
#include <vector>

#include "services/UserNotice.h"

// Records what would have been shown; its "exit" returns so the test goes on.
class RecordingNotice : public UserNotice {
public:
    RecordingNotice() { UserNotice::Install(this); }
    ~RecordingNotice() override { UserNotice::Install(nullptr); }
    RecordingNotice(const RecordingNotice&) = delete;
    RecordingNotice& operator=(const RecordingNotice&) = delete;
    void Show(const std::wstring& text) override { shown.push_back(text); }
    void ShowAndExit(const std::wstring& text) override { exits.push_back(text); }
    std::vector<std::wstring> shown;
    std::vector<std::wstring> exits;
};
