#include <essai/fichiers.hpp>

#include <info_rle.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ios>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using essai::mots;

struct sorties {
    std::string sortie;
    std::string erreurs;
    int statut;
};

// Runs the tool on argv (argc is its size; the null that ends argv is added).
sorties executer(std::vector<const char*> argv)
{
    const int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);
    std::ostringstream sortie;
    std::ostringstream erreurs;
    const int statut = info_rle::executer(argc, argv.data(), sortie, erreurs);
    return {sortie.str(), erreurs.str(), statut};
}

void verifier(const sorties& obtenu, const sorties& attendu)
{
    EXPECT_EQ(obtenu.sortie, attendu.sortie);
    EXPECT_EQ(obtenu.erreurs, attendu.erreurs);
    EXPECT_EQ(obtenu.statut, attendu.statut);
}

std::string progression(const std::string& chemin)
{
    return "Tentative de lire le fichier " + chemin + "...";
}

std::string rapport(const std::string& chemin, const std::string& largeur, const std::string& hauteur,
                    const std::string& paires)
{
    return progression(chemin) + "... reussi!\nImage de largeur " + largeur + " et de hauteur " + hauteur +
           "\nLe fichier contient " + paires + " paires { combien, quand }\n";
}

const std::string erreur_ouverture = "\n\tErreur lors de l'ouverture du fichier\n";
const std::string erreur_format = "\n\tErreur (fichier corrompu?)\n";
const std::string erreur_lecture = "\n\tErreur lors de la lecture du fichier\n";
const std::string erreur_ecriture = "\n\tErreur lors de l'ecriture du resultat\n";

TEST(InfoRle, LigneDUsage)
{
    verifier(executer({}), {"Usage: info_rle [fichier.rle]\n", "", 0});
    verifier(executer({nullptr}), {"Usage: info_rle [fichier.rle]\n", "", 0});
    verifier(executer({"info_rle"}), {"Usage: info_rle [fichier.rle]\n", "", 0});
    verifier(executer({"C:\\outils\\lire.exe"}), {"Usage: C:\\outils\\lire.exe [fichier.rle]\n", "", 0});
    verifier(executer({""}), {"Usage:  [fichier.rle]\n", "", 0});

    // A command line whose count and strings disagree: no string, no path.
    std::ostringstream sortie;
    std::ostringstream erreurs;
    EXPECT_EQ(info_rle::executer(1, nullptr, sortie, erreurs), 0);
    const char* sans_chemin[] = {"lire", nullptr};
    EXPECT_EQ(info_rle::executer(2, sans_chemin, sortie, erreurs), 0);
    EXPECT_EQ(sortie.str(), "Usage: info_rle [fichier.rle]\nUsage: lire [fichier.rle]\n");
    EXPECT_EQ(erreurs.str(), "");
}

TEST(InfoRle, RapportEtErreurs)
{
    const essai::dossier_temporaire dossier;
    const std::string huit = dossier.fichier("huit.rle", mots({640, 480}));
    const std::string paires = dossier.fichier("paires.rle", mots({0xFFFFFFFFU, 2, 1, 2, 3, 4, 5}) + "\x0D\x0A\x1A");
    const std::string blancs = dossier.fichier("avec des blancs.rle", mots({1, 2, 3, 4}));
    const std::string court = dossier.fichier("court.rle", "\x01\x02\x03\x04\x05");
    const std::string absent = (dossier.chemin() / "absent.rle").string();
    const std::string repertoire = dossier.chemin().string();

    const struct {
        std::vector<const char*> argv;
        sorties attendu;
    } cas[] = {
        {{"info_rle", huit.c_str()}, {rapport(huit, "640", "480", "0"), "", 0}},
        {{"info_rle", paires.c_str()}, {rapport(paires, "4294967295", "2", "2"), "", 0}},
        {{"info_rle", blancs.c_str(), absent.c_str(), "-v"}, {rapport(blancs, "1", "2", "1"), "", 0}},
        {{"info_rle", absent.c_str()}, {progression(absent), erreur_ouverture, 1}},
        {{"info_rle", repertoire.c_str(), huit.c_str()}, {progression(repertoire), erreur_ouverture, 1}},
        {{"info_rle", court.c_str()}, {progression(court), erreur_format, 1}},
    };
    for (const auto& un_cas : cas) {
        SCOPED_TRACE(un_cas.argv[1]);
        verifier(executer(un_cas.argv), un_cas.attendu);
    }
}

#ifdef __linux__
// A file the system fails to read (Linux: EIO at offset 0).
TEST(InfoRleProc, ErreurDeLectureDuSysteme)
{
    if (!std::filesystem::exists("/proc/self/mem")) {
        GTEST_SKIP() << "/proc is not mounted here: /proc/self/mem is the file the system fails to read";
    }
    verifier(executer({"info_rle", "/proc/self/mem"}), {progression("/proc/self/mem"), erreur_lecture, 1});
}
#endif

// Numbers stay plain decimal whatever the caller did to the stream.
TEST(InfoRle, NombresToujoursEnDecimal)
{
    const essai::dossier_temporaire dossier;
    const std::string chemin = dossier.fichier("image.rle", mots({1234567, 89, 1, 1}));
    const char* argv[] = {"info_rle", chemin.c_str(), nullptr};
    std::ostringstream sortie;
    sortie << std::hex << std::showpos << std::uppercase;
    sortie.fill('*');
    std::ostringstream erreurs;
    EXPECT_EQ(info_rle::executer(2, argv, sortie, erreurs), 0);
    EXPECT_EQ(sortie.str(), rapport(chemin, "1234567", "89", "1"));
}

// On a terminal, each control character of a path shows as '?' (C0, DEL, C1
// in UTF-8, stray bytes 0x80 to 0x9F); every other byte stays, valid UTF-8 or
// not, and a sequence cut short is not taken for a whole one.
TEST(InfoRle, LisibleSurTerminal)
{
    const struct {
        std::string texte;
        std::string lisible;
    } cas[] = {
        {"image.rle", "image.rle"},
        {"x\x1b]0;titre\x07\x1b[2J.rle", "x?]0;titre??[2J.rle"},
        {std::string("a\0b\x01\x1f\x7f\x20~", 8), "a?b??? ~"},
        {"\xc2\x80\xc2\x9b[2J\xc2\x9f\xc2\xa0", "??[2J?\xc2\xa0"},  // U+0080, CSI, U+009F; U+00A0 stays
        {"\x9b[2J\x80\x9f\xa0\xff", "?[2J??\xa0\xff"},              // stray bytes
        {"donn\u00e9es \u20ac \u753b\u50cf \U0001F600",
         "donn\u00e9es \u20ac \u753b\u50cf \U0001F600"},         // valid, continuations 0x80 to 0x9F too
        {"\xe2\x82", "\xe2?"},                                   // cut short
        {"\xe2\x82x \xf0\x9f\x98.", "\xe2?x \xf0??."},           // broken before its end
        {"\xc0\x80 \xe0\x80\x80 \xed\xa0\x80 \xf4\x90\x80\x80",  // overlong, surrogate, past U+10FFFF
         "\xc0? \xe0?? \xed\xa0? \xf4???"},
        {"", ""},
    };
    for (const auto& un_cas : cas) {
        SCOPED_TRACE(un_cas.texte);
        EXPECT_EQ(info_rle::lisible_sur_terminal(un_cas.texte), un_cas.lisible);
    }

    // The path as the progress line echoes it, on a terminal and elsewhere.
    // Windows cannot name a file so: this one is absent, and the system
    // tests open a real one on Linux.
    const std::string chemin = "x\x1b]0;titre\x07.rle";
    const char* argv[] = {"info_rle", chemin.c_str(), nullptr};
    for (const bool terminal : {false, true}) {
        SCOPED_TRACE(terminal ? "terminal" : "pipe");
        std::ostringstream sortie;
        std::ostringstream erreurs;
        EXPECT_EQ(info_rle::executer(2, argv, sortie, erreurs, terminal), 1);
        EXPECT_EQ(sortie.str(), progression(terminal ? "x?]0;titre?.rle" : chemin));
        EXPECT_EQ(erreurs.str(), erreur_ouverture);
    }
}

// What the stream held each time it was flushed.
class tampon_vidages : public std::stringbuf {
public:
    std::vector<std::string> vidages;

protected:
    int sync() override
    {
        vidages.push_back(str());
        return 0;
    }
};

// The progress line goes out before the file is read, and every complete
// line the moment it is complete: each flush, and what was out by then.
TEST(InfoRle, ChaqueLigneSortAussitot)
{
    const essai::dossier_temporaire dossier;
    const std::string huit = dossier.fichier("huit.rle", mots({640, 480}));
    const std::string absent = (dossier.chemin() / "absent.rle").string();
    const struct {
        std::vector<const char*> argv;
        std::vector<std::string> vidages;
        std::vector<std::string> vidages_erreurs;
    } cas[] = {
        {{"info_rle"}, {"Usage: info_rle [fichier.rle]\n"}, {}},
        {{"info_rle", huit.c_str()},
         {progression(huit), progression(huit) + "... reussi!\nImage de largeur 640 et de hauteur 480\n",
          rapport(huit, "640", "480", "0")},
         {}},
        {{"info_rle", absent.c_str()}, {progression(absent)}, {erreur_ouverture}},
    };
    for (const auto& un_cas : cas) {
        SCOPED_TRACE(un_cas.argv.back());
        std::vector<const char*> argv = un_cas.argv;
        const int argc = static_cast<int>(argv.size());
        argv.push_back(nullptr);
        tampon_vidages tampon_sortie;
        tampon_vidages tampon_erreurs;
        std::ostream sortie(&tampon_sortie);
        std::ostream erreurs(&tampon_erreurs);
        info_rle::executer(argc, argv.data(), sortie, erreurs);
        EXPECT_EQ(tampon_sortie.vidages, un_cas.vidages);
        EXPECT_EQ(tampon_erreurs.vidages, un_cas.vidages_erreurs);
    }
}

// A stream that cannot take a byte, like standard output on a full disk.
class puits_plein : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(InfoRle, SortieImpossibleEstUnEchec)
{
    const essai::dossier_temporaire dossier;
    const std::string chemin = dossier.fichier("image.rle", mots({1, 2}));
    const char* argv[] = {"info_rle", chemin.c_str(), nullptr};

    puits_plein puits;
    for (const int argc : {1, 2}) {
        for (const bool exceptions : {false, true}) {
            SCOPED_TRACE(std::to_string(argc) + (exceptions ? " avec exceptions" : " sans exceptions"));
            std::ostream sortie(&puits);
            if (exceptions) {
                sortie.exceptions(std::ios_base::badbit);
            }
            std::ostringstream erreurs;
            EXPECT_EQ(info_rle::executer(argc, argv, sortie, erreurs), 1);
            EXPECT_EQ(erreurs.str(), erreur_ecriture);
        }
    }
}

}  // namespace

namespace {

// Whole pairs give the count; a lone value left over gives the warning
// instead, after the size line, and a failure status.
TEST(InfoRle, RapportSurLesValeurs)
{
    const struct {
        std::vector<std::uint32_t> donnees;
        std::string sortie;
        std::string erreurs;
        int statut;
    } cas[] = {
        {{},
         "... reussi!\nImage de largeur 3 et de hauteur 4\nLe fichier contient 0 paires { combien, quand }\n",
         "",
         0},
        {{1, 2, 3, 4},
         "... reussi!\nImage de largeur 3 et de hauteur 4\nLe fichier contient 2 paires { combien, quand }\n",
         "",
         0},
        {{1, 2, 3},
         "... reussi!\nImage de largeur 3 et de hauteur 4\n",
         "Le fichier semble corrompu (les donnes sont en nombre impair)\n",
         1},
    };
    for (const auto& un_cas : cas) {
        SCOPED_TRACE(un_cas.donnees.size());
        std::ostringstream sortie;
        std::ostringstream erreurs;
        EXPECT_EQ(info_rle::rapporter(rle::image_rle{3, 4, un_cas.donnees}, sortie, erreurs), un_cas.statut);
        EXPECT_EQ(sortie.str(), un_cas.sortie);
        EXPECT_EQ(erreurs.str(), un_cas.erreurs);
    }
}

// Whatever is thrown, nothing escapes: a message and a failure status, even
// when standard error refuses the message too.
template <typename Exception>
class puits_piege : public std::streambuf {
protected:
    int_type overflow(int_type) override { throw Exception(); }
    std::streamsize xsputn(const char*, std::streamsize) override { throw Exception(); }
};

struct pas_une_exception_standard {};

template <typename Exception>
void verifier_contenue()
{
    puits_piege<Exception> piege;
    std::ostream sortie(&piege);
    sortie.exceptions(std::ios_base::badbit);
    std::ostringstream erreurs;
    const char* argv[] = {"info_rle", nullptr};
    EXPECT_EQ(info_rle::executer(1, argv, sortie, erreurs), 1);
    EXPECT_EQ(erreurs.str(), "\n\tErreur (inattendue)\n");

    std::ostream muet(&piege);
    muet.exceptions(std::ios_base::badbit);
    EXPECT_EQ(info_rle::executer(1, argv, sortie, muet), 1);
}

TEST(InfoRle, ExceptionInattendueContenue)
{
    struct erreur_inconnue : std::runtime_error {
        erreur_inconnue() : std::runtime_error("unexpected") {}
    };
    verifier_contenue<erreur_inconnue>();
    verifier_contenue<pas_une_exception_standard>();
}

}  // namespace
