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

    // The opener in use; the shell's unless another one is installed.
    static LinkOpener& Current();
    // nullptr goes back to the shell. The caller keeps ownership.
    static void Install(LinkOpener* opener);
};
