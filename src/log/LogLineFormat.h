#pragma once
#include <string>

enum class LogLevel { Info = 1, Error = 2, Warn = 3, Debug = 4 };

struct LogTimestamp {
    int year = 0;   // four digits
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Minimum tracker level at which a call of this kind is written.
int LogThreshold(LogLevel level);
const wchar_t* LogLevelName(LogLevel level);

// "MM/DD/YY HH:MM:SS mmm [name padded to 20][LEVEL] :message\n"
std::wstring FormatLogLine(const LogTimestamp& when, const std::wstring& loggerName,
                           LogLevel level, const std::wstring& message);
