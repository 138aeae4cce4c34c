// The file layer on Windows: CreateFileA() or CreateFileW(),
// GetFileSizeEx() and ReadFile() on a handle. A narrow name is in the
// process code page, which the tool's manifest makes UTF-8; a path goes by
// its wide name, whatever the code page, and whatever its length.
#include "fichier.hpp"

#include "chemin_windows.hpp"

#include <rle_file/lire_rle.hpp>

#include <algorithm>
#include <system_error>

#include <windows.h>

namespace rle::systeme {
namespace {

HANDLE poignee(std::int64_t valeur)
{
    return reinterpret_cast<HANDLE>(valeur);  // NOLINT(performance-no-int-to-ptr)
}

// Largest read asked of the system at once: ReadFile counts in 32 bits.
constexpr std::size_t lecture_maximale = std::size_t{1} << 30;

// Reading only, shared every way, and no FILE_FLAG_BACKUP_SEMANTICS: a
// directory does not open as a file.
constexpr DWORD partage = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD drapeaux = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;

// What an opened handle is, as the file layer keeps it.
struct ouverture {
    std::int64_t poignee;
    nature genre;
};

// Refuses a handle that could not be opened or names a directory, and tells
// what the system says the rest is: a volume or a device reads as a disk
// file, but has no size to go by.
ouverture examiner(HANDLE ouvert)
{
    if (ouvert == INVALID_HANDLE_VALUE) {
        throw erreur_ouverture{};
    }
    BY_HANDLE_FILE_INFORMATION informations{};
    if (GetFileInformationByHandle(ouvert, &informations) != 0 &&
        (informations.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(ouvert);
        throw erreur_ouverture{};
    }
    const DWORD type = GetFileType(ouvert);
    LARGE_INTEGER taille{};
    const nature genre = type == FILE_TYPE_PIPE                                          ? nature::tube
                         : type == FILE_TYPE_DISK && GetFileSizeEx(ouvert, &taille) != 0 ? nature::reguliere
                                                                                         : nature::autre;
    return {reinterpret_cast<std::int64_t>(ouvert), genre};
}

}  // namespace

fichier::fichier(const std::string& nom)
{
    const ouverture ouvert =
        examiner(CreateFileA(nom.c_str(), GENERIC_READ, partage, nullptr, OPEN_EXISTING, drapeaux, nullptr));
    poignee_ = ouvert.poignee;
    nature_ = ouvert.genre;
}

fichier::fichier(const std::filesystem::path& chemin)
{
    const ouverture ouvert = examiner(CreateFileW(chemin_sans_limite(chemin.native()).c_str(), GENERIC_READ, partage,
                                                  nullptr, OPEN_EXISTING, drapeaux, nullptr));
    poignee_ = ouvert.poignee;
    nature_ = ouvert.genre;
}

fichier::~fichier()
{
    CloseHandle(poignee(poignee_));
}

std::optional<std::uint64_t> fichier::taille() const
{
    if (nature_ != nature::reguliere) {
        return std::nullopt;
    }
    LARGE_INTEGER taille{};
    if (GetFileSizeEx(poignee(poignee_), &taille) == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(taille.QuadPart);
}

std::size_t fichier::lire(char* octets, std::size_t taille)
{
    const auto demande = static_cast<DWORD>(std::min(taille, lecture_maximale));
    for (;;) {
        DWORD lus = 0;
        if (ReadFile(poignee(poignee_), octets, demande, &lus, nullptr) != 0) {
            // A pipe hands out a writer's empty write as 0 bytes: its end is
            // the broken pipe below, not an empty read.
            if (lus == 0 && nature_ == nature::tube) {
                continue;
            }
            return lus;
        }
        const DWORD erreur = GetLastError();
        if (erreur == ERROR_BROKEN_PIPE || erreur == ERROR_HANDLE_EOF) {
            return 0;  // the writer closed its end, or the file ended
        }
        throw erreur_lecture{std::error_code(static_cast<int>(erreur), std::system_category())};
    }
}

// Large pages on Windows need a privilege (SeLockMemoryPrivilege) that
// ordinary users do not hold: the memory is used as it is.
void conseiller_grandes_pages(void* /*debut*/, std::size_t /*taille*/) noexcept {}

}  // namespace rle::systeme
