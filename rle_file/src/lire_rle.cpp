#include "rle_file/lire_rle.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <ios>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

namespace rle {
namespace {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big,
              "mixed-endian hosts are not supported");

constexpr std::size_t octets_par_mot = sizeof(std::uint32_t);
constexpr std::size_t mots_par_paire = 2;
constexpr std::size_t octets_par_paire = octets_par_mot * mots_par_paire;
constexpr std::size_t octets_entete = 2 * octets_par_mot;

// Bytes asked of the stream per read call. Each block is zeroed by the vector
// just before the stream fills it; at this size it is still in cache then.
constexpr std::size_t octets_par_bloc = std::size_t{1} << 18;

// The file stream's own buffer: one block, plus the byte a file stream keeps
// back, so that each system read fills it with exactly one block from an
// offset that is a multiple of the block size. With the buffer's start on a
// cache line, the system copies from its cache at full speed (a copy between
// addresses that are not equally aligned, as the 8-byte header would make
// it, runs markedly slower); the copy out of the buffer then stays in cache.
struct alignas(64) tampon_fichier {
    std::array<char, octets_par_bloc + 1> octets;
};

using traits = std::istream::traits_type;

// Suspends the stream's exception mask while the file is read, so that end of
// file and read errors show up as stream states (eof/fail versus bad) however
// the caller configured the stream, and puts the caller's mask back after.
class exceptions_suspendues {
public:
    explicit exceptions_suspendues(std::istream& flux) : flux_(flux), masque_(flux.exceptions())
    {
        flux_.exceptions(std::ios_base::goodbit);
    }
    exceptions_suspendues(const exceptions_suspendues&) = delete;
    exceptions_suspendues& operator=(const exceptions_suspendues&) = delete;
    ~exceptions_suspendues()
    {
        try {
            flux_.exceptions(masque_);
        } catch (const std::ios_base::failure&) {
            // The mask is restored before the stream throws for its current
            // state; the outcome has already been reported by then.
        }
    }

private:
    std::istream& flux_;
    std::ios_base::iostate masque_;
};

// The words were copied as the file stores them, least significant byte
// first: a big-endian host turns each one around.
void vers_ordre_natif(std::vector<std::uint32_t>& mots)
{
    if constexpr (std::endian::native == std::endian::big) {
        for (std::uint32_t& mot : mots) {
            mot = (mot >> 24U) | ((mot >> 8U) & 0x0000FF00U) | ((mot << 8U) & 0x00FF0000U) | (mot << 24U);
        }
    }
}

constexpr std::size_t mots_pour(std::size_t octets)
{
    return octets / octets_par_mot + (octets % octets_par_mot != 0 ? 1 : 0);
}

// How many bytes the stream says it still holds, asked before anything is
// read: the remaining size for a regular file, what is already waiting for a
// pipe, nothing for a directory or a device. A hint only: the file may grow
// or shrink while it is read.
std::size_t octets_annonces(std::istream& flux)
{
    const std::streamsize annonces = flux.rdbuf()->in_avail();
    return annonces > 0 ? static_cast<std::size_t>(annonces) : 0;
}

std::uint32_t lire_mot_entete(std::istream& flux)
{
    std::uint32_t valeur = 0;
    if (!lire_binaire(flux, valeur)) {
        if (flux.bad()) {
            throw erreur_lecture{};
        }
        throw format_incorrect{};
    }
    return valeur;
}

// Reads whole blocks of bytes straight into the storage of `donnees` until
// the end of the stream, then keeps the whole pairs. The same outcome as
// reading word after word with lire_binaire, without a call per byte and
// with the storage sized once when the stream announces its size.
void lire_donnees(std::istream& flux, std::vector<std::uint32_t>& donnees, std::size_t octets_prevus)
{
    try {
        donnees.reserve(mots_pour(octets_prevus));
    } catch (const std::bad_alloc&) {
        // The announcement is only a hint: grow as the data comes instead.
    } catch (const std::length_error&) {
        // Same: no stream holds more than the storage can address.
    }
    std::size_t octets = 0;
    for (;;) {
        if (octets == donnees.capacity() * octets_par_mot) {
            // Storage full: grow only if the stream has more to give, so that
            // an exact announcement costs exactly the file's size.
            const traits::int_type suivant = flux.peek();
            if (flux.bad()) {
                throw erreur_lecture{};
            }
            if (traits::eq_int_type(suivant, traits::eof())) {
                break;
            }
            donnees.reserve(std::max(donnees.capacity() * 2, octets_par_bloc / octets_par_mot));
        }
        const std::size_t demande = std::min(donnees.capacity() * octets_par_mot - octets, octets_par_bloc);
        donnees.resize(mots_pour(octets + demande));
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): bytes into 32-bit storage
        flux.read(reinterpret_cast<char*>(donnees.data()) + octets, static_cast<std::streamsize>(demande));
        octets += static_cast<std::size_t>(flux.gcount());
        if (flux.bad()) {
            throw erreur_lecture{};
        }
        if (flux.fail()) {
            break;  // end of the data
        }
    }
    donnees.resize(octets / octets_par_paire * mots_par_paire);
    vers_ordre_natif(donnees);
}

}  // namespace

std::istream& lire_binaire(std::istream& flux, std::uint32_t& valeur)
{
    std::array<char, octets_par_mot> octets{};
    if (flux.read(octets.data(), static_cast<std::streamsize>(octets.size()))) {
        std::uint32_t lu = 0;
        for (std::size_t rang = 0; rang < octets.size(); ++rang) {
            lu |= static_cast<std::uint32_t>(static_cast<unsigned char>(octets[rang])) << (8U * rang);
        }
        valeur = lu;
    }
    return flux;
}

image_rle lire_rle(std::istream& flux)
{
    const exceptions_suspendues garde(flux);
    const std::size_t annonces = octets_annonces(flux);
    image_rle image;
    image.largeur = lire_mot_entete(flux);
    image.hauteur = lire_mot_entete(flux);
    lire_donnees(flux, image.donnees, annonces > octets_entete ? annonces - octets_entete : 0);
    return image;
}

image_rle lire_rle(const std::string& nom)
{
    const auto tampon = std::make_unique<tampon_fichier>();
    std::ifstream flux;
    flux.rdbuf()->pubsetbuf(tampon->octets.data(), static_cast<std::streamsize>(tampon->octets.size()));
    flux.open(nom, std::ios_base::in | std::ios_base::binary);
    if (!flux.is_open()) {
        throw erreur_ouverture{};
    }
    // Some systems open a directory for reading, but it holds no bytes.
    std::error_code ignoree;
    if (std::filesystem::is_directory(nom, ignoree)) {
        throw erreur_ouverture{};
    }
    return lire_rle(flux);
}

}  // namespace rle
