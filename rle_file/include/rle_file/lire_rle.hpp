#ifndef RLE_FILE_LIRE_RLE_HPP
#define RLE_FILE_LIRE_RLE_HPP

// Reader for binary run-length-encoded (RLE) image files.
//
// File layout, every word 4 bytes, little-endian:
//   offset 0       largeur  (unsigned 32-bit image width)
//   offset 4       hauteur  (unsigned 32-bit image height)
//   offset 8 + 8k  combien of pair k
//   offset 12 + 8k quand of pair k
// The pairs run to the end of the file. A tail of 1 to 7 bytes after the last
// whole pair is not part of the image and is ignored.

#include <cstdint>
#include <istream>
#include <string>
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
struct erreur_ouverture {};

// Raised when the 8-byte header is cut short.
struct format_incorrect {};

// Raised when the system fails a read (as opposed to reaching the end of the
// file), in the header or in the data.
struct erreur_lecture {};

// Reads one little-endian 32-bit word from `flux` into `valeur`, all or
// nothing: `valeur` is only written when 4 bytes were read. Returns `flux`;
// its failed state (fail or bad) means no value was read. Raises nothing of
// its own (a stream whose exception mask is set may throw as configured).
std::istream& lire_binaire(std::istream& flux, std::uint32_t& valeur);

// Reads the RLE file at path `nom` whole and returns its image; the caller
// owns the result. The file is opened for reading only, without locking
// other programs out, and closed before the call ends, whether it returns
// or raises. Pipes and devices read like files. Raises erreur_ouverture,
// format_incorrect or erreur_lecture as described above (a regular file cut
// short by another program while it is read counts as a failed read);
// std::bad_alloc or std::length_error when memory runs out, at once when a
// regular file's size is more than memory can hold.
image_rle lire_rle(const std::string& nom);

// Same as above, from a stream already open in binary mode, read from its
// current position to its end, never seeking. A read error is whatever the
// stream reports as bad(): erreur_lecture. Also raises format_incorrect,
// std::bad_alloc or std::length_error. The stream's exception mask is left
// as the caller set it; its state afterwards is unspecified.
image_rle lire_rle(std::istream& flux);

}  // namespace rle

#endif
