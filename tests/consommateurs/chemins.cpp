// A program of someone else's, built as C++17, that names RLE files in each
// way a C++ program holds a path: a string literal, a std::string, a
// std::wstring and a std::filesystem::path. The path names a file outside
// ASCII: on Windows it opens by its wide name, whatever the code page, in a
// program that has no manifest. Run from the project's folder.
#include <rle_file/lire_rle.hpp>
#include <rle_file/version.hpp>

#include <filesystem>
#include <iostream>
#include <string>

// Built as C++17, and not as some later standard that the reader would
// have imposed.
#ifdef _MSVC_LANG
static_assert(_MSVC_LANG == 201703L, "not built as C++17");
#else
static_assert(__cplusplus == 201703L, "not built as C++17");
#endif

namespace {

void rapporter(const char* forme, const rle::image_rle& image)
{
    std::cout << forme << ": " << image.largeur << " x " << image.hauteur << ", " << image.donnees.size() / 2
              << " pairs\n";
}

}  // namespace

int main()
{
    std::cout << "rle_file " << RLE_FILE_VERSION_MAJOR << '.' << RLE_FILE_VERSION_MINOR << '.' << RLE_FILE_VERSION_PATCH
              << '\n';
    try {
        rapporter("string literal", rle::lire_rle("examples/image.rle"));
        rapporter("std::string", rle::lire_rle(std::string("tests/e2e/donnees/huit.rle")));
        rapporter("std::wstring", rle::lire_rle(std::wstring(L"tests/e2e/donnees/avec des blancs.rle")));
        // 画像.rle, from UTF-8 (a wide string outside ASCII would need a
        // locale to become bytes on POSIX).
        rapporter("std::filesystem::path",
                  rle::lire_rle(std::filesystem::u8path(u8"tests/e2e/donnees/\u753b\u50cf.rle")));
        return 0;
    } catch (const rle::erreur_ouverture&) {
        std::cout << "cannot open\n";
    } catch (const rle::format_incorrect&) {
        std::cout << "too short\n";
    } catch (const rle::erreur_lecture& erreur) {
        std::cout << "cannot read: " << erreur.code().message() << '\n';
    }
    return 1;
}
