#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Builds a dialog template in memory, for tests that need real dialogs
// without a resource script.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const std::wstring& windowClass = L"")
    {
        Align();
        PutDword(style | DS_SETFONT);
        PutDword(0); // extended style
        m_countAt = m_words.size();
        PutWord(0);
        PutWord(0);
        PutWord(0);
        PutWord(static_cast<WORD>(cx));
        PutWord(static_cast<WORD>(cy));
        PutWord(0); // no menu
        if (windowClass.empty())
            PutWord(0);
        else
            PutString(windowClass);
        PutString(L"test dialog");
        PutWord(8);
        PutString(L"MS Shell Dlg");
    }

    // A button (class atom 0x0080), a push button unless told otherwise.
    void AddButton(WORD id, const std::wstring& text, short x, short y, short cx, short cy,
                   DWORD style = BS_PUSHBUTTON)
    {
        Align();
        PutDword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | style);
        PutDword(0);
        PutWord(static_cast<WORD>(x));
        PutWord(static_cast<WORD>(y));
        PutWord(static_cast<WORD>(cx));
        PutWord(static_cast<WORD>(cy));
        PutWord(id);
        PutWord(0xFFFF);
        PutWord(0x0080);
        PutString(text);
        PutWord(0);
        ++m_words[m_countAt];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void PutWord(WORD w) { m_words.push_back(w); }
    void PutDword(DWORD d)
    {
        PutWord(LOWORD(d));
        PutWord(HIWORD(d));
    }
    void PutString(const std::wstring& s)
    {
        for (wchar_t c : s)
            PutWord(static_cast<WORD>(c));
        PutWord(0);
    }
    void Align()
    {
        if (m_words.size() % 2)
            PutWord(0);
    }

    std::vector<WORD> m_words; // vector storage is suitably aligned for DWORDs
    size_t m_countAt = 0;
};
