#pragma once
#include <windows.h>

#include <string>

#include "ScreenCapture.h"
#include "TestPaths.h"

// Saves what the screen shows in a rectangle as build/shots/NAME.png, for a
// person to look at (with a compositor on the display, alpha shows right).
inline bool SaveShot(const std::wstring& name, const RECT& screenRect)
{
    // The tests run from build/win64/bin.
    const std::wstring folder = TestExeFolder() + L"..\\..\\shots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return uiprobe::ScreenCapture::SaveRect(screenRect, folder + name + L".png");
}
