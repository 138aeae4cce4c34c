// Starts the tool as Windows programs start it, and checks what it does.
// Each example goes with its golden report (tests/e2e/cas/*-stdout.txt),
// whose lines after the progress line the output must hold:
//
//   lanceur visible <info_rle.exe> <image.rle> <its report>
//     in a console of its own with a visible window (CREATE_NEW_CONSOLE), as
//     Explorer starts it: it asks for Enter, is still running 2 s later, and
//     ends with status 0 within 5 s of an Enter typed in its console; and
//     an Enter typed before it asks does not close it (natively: wine makes
//     the console only once the program runs, too late to type in it
//     first). Skipped where a new console gets no visible window (wine
//     without a display).
//   lanceur cachee <info_rle.exe> <image.rle> <its report>
//     in a console nobody sees (CREATE_NO_WINDOW; SW_HIDE; natively, a
//     pseudo console, whose output shows the report): it ends by itself
//     within 5 s, status 0.
//   lanceur nom <info_rle.exe> <image.rle> <its report> <huit.rle> <its report> <folder>
//     a name with a lone surrogate, beside a file whose name has U+FFFD in
//     its place (a copy of huit.rle): the tool never opens that other file.
//
// Each case prints ok or FAIL; the status is 1 if one failed.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

const std::wstring invitation = L"Appuyez sur Entree pour fermer la fenetre.";
int echecs = 0;

void verifier(const char* cas, bool vrai, const std::string& detail = "")
{
    std::printf("%s: %s%s%s\n", vrai ? "ok" : "FAIL", cas, vrai || detail.empty() ? "" : ": ",
                vrai ? "" : detail.c_str());
    std::fflush(stdout);
    echecs += vrai ? 0 : 1;
}

// The lines of a golden report after its progress line, which names the
// file as the test that wrote it named it.
std::vector<std::string> lignes_du_rapport(const std::filesystem::path& attendu)
{
    std::ifstream fichier(attendu);
    std::vector<std::string> lignes;
    std::string ligne;
    std::getline(fichier, ligne);
    while (std::getline(fichier, ligne)) {
        lignes.push_back(ligne);
    }
    return lignes;
}

// Whether `texte` holds every line of the report.
template <typename Texte>
bool contient(const Texte& texte, const std::vector<std::string>& lignes)
{
    for (const std::string& ligne : lignes) {
        if (texte.find(Texte(ligne.begin(), ligne.end())) == Texte::npos) {  // ASCII, in either width
            return false;
        }
    }
    return !lignes.empty();
}

std::string utf8(const std::wstring& texte)
{
    std::string resultat(static_cast<std::size_t>(WideCharToMultiByte(
                             CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), nullptr, 0, nullptr, nullptr)),
                         '\0');
    WideCharToMultiByte(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), resultat.data(),
                        static_cast<int>(resultat.size()), nullptr, nullptr);
    return resultat;
}

struct processus {
    PROCESS_INFORMATION infos{};

    processus() = default;
    processus(const processus&) = delete;
    processus& operator=(const processus&) = delete;
    processus(processus&&) = delete;
    processus& operator=(processus&&) = delete;
    ~processus()
    {
        if (infos.hProcess != nullptr) {
            TerminateProcess(infos.hProcess, 99);  // nothing stays behind
            CloseHandle(infos.hThread);
            CloseHandle(infos.hProcess);
        }
    }

    // Its exit status once it ended within `delai`, or -1.
    int fin(std::chrono::milliseconds delai) const
    {
        DWORD statut = 0;
        if (WaitForSingleObject(infos.hProcess, static_cast<DWORD>(delai.count())) != WAIT_OBJECT_0 ||
            GetExitCodeProcess(infos.hProcess, &statut) == 0) {
            return -1;
        }
        return static_cast<int>(statut);
    }
};

// Starts `ligne` with `drapeaux`; `demarrage` says the rest (its window, its
// pseudo console).
bool demarrer(processus& p, std::wstring ligne, DWORD drapeaux, STARTUPINFOW* demarrage, bool heriter = false)
{
    return CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, heriter ? TRUE : FALSE, drapeaux, nullptr, nullptr,
                          demarrage, &p.infos) != 0;
}

std::wstring ligne_de(const std::wstring& outil, const std::wstring& fichier)
{
    return L"\"" + outil + L"\" \"" + fichier + L"\"";
}

// Joins the console of process `pid` (leaving the one it is in) for what
// `faire` does there, then leaves it.
template <typename Action>
bool dans_la_console_de(DWORD pid, Action faire)
{
    FreeConsole();
    if (AttachConsole(pid) == 0) {
        return false;
    }
    faire();
    FreeConsole();
    return true;
}

// The text of the console this process is attached to.
std::wstring ecran()
{
    const HANDLE sortie = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO infos{};
    std::wstring texte;
    if (sortie != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(sortie, &infos) != 0) {
        texte.resize(static_cast<std::size_t>(infos.dwSize.X) * static_cast<std::size_t>(infos.dwSize.Y));
        DWORD lus = 0;
        ReadConsoleOutputCharacterW(sortie, texte.data(), static_cast<DWORD>(texte.size()), COORD{0, 0}, &lus);
        texte.resize(lus);
    }
    if (sortie != INVALID_HANDLE_VALUE) {
        CloseHandle(sortie);
    }
    return texte;
}

// Types Enter in the console this process is attached to.
void taper_entree()
{
    const HANDLE entree = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    INPUT_RECORD touches[2]{};
    for (int rang = 0; rang < 2; ++rang) {
        touches[rang].EventType = KEY_EVENT;
        touches[rang].Event.KeyEvent.bKeyDown = rang == 0 ? TRUE : FALSE;
        touches[rang].Event.KeyEvent.wRepeatCount = 1;
        touches[rang].Event.KeyEvent.wVirtualKeyCode = VK_RETURN;
        touches[rang].Event.KeyEvent.uChar.UnicodeChar = L'\r';
    }
    DWORD ecrites = 0;
    WriteConsoleInputW(entree, touches, 2, &ecrites);
    CloseHandle(entree);
}

STARTUPINFOW demarrage_simple()
{
    STARTUPINFOW demarrage{};
    demarrage.cb = sizeof demarrage;
    return demarrage;
}

bool sous_wine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// What a new console gets here, as `lanceur sonde` started in one finds.
enum class fenetre_neuve { visible = 0, cachee = 1, aucune = 2 };

int sonder()
{
    const HWND fenetre = GetConsoleWindow();
    USEROBJECTFLAGS drapeaux{};
    const bool vue =
        fenetre != nullptr && IsWindowVisible(fenetre) != 0 &&
        GetUserObjectInformationW(GetProcessWindowStation(), UOI_FLAGS, &drapeaux, sizeof drapeaux, nullptr) != 0 &&
        (drapeaux.dwFlags & WSF_VISIBLE) != 0;
    return static_cast<int>(vue                  ? fenetre_neuve::visible
                            : fenetre == nullptr ? fenetre_neuve::aucune
                                                 : fenetre_neuve::cachee);
}

fenetre_neuve sonder_les_fenetres()
{
    std::wstring lanceur(MAX_PATH, L'\0');
    lanceur.resize(GetModuleFileNameW(nullptr, lanceur.data(), MAX_PATH));
    processus sonde;
    STARTUPINFOW demarrage = demarrage_simple();
    const int statut =
        demarrer(sonde, L"\"" + lanceur + L"\" sonde", CREATE_NEW_CONSOLE, &demarrage) ? sonde.fin(30s) : -1;
    return statut == 0 || statut == 1 ? static_cast<fenetre_neuve>(statut) : fenetre_neuve::aucune;
}

// The tool waits in a window of its own, then Enter ends it.
void attendre_puis_entree(const std::string& cas, const processus& outil, const std::vector<std::string>& rapport)
{
    std::this_thread::sleep_for(2s);
    verifier((cas + ": still running 2 s later").c_str(), outil.fin(0ms) == -1);
    std::wstring texte;
    const bool joint = dans_la_console_de(outil.infos.dwProcessId, [&texte] {
        texte = ecran();
        taper_entree();
    });
    verifier((cas + ": its window shows the report, then asks for Enter").c_str(),
             joint && contient(texte, rapport) && texte.find(invitation) != std::wstring::npos,
             utf8(texte.substr(0, texte.find_last_not_of(L' ') + 1)));
    verifier((cas + ": Enter ends it with status 0 within 5 s").c_str(), outil.fin(5s) == 0);
}

void visible(const std::wstring& outil, const std::wstring& image, const std::vector<std::string>& rapport)
{
    if (sonder_les_fenetres() != fenetre_neuve::visible) {
        std::printf(
            "SKIPPED: a new console gets no visible window here (wine without a display, or a session "
            "nobody sees): nothing to wait in\n");
        return;
    }
    STARTUPINFOW demarrage = demarrage_simple();
    {
        processus p;
        verifier("CREATE_NEW_CONSOLE: started", demarrer(p, ligne_de(outil, image), CREATE_NEW_CONSOLE, &demarrage));
        attendre_puis_entree("CREATE_NEW_CONSOLE", p, rapport);
    }
    // Typed while the tool is still suspended, before it could ask.
    processus p;
    const bool demarre = demarrer(p, ligne_de(outil, image), CREATE_NEW_CONSOLE | CREATE_SUSPENDED, &demarrage);
    if (!demarre || !dans_la_console_de(p.infos.dwProcessId, taper_entree)) {
        std::printf(
            "skipped: Enter typed before the request (no console to type in before the program runs: "
            "wine makes it only then)\n");
        return;
    }
    ResumeThread(p.infos.hThread);
    attendre_puis_entree("Enter typed before the request", p, rapport);
}

// A pseudo console of the launcher's own, whose output it reads.
void pseudo_console(const std::wstring& outil, const std::wstring& image, const std::vector<std::string>& rapport)
{
    using creer_t = HRESULT(WINAPI*)(COORD, HANDLE, HANDLE, DWORD, HPCON*);
    using fermer_t = void(WINAPI*)(HPCON);
    const HMODULE noyau = GetModuleHandleW(L"kernel32.dll");
    const auto creer = reinterpret_cast<creer_t>(reinterpret_cast<void*>(GetProcAddress(noyau, "CreatePseudoConsole")));
    const auto fermer =
        reinterpret_cast<fermer_t>(reinterpret_cast<void*>(GetProcAddress(noyau, "ClosePseudoConsole")));
    if (creer == nullptr || fermer == nullptr) {
        std::printf("skipped: a pseudo console (this system has none)\n");
        return;
    }
    if (sous_wine()) {
        std::printf(
            "skipped: a pseudo console (wine 8 gives a program started in one no standard handle; "
            "windows.console runs the tool on wine's console of a terminal, hidden the same way)\n");
        return;
    }
    HANDLE entree_lue = nullptr;
    HANDLE entree_ecrite = nullptr;
    HANDLE sortie_lue = nullptr;
    HANDLE sortie_ecrite = nullptr;
    CreatePipe(&entree_lue, &entree_ecrite, nullptr, 0);
    CreatePipe(&sortie_lue, &sortie_ecrite, nullptr, 0);
    HPCON console = nullptr;
    if (FAILED(creer(COORD{120, 30}, entree_lue, sortie_ecrite, 0, &console))) {
        verifier("pseudo console: created", false);
        return;
    }
    CloseHandle(entree_lue);
    CloseHandle(sortie_ecrite);
    std::string texte;
    std::thread lecteur([&] {
        char octets[4096];
        DWORD lus = 0;
        while (ReadFile(sortie_lue, octets, sizeof octets, &lus, nullptr) != 0 && lus > 0) {
            texte.append(octets, lus);
        }
    });
    SIZE_T taille = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &taille);
    std::vector<char> attributs(taille);
    // Standard handles null, so that the system gives the tool the pseudo
    // console's, not the launcher's own (ctest's pipes).
    STARTUPINFOEXW demarrage{};
    demarrage.StartupInfo.cb = sizeof demarrage;
    demarrage.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    demarrage.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributs.data());
    InitializeProcThreadAttributeList(demarrage.lpAttributeList, 1, 0, &taille);
    UpdateProcThreadAttribute(demarrage.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_PSEUDOCONSOLE, console,
                              sizeof console, nullptr, nullptr);
    int statut = -1;
    {
        processus p;
        if (demarrer(p, ligne_de(outil, image), EXTENDED_STARTUPINFO_PRESENT, &demarrage.StartupInfo)) {
            statut = p.fin(5s);
        }
    }
    fermer(console);
    CloseHandle(entree_ecrite);
    lecteur.join();
    CloseHandle(sortie_lue);
    DeleteProcThreadAttributeList(demarrage.lpAttributeList);
    verifier("pseudo console: ends by itself within 5 s, status 0, with the report",
             statut == 0 && contient(texte, rapport), "status " + std::to_string(statut) + ", output " + texte);
}

void cachee(const std::wstring& outil, const std::wstring& image, const std::vector<std::string>& rapport)
{
    {
        processus p;
        STARTUPINFOW demarrage = demarrage_simple();
        const bool demarre = demarrer(p, ligne_de(outil, image), CREATE_NO_WINDOW, &demarrage);
        verifier("CREATE_NO_WINDOW: ends by itself within 5 s, status 0", demarre && p.fin(5s) == 0);
    }
    if (sonder_les_fenetres() == fenetre_neuve::aucune) {
        std::printf(
            "skipped: SW_HIDE (a new console gets no window here to hide: wine without a display, whose "
            "windowless consoles refuse the tool's text)\n");
    } else {
        processus p;
        STARTUPINFOW demarrage = demarrage_simple();
        demarrage.dwFlags = STARTF_USESHOWWINDOW;
        demarrage.wShowWindow = SW_HIDE;
        const bool demarre = demarrer(p, ligne_de(outil, image), CREATE_NEW_CONSOLE, &demarrage);
        verifier("SW_HIDE: ends by itself within 5 s, status 0", demarre && p.fin(5s) == 0);
    }
    pseudo_console(outil, image, rapport);
}

// What the tool prints, with standard output and error on pipes.
std::string sortie_de(const std::wstring& ligne, int& statut)
{
    SECURITY_ATTRIBUTES heritable{};
    heritable.nLength = sizeof heritable;
    heritable.bInheritHandle = TRUE;
    HANDLE lue = nullptr;
    HANDLE ecrite = nullptr;
    CreatePipe(&lue, &ecrite, &heritable, 0);
    SetHandleInformation(lue, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW demarrage = demarrage_simple();
    demarrage.dwFlags = STARTF_USESTDHANDLES;
    demarrage.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    demarrage.hStdOutput = ecrite;
    demarrage.hStdError = ecrite;
    std::string texte;
    processus p;
    const bool demarre = demarrer(p, ligne, CREATE_NO_WINDOW, &demarrage, true);
    CloseHandle(ecrite);
    char octets[4096];
    DWORD lus = 0;
    while (demarre && ReadFile(lue, octets, sizeof octets, &lus, nullptr) != 0 && lus > 0) {
        texte.append(octets, lus);
    }
    CloseHandle(lue);
    statut = demarre ? p.fin(30s) : -1;
    return texte;
}

void nom(const std::wstring& outil, const std::wstring& image, const std::vector<std::string>& rapport,
         const std::wstring& huit, const std::vector<std::string>& rapport_huit, const std::wstring& dossier)
{
    CreateDirectoryW(dossier.c_str(), nullptr);
    const std::wstring remplace = dossier + L"\\seul\uFFFDx.rle";
    std::wstring seul = dossier + L"\\seul";
    seul += static_cast<wchar_t>(0xD800);
    seul += L"x.rle";
    DeleteFileW(seul.c_str());
    verifier("the file named with U+FFFD is there", CopyFileW(huit.c_str(), remplace.c_str(), FALSE) != 0);
    // NTFS takes the lone surrogate in a name; wine's files, in UTF-8, cannot.
    const bool seul_existe = CopyFileW(image.c_str(), seul.c_str(), FALSE) != 0;
    int statut = -1;
    const std::string texte = sortie_de(ligne_de(outil, seul), statut);
    verifier("a lone surrogate never opens the file with U+FFFD in its place", !contient(texte, rapport_huit), texte);
    if (seul_existe) {
        verifier("the file with the lone surrogate opens", statut == 0 && contient(texte, rapport), texte);
    } else {
        verifier("no file has that name here: it cannot be opened",
                 statut == 1 && texte.find("Erreur lors de l'ouverture du fichier") != std::string::npos, texte);
    }
    DeleteFileW(seul.c_str());
    DeleteFileW(remplace.c_str());
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"sonde") {
        return sonder();
    }
    if (mode == L"visible" && argc == 5) {
        visible(argv[2], argv[3], lignes_du_rapport(argv[4]));
    } else if (mode == L"cachee" && argc == 5) {
        cachee(argv[2], argv[3], lignes_du_rapport(argv[4]));
    } else if (mode == L"nom" && argc == 8) {
        nom(argv[2], argv[3], lignes_du_rapport(argv[4]), argv[5], lignes_du_rapport(argv[6]), argv[7]);
    } else {
        std::fputs(
            "usage: lanceur visible|cachee <info_rle.exe> <image.rle>\n"
            "       lanceur nom <info_rle.exe> <image.rle> <huit.rle> <folder>\n",
            stderr);
        return 2;
    }
    return echecs == 0 ? 0 : 1;
}
