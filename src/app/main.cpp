#include <windows.h>

#include "app/CDezozi2App.h"
#include "app/DllSearchPolicy.h"

CDezozi2App theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show)
{
    // Before anything loads a library: nothing from the current directory
    // or the disc by accident.
    DllSearchPolicy::Restrict();
    return AfxWinMain(instance, previous, commandLine, show);
}
