#pragma once
#include <string>

class CInfoTracker;

// A named, reference-counted log category handed out by CInfoTracker.
struct Logger {
    int refCount = 0;
    std::wstring name;
    CInfoTracker* owner = nullptr;
};

// Printf-style wide format, Microsoft semantics (%s takes a wide string).
// A null logger (its creation failed) makes the call a no-op.
void LogInfo(Logger* logger, const wchar_t* format, ...);
void LogError(Logger* logger, const wchar_t* format, ...);
void LogWarn(Logger* logger, const wchar_t* format, ...);
void LogDebug(Logger* logger, const wchar_t* format, ...);
