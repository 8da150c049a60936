#pragma once
#include <string>

#include "log/CInfoTracker.h"
#include "log/Logger.h"

// A class's named logger, taken from the tracker for the object's life.
class ScopedLogger {
public:
    explicit ScopedLogger(const std::wstring& name) : m_logger(CInfoTracker::Instance().GetLogger(name)) {}
    ~ScopedLogger() { CInfoTracker::Instance().ReleaseLogger(m_logger); }
    ScopedLogger(const ScopedLogger&) = delete;
    ScopedLogger& operator=(const ScopedLogger&) = delete;

    operator Logger*() const { return m_logger; }
    Logger* Get() const { return m_logger; }

private:
    Logger* m_logger;
};
