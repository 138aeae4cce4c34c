#include "somme.hpp"

#include <rle_file/lire_rle.hpp>

std::uint64_t somme_combien(const std::string& chemin)
{
    const rle::image_rle image = rle::lire_rle(chemin);
    std::uint64_t somme = 0;
    for (std::size_t i = 0; i < image.donnees.size(); i += 2) {
        somme += image.donnees[i];
    }
    return somme;
}
