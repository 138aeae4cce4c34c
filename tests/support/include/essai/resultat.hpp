#ifndef INFO_RLE_RESULTAT_HPP
#define INFO_RLE_RESULTAT_HPP

// The outcome of a read as one value (the image, or which error was raised),
// and as text, so that two ways of reading compare with one EXPECT_EQ.

#include <rle_file/lire_rle.hpp>

#include <cstdint>
#include <sstream>
#include <string>
#include <variant>

namespace essai {

// What a read gives: the image, or which error was raised.
enum class erreur { ouverture, format, lecture };
using issue = std::variant<rle::image_rle, erreur>;

template <typename Lecture>
inline issue lire(Lecture&& lecture)
{
    try {
        return lecture();
    } catch (const rle::erreur_ouverture&) {
        return erreur::ouverture;
    } catch (const rle::format_incorrect&) {
        return erreur::format;
    } catch (const rle::erreur_lecture&) {
        return erreur::lecture;
    }
}

inline std::string decrire(const issue& resultat)
{
    if (const auto* image = std::get_if<rle::image_rle>(&resultat)) {
        std::ostringstream texte;
        texte << "image " << image->largeur << " x " << image->hauteur << " {";
        for (const std::uint32_t valeur : image->donnees) {
            texte << ' ' << valeur;
        }
        texte << " }";
        return texte.str();
    }
    switch (std::get<erreur>(resultat)) {
        case erreur::ouverture:
            return "erreur_ouverture";
        case erreur::format:
            return "format_incorrect";
        case erreur::lecture:
            return "erreur_lecture";
    }
    return "?";
}

// The same in a few words for large images: size, count and a hash of the
// values, so that a failure prints a line, not megabytes.
inline std::string resumer(const issue& resultat)
{
    const auto* image = std::get_if<rle::image_rle>(&resultat);
    if (image == nullptr) {
        return decrire(resultat);
    }
    std::uint64_t empreinte = 14695981039346656037ULL;  // FNV-1a over the values
    for (const std::uint32_t valeur : image->donnees) {
        empreinte = (empreinte ^ valeur) * 1099511628211ULL;
    }
    std::ostringstream texte;
    texte << "image " << image->largeur << " x " << image->hauteur << ", " << image->donnees.size() << " values, hash "
          << std::hex << empreinte;
    return texte.str();
}

}  // namespace essai

#endif
