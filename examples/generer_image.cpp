// Writes the example picture to the path given: generer_image examples/image.rle
#include "image_exemple.hpp"

#include <fstream>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "Usage: generer_image fichier.rle\n";
        return 1;
    }
    const std::string octets = exemple::image_exemple();
    std::ofstream fichier(argv[1], std::ios_base::binary);
    fichier.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    fichier.close();
    if (!fichier) {
        std::cerr << "Ecriture impossible: " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
