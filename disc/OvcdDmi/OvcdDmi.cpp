// OvcdDmi.dll: the disc's board-information library. The program loads it
// beside ACPIWMI.dll and calls nothing in it; other disc tools may ask it for
// the board's product name as the firmware's DMI tables report it.
#include <windows.h>

extern "C" {

// Copies the base board's product name (NUL-terminated) into buffer;
// non-zero on success. __cdecl, exported undecorated.
__declspec(dllexport) unsigned char __cdecl OvDmi_GetBaseBoardProduct(wchar_t* buffer, unsigned int size)
{
    if (!buffer || size == 0)
        return 0;
    buffer[0] = L'\0';
    DWORD bytes = static_cast<DWORD>(size * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DESCRIPTION\\System\\BIOS",
                                        L"BaseBoardProduct", RRF_RT_REG_SZ, nullptr, buffer, &bytes);
    if (status != ERROR_SUCCESS) {
        buffer[0] = L'\0';
        return 0;
    }
    buffer[size - 1] = L'\0';
    return 1;
}

} // extern "C"
