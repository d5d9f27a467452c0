// Program entry for Windows: the program runs on the Win32 toolkit.
#include "toolkit/win32/win32_toolkit.h"

#include "app/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    corvane::win32::Win32Toolkit toolkit;
    return corvane::RunProgram(toolkit);
}
