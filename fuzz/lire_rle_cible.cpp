// Fuzz target: for every input, the block reader gives exactly what the
// word-at-a-time reference gives, read whole from memory and read in chunks
// with a wrong size announced. Stops the process on the first difference.
#include <essai/reference_rle.hpp>
#include <essai/resultat.hpp>
#include <essai/tampon_morcele.hpp>

#include <rle_file/lire_rle.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

void comparer(const std::string& attendu, const std::string& obtenu, const char* lecture)
{
    if (obtenu != attendu) {
        std::cerr << lecture << " differs from the reference:\n  expected " << attendu << "\n  got      " << obtenu
                  << std::endl;
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);

    std::istringstream flux_reference(octets);
    const std::string attendu = essai::decrire(essai::lire([&] { return reference::lire_mot_a_mot(flux_reference); }));

    std::istringstream flux(octets);
    comparer(attendu, essai::decrire(essai::lire([&] { return rle::lire_rle(flux); })), "reading from memory");

    essai::tampon_morcele tampon(octets, {1 + taille % 13, 7, 1}, essai::tampon_morcele::jamais,
                                 static_cast<std::streamsize>(taille / 2));
    std::istream morcele(&tampon);
    comparer(attendu, essai::decrire(essai::lire([&] { return rle::lire_rle(morcele); })), "reading in chunks");
    return 0;
}
