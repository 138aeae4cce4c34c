#ifndef INFO_RLE_INFO_RLE_HPP
#define INFO_RLE_INFO_RLE_HPP

#include <rle_file/lire_rle.hpp>

#include <iosfwd>

namespace info_rle {

// Runs the tool on a command line: prints the usage line, or reads the file
// named by the first argument and reports its size and number of pairs on
// `sortie`, or an error message on `erreurs`. Returns the exit status: 0 for
// a report or the usage line, 1 for any failure.
int executer(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs);

// Completes the progress line with the report on an image that was read:
// its size on `sortie`, then its number of pairs, or a warning on `erreurs`
// when its values do not make whole pairs. Returns the exit status.
int rapporter(const rle::image_rle& image, std::ostream& sortie, std::ostream& erreurs);

}  // namespace info_rle

#endif
