#pragma once
#include <string>

// A fresh disc folder in the temporary folder for one test: copies of the built
// program and its companions (or of the whole demo disc), plus the INI files the
// test writes. Removed again when the object goes.
class DiscFolder {
public:
    DiscFolder();
    ~DiscFolder();
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    // False when the folder could not be made; every other call then fails too.
    bool Ok() const { return !m_root.empty(); }
    // The folder, with a trailing backslash.
    const std::wstring& Root() const { return m_root; }
    std::wstring Path(const std::wstring& relative) const;
    std::wstring Program() const { return Path(L"Dezozi2.exe"); }
    std::wstring CheckTool() const { return Path(L"Dezozi2Check.exe"); }

    // Dezozi2.exe, Dezozi2Check.exe and every disc companion the build made.
    bool CopyProgram();
    // The generated demo disc, all of it (generate it first: demo/generate.py).
    // Its seal only when asked for: most tests change the disc they copy.
    enum class Seal { Drop, Keep };
    bool CopyDemoDisc(Seal seal = Seal::Drop);
    // One file of the build's bin folder, to relative (default: the same name at the root).
    bool CopyFromBin(const std::wstring& name, const std::wstring& relative = L"");
    bool CopyTree(const std::wstring& fromFolder, const std::wstring& relative = L"");

    // Through the system's profile functions, as a disc author's editor would leave it.
    bool WriteIni(const std::wstring& relative, const std::wstring& section, const std::wstring& key,
                  const std::wstring& value);
    // Whole file, in the ANSI code page (how disc INI files are written).
    bool WriteFile(const std::wstring& relative, const std::wstring& text);
    bool MakeFolder(const std::wstring& relative);
    bool Remove(const std::wstring& relative);
    bool Exists(const std::wstring& relative) const;

    // The companions a disc carries beside the program, by their fixed names.
    static const wchar_t* const kCompanions[];

    // Removes a folder and everything in it; bounded retries for files still held open.
    static bool RemoveTree(const std::wstring& folder);

private:
    std::wstring m_root;
};
