#ifndef INFO_RLE_FICHIERS_HPP
#define INFO_RLE_FICHIERS_HPP

// Test helpers: RLE bytes built from words, and files in a fresh folder that
// is removed with its contents at the end of the test.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>

namespace essai {

inline std::string mots(std::initializer_list<std::uint32_t> valeurs)
{
    std::string octets;
    for (const std::uint32_t valeur : valeurs) {
        for (unsigned decalage = 0; decalage < 32; decalage += 8) {
            octets.push_back(static_cast<char>((valeur >> decalage) & 0xFFU));
        }
    }
    return octets;
}

// `taille` bytes whose byte i is (i * 7 + 3) mod 256.
inline std::string octets_numerotes(std::size_t taille)
{
    std::string octets(taille, '\0');
    for (std::size_t i = 0; i < taille; ++i) {
        octets[i] = static_cast<char>((i * 7 + 3) % 256);
    }
    return octets;
}

class dossier_temporaire {
public:
    dossier_temporaire()
        : chemin_(std::filesystem::temp_directory_path() / ("info_rle_essai_" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(chemin_);
    }
    dossier_temporaire(const dossier_temporaire&) = delete;
    dossier_temporaire& operator=(const dossier_temporaire&) = delete;
    ~dossier_temporaire()
    {
        std::error_code ignoree;
        std::filesystem::remove_all(chemin_, ignoree);
    }

    [[nodiscard]] const std::filesystem::path& chemin() const { return chemin_; }

    // Writes `octets` to a file of that name and returns its path as the
    // narrow string the tool takes.
    [[nodiscard]] std::string fichier(const std::string& nom, const std::string& octets) const
    {
        const std::filesystem::path complet = chemin_ / nom;
        std::ofstream flux(complet, std::ios_base::binary);
        flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
        flux.close();
        if (!flux) {
            throw std::runtime_error("cannot write " + complet.string());
        }
        return complet.string();
    }

private:
    std::filesystem::path chemin_;
};

}  // namespace essai

#endif
