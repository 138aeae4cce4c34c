#include "console.hpp"
#include "info_rle.hpp"

#include <ostream>

// Windows hands wmain() the command line in UTF-16, which holds any name a
// user can type; other systems hand main() bytes.
#ifdef _WIN32
int wmain(int argc, wchar_t* argv[])
#else
int main(int argc, char* argv[])
#endif
{
    const info_rle::arguments ligne(argc, argv);
    std::ostream& sortie = info_rle::sortie_standard();
    const int statut =
        info_rle::executer(ligne, sortie, info_rle::erreur_standard(), info_rle::sortie_est_un_terminal());
    info_rle::garder_la_fenetre(sortie, info_rle::invitation_a_fermer);
    return statut;
}
