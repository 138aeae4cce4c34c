// Runs the fuzz target once on each file given, or on each file of each
// folder given, without libFuzzer: the corpus as an ordinary test.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

namespace {

void rejouer(const std::filesystem::path& chemin)
{
    std::ifstream fichier(chemin, std::ios_base::binary);
    const std::vector<char> octets{std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    std::vector<std::uint8_t> entree(octets.begin(), octets.end());
    LLVMFuzzerTestOneInput(entree.data(), entree.size());
}

}  // namespace

int main(int argc, char* argv[])
{
    std::size_t entrees = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path chemin(argv[i]);
        if (std::filesystem::is_directory(chemin)) {
            for (const auto& element : std::filesystem::directory_iterator(chemin)) {
                rejouer(element.path());
                ++entrees;
            }
        } else {
            rejouer(chemin);
            ++entrees;
        }
    }
    std::cout << entrees << " inputs replayed\n";
    return entrees > 0 ? 0 : 1;
}
