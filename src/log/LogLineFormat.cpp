#include "log/LogLineFormat.h"

#include <cstdio>

int LogThreshold(LogLevel level)
{
    return static_cast<int>(level);
}

const wchar_t* LogLevelName(LogLevel level)
{
    switch (level) {
    case LogLevel::Info: return L"INFO";
    case LogLevel::Error: return L"ERROR";
    case LogLevel::Warn: return L"WARN";
    case LogLevel::Debug: return L"DEBUG";
    }
    return L"INFO";
}

static void AppendNumber(std::wstring& out, int value, int width, wchar_t pad)
{
    std::wstring digits = std::to_wstring(value < 0 ? -value : value);
    if (value < 0)
        digits.insert(digits.begin(), L'-');
    if (static_cast<int>(digits.size()) < width)
        out.append(width - digits.size(), pad);
    out += digits;
}

std::wstring FormatLogLine(const LogTimestamp& when, const std::wstring& loggerName,
                           LogLevel level, const std::wstring& message)
{
    std::wstring line;
    line.reserve(48 + loggerName.size() + message.size());
    AppendNumber(line, when.month, 2, L'0');
    line += L'/';
    AppendNumber(line, when.day, 2, L'0');
    line += L'/';
    AppendNumber(line, when.year % 100, 2, L'0');
    line += L' ';
    AppendNumber(line, when.hour, 2, L'0');
    line += L':';
    AppendNumber(line, when.minute, 2, L'0');
    line += L':';
    AppendNumber(line, when.second, 2, L'0');
    line += L' ';
    AppendNumber(line, when.millisecond, 3, L' ');
    line += L" [";
    line += loggerName;
    if (loggerName.size() < 20)
        line.append(20 - loggerName.size(), L' ');
    line += L"][";
    line += LogLevelName(level);
    line += L"] :";
    line += message;
    line += L'\n';
    return line;
}
