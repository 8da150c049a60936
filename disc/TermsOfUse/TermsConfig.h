#pragma once
#include <windows.h>

#include <string>

// What "TermsOfUse.ini" beside the program says; every key has a default,
// so the program works without the file.
struct TermsConfig {
    std::wstring folder = L"TermsOfUse";  // of the text files, beside the program
    std::wstring file = L"TermsOfUse.txt"; // the language id goes in front of it
    std::wstring title = L"Terms of Use";
    std::wstring acceptText = L"Accept";
    std::wstring declineText = L"Decline";
    std::wstring acceptedNotice;
    std::wstring declinedNotice = L"You have declined the terms of use.";
    COLORREF background = RGB(22, 34, 52);
    COLORREF panel = RGB(245, 247, 250);
    COLORREF text = RGB(40, 40, 40);
    COLORREF titleColor = RGB(255, 255, 255);
    COLORREF accent = RGB(0, 92, 185);
    COLORREF buttonText = RGB(255, 255, 255);

    static TermsConfig Load(const std::wstring& iniPath);
};
