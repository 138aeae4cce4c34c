#ifndef INFO_RLE_REFERENCE_RLE_HPP
#define INFO_RLE_REFERENCE_RLE_HPP

// The plain way to read an RLE file: four get() calls per word and one
// push_back per value. Slow, but obviously right; the block reader must give
// exactly the same outcome for every input.

#include <rle_file/lire_rle.hpp>

#include <cstdint>
#include <istream>

namespace reference {

inline bool lire_mot(std::istream& flux, std::uint32_t& valeur)
{
    std::uint32_t lu = 0;
    for (unsigned rang = 0; rang < 4; ++rang) {
        const std::istream::int_type octet = flux.get();
        if (std::istream::traits_type::eq_int_type(octet, std::istream::traits_type::eof())) {
            return false;
        }
        lu |= static_cast<std::uint32_t>(static_cast<unsigned char>(std::istream::traits_type::to_char_type(octet)))
              << (8U * rang);
    }
    valeur = lu;
    return true;
}

inline rle::image_rle lire_mot_a_mot(std::istream& flux)
{
    rle::image_rle image;
    if (!lire_mot(flux, image.largeur) || !lire_mot(flux, image.hauteur)) {
        if (flux.bad()) {
            throw rle::erreur_lecture{};
        }
        throw rle::format_incorrect{};
    }
    std::uint32_t combien = 0;
    std::uint32_t quand = 0;
    while (lire_mot(flux, combien) && lire_mot(flux, quand)) {
        image.donnees.push_back(combien);
        image.donnees.push_back(quand);
    }
    if (flux.bad()) {
        throw rle::erreur_lecture{};
    }
    return image;
}

}  // namespace reference

#endif
