#include "terminal.hpp"

#include <unistd.h>

namespace info_rle {

bool sortie_est_un_terminal() noexcept
{
    return isatty(STDOUT_FILENO) == 1;
}

}  // namespace info_rle
