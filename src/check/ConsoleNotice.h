#pragma once
#include "services/UserNotice.h"

// The check tool's notice: "message: <text>" on standard error, and the same
// immediate end with exit code 0 where the program would end.
class ConsoleNotice : public UserNotice {
public:
    void Show(const std::wstring& text) override;
    void ShowAndExit(const std::wstring& text) override;
};
