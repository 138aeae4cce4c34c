// The plain reading as a whole program: four get() calls per word and one
// push_back per value, through the standard file stream.
#include <essai/reference_rle.hpp>

#include <fstream>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: mot_a_mot file\n";
        return 2;
    }
    std::ifstream flux(argv[1], std::ios_base::binary);
    const rle::image_rle image = reference::lire_mot_a_mot(flux);
    std::cout << image.donnees.size() / 2 << '\n';
    return 0;
}
