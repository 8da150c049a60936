#pragma once
#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "log/CInfoTracker.h"
#include "log/Tracker.h"

// Collects every log line of the process (all levels) while it lives.
class LogCapture {
public:
    LogCapture() : m_lines(std::make_shared<Store>())
    {
        CInfoTracker::Instance().SetSink(new Sink(m_lines));
        m_oldLevel = CInfoTracker::Instance().Level();
        CInfoTracker::Instance().SetLevel(4);
    }
    ~LogCapture()
    {
        CInfoTracker::Instance().SetSink(nullptr);
        CInfoTracker::Instance().SetLevel(m_oldLevel);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::wstring> Lines() const
    {
        std::lock_guard<std::mutex> guard(m_lines->lock);
        return m_lines->lines;
    }
    void Clear()
    {
        std::lock_guard<std::mutex> guard(m_lines->lock);
        m_lines->lines.clear();
    }
    struct Entry {
        std::wstring logger;
        std::wstring level;
        std::wstring message;
    };
    // The captured lines split into logger name, level word and message.
    std::vector<Entry> Entries() const
    {
        std::vector<Entry> entries;
        for (const std::wstring& line : Lines()) {
            const size_t open = line.find(L" [");
            const size_t mid = line.find(L"][", open);
            const size_t colon = line.find(L"] :", mid);
            if (open == std::wstring::npos || mid == std::wstring::npos || colon == std::wstring::npos)
                continue;
            Entry entry;
            entry.logger = line.substr(open + 2, mid - open - 2);
            entry.logger.erase(entry.logger.find_last_not_of(L' ') + 1);
            entry.level = line.substr(mid + 2, colon - mid - 2);
            entry.message = line.substr(colon + 3);
            if (!entry.message.empty() && entry.message.back() == L'\n')
                entry.message.pop_back();
            entries.push_back(entry);
        }
        return entries;
    }
    // How many lines of this logger and level carry exactly this message.
    size_t Count(const std::wstring& logger, const std::wstring& level, const std::wstring& message) const
    {
        size_t n = 0;
        for (const Entry& entry : Entries())
            n += entry.logger == logger && entry.level == level && entry.message == message;
        return n;
    }
    bool Has(const std::wstring& logger, const std::wstring& level, const std::wstring& message) const
    {
        return Count(logger, level, message) > 0;
    }
    // Messages of one logger, in order.
    std::vector<std::wstring> Messages(const std::wstring& logger) const
    {
        std::vector<std::wstring> messages;
        for (const Entry& entry : Entries()) {
            if (entry.logger == logger)
                messages.push_back(entry.message);
        }
        return messages;
    }

private:
    struct Store {
        std::mutex lock;
        std::vector<std::wstring> lines;
    };
    class Sink : public Tracker {
    public:
        explicit Sink(std::shared_ptr<Store> lines) : m_lines(std::move(lines)) {}
        int Prepare() override { return 0; }
        int Write(const std::wstring& line) override
        {
            std::lock_guard<std::mutex> guard(m_lines->lock);
            m_lines->lines.push_back(line);
            return 0;
        }

    private:
        std::shared_ptr<Store> m_lines;
    };

    std::shared_ptr<Store> m_lines;
    int m_oldLevel = 0;
};
