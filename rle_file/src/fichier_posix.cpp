// The file layer on POSIX systems: open(), fstat() and read() on a
// descriptor, and madvise() where it knows huge pages (Linux).

#include "fichier.hpp"

#include <rle_file/lire_rle.hpp>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace rle::systeme {
namespace {

int descripteur(std::int64_t poignee)
{
    return static_cast<int>(poignee);
}

#ifdef F_SETPIPE_SZ
// The most an unprivileged process may ask for a pipe's buffer (Linux); 0
// when the system does not say.
int tube_maximal() noexcept
{
    std::array<char, 24> texte{};
    const int limite = ::open("/proc/sys/fs/pipe-max-size", O_RDONLY | O_CLOEXEC);
    const ssize_t lus = limite >= 0 ? ::read(limite, texte.data(), texte.size() - 1) : 0;
    if (limite >= 0) {
        ::close(limite);
    }
    return lus > 0 ? static_cast<int>(std::strtol(texte.data(), nullptr, 10)) : 0;
}
#endif

// A pipe hands its reader at most its buffer's worth per wake-up, 64 KiB by
// default: at 1 MiB, sixteen times fewer wake-ups, and a faster read
// (bench/README.md has the figures). An unprivileged process may ask for no
// more than /proc/sys/fs/pipe-max-size. Refused even that (the user's pipes
// already hold all the memory allowed them), the buffer stays as it was.
void elargir_tube([[maybe_unused]] int tube) noexcept
{
#ifdef F_SETPIPE_SZ
    constexpr int voulu = 1 << 20;
    if (::fcntl(tube, F_SETPIPE_SZ, voulu) < 0 && errno == EPERM) {
        const int permis = tube_maximal();
        if (permis > ::fcntl(tube, F_GETPIPE_SZ)) {  // never smaller than it is
            static_cast<void>(::fcntl(tube, F_SETPIPE_SZ, std::min(permis, voulu)));
        }
    }
#endif
}

}  // namespace

fichier::fichier(const std::string& nom)
{
    int ouvert = -1;
    do {
        // A FIFO blocks here until a writer comes: a signal may cut the wait.
        ouvert = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC);
    } while (ouvert < 0 && errno == EINTR);
    if (ouvert < 0) {
        throw erreur_ouverture{};
    }
    // What was opened, not what the path names now: it may have changed since.
    struct stat etat {};
    if (::fstat(ouvert, &etat) != 0 || S_ISDIR(etat.st_mode)) {
        ::close(ouvert);
        throw erreur_ouverture{};
    }
    nature_ = S_ISREG(etat.st_mode) ? nature::reguliere : S_ISFIFO(etat.st_mode) ? nature::tube : nature::autre;
    if (nature_ == nature::tube) {
        elargir_tube(ouvert);
    }
    poignee_ = ouvert;
}

// A path's native name is its bytes: the narrow name.
fichier::fichier(const std::filesystem::path& chemin) : fichier(chemin.native()) {}

fichier::~fichier()
{
    ::close(descripteur(poignee_));
}

std::optional<std::uint64_t> fichier::taille() const
{
    struct stat etat {};
    if (nature_ == nature::reguliere && ::fstat(descripteur(poignee_), &etat) == 0) {
        return static_cast<std::uint64_t>(etat.st_size);
    }
    return std::nullopt;
}

// Not const: each read moves the file's position on.
std::size_t fichier::lire(char* octets, std::size_t taille)  // NOLINT(readability-make-member-function-const)
{
    taille = std::min<std::size_t>(taille, SSIZE_MAX);
    for (;;) {
        const ssize_t lus = ::read(descripteur(poignee_), octets, taille);
        if (lus >= 0) {
            return static_cast<std::size_t>(lus);
        }
        if (errno != EINTR) {
            throw erreur_lecture{std::error_code(errno, std::system_category())};
        }
    }
}

void conseiller_grandes_pages([[maybe_unused]] void* debut, [[maybe_unused]] std::size_t taille) noexcept
{
#ifdef MADV_HUGEPAGE
    constexpr std::size_t grande_page = std::size_t{1} << 21;
    const std::size_t avant = (grande_page - reinterpret_cast<std::uintptr_t>(debut) % grande_page) % grande_page;
    if (taille >= avant + grande_page) {
        // Refused (no huge pages in this kernel) or ignored (turned off):
        // the memory is used as it is.
        static_cast<void>(
            ::madvise(static_cast<char*>(debut) + avant, (taille - avant) / grande_page * grande_page, MADV_HUGEPAGE));
    }
#endif
}

}  // namespace rle::systeme
