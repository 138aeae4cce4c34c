#include "console_utf8.hpp"

#include <windows.h>

namespace info_rle {
namespace {

// The console's output code page before the tool changed it; 0 when the tool
// changed nothing (standard output is a file, a pipe, or already UTF-8).
UINT page_precedente = 0;

void restaurer()
{
    if (page_precedente != 0) {
        SetConsoleOutputCP(page_precedente);
    }
}

BOOL WINAPI interrompu(DWORD)
{
    restaurer();
    return FALSE;  // and let the system end the process as usual
}

}  // namespace

console_utf8::console_utf8()
{
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) == 0) {
        return;  // not a console: the bytes go out unchanged
    }
    const UINT page = GetConsoleOutputCP();
    if (page != CP_UTF8 && SetConsoleOutputCP(CP_UTF8) != 0) {
        page_precedente = page;
        SetConsoleCtrlHandler(interrompu, TRUE);
    }
}

console_utf8::~console_utf8()
{
    restaurer();
}

}  // namespace info_rle
