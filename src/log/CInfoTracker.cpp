#include "log/CInfoTracker.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>

namespace {

// The marker tells other disc programs whether debug output is on.
void WriteMarker(bool debug)
{
    if (!debug) {
        DeleteFileW(CInfoTracker::kMarkerFile);
        return;
    }
    HANDLE file = CreateFileW(CInfoTracker::kMarkerFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    static const char content[] = "[DEBUG]\r\nLOG_LEVEL=1\r\n";
    DWORD written = 0;
    WriteFile(file, content, sizeof(content) - 1, &written, nullptr);
    CloseHandle(file);
}

LogTimestamp Now()
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    LogTimestamp t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.millisecond = st.wMilliseconds;
    return t;
}

void WriteVia(Logger* logger, LogLevel level, const wchar_t* format, va_list args)
{
    if (!logger || !logger->owner)
        return;
    logger->owner->Write(logger, level, format, args);
}

} // namespace

CInfoTracker::CInfoTracker()
{
    m_root.owner = this;
}

CInfoTracker::~CInfoTracker()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (Logger* logger : m_loggers)
        delete logger;
    m_loggers.clear();
    m_sink.reset();
    m_root.name.clear();
}

int CInfoTracker::SetLevel(int level)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_level = level;
    WriteMarker(level >= 4);
    return level;
}

void CInfoTracker::SetSink(Tracker* tracker)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_sink.reset(tracker);
}

Logger* CInfoTracker::GetLogger(const std::wstring& name)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (Logger* logger : m_loggers) {
        if (logger->name == name) {
            ++logger->refCount;
            return logger;
        }
    }
    auto* logger = new Logger{1, name, this};
    m_loggers.push_back(logger);
    return logger;
}

void CInfoTracker::ReleaseLogger(Logger* logger)
{
    if (!logger)
        return;
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (auto it = m_loggers.begin(); it != m_loggers.end(); ++it) {
        if ((*it)->name != logger->name)
            continue;
        if ((*it)->refCount <= 1) {
            delete *it;
            m_loggers.erase(it);
        } else {
            --(*it)->refCount;
        }
        return;
    }
}

void CInfoTracker::SetRootName(const std::wstring& name)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_root.name = name;
}

size_t CInfoTracker::LoggerCount() const
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    return m_loggers.size();
}

void CInfoTracker::Write(Logger* logger, LogLevel level, const wchar_t* format, va_list args)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (!m_sink || m_level < LogThreshold(level) || !format)
        return;
    m_sink->Prepare();
    // A message that does not fit is cut, never dropped.
    wchar_t message[1024];
    int n = _vsnwprintf(message, 1023, format, args);
    message[1023] = L'\0';
    if (n < 0 || n >= 1023)
        message[1023] = L'\0';
    else
        message[n] = L'\0';
    m_sink->Write(FormatLogLine(Now(), logger->name, level, message));
}

void LogInfo(Logger* logger, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteVia(logger, LogLevel::Info, format, args);
    va_end(args);
}

void LogError(Logger* logger, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteVia(logger, LogLevel::Error, format, args);
    va_end(args);
}

void LogWarn(Logger* logger, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteVia(logger, LogLevel::Warn, format, args);
    va_end(args);
}

void LogDebug(Logger* logger, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteVia(logger, LogLevel::Debug, format, args);
    va_end(args);
}
