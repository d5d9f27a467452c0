/* Lists the balloon tips on screen, so a test can tell whether a tray balloon
 * was shown and what it says: one tab-separated line per visible top-level
 * tooltip window with the balloon style: handle, x, y, width, height, text
 * (by WM_GETTEXT, which Wine carries between processes). Prints nothing when
 * no balloon is shown. Wine's tooltips cannot be asked for their title, so
 *   read_balloons -s X Y SECONDS TITLE TEXT
 * shows a balloon of the tray's own kind at X, Y for SECONDS instead, to be
 * compared with the tray's on screen; it prints "shown" and its line once it
 * is up. */
#define _WIN32_WINNT 0x0600
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void print_utf8(const WCHAR *text)
{
    char buffer[4096];
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
    char *c;
    if (size <= 0)
        buffer[0] = '\0';
    /* Keeps one balloon on one line with its fields apart. */
    for (c = buffer; *c; ++c)
        if (*c == '\t' || *c == '\n' || *c == '\r')
            *c = ' ';
    fputs(buffer, stdout);
}

static BOOL CALLBACK print_if_balloon(HWND window, LPARAM unused)
{
    WCHAR class_name[64];
    WCHAR text[1024];
    DWORD_PTR result = 0;
    RECT rect;
    (void)unused;

    GetClassNameW(window, class_name, 64);
    if (_wcsicmp(class_name, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(window) ||
        !(GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON))
        return TRUE;
    text[0] = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &result))
        text[0] = 0;
    text[1023] = 0;
    GetWindowRect(window, &rect);
    printf("%p\t%ld\t%ld\t%ld\t%ld\t", (void *)window, rect.left, rect.top, rect.right - rect.left,
           rect.bottom - rect.top);
    print_utf8(text);
    printf("\n");
    return TRUE;
}

static WCHAR *widen(const char *text)
{
    int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, NULL, 0);
    WCHAR *wide = size > 0 ? calloc((size_t)size, sizeof *wide) : NULL;
    if (wide)
        MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, size);
    return wide;
}

/* The same styles and calls as Wine's tray uses for its balloons. */
static int show_balloon(int x, int y, int seconds, const char *title, const char *text)
{
    typedef BOOL(WINAPI * init_controls)(const INITCOMMONCONTROLSEX *);
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    init_controls init = comctl ? (init_controls)(void *)GetProcAddress(comctl, "InitCommonControlsEx") : NULL;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
    WCHAR *wide_title = widen(title), *wide_text = widen(text);
    TTTOOLINFOW tool;
    HWND owner, tip;
    DWORD end;
    MSG msg;

    if (!init || !init(&classes) || !wide_title || !wide_text)
        return 1;
    owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, NULL,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON | TTS_CLOSE, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, NULL, NULL, NULL);
    if (!owner || !tip)
        return 1;
    memset(&tool, 0, sizeof tool);
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = (UINT_PTR)owner;
    tool.uFlags = TTF_TRACK | TTF_IDISHWND;
    tool.lpszText = wide_text;
    SendMessageW(tip, TTM_ADDTOOLW, 0, (LPARAM)&tool);
    SendMessageW(tip, TTM_SETTITLEW, TTI_INFO, (LPARAM)wide_title);
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELONG(x, y));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&tool);
    print_if_balloon(tip, 0);
    printf("shown\n");
    fflush(stdout);
    end = GetTickCount() + (DWORD)seconds * 1000;
    while ((LONG)(end - GetTickCount()) > 0) {
        while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
    }
    DestroyWindow(tip);
    DestroyWindow(owner);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 7 && strcmp(argv[1], "-s") == 0)
        return show_balloon(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), argv[5], argv[6]);
    EnumWindows(print_if_balloon, 0);
    fflush(stdout);
    return 0;
}
