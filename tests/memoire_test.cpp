// Every allocation the tool makes may fail: this program replaces operator
// new so that the Nth allocation of a run fails (once, or for ever after),
// for N = 1, 2, ... until a run needs no more. Each run must end with the
// exact report or with the memory message and status 1, and give back every
// allocation it made.
#include <essai/fichiers.hpp>
#include <essai/resultat.hpp>
#include <essai/tampon_morcele.hpp>
#include <info_rle.hpp>
#include <rle_file/lire_rle.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <new>
#include <optional>
#include <streambuf>
#include <string>

namespace {

struct injection {
    std::size_t allocations = 0;  // in the current run
    std::size_t echec_a = 0;      // 0: never fail
    bool pour_toujours = false;
    bool echec_survenu = false;
    long long vivantes = 0;  // allocated and not yet freed, all runs
};
injection etat;

// Every block comes from malloc, aligned by hand (MinGW has no
// aligned_alloc), with malloc's own pointer stored just before it. A plain
// operator new promises __STDCPP_DEFAULT_NEW_ALIGNMENT__ (16 on the usual
// 64-bit hosts), more than alignof(std::max_align_t) on some (8 with Visual
// Studio and on Apple's arm64).
void* allouer(std::size_t taille, std::size_t alignement)
{
    ++etat.allocations;
    if (etat.echec_a != 0 &&
        (etat.allocations == etat.echec_a || (etat.pour_toujours && etat.allocations > etat.echec_a))) {
        etat.echec_survenu = true;
        throw std::bad_alloc();
    }
    alignement = std::max(alignement, std::size_t{__STDCPP_DEFAULT_NEW_ALIGNMENT__});
    const std::size_t marge = alignement + sizeof(void*);
    void* brut = taille <= SIZE_MAX - marge ? std::malloc(taille + marge) : nullptr;
    if (brut == nullptr) {
        throw std::bad_alloc();
    }
    // NOLINTBEGIN(performance-no-int-to-ptr)
    const std::uintptr_t debut = reinterpret_cast<std::uintptr_t>(brut) + sizeof(void*);
    void* bloc = reinterpret_cast<void*>((debut + alignement - 1) / alignement * alignement);
    // NOLINTEND(performance-no-int-to-ptr)
    std::memcpy(static_cast<char*>(bloc) - sizeof(void*), &brut, sizeof(void*));
    ++etat.vivantes;
    return bloc;
}

void liberer(void* bloc) noexcept
{
    if (bloc != nullptr) {
        --etat.vivantes;
        void* brut = nullptr;
        std::memcpy(&brut, static_cast<char*>(bloc) - sizeof(void*), sizeof(void*));
        std::free(brut);
    }
}

}  // namespace

// Every form the program may call, all twelve. The standard library's
// array and sized forms would forward to the first and the fifth, but a
// sanitizer's runtime defines each form itself: one left out would hand our
// blocks to its allocator (AddressSanitizer: "attempting free on address
// which was not malloc()-ed").
void* operator new(std::size_t taille)
{
    return allouer(taille, 0);
}
void* operator new[](std::size_t taille)
{
    return allouer(taille, 0);
}
void* operator new(std::size_t taille, std::align_val_t alignement)
{
    return allouer(taille, static_cast<std::size_t>(alignement));
}
void* operator new[](std::size_t taille, std::align_val_t alignement)
{
    return allouer(taille, static_cast<std::size_t>(alignement));
}
void operator delete(void* bloc) noexcept
{
    liberer(bloc);
}
void operator delete[](void* bloc) noexcept
{
    liberer(bloc);
}
void operator delete(void* bloc, std::size_t) noexcept
{
    liberer(bloc);
}
void operator delete[](void* bloc, std::size_t) noexcept
{
    liberer(bloc);
}
void operator delete(void* bloc, std::align_val_t) noexcept
{
    liberer(bloc);
}
void operator delete[](void* bloc, std::align_val_t) noexcept
{
    liberer(bloc);
}
void operator delete(void* bloc, std::size_t, std::align_val_t) noexcept
{
    liberer(bloc);
}
void operator delete[](void* bloc, std::size_t, std::align_val_t) noexcept
{
    liberer(bloc);
}

namespace {

// An output stream over a fixed array: writing to it allocates nothing.
class tampon_fixe : public std::streambuf {
public:
    tampon_fixe() { setp(octets_.data(), octets_.data() + octets_.size()); }
    [[nodiscard]] std::string texte() const { return {pbase(), pptr()}; }

private:
    std::array<char, 1024> octets_{};
};

// While it lives, allocation `echec_a` of the run fails, and with
// `pour_toujours` every one after it too.
class allocations_manquantes {
public:
    allocations_manquantes(std::size_t echec_a, bool pour_toujours)
    {
        etat.allocations = 0;
        etat.echec_a = echec_a;
        etat.pour_toujours = pour_toujours;
        etat.echec_survenu = false;
    }
    allocations_manquantes(const allocations_manquantes&) = delete;
    allocations_manquantes& operator=(const allocations_manquantes&) = delete;
    allocations_manquantes(allocations_manquantes&&) = delete;
    allocations_manquantes& operator=(allocations_manquantes&&) = delete;
    ~allocations_manquantes() { etat.echec_a = 0; }
};

// Runs `essai(n, pour_toujours)` with allocation n failing, once or for ever
// after, for n = 1, 2, ... until a run needs no more than n - 1 allocations.
// `essai` checks its own outcome and says whether it reported the failure.
// Every run must give back every allocation it made, and some must report.
template <typename Essai>
void chaque_allocation_manquante(Essai essai)
{
    for (const bool pour_toujours : {false, true}) {
        std::size_t echecs_signales = 0;
        std::size_t n = 1;
        for (;; ++n) {
            SCOPED_TRACE(std::string(pour_toujours ? "for ever" : "once") + " from allocation " + std::to_string(n));
            const long long vivantes_avant = etat.vivantes;
            if (essai(n, pour_toujours)) {
                ++echecs_signales;
            } else {
                EXPECT_FALSE(etat.echec_survenu && pour_toujours) << "a failure for ever, yet a complete result";
            }
            ASSERT_EQ(etat.vivantes, vivantes_avant) << "allocations not given back";
            if (!etat.echec_survenu) {
                break;  // the run needed no more allocations than n - 1
            }
        }
        std::printf("%s: %zu runs, %zu memory failures reported, last run complete\n",
                    pour_toujours ? "fail for ever" : "fail once", n, echecs_signales);
        EXPECT_GT(echecs_signales, 0U);
    }
}

struct issue_run {
    std::string sortie;
    std::string erreurs;
    int statut;
};

// Runs the tool with allocation `echec_a` failing (0: none), and only that.
issue_run executer(const char* chemin, std::size_t echec_a = 0, bool pour_toujours = false)
{
    tampon_fixe sortie;
    tampon_fixe erreurs;
    std::ostream flux_sortie(&sortie);
    std::ostream flux_erreurs(&erreurs);
    int statut = 0;
    {
        const char* argv[] = {"info_rle", chemin, nullptr};
        const allocations_manquantes manque(echec_a, pour_toujours);
        statut = info_rle::executer(2, argv, flux_sortie, flux_erreurs);
    }
    return {sortie.texte(), erreurs.texte(), statut};
}

// A Windows DLL allocates through its own operator new: the one this program
// replaces never sees the reader's allocations when the reader is a DLL.
// Visual Studio's checked containers (_ITERATOR_DEBUG_LEVEL, on in its Debug
// builds) allocate even in their noexcept constructors: a failure there ends
// the program, as the standard says, before any caller could report it.
class Memoire : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef INFO_RLE_LECTEUR_DLL
        GTEST_SKIP() << "the reader is a DLL, whose allocations this program's operator new does not reach";
#elif defined(_ITERATOR_DEBUG_LEVEL) && _ITERATOR_DEBUG_LEVEL != 0
        GTEST_SKIP() << "Visual Studio's checked containers allocate in noexcept constructors, where a failure "
                        "ends the program";
#endif
    }
};

TEST_F(Memoire, ChaqueAllocationPeutManquer)
{
    const char* chemin = INFO_RLE_EXEMPLE;
    const issue_run rapport = executer(chemin);
    ASSERT_EQ(rapport.statut, 0);
    const std::string progression = std::string("Tentative de lire le fichier ") + chemin + "...";
    const std::string memoire = "\n\tErreur (memoire insuffisante)\n";

    chaque_allocation_manquante([&](std::size_t n, bool pour_toujours) {
        const issue_run obtenu = executer(chemin, n, pour_toujours);
        if (obtenu.statut == 0) {
            EXPECT_EQ(obtenu.sortie, rapport.sortie);
            EXPECT_EQ(obtenu.erreurs, "");
            return false;
        }
        EXPECT_EQ(obtenu.statut, 1);
        EXPECT_EQ(obtenu.sortie, progression);
        EXPECT_EQ(obtenu.erreurs, memoire);
        return true;
    });
}

// Data of unknown size, gathered in several pieces before they are copied
// into their storage: a failure at any point gives everything back too.
TEST_F(Memoire, DonneesEnMorceaux)
{
    const std::string octets = essai::octets_numerotes(std::size_t{9} << 20);  // three pieces
    essai::tampon_morcele tampon_entier(octets);
    std::istream flux_entier(&tampon_entier);
    const std::string attendu = essai::resumer(rle::lire_rle(flux_entier));

    chaque_allocation_manquante([&](std::size_t n, bool pour_toujours) {
        essai::tampon_morcele tampon(octets);
        std::istream flux(&tampon);
        std::optional<rle::image_rle> image;
        bool manque_signale = false;
        {
            const allocations_manquantes manque(n, pour_toujours);
            try {
                image = rle::lire_rle(flux);
            } catch (const std::bad_alloc&) {
                manque_signale = true;
            }
        }
        if (image) {
            EXPECT_EQ(essai::resumer(*image), attendu);
        }
        return manque_signale;
    });
}

}  // namespace
