#pragma once
#include <string>

// How configuration errors reach the user: the program shows a plain message
// box; the check tool prints the text. ShowAndExit ends the process with exit
// code 0 at once; only a test's notice returns from it, and callers then
// return straight away.
class UserNotice {
public:
    virtual ~UserNotice() = default;
    virtual void Show(const std::wstring& text) = 0;
    virtual void ShowAndExit(const std::wstring& text) = 0;

    // The notice in use; the message box unless another one is installed.
    static UserNotice& Current();
    // nullptr goes back to the message box. The caller keeps ownership.
    static void Install(UserNotice* notice);
};
