// The console on Windows. The command line comes to wmain() in UTF-16 and
// goes to the tool as UTF-8. Text for a console goes to it in UTF-16
// (WriteConsoleW), so that it shows as typed whatever the console's code
// page, which the tool never changes: a tool that is killed leaves the
// console as it found it. Text for a file or a pipe stays the tool's UTF-8.
#include "../console.hpp"

#include <array>
#include <cstddef>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include <windows.h>

namespace info_rle {
namespace {

std::string utf8(std::wstring_view texte)
{
    const auto longueur = static_cast<int>(texte.size());
    std::string resultat(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, texte.data(), longueur, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, texte.data(), longueur, resultat.data(), static_cast<int>(resultat.size()), nullptr,
                        nullptr);
    return resultat;
}

// Each byte that is not part of well-formed UTF-8 becomes U+FFFD.
std::wstring utf16(std::string_view texte)
{
    const auto longueur = static_cast<int>(texte.size());
    std::wstring resultat(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, texte.data(), longueur, nullptr, 0)),
                          L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texte.data(), longueur, resultat.data(), static_cast<int>(resultat.size()));
    return resultat;
}

bool est_une_console(HANDLE poignee) noexcept
{
    DWORD mode = 0;
    return GetConsoleMode(poignee, &mode) != 0;
}

// How many bytes at the end of `texte` begin a UTF-8 sequence that has not
// ended yet: 0 to 3.
std::size_t sequence_commencee(std::string_view texte) noexcept
{
    for (std::size_t recul = 1; recul <= 3 && recul <= texte.size(); ++recul) {
        const auto octet = static_cast<unsigned char>(texte[texte.size() - recul]);
        if ((octet & 0xC0U) == 0x80U) {
            continue;  // a continuation byte: its lead is further back
        }
        const std::size_t longueur = octet >= 0xF0U ? 4 : octet >= 0xE0U ? 3 : octet >= 0xC0U ? 2 : 1;
        return longueur > recul ? recul : 0;
    }
    return 0;
}

// Hands a console the tool's UTF-8 as UTF-16. A sequence cut by a flush
// stays in the buffer until its end comes, so that it shows whole. A write
// the console refuses fails the stream, as any failed write does.
class tampon_console final : public std::streambuf {
public:
    explicit tampon_console(HANDLE console) : console_(console)
    {
        setp(octets_.data(), octets_.data() + octets_.size());
    }

private:
    int_type overflow(int_type caractere) override
    {
        if (!vider()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(caractere, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(caractere);
            pbump(1);
        }
        return traits_type::not_eof(caractere);
    }

    int sync() override { return vider() ? 0 : -1; }

    bool vider()
    {
        const std::string_view tampon(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t entiers = tampon.size() - sequence_commencee(tampon);
        const std::wstring texte = utf16(tampon.substr(0, entiers));
        bool ecrit = true;
        for (std::wstring_view reste = texte; ecrit && !reste.empty();) {
            DWORD caracteres = 0;
            ecrit =
                WriteConsoleW(console_, reste.data(), static_cast<DWORD>(reste.size()), &caracteres, nullptr) != 0 &&
                caracteres > 0;
            reste.remove_prefix(ecrit ? caracteres : reste.size());
        }
        traits_type::move(octets_.data(), tampon.data() + entiers, tampon.size() - entiers);
        setp(octets_.data(), octets_.data() + octets_.size());
        pbump(static_cast<int>(tampon.size() - entiers));
        return ecrit;
    }

    HANDLE console_;
    std::array<char, 4096> octets_{};
};

struct flux_console {
    explicit flux_console(DWORD quel) : tampon(GetStdHandle(quel)), flux(&tampon) {}
    tampon_console tampon;
    std::ostream flux;
};

}  // namespace

// The text of an argument that UTF-8 cannot hold (a lone surrogate) shows
// as U+FFFD; the file keeps its exact name.
arguments::arguments(int argc, const wchar_t* const* argv)
{
    for (int rang = 0; rang < argc; ++rang) {
        textes_.push_back(utf8(argv[rang]));
    }
    indexer();
    if (argc >= 2) {
        fichier_ = argv[1];
    }
}

std::filesystem::path chemin_systeme(const char* argument)
{
    return utf16(argument);
}

std::ostream& sortie_standard()
{
    if (!sortie_est_un_terminal()) {
        return std::cout;
    }
    static flux_console sortie(STD_OUTPUT_HANDLE);
    return sortie.flux;
}

std::ostream& erreur_standard()
{
    if (!est_une_console(GetStdHandle(STD_ERROR_HANDLE))) {
        return std::cerr;
    }
    static flux_console erreurs(STD_ERROR_HANDLE);
    erreurs.flux.setf(std::ios_base::unitbuf);  // unbuffered, as std::cerr
    return erreurs.flux;
}

bool sortie_est_un_terminal() noexcept
{
    return est_une_console(GetStdHandle(STD_OUTPUT_HANDLE));
}

namespace {

// Whether the tool's console is a window made for it alone, which a person
// sees and which closes as the tool ends. How the tool is started decides:
//  - Explorer (a double-click, a file dropped on it): a console of its own,
//    whose window is visible: it waits;
//  - Explorer, with Windows Terminal as the default terminal (Windows 11):
//    a tab of its own, whose pseudo console's window Windows Terminal 1.14
//    and later shows and hides with the tab: it waits;
//  - cmd, PowerShell, a script, Windows Terminal's shells, a Scoop shim: they
//    share their console with the tool, which is not alone in it;
//  - WSL, node-pty's hosts (VS Code's tasks), a pseudo console of a
//    program's own: a console of its own, whose window is never shown;
//  - a hidden start (CREATE_NO_WINDOW, as .NET's CreateNoWindow, or SW_HIDE,
//    as Start-Process -WindowStyle Hidden): no window, or a hidden one;
//  - a scheduled task: shown only when it runs as the user who is logged
//    on, in their session, where it waits as from Explorer; otherwise no
//    window, or one in a window station that nobody sees;
//  - a program that reads the tool's output, or feeds its input: standard
//    output or input is not the console.
// Windows' own functions (user32) are loaded only when the rest holds: the
// tool spends no time on them when a shell starts it.
bool fenetre_a_soi() noexcept
{
    std::array<DWORD, 2> processus{};
    if (GetConsoleProcessList(processus.data(), static_cast<DWORD>(processus.size())) != 1 ||
        !sortie_est_un_terminal() || !est_une_console(GetStdHandle(STD_INPUT_HANDLE))) {
        return false;
    }
    const HWND fenetre = GetConsoleWindow();
    const HMODULE user32 =
        fenetre != nullptr ? LoadLibraryExW(L"user32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) : nullptr;
    if (user32 == nullptr) {
        return false;
    }
    using fonction_visible = BOOL(WINAPI*)(HWND);
    using fonction_station = HWINSTA(WINAPI*)();
    using fonction_drapeaux = BOOL(WINAPI*)(HANDLE, int, PVOID, DWORD, LPDWORD);
    const auto visible =
        reinterpret_cast<fonction_visible>(reinterpret_cast<void*>(GetProcAddress(user32, "IsWindowVisible")));
    const auto station =
        reinterpret_cast<fonction_station>(reinterpret_cast<void*>(GetProcAddress(user32, "GetProcessWindowStation")));
    const auto drapeaux = reinterpret_cast<fonction_drapeaux>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetUserObjectInformationW")));
    USEROBJECTFLAGS objet{};
    const bool vue = visible != nullptr && station != nullptr && drapeaux != nullptr && visible(fenetre) != 0 &&
                     drapeaux(station(), UOI_FLAGS, &objet, sizeof objet, nullptr) != 0 &&
                     (objet.dwFlags & WSF_VISIBLE) != 0;
    FreeLibrary(user32);
    return vue;
}

}  // namespace

void garder_la_fenetre(std::ostream& sortie, const char* invitation) noexcept
{
    if (!fenetre_a_soi()) {
        return;
    }
    // A key pressed while the tool ran must not close the window unread.
    const HANDLE clavier = GetStdHandle(STD_INPUT_HANDLE);
    FlushConsoleInputBuffer(clavier);
    try {
        sortie << invitation << std::flush;
    } catch (...) {
        // The console refused the line: wait all the same, or the window
        // closes on what it shows.
    }
    std::array<wchar_t, 256> touches{};
    DWORD lues = 0;
    while (ReadConsoleW(clavier, touches.data(), static_cast<DWORD>(touches.size()), &lues, nullptr) != 0 && lues > 0) {
        if (std::wstring_view(touches.data(), lues).find_first_of(L"\r\n") != std::wstring_view::npos) {
            return;
        }
    }
}

}  // namespace info_rle
