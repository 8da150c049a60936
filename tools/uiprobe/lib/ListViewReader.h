#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace uiprobe {

// Reads a list-view control of another process: its rows' texts and check
// boxes. The texts travel through a buffer allocated in that process.
class ListViewReader {
public:
    explicit ListViewReader(HWND list);
    ~ListViewReader();
    ListViewReader(const ListViewReader&) = delete;
    ListViewReader& operator=(const ListViewReader&) = delete;

    bool Ok() const { return m_remote != nullptr; }
    int Count() const;
    std::wstring Text(int row, int column) const;
    bool Checked(int row) const;

    struct Row {
        std::vector<std::wstring> cells;
        bool checked = false;
    };
    std::vector<Row> Rows(int columns) const;

private:
    static constexpr size_t kTextChars = 512;

    HWND m_list;
    HANDLE m_process = nullptr;
    void* m_remote = nullptr;
};

} // namespace uiprobe
