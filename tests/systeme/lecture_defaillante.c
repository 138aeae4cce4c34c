/* Preloaded into info_rle (LD_PRELOAD): read() on the file named by
   ECHEC_FICHIER fails with EIO once ECHEC_APRES bytes of it have been read,
   once (ECHEC_MODE=une) or on every later call (ECHEC_MODE=toujours).
   Reads of anything else go through untouched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

typedef ssize_t (*fonction_read)(int, void*, size_t);

static fonction_read vrai_read;
static int actif;
static dev_t peripherique;
static ino_t inode;
static unsigned long long limite;
static int toujours;
static unsigned long long livres;
static int deja_echoue;

static void initialiser(void)
{
    vrai_read = (fonction_read)dlsym(RTLD_NEXT, "read");
    const char* fichier = getenv("ECHEC_FICHIER");
    const char* apres = getenv("ECHEC_APRES");
    const char* mode = getenv("ECHEC_MODE");
    struct stat etat;
    if (fichier != NULL && apres != NULL && stat(fichier, &etat) == 0) {
        peripherique = etat.st_dev;
        inode = etat.st_ino;
        limite = strtoull(apres, NULL, 10);
        toujours = mode != NULL && strcmp(mode, "toujours") == 0;
        actif = 1;
    }
}

static int est_la_cible(int fd)
{
    struct stat etat;
    return actif && fstat(fd, &etat) == 0 && etat.st_dev == peripherique && etat.st_ino == inode;
}

ssize_t read(int fd, void* tampon, size_t taille)
{
    if (vrai_read == NULL) {
        initialiser();
    }
    if (!est_la_cible(fd) || (deja_echoue && !toujours)) {
        return vrai_read(fd, tampon, taille);
    }
    if (livres >= limite) {
        deja_echoue = 1;
        errno = EIO;
        return -1;
    }
    if (taille > limite - livres) {
        taille = (size_t)(limite - livres);
    }
    ssize_t lus = vrai_read(fd, tampon, taille);
    if (lus > 0) {
        livres += (unsigned long long)lus;
    }
    return lus;
}
