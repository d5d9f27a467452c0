/* Injects key presses into the Wine session with SendInput, the way a real
 * keyboard would: each argument is one chord such as "0x2C" (Print Screen,
 * the default) or "0x11+0x53" (Ctrl held while S is pressed). Keys of a chord
 * go down in order and come up in reverse order. After each chord it prints
 * "pressed" at once, so a test can act right after the press (as the system
 * puts its screenshot on the clipboard right after Print Screen). */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_CHORD 4

static void add_key(INPUT *inputs, int *count, WORD vk, int up)
{
    INPUT *in = &inputs[(*count)++];
    memset(in, 0, sizeof *in);
    in->type = INPUT_KEYBOARD;
    in->ki.wVk = vk;
    in->ki.wScan = (WORD)MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    in->ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
}

static int press_chord(const char *chord)
{
    WORD keys[MAX_CHORD];
    int key_count = 0;
    char buffer[64];
    char *token;
    INPUT inputs[2 * MAX_CHORD];
    int count = 0;
    int i;

    strncpy(buffer, chord, sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    for (token = strtok(buffer, "+"); token && key_count < MAX_CHORD; token = strtok(NULL, "+")) {
        long vk = strtol(token, NULL, 0);
        if (vk <= 0 || vk > 0xFE) {
            fprintf(stderr, "press_key: bad virtual key '%s'\n", token);
            return 0;
        }
        keys[key_count++] = (WORD)vk;
    }
    for (i = 0; i < key_count; ++i)
        add_key(inputs, &count, keys[i], 0);
    for (i = key_count - 1; i >= 0; --i)
        add_key(inputs, &count, keys[i], 1);
    if (SendInput((UINT)count, inputs, sizeof(INPUT)) != (UINT)count) {
        fprintf(stderr, "press_key: SendInput failed, error %lu\n", GetLastError());
        return 0;
    }
    printf("pressed\n");
    fflush(stdout);
    return 1;
}

int main(int argc, char **argv)
{
    int i;
    if (argc < 2)
        return press_chord("0x2C") ? 0 : 1;
    for (i = 1; i < argc; ++i) {
        if (!press_chord(argv[i]))
            return 1;
        Sleep(30);
    }
    return 0;
}
