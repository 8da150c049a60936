#pragma once
#include <cstdio>
#include <string>

#include "log/Tracker.h"

// Appends lines to "<base path>.log"; never truncates an existing log.
class FileTracker : public Tracker {
public:
    explicit FileTracker(const std::wstring& basePath);
    ~FileTracker() override;

    int Prepare() override;
    int Write(const std::wstring& line) override;
    bool IsOpen() const { return m_file != nullptr; }

    static constexpr long long kSizeLimit = 10240000;

private:
    void Open();
    void CloseFile();

    std::wstring m_basePath;
    FILE* m_file = nullptr;
};
