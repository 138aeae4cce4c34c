// Each form a call of lire_rle can take, its image kept once, then dropped
// in each form: each line marked "abandon" must draw the compiler's warning
// on a dropped [[nodiscard]] result, and the rest none.
#include <rle_file/lire_rle.hpp>

#include <filesystem>
#include <sstream>
#include <string>

unsigned int appel()
{
    const rle::image_rle image = rle::lire_rle("image.rle");
    std::istringstream flux("");
    rle::lire_rle("image.rle");                         // abandon: literal
    rle::lire_rle(std::string("image.rle"));            // abandon: string
    rle::lire_rle(std::filesystem::path("image.rle"));  // abandon: path
    rle::lire_rle(flux);                                // abandon: stream
    return image.largeur;
}
