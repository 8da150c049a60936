#pragma once
#include <string>
#include <vector>

// The INI accessor: opened on a path, used for a few reads or writes, closed.
// A scrambled file is unscrambled into a plain copy that the accessor then uses.
class IniFile {
public:
    IniFile() = default;
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    bool Open(const std::wstring& path);
    // Puts the writes not yet in the file into it (Close does too).
    bool Flush();
    void Close();
    bool IsOpen() const;

    // At most 1 023 characters of value.
    void GetString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                   std::wstring& out) const;
    void GetInt(const std::wstring& section, const std::wstring& key, int def, int& out) const;
    bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
    bool WriteInt(const std::wstring& section, const std::wstring& key, int value);
    void GetSectionNames(std::vector<std::wstring>& out) const;
    void GetKeyNames(const std::wstring& section, std::vector<std::wstring>& out) const;

    // The file the reads and writes go to (the plain copy for a scrambled file).
    const std::wstring& WorkingPath() const;
    // The scrambled file behind the plain copy; empty for a plain file.
    const std::wstring& ScrambledPath() const;

    // Size of the read buffer in characters; values are cut one shorter.
    static constexpr unsigned kBufferSize = 1024;
    // Scrambled files larger than this are refused rather than read into memory.
    static constexpr unsigned long long kMaxScrambledSize = 64ull * 1024 * 1024;

    // How the file is used: through the system's profile functions at every
    // lookup and write, or by the reader, which parses the file once at the
    // first lookup after Open and collects writes until the next lookup,
    // Flush or Close, which put them into the file as it is then. Process-wide;
    // the reader is the default.
    enum class ReadMode { System, Reader };
    static void SetReadMode(ReadMode mode);
    static ReadMode GetReadMode();

    // Writes the scrambled form of plain bytes to a file (for disc authors and tests).
    static bool WriteScrambled(const std::wstring& plainPath, const std::wstring& scrambledPath);

private:
    bool LoadText() const;

    struct State;
    State* m_state = nullptr;
};
