// Prints the sum of the first members (combien) of an RLE file's pairs: for
// a picture stored as runs, its number of pixels. C++17.
#include <rle_file/lire_rle.hpp>

#include <cstdint>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: somme_combien fichier.rle\n";
        return 2;
    }
    // lire_rle takes any path the system can name: a std::filesystem::path
    // (on Windows, opened by its wide name), a std::wstring, a std::string or
    // a string literal.
    const std::filesystem::path chemin(argv[1]);
    try {
        const rle::image_rle image = rle::lire_rle(chemin);
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
    } catch (const rle::erreur_lecture& erreur) {
        // The system's reason; none when another program cut the file short.
        std::cerr << "cannot read " << argv[1] << ": "
                  << (erreur.code() ? erreur.code().message() : "cut short while read") << '\n';
    }
    return 1;
}
