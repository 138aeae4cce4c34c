// Reads back the version resource of an executable, as Windows' file
// properties show it, and checks it against what the build says:
//   version_exe <exe> <version> <original file name>
// Prints each field; fails if one is missing or differs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A string of the French (0x040C), Unicode (1200) block, or "" if absent.
std::string champ(const std::vector<char>& bloc, const char* nom)
{
    void* valeur = nullptr;
    UINT taille = 0;
    const std::string chemin = std::string("\\StringFileInfo\\040C04B0\\") + nom;
    if (VerQueryValueA(bloc.data(), chemin.c_str(), &valeur, &taille) == 0 || taille == 0) {
        return "";
    }
    return static_cast<const char*>(valeur);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: version_exe <exe> <version> <original file name>\n", stderr);
        return 2;
    }
    const std::string version = argv[2];
    DWORD ignore = 0;
    const DWORD taille = GetFileVersionInfoSizeA(argv[1], &ignore);
    std::vector<char> bloc(taille);
    if (taille == 0 || GetFileVersionInfoA(argv[1], 0, taille, bloc.data()) == 0) {
        std::printf("%s has no version resource\n", argv[1]);
        return 1;
    }
    void* fixe = nullptr;
    UINT longueur = 0;
    int ecarts = 0;
    if (VerQueryValueA(bloc.data(), "\\", &fixe, &longueur) != 0 && longueur >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixe);
        const std::string numerique = std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
                                      std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
                                      std::to_string(HIWORD(info->dwFileVersionLS));
        std::printf("file version (numbers): %s.%u\n", numerique.c_str(), LOWORD(info->dwFileVersionLS));
        ecarts += numerique == version ? 0 : 1;
    } else {
        std::puts("no fixed file information");
        ++ecarts;
    }
    const struct {
        const char* nom;
        std::string attendu;  // empty: any text but none
    } champs[] = {{"FileVersion", version},    {"ProductVersion", version},
                  {"ProductName", "info_rle"}, {"OriginalFilename", argv[3]},
                  {"FileDescription", ""},     {"LegalCopyright", ""},
                  {"CompanyName", ""}};
    for (const auto& un_champ : champs) {
        const std::string valeur = champ(bloc, un_champ.nom);
        const bool juste = un_champ.attendu.empty() ? !valeur.empty() : valeur == un_champ.attendu;
        std::printf("%s: %s%s\n", un_champ.nom, valeur.c_str(), juste ? "" : "   <- wrong");
        ecarts += juste ? 0 : 1;
    }
    return ecarts == 0 ? 0 : 1;
}
