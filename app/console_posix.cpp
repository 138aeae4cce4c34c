#include "console.hpp"

#include <iostream>

#include <unistd.h>

namespace info_rle {

arguments::arguments(int argc, const char* const* argv) : textes_(argv, argv + argc)
{
    for (const std::string& texte : textes_) {
        valeurs_.push_back(texte.c_str());
    }
    valeurs_.push_back(nullptr);
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

// A terminal's window belongs to its shell, which outlives the tool.
bool fenetre_a_soi() noexcept
{
    return false;
}

void attendre_entree() noexcept {}

}  // namespace info_rle
