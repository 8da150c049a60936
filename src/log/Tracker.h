#pragma once
#include <string>

// Where log lines go.
class Tracker {
public:
    virtual ~Tracker() = default;
    virtual int Prepare() = 0;
    virtual int Write(const std::wstring& line) = 0;
};
