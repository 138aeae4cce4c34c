#include "info_rle.hpp"

#include "console.hpp"

#include <rle_file/lire_rle.hpp>

#include <cstddef>
#include <filesystem>
#include <ios>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace info_rle {
namespace {

constexpr int statut_succes = 0;
constexpr int statut_echec = 1;

constexpr const char* nom_par_defaut = "info_rle";

#define INFO_RLE_MESSAGE(nom, texte) constexpr const char* message_##nom = (texte);
#include "messages.inc"
#undef INFO_RLE_MESSAGE

int signaler(const char* message, std::ostream& erreurs) noexcept
{
    try {
        erreurs << message << std::flush;
    } catch (...) {
        // Standard error refuses the message too: only the status is left.
    }
    return statut_echec;
}

// The length of the well-formed UTF-8 sequence that starts `texte` (RFC 3629:
// no overlong form, no surrogate, nothing past U+10FFFF), or 0.
std::size_t sequence_utf8(std::string_view texte)
{
    const auto octet = [texte](std::size_t rang) { return static_cast<unsigned char>(texte[rang]); };
    const unsigned char premier = octet(0);
    if (premier < 0x80) {
        return 1;
    }
    std::size_t longueur = 4;
    unsigned char second_min = 0x80;
    unsigned char second_max = 0xBF;
    if (premier >= 0xC2 && premier <= 0xDF) {
        longueur = 2;
    } else if (premier >= 0xE0 && premier <= 0xEF) {
        longueur = 3;
        second_min = premier == 0xE0 ? 0xA0 : 0x80;  // no overlong form
        second_max = premier == 0xED ? 0x9F : 0xBF;  // no surrogate
    } else if (premier == 0xF0) {
        second_min = 0x90;
    } else if (premier == 0xF4) {
        second_max = 0x8F;  // up to U+10FFFF
    } else if (premier < 0xF1 || premier > 0xF3) {
        return 0;
    }
    if (texte.size() < longueur || octet(1) < second_min || octet(1) > second_max) {
        return 0;
    }
    for (std::size_t rang = 2; rang < longueur; ++rang) {
        if (octet(rang) < 0x80 || octet(rang) > 0xBF) {
            return 0;
        }
    }
    return longueur;
}

}  // namespace

std::string lisible_sur_terminal(std::string_view texte)
{
    std::string lisible;
    lisible.reserve(texte.size());
    while (!texte.empty()) {
        const auto premier = static_cast<unsigned char>(texte.front());
        const std::size_t longueur = sequence_utf8(texte);
        bool controle = false;
        if (longueur == 0) {
            controle = premier >= 0x80 && premier <= 0x9F;  // a stray byte, which some terminals take for C1
        } else if (longueur == 1) {
            controle = premier < 0x20 || premier == 0x7F;  // C0 and DEL
        } else {
            controle = premier == 0xC2 && static_cast<unsigned char>(texte[1]) <= 0x9F;  // C1: U+0080 to U+009F
        }
        const std::size_t pris = longueur == 0 ? 1 : longueur;
        if (controle) {
            lisible += '?';
        } else {
            lisible.append(texte.substr(0, pris));
        }
        texte.remove_prefix(pris);
    }
    return lisible;
}

// Numbers go through std::to_string so that they stay plain decimal whatever
// the stream's locale or flags.
int rapporter(const rle::image_rle& image, std::ostream& sortie, std::ostream& erreurs)
{
    const std::string largeur = std::to_string(image.largeur);
    const std::string hauteur = std::to_string(image.hauteur);
    sortie << "... reussi!\nImage de largeur " << largeur << " et de hauteur " << hauteur << '\n' << std::flush;
    if (image.donnees.size() % 2 != 0) {
        erreurs << message_impair << std::flush;
        return statut_echec;
    }
    const std::string paires = std::to_string(image.donnees.size() / 2);
    sortie << "Le fichier contient " << paires << " paires { combien, quand }\n" << std::flush;
    return statut_succes;
}

const char* const invitation_a_fermer = "Appuyez sur Entree pour fermer la fenetre.";

namespace {

// Runs the tool; the file is `fichier`, or else the name chemin_systeme()
// gives the first argument.
int lancer(int argc, const char* const* argv, const std::filesystem::path* fichier, std::ostream& sortie,
           std::ostream& erreurs, bool sortie_terminal)
{
    // What the command line names goes out as given, but on a terminal with
    // its control characters as '?': a name must not drive the terminal.
    // Elsewhere the bytes are its own, for scripts.
    std::string lisible;
    const auto nom = [&lisible, sortie_terminal](const char* texte) -> std::string_view {
        if (!sortie_terminal) {
            return texte;
        }
        lisible = lisible_sur_terminal(texte);
        return lisible;
    };
    try {
        int statut = statut_succes;
        if (argc < 2 || argv == nullptr || argv[0] == nullptr || argv[1] == nullptr) {
            const bool sans_nom = argc < 1 || argv == nullptr || argv[0] == nullptr;
            const std::string_view programme = nom(sans_nom ? nom_par_defaut : argv[0]);
            sortie << "Usage: " << programme << " [fichier.rle]\n" << std::flush;
        } else {
            // The progress line goes out whole before the file is read.
            const std::string_view chemin = nom(argv[1]);
            sortie << "Tentative de lire le fichier " << chemin << "..." << std::flush;
            statut = rapporter(rle::lire_rle(fichier != nullptr ? *fichier : chemin_systeme(argv[1])), sortie, erreurs);
        }
        return sortie ? statut : signaler(message_ecriture, erreurs);
    } catch (const rle::erreur_ouverture&) {
        return signaler(message_ouverture, erreurs);
    } catch (const rle::format_incorrect&) {
        return signaler(message_format, erreurs);
    } catch (const rle::erreur_lecture&) {
        return signaler(message_lecture, erreurs);
    } catch (const std::bad_alloc&) {  // the pairs outgrew the memory
        return signaler(message_memoire, erreurs);
    } catch (const std::length_error&) {
        // Or the container: on a 32-bit host only (the i686 build's tests),
        // since a 64-bit one holds more than any file.
        return signaler(message_memoire, erreurs);  // GCOVR_EXCL_LINE
    } catch (const std::ios_base::failure&) {       // only the output streams throw it, when their mask asks
        return signaler(message_ecriture, erreurs);
    } catch (...) {
        return signaler(message_inattendu, erreurs);
    }
}

}  // namespace

int executer(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs, bool sortie_terminal)
{
    return lancer(argc, argv, nullptr, sortie, erreurs, sortie_terminal);
}

int executer(const arguments& ligne, std::ostream& sortie, std::ostream& erreurs, bool sortie_terminal)
{
    return lancer(ligne.nombre(), ligne.valeurs(), &ligne.fichier(), sortie, erreurs, sortie_terminal);
}

}  // namespace info_rle
