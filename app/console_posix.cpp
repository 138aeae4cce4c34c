#include "console.hpp"

#include <iostream>

#include <unistd.h>

namespace info_rle {

arguments::arguments(int argc, const char* const* argv) : textes_(argv, argv + argc)
{
    indexer();
    if (argc >= 2) {
        fichier_ = argv[1];
    }
}

std::filesystem::path chemin_systeme(const char* argument)
{
    return argument;
}

std::ostream& sortie_standard()
{
    return std::cout;
}

std::ostream& erreur_standard()
{
    return std::cerr;
}

bool sortie_est_un_terminal() noexcept
{
    return isatty(STDOUT_FILENO) == 1;
}

void garder_la_fenetre(std::ostream& /*sortie*/, const char* /*invitation*/) noexcept {}

}  // namespace info_rle
