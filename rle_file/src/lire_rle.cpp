#include "rle_file/lire_rle.hpp"

#include "fichier.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <ios>
#include <istream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace rle {
namespace {

constexpr std::size_t octets_par_mot = sizeof(std::uint32_t);
constexpr std::size_t mots_par_paire = 2;
constexpr std::size_t octets_par_paire = octets_par_mot * mots_par_paire;
constexpr std::size_t octets_entete = 2 * octets_par_mot;
constexpr std::size_t mots_entete = octets_entete / octets_par_mot;

// Bytes asked of the system per read when the size is known: few calls, and
// each block still in cache when it is copied into the image's storage.
constexpr std::size_t octets_par_bloc = std::size_t{1} << 18;

// Data of unknown size (a pipe) is gathered in pieces this large, each
// copied once into storage of the exact size at the end and released: at
// most one piece more than the data is ever held.
constexpr std::size_t octets_par_morceau = std::size_t{1} << 22;

static_assert(octets_par_bloc % octets_par_paire == 0 && octets_par_morceau % octets_par_paire == 0,
              "blocks hold whole pairs, so that only the last one can end inside a pair");

// The read block. On a cache line, and filled from file offsets that are
// multiples of its size, so that the system copies from its cache between
// equally aligned addresses, its fastest case.
struct alignas(64) bloc {
    std::array<std::uint32_t, octets_par_bloc / octets_par_mot> mots;
};

// Where the bytes come from: a file the reader opened, or a caller's stream.
class source {
public:
    source() = default;
    source(const source&) = delete;
    source& operator=(const source&) = delete;
    source(source&&) = delete;
    source& operator=(source&&) = delete;
    virtual ~source() = default;

    // Fills `taille` bytes unless the data end first; returns how many came.
    // Once the end is seen, asks nothing more of the source (a terminal
    // would wait for another end).
    std::size_t remplir(std::uint32_t* mots, std::size_t taille)
    {
        char* octets = reinterpret_cast<char*>(mots);
        std::size_t remplis = 0;
        while (remplis < taille && !finie_) {
            const std::size_t lus = lire(octets + remplis, taille - remplis);
            finie_ = lus == 0;
            remplis += lus;
        }
        return remplis;
    }

protected:
    // Up to `taille` bytes, 0 only at the end; raises erreur_lecture.
    virtual std::size_t lire(char* octets, std::size_t taille) = 0;

private:
    bool finie_ = false;
};

// A caller's stream: its read errors are what it reports as bad().
class source_flux final : public source {
public:
    explicit source_flux(std::istream& flux) : flux_(flux) {}

private:
    std::size_t lire(char* octets, std::size_t taille) override
    {
        flux_.read(octets, static_cast<std::streamsize>(taille));
        if (flux_.bad()) {
            throw erreur_lecture{std::make_error_code(std::io_errc::stream)};
        }
        return static_cast<std::size_t>(flux_.gcount());
    }

    std::istream& flux_;
};

// A file opened by path. A regular file that comes out shorter than it was
// at open, and shorter than what was already read from it, was cut by
// another program while it was read: what was read is no image it ever held.
class source_fichier final : public source {
public:
    // `nom`: a narrow name or a path, as the file layer takes them.
    template <typename Nom>
    explicit source_fichier(const Nom& nom) : fichier_(nom), taille_ouverture_(fichier_.taille())
    {
    }

    [[nodiscard]] std::optional<std::uint64_t> taille_ouverture() const { return taille_ouverture_; }

private:
    std::size_t lire(char* octets, std::size_t taille) override
    {
        const std::size_t lus = fichier_.lire(octets, taille);
        lus_ += lus;
        if (lus == 0 && taille_ouverture_) {
            // A size the system no longer tells counts as none left.
            const std::uint64_t maintenant = fichier_.taille().value_or(0);
            if (maintenant < *taille_ouverture_ && maintenant < lus_) {
                throw erreur_lecture{};  // the system saw nothing wrong: no code
            }
        }
        return lus;
    }

    systeme::fichier fichier_;
    std::optional<std::uint64_t> taille_ouverture_;
    std::uint64_t lus_ = 0;
};

// What the source says it holds before anything is read. A file's size is
// its true size when it was opened: if it cannot be reserved, the image does
// not fit in memory. A stream's announcement is only a hint.
struct annonce {
    std::uint64_t octets = 0;
    bool sure = false;
};

// Reserves exactly `mots` values. When memory cannot hold them, raises
// std::bad_alloc or std::length_error if the reservation is `requise`, and
// returns false if it was only worth a try.
bool reserver(std::vector<std::uint32_t>& donnees, std::uint64_t mots, bool requise)
{
    try {
        // More than the storage can address is refused as too large, also
        // where a size_t cannot hold the count.
        donnees.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(mots, donnees.max_size() + std::uint64_t{1})));
        return true;
    } catch (const std::exception&) {  // bad_alloc or length_error: all that reserve raises
        if (requise) {
            throw;
        }
        return false;
    }
}

std::uint64_t mots_des_paires(std::uint64_t octets)
{
    return octets < octets_entete ? 0 : (octets - octets_entete) / octets_par_paire * mots_par_paire;
}

// The header from the first block, which holds `remplis` bytes.
void lire_entete(image_rle& image, const std::uint32_t* mots, std::size_t remplis)
{
    if (remplis < octets_entete) {
        throw format_incorrect{};
    }
    image.largeur = mots[0];
    image.hauteur = mots[1];
}

// Appends the whole pairs of a block of `remplis` bytes, the header left out
// of the first one.
void ajouter_paires(std::vector<std::uint32_t>& donnees, const std::uint32_t* mots, std::size_t remplis, bool premier)
{
    const std::size_t debut = premier ? mots_entete : 0;
    const std::size_t fin = remplis / octets_par_paire * mots_par_paire;
    if (fin > debut) {
        donnees.insert(donnees.end(), mots + debut, mots + fin);
    }
}

// Known size: the storage is reserved once, then each block goes straight
// into it as it comes. A file that grew meanwhile is read to its new end.
void lire_par_blocs(source& source, image_rle& image)
{
    // Left uninitialised: only what the reads fill of it is ever used.
    const std::unique_ptr<bloc> tampon(new bloc);
    for (bool premier = true;; premier = false) {
        const std::size_t remplis = source.remplir(tampon->mots.data(), octets_par_bloc);
        if (premier) {
            lire_entete(image, tampon->mots.data(), remplis);
        }
        ajouter_paires(image.donnees, tampon->mots.data(), remplis, premier);
        if (remplis < octets_par_bloc) {
            return;
        }
    }
}

// Unknown size: the data are gathered in pieces, then copied into storage
// of exactly their whole pairs, each piece released as soon as it is copied.
void lire_par_morceaux(source& source, image_rle& image)
{
    constexpr std::size_t mots_par_morceau = octets_par_morceau / octets_par_mot;
    // Left uninitialised: only the pages the data fill are ever touched.
    using morceau = std::unique_ptr<std::uint32_t[]>;  // NOLINT(modernize-avoid-c-arrays)
    std::vector<morceau> morceaux;
    std::size_t dernier = 0;  // bytes in the last piece
    do {
        morceau nouveau(new std::uint32_t[mots_par_morceau]);  // owned before the list may fail to grow
        morceaux.push_back(std::move(nouveau));
        dernier = source.remplir(morceaux.back().get(), octets_par_morceau);
    } while (dernier == octets_par_morceau);

    lire_entete(image, morceaux.front().get(), morceaux.size() == 1 ? dernier : octets_par_morceau);
    std::uint64_t octets = morceaux.size() - 1;  // in 64 bits: a 32-bit host's pipe may bring more than 4 GiB
    octets = octets * octets_par_morceau + dernier;
    reserver(image.donnees, mots_des_paires(octets), true);
    for (std::size_t rang = 0; rang < morceaux.size(); ++rang) {
        ajouter_paires(image.donnees, morceaux[rang].get(), rang + 1 < morceaux.size() ? octets_par_morceau : dernier,
                       rang == 0);
        morceaux[rang].reset();
    }
}

// Whether this host stores a word least significant byte first, as the
// file does: a constant to the compiler.
bool hote_petit_boutiste() noexcept
{
    const std::uint32_t un = 1;
    unsigned char premier = 0;
    std::memcpy(&premier, &un, 1);
    return premier == 1;
}

// The words were copied as the file stores them, least significant byte
// first: a big-endian host turns each one around. (Run on big-endian hosts
// only, which the bigendian workflow tests: left out of the coverage of the
// others.)
void vers_ordre_natif(image_rle& image)
{
    if (!hote_petit_boutiste()) {
        // GCOVR_EXCL_START
        const auto tourner = [](std::uint32_t mot) {
            return (mot >> 24U) | ((mot >> 8U) & 0x0000FF00U) | ((mot << 8U) & 0x00FF0000U) | (mot << 24U);
        };
        image.largeur = tourner(image.largeur);
        image.hauteur = tourner(image.hauteur);
        for (std::uint32_t& mot : image.donnees) {
            mot = tourner(mot);
        }
        // GCOVR_EXCL_STOP
    }
}

image_rle lire_source(source& source, annonce annonce)
{
    image_rle image;
    // A file larger than memory fails here, before anything is read.
    const bool reservee = annonce.octets > 0 && reserver(image.donnees, mots_des_paires(annonce.octets), annonce.sure);
    if (reservee) {
        // Untouched yet, and about to be filled in order: huge pages fault
        // it in 2 MiB at a time. (Data of unknown size are not advised: on
        // a virtual machine whose freed memory goes back to its host, that
        // made a pipe's data slower to read, the storage and the pieces
        // alike; bench/README.md has the figures.)
        systeme::conseiller_grandes_pages(image.donnees.data(), image.donnees.capacity() * octets_par_mot);
        lire_par_blocs(source, image);
    } else {
        lire_par_morceaux(source, image);
    }
    vers_ordre_natif(image);
    return image;
}

// Suspends the stream's exception mask while it is read, so that end of
// file and read errors show up as stream states (eof/fail versus bad)
// however the caller configured the stream, and puts the caller's mask back
// after.
class exceptions_suspendues {
public:
    explicit exceptions_suspendues(std::istream& flux) : flux_(flux), masque_(flux.exceptions())
    {
        flux_.exceptions(std::ios_base::goodbit);
    }
    exceptions_suspendues(const exceptions_suspendues&) = delete;
    exceptions_suspendues& operator=(const exceptions_suspendues&) = delete;
    exceptions_suspendues(exceptions_suspendues&&) = delete;
    exceptions_suspendues& operator=(exceptions_suspendues&&) = delete;
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

// A file's size is its true size when it was opened.
template <typename Nom>
image_rle lire_fichier(const Nom& nom)
{
    source_fichier source(nom);
    return lire_source(source, {source.taille_ouverture().value_or(0), true});
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
    if (flux.rdbuf() == nullptr) {  // nothing to read from: as bad as a buffer that fails
        throw erreur_lecture{std::make_error_code(std::io_errc::stream)};
    }
    const exceptions_suspendues garde(flux);
    const std::streamsize annonces = flux.rdbuf()->in_avail();
    source_flux source(flux);
    return lire_source(source, {annonces > 0 ? static_cast<std::uint64_t>(annonces) : 0, false});
}

image_rle lire_rle(const std::string& nom)
{
    return lire_fichier(nom);
}

image_rle lire_rle(const std::filesystem::path& chemin)
{
    return lire_fichier(chemin);
}

}  // namespace rle
