#include "info_rle.hpp"

#include <rle_file/lire_rle.hpp>

#include <exception>
#include <ios>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

namespace info_rle {
namespace {

constexpr int statut_succes = 0;
constexpr int statut_echec = 1;

constexpr const char* nom_par_defaut = "info_rle";

constexpr const char* message_ouverture = "\n\tErreur lors de l'ouverture du fichier\n";
constexpr const char* message_format = "\n\tErreur (fichier corrompu?)\n";
constexpr const char* message_lecture = "\n\tErreur lors de la lecture du fichier\n";
constexpr const char* message_memoire = "\n\tErreur (memoire insuffisante)\n";
constexpr const char* message_ecriture = "\n\tErreur lors de l'ecriture du resultat\n";
constexpr const char* message_inattendu = "\n\tErreur (inattendue)\n";
constexpr const char* message_impair = "Le fichier semble corrompu (les donnes sont en nombre impair)\n";

void usage(const char* programme, std::ostream& sortie)
{
    sortie << "Usage: " << programme << " [fichier.rle]\n" << std::flush;
}

int signaler(const char* message, std::ostream& erreurs) noexcept
{
    try {
        erreurs << message << std::flush;
    } catch (...) {
        // Standard error refuses the message too: only the status is left.
    }
    return statut_echec;
}

// The message for a standard exception that left the reading or the report.
const char* message_pour(const std::exception& exception)
{
    if (dynamic_cast<const std::bad_alloc*>(&exception) != nullptr ||
        dynamic_cast<const std::length_error*>(&exception) != nullptr) {
        return message_memoire;  // the pairs outgrew the memory or the container
    }
    if (dynamic_cast<const std::ios_base::failure*>(&exception) != nullptr) {
        return message_ecriture;  // only the output streams throw it, when their mask asks
    }
    return message_inattendu;
}

}  // namespace

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

int executer(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs)
{
    try {
        int statut = statut_succes;
        if (argc < 1 || argv == nullptr || argv[0] == nullptr) {
            usage(nom_par_defaut, sortie);
        } else if (argc < 2 || argv[1] == nullptr) {
            usage(argv[0], sortie);
        } else {
            // The progress line goes out before anything is allocated.
            sortie << "Tentative de lire le fichier " << argv[1] << "..." << std::flush;
            statut = rapporter(rle::lire_rle(argv[1]), sortie, erreurs);
        }
        return sortie ? statut : signaler(message_ecriture, erreurs);
    } catch (const rle::erreur_ouverture&) {
        return signaler(message_ouverture, erreurs);
    } catch (const rle::format_incorrect&) {
        return signaler(message_format, erreurs);
    } catch (const rle::erreur_lecture&) {
        return signaler(message_lecture, erreurs);
    } catch (const std::exception& exception) {
        return signaler(message_pour(exception), erreurs);
    } catch (...) {
        return signaler(message_inattendu, erreurs);
    }
}

}  // namespace info_rle
