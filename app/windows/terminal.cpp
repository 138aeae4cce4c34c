#include "../terminal.hpp"

#include <windows.h>

namespace info_rle {

bool sortie_est_un_terminal() noexcept
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace info_rle
