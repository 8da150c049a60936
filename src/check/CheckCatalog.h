#pragma once
#include <string>

class CController;

// The setup catalogue read into the controller as the program's start-up
// reads it, with a throwaway copy of the progress record (deleted at the
// end), so that the tool leaves the program's own record alone.
class CheckCatalog {
public:
    CheckCatalog();
    ~CheckCatalog();
    CheckCatalog(const CheckCatalog&) = delete;
    CheckCatalog& operator=(const CheckCatalog&) = delete;

    // The catalogue at path, or the Windows directory's "Ovcd_tmp.ini" when
    // empty. 0 when read; otherwise the failure is printed and 2 returned.
    int Load(CController& controller, const std::wstring& path);

private:
    std::wstring m_recordPath;
};
