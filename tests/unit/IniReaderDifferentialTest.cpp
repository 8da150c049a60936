#include <gtest/gtest.h>

#include <windows.h>

#include <set>

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
