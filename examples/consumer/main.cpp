// Prints the sum of the first members (combien) of an RLE file's pairs: for
// a picture stored as runs, its number of pixels.
#include <rle_file/lire_rle.hpp>

#include <cstdint>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: somme_combien fichier.rle\n";
        return 2;
    }
    try {
        const rle::image_rle image = rle::lire_rle(argv[1]);
        std::uint64_t somme = 0;
        for (std::size_t i = 0; i < image.donnees.size(); i += 2) {
            somme += image.donnees[i];
        }
        std::cout << somme << '\n';
        return 0;
    } catch (const rle::erreur_ouverture&) {
        std::cerr << "cannot open " << argv[1] << '\n';
    } catch (const rle::format_incorrect&) {
        std::cerr << argv[1] << " is shorter than its header\n";
    } catch (const rle::erreur_lecture&) {
        std::cerr << "cannot read " << argv[1] << '\n';
    }
    return 1;
}
