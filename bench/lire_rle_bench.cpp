// Reading speed of the block reader, of the word-at-a-time reference and of
// a raw read of the same file into a buffer, in bytes per second.
#include <essai/reference_rle.hpp>

#include <rle_file/lire_rle.hpp>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t taille_fichier = std::size_t{64} << 20;

const std::string& fichier()
{
    static const std::string chemin = [] {
        const std::string nom = (std::filesystem::temp_directory_path() / "info_rle_bench.rle").string();
        std::vector<std::uint32_t> mots(taille_fichier / 4);
        std::mt19937 alea(1);
        for (std::uint32_t& mot : mots) {
            mot = static_cast<std::uint32_t>(alea());
        }
        std::ofstream flux(nom, std::ios_base::binary);
        flux.write(reinterpret_cast<const char*>(mots.data()), static_cast<std::streamsize>(taille_fichier));
        return nom;
    }();
    return chemin;
}

void bloc(benchmark::State& etat)
{
    for (auto _ : etat) {
        benchmark::DoNotOptimize(rle::lire_rle(fichier()).donnees.data());
    }
    etat.SetBytesProcessed(etat.iterations() * static_cast<std::int64_t>(taille_fichier));
}

void mot_a_mot(benchmark::State& etat)
{
    for (auto _ : etat) {
        std::ifstream flux(fichier(), std::ios_base::binary);
        benchmark::DoNotOptimize(reference::lire_mot_a_mot(flux).donnees.data());
    }
    etat.SetBytesProcessed(etat.iterations() * static_cast<std::int64_t>(taille_fichier));
}

void brut(benchmark::State& etat)
{
    for (auto _ : etat) {
        std::ifstream flux(fichier(), std::ios_base::binary);
        std::vector<char> tampon(taille_fichier);
        flux.read(tampon.data(), static_cast<std::streamsize>(tampon.size()));
        benchmark::DoNotOptimize(tampon.data());
    }
    etat.SetBytesProcessed(etat.iterations() * static_cast<std::int64_t>(taille_fichier));
}

}  // namespace

BENCHMARK(bloc)->Unit(benchmark::kMillisecond);
BENCHMARK(mot_a_mot)->Unit(benchmark::kMillisecond);
BENCHMARK(brut)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
