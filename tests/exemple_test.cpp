#include <image_exemple.hpp>
#include <rle_file/lire_rle.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

// The shipped example is what the generator writes, and a real picture:
// each row's runs cover exactly its width.
TEST(Exemple, FichierLivreAJour)
{
    std::ifstream fichier(INFO_RLE_EXEMPLE, std::ios_base::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    const std::string livre = contenu.str();
    EXPECT_EQ(livre, exemple::image_exemple()) << "run generer_image examples/image.rle";

    const rle::image_rle image = rle::lire_rle(INFO_RLE_EXEMPLE);
    ASSERT_EQ(image.largeur, 640U);
    ASSERT_EQ(image.hauteur, 480U);
    std::uint64_t pixels_de_la_ligne = 0;
    std::uint32_t lignes = 0;
    for (std::size_t i = 0; i < image.donnees.size(); i += 2) {
        pixels_de_la_ligne += image.donnees[i];
        ASSERT_LE(pixels_de_la_ligne, image.largeur);
        if (pixels_de_la_ligne == image.largeur) {
            pixels_de_la_ligne = 0;
            ++lignes;
        }
    }
    EXPECT_EQ(pixels_de_la_ligne, 0U);
    EXPECT_EQ(lignes, image.hauteur);
}
