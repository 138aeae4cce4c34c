#ifndef RLE_FILE_FICHIER_HPP
#define RLE_FILE_FICHIER_HPP

// The reader's only contact with the system: a file opened by path, its
// size, and its bytes in order; and a hint on the memory that receives them.
// fichier_posix.cpp and fichier_windows.cpp implement it; nothing above them
// knows which one was built.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace rle::systeme {

// What the system says a file is, as the reading needs to know it.
enum class nature {
    reguliere,  // a file whose size is known when it is opened
    tube,       // a pipe
    autre,      // a device, a socket, a file the system gives no size for
};

class fichier {
public:
    // Opens `nom` for reading, every byte as it is, without locking other
    // programs out: they may read, write, rename or delete it meanwhile.
    // Raises erreur_ouverture when it cannot be opened or is a directory.
    // A pipe's buffer is raised where the system allows it, so that each
    // read takes more at once.
    // A narrow name goes to the system's narrow call (on Windows, in the
    // process's code page); a path by its native name (on Windows, wide).
    explicit fichier(const std::string& nom);
    explicit fichier(const std::filesystem::path& chemin);
    ~fichier();
    fichier(const fichier&) = delete;
    fichier& operator=(const fichier&) = delete;
    fichier(fichier&&) = delete;
    fichier& operator=(fichier&&) = delete;

    // The size of a regular file at this moment, asked of the open file;
    // nothing for pipes, devices and the like, or when the system cannot tell.
    [[nodiscard]] std::optional<std::uint64_t> taille() const;

    // Reads up to `taille` bytes (at least one) into `octets` and returns how
    // many came: 0 only at the end of the data. An interrupted read is tried
    // again; a failed one raises erreur_lecture with the system's error.
    std::size_t lire(char* octets, std::size_t taille);

private:
    std::int64_t poignee_;  // descriptor or handle: wide enough for either, on every host
    nature nature_;
};

// Tells the system that the `taille` bytes at `debut`, not yet touched, are
// about to be filled: on Linux, the whole 2 MiB pages among them are advised
// for transparent huge pages, so that one fault maps 2 MiB where 512 faults
// would map 4 KiB each. Only a hint: whatever the system answers (a kernel
// without huge pages, or with them turned off), nothing changes but speed.
void conseiller_grandes_pages(void* debut, std::size_t taille) noexcept;

}  // namespace rle::systeme

#endif
