#ifndef RLE_FILE_CHEMIN_WINDOWS_HPP
#define RLE_FILE_CHEMIN_WINDOWS_HPP

// The name by which Windows opens a path of any length, whatever
// LongPathsEnabled says. Header only, so that the tests can call it.

#include <string>
#include <string_view>

#include <windows.h>

namespace rle::systeme {

// A path whose full form reaches MAX_PATH (260 characters with the null)
// goes by its \\?\ form, made absolute first by GetFullPathNameW (which
// also turns / into \ and resolves . and ..), and \\?\UNC\ for a
// \\server\share path. A shorter one, or one already in the system's own
// namespaces (\\?\, \??\, \\.\), stays as it is.
//
// Rust's standard library (get_long_path, in its Windows path.rs) does the
// same: \\?\ and \??\ paths as they are, others made absolute by
// GetFullPathNameW and given \\?\ or \\?\UNC\ once long. It counts from 248
// characters (the limit of a folder's name) and gives a long \\.\ path the
// \\?\ form, where this keeps every \\.\ path (devices, named pipes) as it is.
inline std::wstring chemin_sans_limite(const std::wstring& chemin)
{
    const auto commence = [&chemin](std::wstring_view debut) { return chemin.compare(0, debut.size(), debut) == 0; };
    if (commence(L"\\\\?\\") || commence(L"\\??\\") || commence(L"\\\\.\\")) {
        return chemin;
    }
    const DWORD place = GetFullPathNameW(chemin.c_str(), 0, nullptr, nullptr);  // the null included
    if (place <= MAX_PATH) {
        return chemin;
    }
    std::wstring complet(place, L'\0');
    const DWORD longueur = GetFullPathNameW(chemin.c_str(), place, complet.data(), nullptr);
    if (longueur == 0 || longueur >= place) {
        return chemin;  // let the system's own call say what is wrong
    }
    complet.resize(longueur);
    if (complet.compare(0, 2, L"\\\\") == 0) {
        return L"\\\\?\\UNC\\" + complet.substr(2);
    }
    return L"\\\\?\\" + complet;
}

}  // namespace rle::systeme

#endif
