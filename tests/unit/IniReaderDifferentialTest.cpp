#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <thread>

#include "TempFolder.h"
#include "services/IniFile.h"

namespace {

// Sets the read mode for one scope.
class ReadModeScope {
public:
    explicit ReadModeScope(IniFile::ReadMode mode)
        : m_old(IniFile::GetReadMode())
    {
        IniFile::SetReadMode(mode);
    }
    ~ReadModeScope() { IniFile::SetReadMode(m_old); }

private:
    IniFile::ReadMode m_old;
};

std::string Utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return bytes;
}

struct Sample {
    const char* name;
    std::string bytes;
};

std::vector<Sample> Corpus()
{
    const std::string longValue(1500, 'L');
    const std::string exact(1023, 'E');
    return {
        {"quotes", "[Q]\r\nA=\"quoted\"\r\nB='single'\r\nC=\"open\r\nD=\"\r\nE=''\r\nF=\"mixed'\r\nG= \"spaced\" \r\n"
                   "H=\"" + std::string(1022, 'q') + "\"\r\nI=\"" + std::string(1023, 'q') + "\"\r\n"},
        {"spaces", "  [ Spaced ]  \r\n  key one  =  value one  \r\n\tTab\t=\tx\t\r\n[Plain]\r\n k = v \r\nn=  \r\n"},
        {"comments", "; leading comment\r\n[C]\r\n;key=commented\r\nkey=real\r\n# hash=1\r\n  ; spaced=2\r\n"},
        {"duplicates", "[D]\r\nk=first\r\nK=second\r\n[d]\r\nk=third\r\nz=only in second\r\n[E]\r\nk=e\r\n[D]\r\ny=again\r\n"},
        {"case", "[MixedCase]\r\nCamelKey=1\r\nUPPER=2\r\nlower=3\r\n"},
        {"long", "[L]\r\nlong=" + longValue + "\r\nexact=" + exact + "\r\nnum=123456789012345678901234567890\r\n"},
        {"noeol", "[N]\r\nfirst=1\r\nlast=no line end"},
        {"unicode", Utf16File(L"[U]\r\nName=Gr\x00FC\x00DF" L"e \x65E5\x672C\r\nNum=-42\r\n[\x00C4rger]\r\nk=v\r\n")},
        {"empty", "[Empty]\r\nnothing=\r\nspace= \r\n=no name\r\n=second no name\r\n[]\r\nk=in empty name\r\n"},
        {"noequals", "[K]\r\njust a key\r\nother=1\r\n[Broken\r\nafter=2\r\n[A]x]\r\ny=3\r\n"},
        {"cronly", "[R]\rone=1\rtwo=2\r\r[S]\rthree=3"},
        {"lfonly", "top=before any section\n[F]\nlf=yes\n\n\nsecond=2\n"},
        {"numbers", "[I]\r\na=42\r\nb=-5\r\nc=0x1F\r\nd=0o17\r\ne=0b101\r\nf= +7 \r\ng=12abc\r\nh=abc\r\n"
                    "i=4294967295\r\nj=99999999999\r\nk=-0x10\r\nl=0X10\r\nm=\r\n"},
        {"utf8bom", "\xEF\xBB\xBF[B]\r\nk=bom\r\n"},
        {"eof", "[Z]\r\nk=v\x1A\r\n"},
        {"blank", ""},
    };
}

// Section and key candidates: taken from the file's own lines, with case and
// white-space variants and a few that are not there.
void Candidates(const std::wstring& text, std::set<std::wstring>& sections, std::set<std::wstring>& keys)
{
    sections = {L"", L"missing", L" Q ", L"D", L"d"};
    keys = {L"", L"missing", L"k", L"K", L" k "};
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        const size_t open = line.find(L'[');
        const size_t close = line.rfind(L']');
        if (open != std::wstring::npos && close != std::wstring::npos && close > open) {
            std::wstring name = line.substr(open + 1, close - open - 1);
            sections.insert(name);
            std::wstring upper = name;
            for (wchar_t& c : upper)
                c = static_cast<wchar_t>(towupper(c));
            sections.insert(upper);
        }
        const size_t eq = line.find(L'=');
        std::wstring key = eq == std::wstring::npos ? line : line.substr(0, eq);
        if (key.size() < 40) {
            keys.insert(key);
            std::wstring lower = key;
            for (wchar_t& c : lower)
                c = static_cast<wchar_t>(towlower(c));
            keys.insert(lower);
            keys.insert(L" " + key + L"\t");
        }
        start = end + 1;
    }
}

std::wstring Widen(const std::string& bytes)
{
    // Candidates only need the names; a UTF-16 file is read as such.
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE) {
        std::wstring text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(static_cast<wchar_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8)));
        return text;
    }
    return std::wstring(bytes.begin(), bytes.end());
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// Every lookup of the candidates through the system functions, as one text.
std::wstring SystemView(const std::wstring& path, const std::set<std::wstring>& sections,
                        const std::set<std::wstring>& keys)
{
    ReadModeScope mode(IniFile::ReadMode::System);
    IniFile ini;
    if (!ini.Open(path))
        return L"(cannot open)";
    std::wstring view;
    std::vector<std::wstring> names;
    ini.GetSectionNames(names);
    for (const std::wstring& name : names)
        view += L"[" + name + L"]";
    view += L"\n";
    for (const std::wstring& section : sections) {
        for (const std::wstring& key : keys) {
            std::wstring value;
            ini.GetString(section, key, L"-", value);
            view += L"[" + section + L"]" + key + L"=" + value + L"\n";
        }
    }
    return view;
}

// A file written a while ago: its parse is trusted on its times alone.
void AgeFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 3600ull * 10000000ull;
    const FILETIME hourAgo{t.LowPart, t.HighPart};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &hourAgo));
    CloseHandle(file);
}

} // namespace

TEST(IniReader, AnswersAsTheSystemFunctions)
{
    TempFolder dir(L"ini_diff");
    size_t compared = 0;
    for (const Sample& sample : Corpus()) {
        const std::wstring path = dir / (std::wstring(sample.name, sample.name + strlen(sample.name)) + L".ini");
        ASSERT_TRUE(TempFolder::WriteFile(path, sample.bytes));
        std::set<std::wstring> sections;
        std::set<std::wstring> keys;
        Candidates(Widen(sample.bytes), sections, keys);

        IniFile system;
        IniFile reader;
        {
            ReadModeScope mode(IniFile::ReadMode::System);
            ASSERT_TRUE(system.Open(path));
        }
        {
            ReadModeScope mode(IniFile::ReadMode::Reader);
            ASSERT_TRUE(reader.Open(path));
        }
        std::vector<std::wstring> a;
        std::vector<std::wstring> b;
        system.GetSectionNames(a);
        reader.GetSectionNames(b);
        EXPECT_EQ(a, b) << sample.name;
        for (const std::wstring& section : sections) {
            for (const std::wstring& key : keys) {
                for (const std::wstring& def : {std::wstring(L""), std::wstring(L"def  "), std::wstring(L"\"q\"")}) {
                    std::wstring x;
                    std::wstring y;
                    system.GetString(section, key, def, x);
                    reader.GetString(section, key, def, y);
                    EXPECT_EQ(x, y) << sample.name << " [" << std::string(section.begin(), section.end()) << "] "
                                    << std::string(key.begin(), key.end());
                    ++compared;
                }
                int x = 0;
                int y = 0;
                system.GetInt(section, key, 999, x);
                reader.GetInt(section, key, 999, y);
                EXPECT_EQ(x, y) << sample.name << " int [" << std::string(section.begin(), section.end()) << "] "
                                << std::string(key.begin(), key.end());
            }
        }
    }
    EXPECT_GT(compared, 1000u);
}

TEST(IniReader, SeesChangesAtTheNextOpenAndItsOwnWritesAtOnce)
{
    ReadModeScope mode(IniFile::ReadMode::Reader);
    TempFolder dir(L"ini_fresh");
    const std::wstring path = dir / L"state.ini";
    ASSERT_TRUE(TempFolder::WriteFile(path, "[S]\r\nv=1\r\n"));
    IniFile ini;
    ASSERT_TRUE(ini.Open(path));
    std::wstring value;
    ini.GetString(L"S", L"v", L"", value);
    EXPECT_EQ(value, L"1");
    // Our own write is seen by the next lookup.
    ASSERT_TRUE(ini.WriteString(L"S", L"v", L"2"));
    ini.GetString(L"S", L"v", L"", value);
    EXPECT_EQ(value, L"2");
    ASSERT_TRUE(ini.WriteInt(L"S", L"n", -5));
    int number = 0;
    ini.GetInt(L"S", L"n", 0, number);
    EXPECT_EQ(number, -5);
    ini.Close();

    // Another writer (same size, same second): the next open sees it.
    ASSERT_TRUE(TempFolder::WriteFile(path, "[S]\r\nv=3\r\n"));
    ASSERT_TRUE(ini.Open(path));
    ini.GetString(L"S", L"v", L"", value);
    EXPECT_EQ(value, L"3");
    ini.Close();
}

// The reader's writer leaves files that every lookup reads as it reads the
// files the system's write function leaves: replaced keys, keys added to an
// existing section (also the later one of a duplicate name), new sections,
// names in other case and with white space, files without a line end.
TEST(IniReader, WritesAsTheSystemFunctions)
{
    struct Write {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* value;
    };
    const Write writes[] = {
        {L"Q", L"A", L"replaced"},     {L"D", L"k", L"new first"},  {L"d", L"z", L"in first D"},
        {L"D", L"y", L"again?"},       {L"N", L"last", L"now with"}, {L"N", L"added", L"after last"},
        {L" Spaced ", L"KEY ONE", L"x"}, {L"K", L"just a key", L"has a value"}, {L"New", L"fresh", L"1"},
        {L"new", L"FRESH", L"2"},      {L"R", L"two", L"22"},       {L"F", L"lf", L"no"},
        {L"U", L"Name", L"\x65E5\x672C"}, {L"Empty", L"nothing", L" spaced "}, {L"Z", L"k", L"w"},
        {L"I", L"c", L"0x20"},         {L"Empty", L"", L"nameless"},
    };
    TempFolder dir(L"ini_write_diff");
    for (const Sample& sample : Corpus()) {
        // Wine's writer saves the whole file and drops a "[]" header, so that
        // the keys under it join the section before; Windows and ours keep it.
        if (sample.bytes.find("\r\n[]\r\n") != std::string::npos)
            continue;
        const std::wstring name(sample.name, sample.name + strlen(sample.name));
        const std::wstring bySystem = dir / (name + L".system.ini");
        const std::wstring byReader = dir / (name + L".reader.ini");
        ASSERT_TRUE(TempFolder::WriteFile(bySystem, sample.bytes));
        ASSERT_TRUE(TempFolder::WriteFile(byReader, sample.bytes));
        for (const auto& [path, mode] : {std::pair{bySystem, IniFile::ReadMode::System},
                                          std::pair{byReader, IniFile::ReadMode::Reader}}) {
            ReadModeScope scope(mode);
            IniFile ini;
            ASSERT_TRUE(ini.Open(path));
            for (size_t i = 0; i < std::size(writes); ++i) {
                EXPECT_TRUE(ini.WriteString(writes[i].section, writes[i].key, writes[i].value));
                // A lookup in between puts the writes so far into the file.
                if (i == std::size(writes) / 2) {
                    std::wstring value;
                    ini.GetString(writes[0].section, writes[0].key, L"", value);
                    EXPECT_EQ(value, L"replaced") << sample.name;
                }
            }
            ini.Close();
        }
        std::set<std::wstring> sections;
        std::set<std::wstring> keys;
        Candidates(Widen(sample.bytes), sections, keys);
        for (const Write& w : writes) {
            sections.insert(w.section);
            keys.insert(w.key);
        }
        EXPECT_EQ(Narrow(SystemView(bySystem, sections, keys)), Narrow(SystemView(byReader, sections, keys)))
            << sample.name;
    }
}

TEST(IniReader, SeesEveryChangeOfAnOlderFileAndLosesNoConcurrentWrite)
{
    ReadModeScope mode(IniFile::ReadMode::Reader);
    TempFolder dir(L"ini_cache");
    const std::wstring path = dir / L"catalog.ini";
    ASSERT_TRUE(TempFolder::WriteFile(path, "[S]\r\nv=1\r\n"));
    AgeFile(path);
    std::wstring value;
    {
        IniFile ini;
        ASSERT_TRUE(ini.Open(path));
        ini.GetString(L"S", L"v", L"", value);
        EXPECT_EQ(value, L"1");
    }
    // Rewritten by someone else with the same size: its write time moved.
    ASSERT_TRUE(TempFolder::WriteFile(path, "[S]\r\nv=2\r\n"));
    {
        IniFile ini;
        ASSERT_TRUE(ini.Open(path));
        ini.GetString(L"S", L"v", L"", value);
        EXPECT_EQ(value, L"2");
    }
    // A deleted file is not answered from memory.
    ASSERT_TRUE(DeleteFileW(path.c_str()));
    {
        IniFile ini;
        EXPECT_FALSE(ini.Open(path));
    }

    // Two threads, each opening the file for every key it writes, the other
    // writing and reading at the same time: every key arrives.
    ASSERT_TRUE(TempFolder::WriteFile(path, "[S]\r\n"));
    constexpr int kKeys = 150;
    auto writer = [&](const wchar_t* prefix) {
        for (int i = 0; i < kKeys; ++i) {
            IniFile ini;
            if (!ini.Open(path))
                continue;
            ini.WriteInt(L"S", prefix + std::to_wstring(i), i);
            int back = -1;
            ini.GetInt(L"S", prefix + std::to_wstring(i), -1, back);
            if (back != i)
                ini.WriteString(L"Errors", prefix + std::to_wstring(i), L"own write not seen");
        }
    };
    std::thread a(writer, L"a");
    std::thread b(writer, L"b");
    a.join();
    b.join();
    IniFile ini;
    ASSERT_TRUE(ini.Open(path));
    std::vector<std::wstring> names;
    ini.GetSectionNames(names);
    EXPECT_EQ(names, std::vector<std::wstring>{L"S"});
    int missing = 0;
    for (int i = 0; i < kKeys; ++i) {
        for (const wchar_t* prefix : {L"a", L"b"}) {
            int got = -1;
            ini.GetInt(L"S", prefix + std::to_wstring(i), -1, got);
            missing += got != i;
        }
    }
    EXPECT_EQ(missing, 0);
}
