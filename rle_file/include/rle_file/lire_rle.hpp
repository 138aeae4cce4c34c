#ifndef RLE_FILE_LIRE_RLE_HPP
#define RLE_FILE_LIRE_RLE_HPP

// Reader for binary run-length-encoded (RLE) image files. C++17 or later.
//
// File layout, every word 4 bytes, little-endian:
//   offset 0       largeur  (unsigned 32-bit image width)
//   offset 4       hauteur  (unsigned 32-bit image height)
//   offset 8 + 8k  combien of pair k
//   offset 12 + 8k quand of pair k
// The pairs run to the end of the file. A tail of 1 to 7 bytes after the last
// whole pair is not part of the image and is ignored.
//
// Each call stands alone and keeps no state: any number of threads may read
// at once, each its own file or stream. <rle_file/version.hpp> gives the
// version as RLE_FILE_VERSION_MAJOR, _MINOR and _PATCH.

#include <rle_file/export.hpp>

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <system_error>
#include <vector>

namespace rle {

// One image as read from a file. The record owns `donnees`.
struct image_rle {
    std::uint32_t largeur = 0;
    std::uint32_t hauteur = 0;
    // Members of every whole pair in file order, flattened:
    // combien 0, quand 0, combien 1, quand 1, ... Always of even length.
    std::vector<std::uint32_t> donnees;
};

// Raised when the file cannot be opened (missing, access refused, or a
// directory). Nothing has been read.
struct RLE_FILE_TYPE_VISIBLE erreur_ouverture {};

// Raised when the 8-byte header is cut short.
struct RLE_FILE_TYPE_VISIBLE format_incorrect {};

// Raised when a read fails (as opposed to reaching the end of the file), in
// the header or in the data.
class RLE_FILE_TYPE_VISIBLE erreur_lecture {
public:
    erreur_lecture() = default;
    explicit erreur_lecture(std::error_code code) noexcept : code_(code) {}

    // What failed: the system's error (errno, or GetLastError() on Windows,
    // in std::system_category()); std::io_errc::stream when a caller's stream
    // went bad; empty (0) when the system reported nothing wrong but the file
    // came out shorter than what was already read from it, cut by another
    // program meanwhile. A reader in a DLL built with MinGW carries its own
    // C++ runtime, whose category objects are not the program's: compare a
    // code's value and category name there, not its category.
    [[nodiscard]] std::error_code code() const noexcept { return code_; }

private:
    std::error_code code_;
};

// Reads one little-endian 32-bit word from `flux` into `valeur`, all or
// nothing: `valeur` is only written when 4 bytes were read. Returns `flux`;
// its failed state (fail or bad) means no value was read. Raises nothing of
// its own (a stream whose exception mask is set may throw as configured).
RLE_FILE_EXPORT std::istream& lire_binaire(std::istream& flux, std::uint32_t& valeur);

// Reads the RLE file at path `nom` whole and returns its image; the caller
// owns the result. The file is opened for reading only, without locking
// other programs out, and closed before the call ends, whether it returns
// or raises. Pipes and devices read like files. Raises erreur_ouverture,
// format_incorrect or erreur_lecture as described above (a regular file cut
// short by another program while it is read counts as a failed read);
// std::bad_alloc or std::length_error when memory runs out, at once when a
// regular file's size is more than memory can hold.
//
// `nom` is a narrow string as the system's narrow calls take it: on Windows,
// in the process's code page (UTF-8 only where the program's manifest says
// so).
[[nodiscard]] RLE_FILE_EXPORT image_rle lire_rle(const std::string& nom);

// Same as above, for a string literal or any other C string.
[[nodiscard]] inline image_rle lire_rle(const char* nom)
{
    return lire_rle(std::string(nom));
}

// Same as above, for any path the system can name: on Windows it is opened
// by its wide name, whatever the code page; elsewhere by its native bytes.
// A std::wstring or a wide literal comes here.
[[nodiscard]] RLE_FILE_EXPORT image_rle lire_rle(const std::filesystem::path& chemin);

// Same as above, from a stream already open in binary mode, read from its
// current position to its end, never seeking. A read error is whatever the
// stream reports as bad(), and a stream without a buffer is one:
// erreur_lecture with std::io_errc::stream. Also raises format_incorrect,
// std::bad_alloc or std::length_error. The stream's exception mask is left
// as the caller set it; its state afterwards is unspecified.
[[nodiscard]] RLE_FILE_EXPORT image_rle lire_rle(std::istream& flux);

}  // namespace rle

#endif
