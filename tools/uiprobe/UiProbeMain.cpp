// uiprobe: finds, inspects and drives windows for shell scripts; see README.md.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "MessageBoxProbe.h"
#include "ProbeLine.h"
#include "ScreenCapture.h"
#include "WindowFinder.h"
#include "WindowInfo.h"
#include "WindowInput.h"

using namespace uiprobe;

namespace {

enum Exit { kOk = 0, kNotFound = 1, kUsage = 2, kFailed = 3 };

const wchar_t kUsageText[] =
    L"usage: uiprobe COMMAND [options]\n"
    L"commands: list wait gone info children click clickat key close msgbox shot\n"
    L"window: --hwnd 0xH | --class NAME --title TEXT --title-contains TEXT --pid N --visible\n"
    L"        --timeout MS (default 10000)\n"
    L"click: [--id N]   clickat: --x X --y Y [--real]   key: --vk esc|enter|tab|space|N\n"
    L"children: [--child-class NAME] [--child-title TEXT] [--id N]\n"
    L"msgbox: [--pid N] [--press ok|cancel|yes|no|N]   shot: --out FILE.png [window]\n";

void Print(const ProbeLine& line)
{
    std::string utf8 = line.Utf8();
    fwrite(utf8.data(), 1, utf8.size(), stdout);
    fflush(stdout);
}

int Fail(int code, const wchar_t* what)
{
    Print(ProbeLine().Add(L"error", what));
    return code;
}

class Options {
public:
    bool Parse(int argc, wchar_t** argv)
    {
        for (int i = 2; i < argc; ++i) {
            std::wstring name = argv[i];
            if (name.rfind(L"--", 0) != 0)
                return false;
            name = name.substr(2);
            if (name == L"visible" || name == L"real") {
                m_values[name] = L"1";
                continue;
            }
            if (i + 1 >= argc)
                return false;
            m_values[name] = argv[++i];
        }
        return true;
    }

    bool Has(const wchar_t* name) const { return m_values.count(name) != 0; }
    std::wstring Get(const wchar_t* name) const
    {
        auto it = m_values.find(name);
        return it == m_values.end() ? std::wstring() : it->second;
    }
    // False when the value is there but is not a number.
    bool Number(const wchar_t* name, long long& out) const
    {
        if (!Has(name))
            return true;
        std::wstring text = Get(name);
        wchar_t* end = nullptr;
        int base = text.rfind(L"0x", 0) == 0 || text.rfind(L"0X", 0) == 0 ? 16 : 10;
        long long value = wcstoll(text.c_str(), &end, base);
        if (text.empty() || end == text.c_str() || *end != L'\0')
            return false;
        out = value;
        return true;
    }

private:
    std::map<std::wstring, std::wstring> m_values;
};

class ProbeCommand {
public:
    explicit ProbeCommand(const Options& options) : m_options(options) {}

    int Run(const std::wstring& command)
    {
        long long timeout = 10000;
        long long pid = 0;
        long long id = -1;
        long long hwnd = 0;
        if (!m_options.Number(L"timeout", timeout) || !m_options.Number(L"pid", pid) ||
            !m_options.Number(L"id", id) || !m_options.Number(L"hwnd", hwnd) || timeout < 0 || timeout > 3600000)
            return Fail(kUsage, L"bad number");
        m_timeout = static_cast<DWORD>(timeout);
        m_childId = static_cast<int>(id);
        m_hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(hwnd));
        m_query.className = m_options.Get(L"class");
        m_query.title = m_options.Get(L"title");
        m_query.titleContains = m_options.Get(L"title-contains");
        m_query.processId = static_cast<DWORD>(pid);
        m_query.visibleOnly = m_options.Has(L"visible");

        if (command == L"list") return List();
        if (command == L"wait") return Wait();
        if (command == L"gone") return Gone();
        if (command == L"info") return Info();
        if (command == L"children") return Children();
        if (command == L"click") return Click();
        if (command == L"clickat") return ClickAt();
        if (command == L"key") return Key();
        if (command == L"close") return Close();
        if (command == L"msgbox") return AnswerBox();
        if (command == L"shot") return Shot();
        return Fail(kUsage, L"unknown command");
    }

private:
    bool HasSelection() const
    {
        return m_hwnd || !m_query.className.empty() || !m_query.title.empty() || !m_query.titleContains.empty() ||
               m_query.processId != 0;
    }

    // The window named by --hwnd, or the first match of the filters within the time-out.
    HWND Resolve() const
    {
        if (m_hwnd)
            return IsWindow(m_hwnd) ? m_hwnd : nullptr;
        if (!HasSelection())
            return nullptr;
        return WindowFinder::WaitFor(m_query, m_timeout);
    }

    static int PrintWindow(HWND hwnd)
    {
        WindowInfo info;
        if (!WindowInfo::Read(hwnd, info))
            return Fail(kNotFound, L"window vanished");
        Print(ProbeLine().AddWindow(info));
        return kOk;
    }

    int List() const
    {
        if (!WindowFinder::WaitFor(m_query, m_timeout))
            return Fail(kNotFound, L"no window");
        for (HWND hwnd : WindowFinder::TopLevel(m_query)) {
            WindowInfo info;
            if (WindowInfo::Read(hwnd, info))
                Print(ProbeLine().AddWindow(info));
        }
        return kOk;
    }

    int Wait() const
    {
        HWND hwnd = Resolve();
        return hwnd ? PrintWindow(hwnd) : Fail(kNotFound, L"timeout");
    }

    int Gone() const
    {
        if (m_hwnd)
            return WindowFinder::WaitDestroyed(m_hwnd, m_timeout) ? kOk : Fail(kNotFound, L"timeout");
        if (!HasSelection())
            return Fail(kUsage, L"no window selection");
        return WindowFinder::WaitGone(m_query, m_timeout) ? kOk : Fail(kNotFound, L"timeout");
    }

    int Info() const
    {
        HWND hwnd = Resolve();
        return hwnd ? PrintWindow(hwnd) : Fail(kNotFound, L"no window");
    }

    int Children() const
    {
        HWND parent = Resolve();
        if (!parent)
            return Fail(kNotFound, L"no window");
        WindowQuery child;
        child.className = m_options.Get(L"child-class");
        child.title = m_options.Get(L"child-title");
        child.controlId = m_childId;
        for (HWND hwnd : WindowFinder::Children(parent, child)) {
            WindowInfo info;
            if (WindowInfo::Read(hwnd, info))
                Print(ProbeLine().AddWindow(info));
        }
        return kOk;
    }

    int Click() const
    {
        HWND hwnd = Resolve();
        if (!hwnd)
            return Fail(kNotFound, L"no window");
        if (m_childId != -1) {
            WindowQuery child;
            child.controlId = m_childId;
            HWND control = WindowFinder::WaitForChild(hwnd, child, m_timeout);
            if (!control)
                return Fail(kNotFound, L"no control with that id");
            hwnd = control;
        }
        return WindowInput::Click(hwnd) ? kOk : Fail(kFailed, L"click failed");
    }

    int ClickAt() const
    {
        long long x = 0;
        long long y = 0;
        if (!m_options.Has(L"x") || !m_options.Has(L"y") || !m_options.Number(L"x", x) || !m_options.Number(L"y", y))
            return Fail(kUsage, L"clickat needs --x and --y");
        HWND hwnd = Resolve();
        if (!hwnd)
            return Fail(kNotFound, L"no window");
        bool ok;
        if (m_options.Has(L"real")) {
            POINT point{static_cast<LONG>(x), static_cast<LONG>(y)};
            ok = ClientToScreen(hwnd, &point) && WindowInput::RealClickAt(point.x, point.y);
        } else {
            ok = WindowInput::ClickAt(hwnd, static_cast<int>(x), static_cast<int>(y));
        }
        return ok ? kOk : Fail(kFailed, L"click failed");
    }

    int Key() const
    {
        static const std::map<std::wstring, UINT> kKeys = {
            {L"esc", VK_ESCAPE}, {L"enter", VK_RETURN}, {L"tab", VK_TAB}, {L"space", VK_SPACE}};
        std::wstring name = m_options.Get(L"vk");
        UINT vk = 0;
        auto it = kKeys.find(name);
        if (it != kKeys.end()) {
            vk = it->second;
        } else {
            long long number = 0;
            if (name.empty() || !m_options.Number(L"vk", number) || number <= 0 || number > 254)
                return Fail(kUsage, L"key needs --vk");
            vk = static_cast<UINT>(number);
        }
        HWND hwnd = Resolve();
        if (!hwnd)
            return Fail(kNotFound, L"no window");
        return WindowInput::Key(hwnd, vk) ? kOk : Fail(kFailed, L"key failed");
    }

    int Close() const
    {
        HWND hwnd = Resolve();
        if (!hwnd)
            return Fail(kNotFound, L"no window");
        if (!WindowInput::Close(hwnd))
            return Fail(kFailed, L"close failed");
        return WindowFinder::WaitDestroyed(hwnd, m_timeout) ? kOk : Fail(kNotFound, L"timeout");
    }

    int AnswerBox() const
    {
        HWND box = m_hwnd ? m_hwnd : MessageBoxProbe::Wait(m_query.processId, m_timeout);
        if (!box || !IsWindow(box))
            return Fail(kNotFound, L"no message box");
        DWORD pid = 0;
        GetWindowThreadProcessId(box, &pid);
        Print(ProbeLine()
                  .AddHex(L"hwnd", reinterpret_cast<UINT_PTR>(box))
                  .Add(L"pid", static_cast<long long>(pid))
                  .Add(L"title", MessageBoxProbe::Title(box))
                  .Add(L"text", MessageBoxProbe::Message(box)));
        for (const auto& button : MessageBoxProbe::Buttons(box))
            Print(ProbeLine().Add(L"button", button.id).Add(L"text", button.text).Add(L"enabled", button.enabled));
        if (!m_options.Has(L"press"))
            return kOk;
        int id = MessageBoxProbe::IdFromName(m_options.Get(L"press"));
        if (id == 0)
            return Fail(kUsage, L"unknown button");
        if (!MessageBoxProbe::Press(box, id, m_timeout))
            return Fail(kFailed, L"the box did not close");
        Print(ProbeLine().Add(L"pressed", id));
        return kOk;
    }

    int Shot() const
    {
        std::wstring out = m_options.Get(L"out");
        if (out.empty())
            return Fail(kUsage, L"shot needs --out");
        bool ok;
        if (HasSelection()) {
            HWND hwnd = Resolve();
            if (!hwnd)
                return Fail(kNotFound, L"no window");
            ok = ScreenCapture::SaveWindow(hwnd, out);
        } else {
            ok = ScreenCapture::SaveScreen(out);
        }
        if (!ok)
            return Fail(kFailed, L"screenshot failed");
        Print(ProbeLine().Add(L"saved", out));
        return kOk;
    }

    const Options& m_options;
    WindowQuery m_query;
    HWND m_hwnd = nullptr;
    DWORD m_timeout = 10000;
    int m_childId = -1;
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    Options options;
    if (argc < 2 || !options.Parse(argc, argv)) {
        fputws(kUsageText, stderr);
        return kUsage;
    }
    return ProbeCommand(options).Run(argv[1]);
}
