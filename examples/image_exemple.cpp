#include "image_exemple.hpp"

#include <cstdint>
#include <vector>

namespace exemple {
namespace {

constexpr std::int64_t largeur = 640;
constexpr std::int64_t hauteur = 480;
constexpr std::int64_t bord = 16;
constexpr std::int64_t rayon = 180;
constexpr std::uint32_t gris_bord = 40;
constexpr std::uint32_t gris_fond = 0;
constexpr std::uint32_t gris_disque = 255;

std::uint32_t gris(std::int64_t x, std::int64_t y)
{
    if (x < bord || y < bord || x >= largeur - bord || y >= hauteur - bord) {
        return gris_bord;
    }
    const std::int64_t dx = x - largeur / 2;
    const std::int64_t dy = y - hauteur / 2;
    return dx * dx + dy * dy <= rayon * rayon ? gris_disque : gris_fond;
}

void ajouter_mot(std::string& octets, std::uint32_t mot)
{
    for (int decalage = 0; decalage < 32; decalage += 8) {
        octets.push_back(static_cast<char>((mot >> decalage) & 0xFFU));
    }
}

}  // namespace

std::string image_exemple()
{
    std::string octets;
    ajouter_mot(octets, static_cast<std::uint32_t>(largeur));
    ajouter_mot(octets, static_cast<std::uint32_t>(hauteur));
    for (std::int64_t y = 0; y < hauteur; ++y) {
        std::int64_t debut = 0;
        for (std::int64_t x = 1; x <= largeur; ++x) {
            if (x == largeur || gris(x, y) != gris(debut, y)) {
                ajouter_mot(octets, static_cast<std::uint32_t>(x - debut));
                ajouter_mot(octets, gris(debut, y));
                debut = x;
            }
        }
    }
    return octets;
}

}  // namespace exemple
