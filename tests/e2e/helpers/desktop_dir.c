/* Prints the user's desktop folder as the shell reports it to programs, so
 * the tests look for saved files where the program puts them. */
#include <windows.h>
#include <shlobj.h>
#include <stdio.h>

int main(void)
{
    char path[MAX_PATH];
    if (!SHGetSpecialFolderPathA(NULL, path, CSIDL_DESKTOP, FALSE)) {
        fprintf(stderr, "desktop_dir: SHGetSpecialFolderPathA failed\n");
        return 1;
    }
    printf("%s\n", path);
    return 0;
}
