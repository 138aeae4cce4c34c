// One call of lire_rle, chosen by FORME_<name>: keeping its image, or
// dropping it in one of the forms a call can take.
#include <rle_file/lire_rle.hpp>

#include <filesystem>
#include <sstream>
#include <string>

unsigned int appel()
{
#if defined(FORME_garde)
    const rle::image_rle image = rle::lire_rle("image.rle");
    return image.largeur;
#else
#if defined(FORME_litteral)
    rle::lire_rle("image.rle");
#elif defined(FORME_chaine)
    rle::lire_rle(std::string("image.rle"));
#elif defined(FORME_chemin)
    rle::lire_rle(std::filesystem::path("image.rle"));
#elif defined(FORME_flux)
    std::istringstream flux("");
    rle::lire_rle(flux);
#endif
    return 0;
#endif
}
