#include <essai/fichiers.hpp>
#include <essai/reference_rle.hpp>
#include <essai/resultat.hpp>
#include <essai/tampon_morcele.hpp>

#include <rle_file/lire_rle.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include <thread>

#ifdef _WIN32
#include <windows.h>

#include <chemin_windows.hpp>
#include <utility>
#else
#include <sys/stat.h>
#endif
#ifdef __linux__
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#endif

namespace {

using essai::decrire;
using essai::erreur;
using essai::issue;
using essai::lire;
using essai::mots;
using essai::octets_numerotes;
using essai::resumer;
using valeurs = std::vector<std::uint32_t>;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sous_asan = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sous_asan = true;
#else
constexpr bool sous_asan = false;
#endif
#else
constexpr bool sous_asan = false;
#endif

issue lire_chemin(const std::string& chemin)
{
    return lire([&] { return rle::lire_rle(chemin); });
}

issue lire_octets(const std::string& octets)
{
    std::istringstream flux(octets, std::ios_base::in | std::ios_base::binary);
    return lire([&] { return rle::lire_rle(flux); });
}

// An error code as its category's name and its value: a reader in a MinGW
// DLL carries its own C++ runtime, whose category objects are not this
// program's.
std::string decrire_code(std::error_code code)
{
    return std::string(code.category().name()) + " " + std::to_string(code.value());
}

// The code of the erreur_lecture that `lecture` raises, described so.
template <typename Lecture>
std::string code_de_l_erreur(Lecture lecture)
{
    try {
        static_cast<void>(lecture());
    } catch (const rle::erreur_lecture& erreur) {
        return decrire_code(erreur.code());
    }
    return "no erreur_lecture";
}

std::string image(std::uint32_t largeur, std::uint32_t hauteur, const valeurs& donnees)
{
    return decrire(rle::image_rle{largeur, hauteur, donnees});
}

// The little-endian word at byte offset `debut` of octets_numerotes().
std::uint32_t mot_numerote(std::uint64_t debut)
{
    std::uint32_t mot = 0;
    for (std::size_t rang = 0; rang < 4; ++rang) {
        mot |= static_cast<std::uint32_t>((debut + rang) * 7 + 3) % 256U << (8 * rang);
    }
    return mot;
}

// Every size from 0 to 41 bytes, from a file and from memory: a short
// header is an error; after it, only whole 8-byte pairs count, in file order.
TEST(LireRle, ChaqueTailleDeFichier)
{
    const essai::dossier_temporaire dossier;
    for (std::size_t taille = 0; taille <= 41; ++taille) {
        SCOPED_TRACE("taille " + std::to_string(taille));
        const std::string octets = octets_numerotes(taille);
        std::string attendu = decrire(erreur::format);
        if (taille >= 8) {
            valeurs donnees;
            for (std::size_t debut = 8; debut + 8 <= taille; debut += 8) {
                donnees.push_back(mot_numerote(debut));
                donnees.push_back(mot_numerote(debut + 4));
            }
            attendu = image(mot_numerote(0), mot_numerote(4), donnees);
        }
        EXPECT_EQ(decrire(lire_chemin(dossier.fichier(std::to_string(taille) + ".rle", octets))), attendu);
        EXPECT_EQ(decrire(lire_octets(octets)), attendu);
    }
}

// Word k of octets_distincts(): no two words of a file alike, so that a
// block read twice, dropped or put in the wrong place shows.
std::uint32_t mot_distinct(std::uint64_t rang)
{
    return static_cast<std::uint32_t>(rang * 0x9E3779B1U + 1U);
}

std::string octets_distincts(std::size_t taille)
{
    std::string octets;
    octets.reserve(taille + 3);
    for (std::size_t rang = 0; octets.size() < taille; ++rang) {
        const std::uint32_t mot = mot_distinct(rang);
        octets += mots({mot});
    }
    octets.resize(taille);
    return octets;
}

// Sizes on each side of the read block (256 KiB) and of the pieces that
// gather data of unknown size (4 MiB): from a file, whose size is known;
// from a stream that announces nothing, as a pipe; from a stream that
// announces too little, so that the storage grows as it reads.
TEST(LireRle, AuxBordsDesBlocs)
{
    const essai::dossier_temporaire dossier;
    constexpr std::size_t kio = 1024;
    constexpr std::size_t mio = 1024 * kio;
    for (const std::size_t taille : {256 * kio - 1, 256 * kio, 256 * kio + 8, 512 * kio + 12, 4 * mio - 1, 4 * mio,
                                     4 * mio + 1, 4 * mio + 15, 8 * mio + 3}) {
        SCOPED_TRACE("taille " + std::to_string(taille));
        const std::string octets = octets_distincts(taille);
        rle::image_rle attendu{mot_distinct(0), mot_distinct(1), valeurs((taille - 8) / 8 * 2)};
        for (std::size_t rang = 0; rang < attendu.donnees.size(); ++rang) {
            attendu.donnees[rang] = mot_distinct(rang + 2);
        }
        const std::string chemin = dossier.fichier("bord.rle", octets);
        essai::tampon_morcele sans_annonce(octets, {100000, 4 * mio + 3});
        std::istream flux_sans_annonce(&sans_annonce);
        essai::tampon_morcele petite_annonce(octets, {}, essai::tampon_morcele::jamais, 1000);
        std::istream flux_petite_annonce(&petite_annonce);
        EXPECT_EQ(resumer(lire_chemin(chemin)), resumer(attendu));
        EXPECT_EQ(resumer(lire([&] { return rle::lire_rle(flux_sans_annonce); })), resumer(attendu));
        EXPECT_EQ(resumer(lire([&] { return rle::lire_rle(flux_petite_annonce); })), resumer(attendu));
    }
}

// Header words are unsigned little-endian, and every byte is data: CR LF and
// the DOS end-of-file byte included (a file opened in text mode on Windows
// would lose or stop at them).
TEST(LireRle, OctetsLusTelsQuels)
{
    const essai::dossier_temporaire dossier;
    const struct {
        std::string octets;
        std::string attendu;
    } cas[] = {
        {mots({1, 2}), image(1, 2, {})},
        {std::string("\xFF\xFF\xFF\xFF\0\0\0\0", 8), image(4294967295U, 0, {})},
        {std::string("\x0D\x0A\x1A\x00\x0D\x0A\x00\x00", 8), image(0x001A0A0DU, 0x00000A0DU, {})},
        {mots({640, 480, 10, 20, 30, 40}), image(640, 480, {10, 20, 30, 40})},
        {mots({1, 1, 0x0A0D0A0DU, 0x1A1A1A1AU, 0x0D1A0A00U, 0xFFFFFFFFU}) + "\x1A\x0D\x0A",
         image(1, 1, {0x0A0D0A0DU, 0x1A1A1A1AU, 0x0D1A0A00U, 0xFFFFFFFFU})},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE("cas " + std::to_string(i));
        EXPECT_EQ(decrire(lire_chemin(dossier.fichier("cas" + std::to_string(i) + ".rle", cas[i].octets))),
                  cas[i].attendu);
    }
}

TEST(LireRle, OuvertureImpossibleAvantTouteLecture)
{
    const essai::dossier_temporaire dossier;
    EXPECT_EQ(decrire(lire_chemin((dossier.chemin() / "absent.rle").string())), "erreur_ouverture");
    EXPECT_EQ(decrire(lire_chemin(dossier.chemin().string())), "erreur_ouverture");
    EXPECT_EQ(decrire(lire_chemin("")), "erreur_ouverture");
    EXPECT_EQ(decrire(lire_chemin(dossier.fichier("vide.rle", ""))), "format_incorrect");
}

// A read error is never taken for the end of the file, wherever it strikes:
// in the header, in a pair, in the tail.
TEST(LireRle, ErreurDeLectureAChaquePosition)
{
    const std::string octets = mots({3, 4, 5, 6, 7, 8}) + "\x01\x02\x03";
    for (std::size_t echec = 0; echec <= octets.size() + 1; ++echec) {
        SCOPED_TRACE("echec a l'octet " + std::to_string(echec));
        essai::tampon_morcele tampon(octets, {}, echec);
        std::istream flux(&tampon);
        const std::string attendu = echec < octets.size() ? "erreur_lecture" : image(3, 4, {5, 6, 7, 8});
        EXPECT_EQ(decrire(lire([&] { return rle::lire_rle(flux); })), attendu);
    }
    // What a stream reports of its failure is all a caller's stream says.
    essai::tampon_morcele tampon(octets, {}, 10);
    std::istream flux(&tampon);
    EXPECT_EQ(code_de_l_erreur([&] { return rle::lire_rle(flux); }),
              decrire_code(std::make_error_code(std::io_errc::stream)));
    // And a stream with no buffer at all has nothing to read from.
    std::istream sans_tampon(nullptr);
    EXPECT_EQ(code_de_l_erreur([&] { return rle::lire_rle(sans_tampon); }),
              decrire_code(std::make_error_code(std::io_errc::stream)));
}

// A caller's stream that throws on end of file still reads like any other,
// and gets its exception mask back.
TEST(LireRle, MasqueDExceptionsDuFluxRespecte)
{
    std::istringstream flux(mots({9, 8, 1, 2}) + "\x05", std::ios_base::in | std::ios_base::binary);
    flux.exceptions(std::ios_base::failbit | std::ios_base::badbit);
    EXPECT_EQ(decrire(lire([&] { return rle::lire_rle(flux); })), image(9, 8, {1, 2}));
    EXPECT_EQ(flux.exceptions(), std::ios_base::failbit | std::ios_base::badbit);

    essai::tampon_morcele tampon(mots({9, 8, 1, 2}), {}, 12);
    std::istream defaillant(&tampon);
    defaillant.exceptions(std::ios_base::badbit);
    EXPECT_EQ(decrire(lire([&] { return rle::lire_rle(defaillant); })), "erreur_lecture");
}

TEST(LireBinaire, ToutOuRien)
{
    for (std::size_t disponibles = 0; disponibles <= 5; ++disponibles) {
        SCOPED_TRACE(std::to_string(disponibles) + " octets");
        std::istringstream flux(std::string("\x01\x02\x03\x04\x05", disponibles));
        std::uint32_t valeur = 0xDEADBEEFU;
        const bool lu = static_cast<bool>(rle::lire_binaire(flux, valeur));
        EXPECT_EQ(lu, disponibles >= 4);
        EXPECT_EQ(valeur, disponibles >= 4 ? 0x04030201U : 0xDEADBEEFU);
    }
    std::istringstream flux(mots({7, 0x80000000U}));
    std::uint32_t premier = 0;
    std::uint32_t second = 0;
    EXPECT_TRUE(rle::lire_binaire(rle::lire_binaire(flux, premier), second));
    EXPECT_EQ(premier, 7U);
    EXPECT_EQ(second, 0x80000000U);
    EXPECT_FALSE(rle::lire_binaire(flux, second));
}

// For random files, cut into random chunks, announcing random sizes (right,
// too small, too large, none) and sometimes failing: the block reader gives
// exactly what the word-at-a-time reference gives. Some files span several
// blocks so that the storage has to grow while it is read; one in ten is
// also read from a file on disk.
TEST(LireRle, CommeLaLectureMotAMot)
{
    const essai::dossier_temporaire dossier;
    std::mt19937_64 alea(20261208);
    // A draw in [0, borne), as a size whatever the width of size_t.
    const auto moins_que = [&](std::size_t borne) {
        return std::uniform_int_distribution<std::size_t>(0, borne - 1)(alea);
    };
    for (int tirage = 0; tirage < 600; ++tirage) {
        const std::size_t taille = moins_que(tirage % 50 == 0 ? (1U << 20) + 1 : 201);
        std::string octets(taille, '\0');
        for (char& octet : octets) {
            octet = static_cast<char>(alea());
        }
        std::vector<std::size_t> morceaux(1 + moins_que(8));
        for (std::size_t& morceau : morceaux) {
            morceau = moins_que(3) == 0 ? 1 + moins_que(9) : 1 + moins_que(taille + 1);
        }
        const std::size_t echec = moins_que(4) == 0 ? moins_que(taille + 2) : essai::tampon_morcele::jamais;
        const std::streamsize annonces[] = {0,
                                            -1,
                                            static_cast<std::streamsize>(taille),
                                            static_cast<std::streamsize>(moins_que(taille + 1)),
                                            static_cast<std::streamsize>(taille + moins_que(100)),
                                            std::numeric_limits<std::streamsize>::max()};
        // AddressSanitizer aborts on an allocation it cannot make instead of
        // throwing std::bad_alloc: no absurd announcement under it.
        const std::size_t annonces_possibles = std::size(annonces) - (sous_asan ? 1 : 0);
        const std::streamsize annonce = annonces[moins_que(annonces_possibles)];
        SCOPED_TRACE("tirage " + std::to_string(tirage) + ", " + std::to_string(taille) + " octets, echec a " +
                     std::to_string(echec) + ", annonce " + std::to_string(annonce));

        essai::tampon_morcele tampon_bloc(octets, morceaux, echec, annonce);
        std::istream flux_bloc(&tampon_bloc);
        essai::tampon_morcele tampon_mot(octets, morceaux, echec, annonce);
        std::istream flux_mot(&tampon_mot);
        const std::string attendu = decrire(lire([&] { return reference::lire_mot_a_mot(flux_mot); }));
        ASSERT_EQ(decrire(lire([&] { return rle::lire_rle(flux_bloc); })), attendu);

        // The same bytes from a file, through the system's own reads.
        if (tirage % 10 == 0) {
            std::istringstream flux_entier(octets, std::ios_base::in | std::ios_base::binary);
            ASSERT_EQ(resumer(lire_chemin(dossier.fichier("tirage.rle", octets))),
                      resumer(lire([&] { return reference::lire_mot_a_mot(flux_entier); })));
        }
    }
}

#ifndef _WIN32
// Pipes announce no size and cannot seek: a FIFO reads like a file.
TEST(LireRle, FifoLueCommeUnFichier)
{
    const essai::dossier_temporaire dossier;
    const std::string chemin = (dossier.chemin() / "tube.rle").string();
    ASSERT_EQ(mkfifo(chemin.c_str(), 0600), 0);
    const std::string octets = octets_numerotes(300000);
    std::thread ecrivain([&] {
        std::ofstream tube(chemin, std::ios_base::binary);
        tube.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    });
    const issue resultat = lire_chemin(chemin);
    ecrivain.join();
    EXPECT_EQ(resumer(resultat), resumer(lire_octets(octets)));
    ASSERT_TRUE(std::holds_alternative<rle::image_rle>(resultat));
    EXPECT_EQ(std::get<rle::image_rle>(resultat).donnees.size(), (300000U - 8U) / 8U * 2U);
}

#ifdef __linux__
volatile std::sig_atomic_t signaux_recus = 0;
extern "C" void compter_signal(int /*numero*/)
{
    signaux_recus = signaux_recus + 1;
}

// Waits until thread `tache` sleeps in the kernel (state S in /proc), that
// is, until the reader waits in its read for more of the FIFO.
void attendre_endormi(long tache)
{
    const std::string chemin = "/proc/self/task/" + std::to_string(tache) + "/stat";
    for (int essai = 0; essai < 500; ++essai) {
        std::ifstream etat(chemin);
        std::string ligne;
        std::getline(etat, ligne);
        const std::size_t fin_du_nom = ligne.rfind(')');
        if (fin_du_nom != std::string::npos && fin_du_nom + 2 < ligne.size() && ligne[fin_du_nom + 2] == 'S') {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Signals whose handler does not ask for restarted calls interrupt the
// reader while it waits for a slow FIFO: each read is tried again, and the
// data come whole, neither cut short nor taken for a failure.
TEST(LireRleProc, LectureInterrompueParUnSignal)
{
#ifdef INFO_RLE_SIGNAUX_NON_EMULES
    GTEST_SKIP() << INFO_RLE_SIGNAUX_NON_EMULES;
#endif
    if (!std::filesystem::exists("/proc/self/task")) {
        GTEST_SKIP() << "/proc is not mounted here: the reader cannot be seen waiting in its read";
    }
    struct sigaction action {};
    action.sa_handler = compter_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART
    struct sigaction avant {};
    ASSERT_EQ(sigaction(SIGUSR1, &action, &avant), 0);
    // A reader that gave up early must fail this test, not kill it.
    const auto sigpipe_avant = std::signal(SIGPIPE, SIG_IGN);
    ASSERT_NE(sigpipe_avant, SIG_ERR);

    const essai::dossier_temporaire dossier;
    const std::string chemin = (dossier.chemin() / "lent.rle").string();
    ASSERT_EQ(mkfifo(chemin.c_str(), 0600), 0);
    const std::string octets = octets_numerotes(100005);
    const pthread_t lecteur = pthread_self();
    const long tache = syscall(SYS_gettid);
    constexpr int signaux = 3;
    signaux_recus = 0;
    std::thread ecrivain([&] {
        std::ofstream tube(chemin, std::ios_base::binary);
        tube.write(octets.data(), 50000).flush();
        for (int signal = 0; signal < signaux; ++signal) {
            attendre_endormi(tache);
            pthread_kill(lecteur, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        tube.write(octets.data() + 50000, static_cast<std::streamsize>(octets.size() - 50000));
    });
    const issue resultat = lire_chemin(chemin);
    ecrivain.join();
    sigaction(SIGUSR1, &avant, nullptr);
    EXPECT_NE(std::signal(SIGPIPE, sigpipe_avant), SIG_ERR);
    EXPECT_EQ(signaux_recus, signaux);
    EXPECT_EQ(resumer(resultat), resumer(lire_octets(octets)));
}

// The flags of this process's mapping that holds `adresse`, as
// /proc/self/smaps gives them ("rd wr mr mw me ac hg"), between spaces;
// empty when no mapping holds it.
std::string drapeaux_de_la_projection(const void* adresse)
{
    const auto cible = reinterpret_cast<std::uintptr_t>(adresse);
    std::ifstream smaps("/proc/self/smaps");
    bool dedans = false;
    for (std::string ligne; std::getline(smaps, ligne);) {
        std::istringstream champs(ligne);
        std::uintptr_t debut = 0;
        std::uintptr_t fin = 0;
        char tiret = 0;
        if (champs >> std::hex >> debut >> tiret >> fin && tiret == '-') {  // "start-end perms ...": a mapping
            dedans = debut <= cible && cible < fin;
        } else if (dedans && ligne.rfind("VmFlags:", 0) == 0) {
            return ligne.substr(std::string("VmFlags:").size()) + " ";
        }
    }
    return "";
}

// The image's storage is advised for transparent huge pages before it is
// filled: its whole 2 MiB pages become a mapping of their own, which the
// kernel flags hg whether or not it found huge pages free.
TEST(LireRleProcSys, StockageEnGrandesPages)
{
#ifdef INFO_RLE_EMULE
    GTEST_SKIP() << "qemu-user does not pass memory advice on to the kernel";
#endif
    if (!std::filesystem::exists("/proc/self/smaps") || !std::filesystem::exists("/sys/kernel")) {
        GTEST_SKIP() << "/proc or /sys is not mounted here: the kernel's huge pages cannot be seen";
    }
    if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage")) {
        GTEST_SKIP() << "this kernel has no transparent huge pages";
    }
    const essai::dossier_temporaire dossier;
    const rle::image_rle image = rle::lire_rle(dossier.fichier("grand.rle", octets_numerotes(std::size_t{24} << 20)));
    ASSERT_EQ(image.donnees.size(), ((std::size_t{24} << 20) - 8) / 8 * 2);
    const std::string drapeaux = drapeaux_de_la_projection(image.donnees.data() + image.donnees.size() / 2);
    EXPECT_NE(drapeaux.find(" hg "), std::string::npos) << "VmFlags:" << drapeaux;
}

// The system itself fails this read (Linux: EIO at offset 0).
TEST(LireRleProc, ErreurDeLectureDuSysteme)
{
    if (!std::filesystem::exists("/proc/self/mem")) {
        GTEST_SKIP() << "/proc is not mounted here: /proc/self/mem is the file the system fails to read";
    }
    EXPECT_EQ(decrire(lire_chemin("/proc/self/mem")), "erreur_lecture");
    EXPECT_EQ(code_de_l_erreur([] { return rle::lire_rle("/proc/self/mem"); }),
              decrire_code(std::error_code(EIO, std::system_category())));
}
#endif
#endif

#ifdef _WIN32
// A path whose full form reaches MAX_PATH (260 characters with the null)
// opens by its \\?\ form, whatever LongPathsEnabled says: the form is
// checked itself, since wine does not enforce the limit.
TEST(LireRle, CheminLongSousWindows)
{
    const std::wstring long_(300, L'a');
    const std::vector<std::pair<std::wstring, std::wstring>> cas = {
        {L"C:\\" + std::wstring(256, L'a'), L"C:\\" + std::wstring(256, L'a')},         // 259: it fits
        {L"C:\\" + std::wstring(257, L'a'), L"\\\\?\\C:\\" + std::wstring(257, L'a')},  // 260: it does not
        {L"C:/d/../" + long_, L"\\\\?\\C:\\" + long_},                                  // made absolute first
        {L"\\\\serveur\\partage\\" + long_, L"\\\\?\\UNC\\serveur\\partage\\" + long_},
        {L"\\\\?\\C:\\" + long_, L"\\\\?\\C:\\" + long_},
        {L"\\??\\C:\\" + long_, L"\\??\\C:\\" + long_},
        {L"\\\\.\\C:\\" + long_, L"\\\\.\\C:\\" + long_},
        {L"image.rle", L"image.rle"},
        {L"", L""},
    };
    for (std::size_t rang = 0; rang < cas.size(); ++rang) {
        SCOPED_TRACE(testing::Message() << "case " << rang << ", " << cas[rang].first.size() << " characters");
        EXPECT_TRUE(rle::systeme::chemin_sans_limite(cas[rang].first) == cas[rang].second);
    }
}

// Another program holds the file open for writing and deleting, sharing it
// in every way: the reader shares it too, so it opens and reads it.
TEST(LireRle, FichierOuvertAilleurs)
{
    const essai::dossier_temporaire dossier;
    const std::string chemin = dossier.fichier("partage.rle", mots({640, 480, 1, 2}));
    const HANDLE ailleurs =
        CreateFileA(chemin.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(ailleurs, INVALID_HANDLE_VALUE);
    EXPECT_EQ(decrire(lire_chemin(chemin)), image(640, 480, {1, 2}));
    CloseHandle(ailleurs);
}

// A named pipe reads like a file: the data end when the writer closes its
// end (a broken pipe, not an error). The writer also writes nothing once,
// which Windows may hand the reader as an empty read: that is no end.
TEST(LireRle, TubeNommeLuCommeUnFichier)
{
    const std::string nom = "\\\\.\\pipe\\info_rle_essai_" + std::to_string(GetCurrentProcessId());
    const HANDLE tube = CreateNamedPipeA(nom.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 1U << 16,
                                         1U << 16, 0, nullptr);
    ASSERT_NE(tube, INVALID_HANDLE_VALUE);
    const std::string octets = octets_numerotes(300005);
    std::thread ecrivain([&] {
        ConnectNamedPipe(tube, nullptr);
        DWORD ecrits = 0;
        WriteFile(tube, octets.data(), 100000, &ecrits, nullptr);
        WriteFile(tube, octets.data(), 0, &ecrits, nullptr);
        WriteFile(tube, octets.data() + 100000, static_cast<DWORD>(octets.size() - 100000), &ecrits, nullptr);
        FlushFileBuffers(tube);
        CloseHandle(tube);
    });
    const issue resultat = lire_chemin(nom);
    ecrivain.join();
    EXPECT_EQ(resumer(resultat), resumer(lire_octets(octets)));
}
#endif

}  // namespace
