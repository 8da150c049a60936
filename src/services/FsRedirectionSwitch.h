#pragma once

// Turns the calling thread's file-system redirection of a 32-bit process on
// 64-bit Windows off, and back on with the saved value when it goes. The
// switch functions are looked up in kernel32.dll at run time, as older
// Windows lacks them.
class FsRedirectionSwitch {
public:
    FsRedirectionSwitch() = default;
    ~FsRedirectionSwitch() { Restore(); }
    FsRedirectionSwitch(const FsRedirectionSwitch&) = delete;
    FsRedirectionSwitch& operator=(const FsRedirectionSwitch&) = delete;

    // False when the function is missing or refuses (as it does in a 64-bit process).
    bool TurnOff();
    // Puts the saved value back; nothing when TurnOff did not succeed.
    void Restore();
    bool IsOff() const { return m_off; }

private:
    void* m_oldValue = nullptr;
    bool m_off = false;
};
