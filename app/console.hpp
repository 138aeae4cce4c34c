#ifndef INFO_RLE_CONSOLE_HPP
#define INFO_RLE_CONSOLE_HPP

// What the tool asks of the system it runs on: its command line, the name
// the system gives a file named there, its standard output and error, and
// whether a person reads them in a window of the tool's own.
// console_posix.cpp and windows/console.cpp implement it.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace info_rle {

// A character of the command line as the system hands it to the process:
// UTF-16 on Windows (wmain), bytes elsewhere (main).
#ifdef _WIN32
using caractere_systeme = wchar_t;
#else
using caractere_systeme = char;
#endif

// The command line as the tool reads it: each argument as text, UTF-8 on
// Windows, converted from the UTF-16 that holds any name a user can type
// whatever the code page; the system's own bytes elsewhere. The file that
// the first argument names keeps the system's own name: on Windows the
// UTF-16 exactly, which UTF-8 may not hold (a lone surrogate, which NTFS
// allows in a name).
class arguments {
public:
    arguments(int argc, const caractere_systeme* const* argv);
    arguments(const arguments&) = delete;  // valeurs() points into textes_
    arguments& operator=(const arguments&) = delete;
    arguments(arguments&&) = delete;
    arguments& operator=(arguments&&) = delete;
    ~arguments() = default;

    [[nodiscard]] int nombre() const noexcept { return static_cast<int>(textes_.size()); }
    // The strings, followed by a null pointer, as argv.
    [[nodiscard]] const char* const* valeurs() const noexcept { return valeurs_.data(); }
    // The file the first argument names (empty without one).
    [[nodiscard]] const std::filesystem::path& fichier() const noexcept { return fichier_; }

private:
    // valeurs_ from textes_, once they are all there.
    void indexer()
    {
        for (const std::string& texte : textes_) {
            valeurs_.push_back(texte.c_str());
        }
        valeurs_.push_back(nullptr);
    }

    std::vector<std::string> textes_;
    std::vector<const char*> valeurs_;
    std::filesystem::path fichier_;
};

// The file a UTF-8 argument names, as the system opens it: on Windows by its
// UTF-16 name; elsewhere by its bytes.
std::filesystem::path chemin_systeme(const char* argument);

// Standard output and error. On a Windows console they hand it UTF-16, so
// that every character shows as typed and the console's code page stays as
// the user set it; to a file or a pipe, and on other systems, the tool's
// bytes go out as they are.
std::ostream& sortie_standard();
std::ostream& erreur_standard();

// Whether standard output is shown on a terminal (on Windows, a console),
// where a control character written to it acts instead of showing.
bool sortie_est_un_terminal() noexcept;

// Where the tool shows its text in a console window made for it alone,
// which closes as it ends (Windows, started from Explorer: a double-click, a
// file dropped on it), writes `invitation` and waits until the user presses
// Enter. Never when a command interpreter or a program shares the console,
// nor when standard input or output goes elsewhere, nor on other systems,
// where a terminal's window belongs to its shell: a script or a program that
// reads the tool's output is never kept waiting.
void garder_la_fenetre(std::ostream& sortie, const char* invitation) noexcept;

}  // namespace info_rle

#endif
