/* Reads the state of a top-level window (default "Select the wanted area")
 * and its controls, found by control ID, for the tests to check what the
 * program shows without parsing screenshots.
 *   read_control [-t TITLE] N...       the text of each control, one a line
 *   read_control [-t TITLE] -i N|w...  tab-separated: id, visible, x, y,
 *                                      width, height, text (children in
 *                                      parent client coordinates; "w" is the
 *                                      window: outer rect on screen, then
 *                                      client width and height)
 *   read_control [-t TITLE] all        -i for every child window
 *   read_control [-t TITLE] -r N...    "min max" of the up-down arrows whose
 *                                      buddy is control N
 * Exits 1 when the window or a control is missing. */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void print_utf8(const WCHAR *text)
{
    char buffer[4096];
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
    if (size <= 0)
        buffer[0] = '\0';
    fputs(buffer, stdout);
}

/* A spin field may be built as a container around its edit box; the text
 * lives in the edit box then. */
static HWND text_holder(HWND control)
{
    WCHAR class_name[64];
    HWND child;
    GetClassNameW(control, class_name, 64);
    if (_wcsicmp(class_name, L"Edit") == 0)
        return control;
    child = FindWindowExW(control, NULL, L"Edit", NULL);
    return child ? child : control;
}

/* GetWindowText does not ask a control of another process for its text;
 * WM_GETTEXT does. */
static void control_text(HWND control, WCHAR *text, int size)
{
    DWORD_PTR result = 0;
    text[0] = 0;
    if (!SendMessageTimeoutW(text_holder(control), WM_GETTEXT, (WPARAM)size, (LPARAM)text, SMTO_ABORTIFHUNG, 5000,
                             &result))
        text[0] = 0;
    text[size - 1] = 0;
}

static void print_info(HWND parent, HWND control)
{
    WCHAR text[1024];
    WCHAR class_name[64];
    RECT rect;
    POINT origin;
    GetWindowRect(control, &rect);
    origin.x = rect.left;
    origin.y = rect.top;
    ScreenToClient(parent, &origin);
    GetClassNameW(control, class_name, 64);
    control_text(control, text, 1024);
    printf("%d\t%d\t%ld\t%ld\t%ld\t%ld\t", GetDlgCtrlID(control), IsWindowVisible(control) ? 1 : 0,
           origin.x, origin.y, rect.right - rect.left, rect.bottom - rect.top);
    print_utf8(text);
    printf("\t");
    print_utf8(class_name);
    printf("\n");
}

static void print_window_info(HWND window)
{
    RECT outer, client;
    POINT origin = {0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    printf("w\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\n", IsWindowVisible(window) ? 1 : 0, outer.left,
           outer.top, outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom,
           origin.x, origin.y);
}

static BOOL CALLBACK print_child(HWND child, LPARAM parent)
{
    if (GetParent(child) == (HWND)parent)
        print_info((HWND)parent, child);
    return TRUE;
}

struct buddy_search {
    HWND buddy;
    HWND arrows;
};

static BOOL CALLBACK find_arrows(HWND child, LPARAM param)
{
    struct buddy_search *search = (struct buddy_search *)param;
    WCHAR class_name[64];
    GetClassNameW(child, class_name, 64);
    if (_wcsicmp(class_name, UPDOWN_CLASSW) == 0 && (HWND)SendMessageW(child, UDM_GETBUDDY, 0, 0) == search->buddy) {
        search->arrows = child;
        return FALSE;
    }
    return TRUE;
}

/* UDM_GETRANGE answers in its result, so it works across processes. */
static int print_range(HWND window, HWND control)
{
    struct buddy_search search = {text_holder(control), NULL};
    LRESULT range;
    EnumChildWindows(window, find_arrows, (LPARAM)&search);
    if (!search.arrows) {
        fprintf(stderr, "read_control: no up-down arrows for control %d\n", GetDlgCtrlID(control));
        return 0;
    }
    range = SendMessageW(search.arrows, UDM_GETRANGE, 0, 0);
    printf("%d %d\n", (int)(short)HIWORD(range), (int)(short)LOWORD(range));
    return 1;
}

int main(int argc, char **argv)
{
    const char *title = "Select the wanted area";
    WCHAR wide_title[256];
    int detailed = 0;
    int ranges = 0;
    int arg = 1;
    int status = 0;
    HWND window;

    if (argc > 2 && strcmp(argv[1], "-t") == 0) {
        title = argv[2];
        arg = 3;
    }
    if (arg < argc && strcmp(argv[arg], "-i") == 0) {
        detailed = 1;
        ++arg;
    } else if (arg < argc && strcmp(argv[arg], "-r") == 0) {
        ranges = 1;
        ++arg;
    }
    MultiByteToWideChar(CP_UTF8, 0, title, -1, wide_title, 256);
    window = FindWindowW(NULL, wide_title);
    if (!window) {
        fprintf(stderr, "read_control: no window titled \"%s\"\n", title);
        return 1;
    }
    for (; arg < argc; ++arg) {
        HWND control;
        if (strcmp(argv[arg], "all") == 0) {
            EnumChildWindows(window, print_child, (LPARAM)window);
            continue;
        }
        if (strcmp(argv[arg], "w") == 0) {
            print_window_info(window);
            continue;
        }
        control = GetDlgItem(window, atoi(argv[arg]));
        if (!control) {
            fprintf(stderr, "read_control: no control %s\n", argv[arg]);
            status = 1;
            continue;
        }
        if (ranges) {
            if (!print_range(window, control))
                status = 1;
        } else if (detailed) {
            print_info(window, control);
        } else {
            WCHAR text[1024];
            control_text(control, text, 1024);
            print_utf8(text);
            printf("\n");
        }
    }
    return status;
}
