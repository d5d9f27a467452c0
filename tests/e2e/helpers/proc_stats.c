/* Prints the resource figures of a running Windows process for the soak test,
 * as one line "pid=N gdi=N user=N private=N working=N". The process is given
 * by its Windows pid or by its executable name (default corvane.exe), found
 * with a Toolhelp snapshot. GDI and USER counts come from GetGuiResources;
 * where that reports nothing the USER figure falls back to counting the
 * process's windows, and the GDI figure to counting the used entries of the
 * process's GDI handle table (PEB GdiSharedHandleTable, as Wine keeps it:
 * 65536 entries of 24 bytes with the object type in byte 14), or -1. */
#include <windows.h>
#include <winternl.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static DWORD find_process(const char *exe_name)
{
    PROCESSENTRY32 entry;
    DWORD found = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    entry.dwSize = sizeof entry;
    if (Process32First(snapshot, &entry)) {
        do {
            if (_stricmp(entry.szExeFile, exe_name) == 0)
                found = entry.th32ProcessID;
        } while (!found && Process32Next(snapshot, &entry));
    }
    CloseHandle(snapshot);
    return found;
}

struct window_count {
    DWORD pid;
    long count;
};

static BOOL CALLBACK count_child(HWND window, LPARAM param)
{
    (void)window;
    ((struct window_count *)param)->count++;
    return TRUE;
}

static BOOL CALLBACK count_top_level(HWND window, LPARAM param)
{
    struct window_count *counter = (struct window_count *)param;
    DWORD owner_pid = 0;
    GetWindowThreadProcessId(window, &owner_pid);
    if (owner_pid == counter->pid) {
        counter->count++;
        EnumChildWindows(window, count_child, param);
    }
    return TRUE;
}

static long count_windows(DWORD pid)
{
    struct window_count counter = {pid, 0};
    EnumWindows(count_top_level, (LPARAM)&counter);
    return counter.count;
}

#define GDI_TABLE_ENTRIES 0x10000
#define GDI_ENTRY_SIZE 24
#define GDI_ENTRY_TYPE_OFFSET 14
#define PEB_GDI_TABLE_OFFSET 0xF8

static long count_gdi_entries(HANDLE process)
{
    typedef NTSTATUS(WINAPI * query_fn)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    query_fn query = (query_fn)(void *)GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic;
    ULONG_PTR table = 0;
    unsigned char *entries;
    SIZE_T got = 0;
    long used = 0;
    int i;

    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, NULL) != 0)
        return -1;
    if (!ReadProcessMemory(process, (char *)basic.PebBaseAddress + PEB_GDI_TABLE_OFFSET, &table, sizeof table, &got) ||
        !table)
        return -1;
    entries = malloc((size_t)GDI_TABLE_ENTRIES * GDI_ENTRY_SIZE);
    if (!entries || !ReadProcessMemory(process, (void *)table, entries, (SIZE_T)GDI_TABLE_ENTRIES * GDI_ENTRY_SIZE, &got)) {
        free(entries);
        return -1;
    }
    for (i = 0; i < GDI_TABLE_ENTRIES; ++i)
        if (entries[(size_t)i * GDI_ENTRY_SIZE + GDI_ENTRY_TYPE_OFFSET] != 0)
            ++used;
    free(entries);
    return used;
}

int main(int argc, char **argv)
{
    const char *target = argc > 1 ? argv[1] : "corvane.exe";
    DWORD pid = (DWORD)strtoul(target, NULL, 10);
    HANDLE process;
    PROCESS_MEMORY_COUNTERS_EX memory;
    long gdi, user;

    if (pid == 0)
        pid = find_process(target);
    if (pid == 0) {
        fprintf(stderr, "proc_stats: no process %s\n", target);
        return 1;
    }
    process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) {
        fprintf(stderr, "proc_stats: cannot open process %lu, error %lu\n", pid, GetLastError());
        return 1;
    }
    gdi = (long)GetGuiResources(process, GR_GDIOBJECTS);
    user = (long)GetGuiResources(process, GR_USEROBJECTS);
    if (gdi == 0)
        gdi = count_gdi_entries(process);
    if (user == 0)
        user = count_windows(pid);
    memset(&memory, 0, sizeof memory);
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS *)&memory, sizeof memory)) {
        fprintf(stderr, "proc_stats: GetProcessMemoryInfo failed, error %lu\n", GetLastError());
        CloseHandle(process);
        return 1;
    }
    printf("pid=%lu gdi=%ld user=%ld private=%llu working=%llu\n", pid, gdi, user,
           (unsigned long long)memory.PrivateUsage, (unsigned long long)memory.WorkingSetSize);
    CloseHandle(process);
    return 0;
}
