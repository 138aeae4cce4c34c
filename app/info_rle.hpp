#ifndef INFO_RLE_INFO_RLE_HPP
#define INFO_RLE_INFO_RLE_HPP

#include <rle_file/lire_rle.hpp>

#include <iosfwd>
#include <string>
#include <string_view>

namespace info_rle {

class arguments;

// Runs the tool on a command line: prints the usage line, or reads the file
// named by the first argument and reports its size and number of pairs on
// `sortie`, or an error message on `erreurs`. When `sortie_terminal` says
// that `sortie` is shown on a terminal, the path is echoed as
// lisible_sur_terminal() shows it. Returns the exit status: 0 for a report or
// the usage line, 1 for any failure. The file is opened by the name
// chemin_systeme() gives the argument.
int executer(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs,
             bool sortie_terminal = false);

// The same on the command line the system gave the process: the file is
// opened by the name the system gave it, exactly.
int executer(const arguments& ligne, std::ostream& sortie, std::ostream& erreurs, bool sortie_terminal);

// `texte` with each control character as '?', so that it cannot drive a
// terminal: C0 controls and DEL, the C1 controls U+0080 to U+009F written in
// UTF-8, and bytes 0x80 to 0x9F outside any well-formed UTF-8 sequence. Every
// other byte, valid UTF-8 or not, stays as it is.
std::string lisible_sur_terminal(std::string_view texte);

// Completes the progress line with the report on an image that was read:
// its size on `sortie`, then its number of pairs, or a warning on `erreurs`
// when its values do not make whole pairs. Returns the exit status.
int rapporter(const rle::image_rle& image, std::ostream& sortie, std::ostream& erreurs);

// The line that asks the user to press Enter to close the tool's own window,
// which would otherwise close as the tool ends, before anyone read it.
extern const char* const invitation_a_fermer;

}  // namespace info_rle

#endif
