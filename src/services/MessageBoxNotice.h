#pragma once
#include "services/UserNotice.h"

// A plain message box with an OK button and the application's title.
class MessageBoxNotice : public UserNotice {
public:
    static constexpr const wchar_t* kTitle = L"Dezozi2";

    void Show(const std::wstring& text) override;
    void ShowAndExit(const std::wstring& text) override;
};
