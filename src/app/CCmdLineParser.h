#pragma once
#include <map>
#include <string>

// Splits a raw command line into named switches ("-name", "/name:value").
// Names are case-insensitive (stored lower-case); the first value of a name wins.
class CCmdLineParser {
public:
    CCmdLineParser() = default;
    explicit CCmdLineParser(const std::wstring& commandLine) { Parse(commandLine); }

    void Parse(const std::wstring& commandLine);
    bool HasSwitch(const std::wstring& name) const;
    // The value given with a switch; empty when absent or given without one.
    std::wstring Value(const std::wstring& name) const;

    const std::wstring& CommandLine() const { return m_commandLine; }
    const std::map<std::wstring, std::wstring>& Switches() const { return m_switches; }

private:
    void Insert(const std::wstring& name, const std::wstring& value);

    std::wstring m_commandLine;
    std::map<std::wstring, std::wstring> m_switches;
    bool m_caseSensitive = false;
};
