#include "somme.hpp"

#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: somme_partagee fichier.rle\n";
        return 2;
    }
    std::cout << somme_combien(argv[1]) << '\n';
    return 0;
}
