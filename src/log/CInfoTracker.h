#pragma once
#include <list>
#include <memory>
#include <mutex>
#include <string>

#include "log/LogLineFormat.h"
#include "log/Logger.h"
#include "log/Singleton.h"
#include "log/Tracker.h"

// The process's logger singleton: hands out named loggers and writes their
// lines, one at a time, to the installed sink.
class CInfoTracker : public Singleton<CInfoTracker> {
public:
    ~CInfoTracker() override;

    int SetLevel(int level);
    int Level() const { return m_level; }
    void SetSink(Tracker* tracker);

    Logger* GetLogger(const std::wstring& name);
    void ReleaseLogger(Logger* logger);
    Logger& RootLogger() { return m_root; }
    void SetRootName(const std::wstring& name);

    // Formats and writes one line when the level allows it.
    void Write(Logger* logger, LogLevel level, const wchar_t* format, va_list args);

    // Test seams: how many named loggers exist.
    size_t LoggerCount() const;

    // The marker file written beside the current directory for other disc programs.
    static constexpr const wchar_t* kMarkerFile = L"msg.ini";

private:
    friend class Singleton<CInfoTracker>;
    CInfoTracker();

    int m_level = 0;
    Logger m_root;
    std::list<Logger*> m_loggers;
    std::unique_ptr<Tracker> m_sink;
    mutable std::recursive_mutex m_lock;
};
