#pragma once
#include <string>

// Opens a document or web address the way the user's shell opens it (its
// default action, shown normally). Tests install their own opener so that
// nothing real is started.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // True when the shell took the address.
    virtual bool Open(const std::wstring& address) = 0;

    // Opens the address with the opener in use and logs it (the log shows
    // what was opened whatever the opener); false when nothing was opened.
    static bool OpenLink(const std::wstring& address);

    // The opener in use; the shell's unless another one is installed.
    static LinkOpener& Current();
    // nullptr goes back to the shell. The caller keeps ownership.
    static void Install(LinkOpener* opener);
};
