#include "info_rle.hpp"
#include "terminal.hpp"
#include "windows/console_utf8.hpp"

#include <iostream>

int main(int argc, char* argv[])
{
    [[maybe_unused]] const info_rle::console_utf8 console;
    return info_rle::executer(argc, argv, std::cout, std::cerr, info_rle::sortie_est_un_terminal());
}
