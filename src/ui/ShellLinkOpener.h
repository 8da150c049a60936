#pragma once
#include "ui/LinkOpener.h"

// The shell's default action on the address, shown normally.
class ShellLinkOpener : public LinkOpener {
public:
    bool Open(const std::wstring& address) override;
};
