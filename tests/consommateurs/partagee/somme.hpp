#ifndef SOMME_HPP
#define SOMME_HPP

#include <cstdint>
#include <string>

// The sum of the first members (combien) of an RLE file's pairs.
std::uint64_t somme_combien(const std::string& chemin);

#endif
