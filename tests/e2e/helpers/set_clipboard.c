/* Puts test data on the Wine clipboard: "dib FILE" hands the file's bytes over
 * unchecked as one CF_DIB block (so malformed blocks can be offered too),
 * "text STRING" puts CF_TEXT, "empty" just empties it. The owner is a hidden
 * window; with "-w SECONDS" the helper keeps it alive that long, for clipboard
 * implementations that drop the data with its owner. With "-p" it first
 * presses Print Screen, so the data follows the press at once, as the
 * system's screenshot would. Prints "ok" on success. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HGLOBAL block_from_bytes(const void *bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    void *data;
    if (!block)
        return NULL;
    data = GlobalLock(block);
    if (size)
        memcpy(data, bytes, size);
    GlobalUnlock(block);
    return block;
}

static HGLOBAL block_from_file(const char *path)
{
    FILE *file = fopen(path, "rb");
    long size;
    void *bytes;
    HGLOBAL block;
    if (!file) {
        fprintf(stderr, "set_clipboard: cannot open %s\n", path);
        return NULL;
    }
    fseek(file, 0, SEEK_END);
    size = ftell(file);
    fseek(file, 0, SEEK_SET);
    bytes = malloc(size ? (size_t)size : 1);
    if (fread(bytes, 1, (size_t)size, file) != (size_t)size) {
        fprintf(stderr, "set_clipboard: cannot read %s\n", path);
        fclose(file);
        free(bytes);
        return NULL;
    }
    fclose(file);
    block = block_from_bytes(bytes, (size_t)size);
    free(bytes);
    return block;
}

static int open_clipboard(HWND owner)
{
    int attempt;
    for (attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner))
            return 1;
        Sleep(100);
    }
    fprintf(stderr, "set_clipboard: OpenClipboard failed, error %lu\n", GetLastError());
    return 0;
}

static int press_print_screen(void)
{
    INPUT inputs[2];
    memset(inputs, 0, sizeof inputs);
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = VK_SNAPSHOT;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

int main(int argc, char **argv)
{
    int arg = 1;
    int press_first = 0;
    int wait_seconds = 0;
    UINT format = 0;
    HGLOBAL block = NULL;
    HWND owner;
    int ok = 1;

    for (;;) {
        if (arg + 1 < argc && strcmp(argv[arg], "-w") == 0) {
            wait_seconds = atoi(argv[arg + 1]);
            arg += 2;
        } else if (arg < argc && strcmp(argv[arg], "-p") == 0) {
            press_first = 1;
            ++arg;
        } else {
            break;
        }
    }
    if (arg >= argc) {
        fprintf(stderr, "usage: set_clipboard [-p] [-w SECONDS] dib FILE | text STRING | empty\n");
        return 2;
    }
    if (strcmp(argv[arg], "dib") == 0 && arg + 1 < argc) {
        format = CF_DIB;
        block = block_from_file(argv[arg + 1]);
    } else if (strcmp(argv[arg], "text") == 0 && arg + 1 < argc) {
        format = CF_TEXT;
        block = block_from_bytes(argv[arg + 1], strlen(argv[arg + 1]) + 1);
    } else if (strcmp(argv[arg], "empty") != 0) {
        fprintf(stderr, "set_clipboard: unknown mode %s\n", argv[arg]);
        return 2;
    }
    if (format && !block)
        return 1;

    if (press_first && !press_print_screen()) {
        fprintf(stderr, "set_clipboard: SendInput failed, error %lu\n", GetLastError());
        return 1;
    }
    owner = CreateWindowExW(0, L"STATIC", L"set_clipboard owner", 0, 0, 0, 1, 1,
                            HWND_MESSAGE, NULL, GetModuleHandleW(NULL), NULL);
    if (!open_clipboard(owner))
        return 1;
    EmptyClipboard();
    if (format && !SetClipboardData(format, block)) {
        fprintf(stderr, "set_clipboard: SetClipboardData failed, error %lu\n", GetLastError());
        GlobalFree(block);
        ok = 0;
    }
    CloseClipboard();
    if (ok)
        printf("ok\n");
    fflush(stdout);

    if (wait_seconds > 0) {
        DWORD end = GetTickCount() + (DWORD)wait_seconds * 1000;
        MSG msg;
        while ((LONG)(end - GetTickCount()) > 0) {
            MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_ALLINPUT);
            while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
    }
    if (owner)
        DestroyWindow(owner);
    return ok ? 0 : 1;
}
