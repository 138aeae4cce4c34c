/* Preloaded into info_rle (LD_PRELOAD) to make the system misbehave on the
   file named by ECHEC_FICHIER. Once ECHEC_APRES bytes of it have been read:
     ECHEC_MODE=une        read() fails with EIO once,
     ECHEC_MODE=toujours   read() fails with EIO on every later call,
     ECHEC_MODE=retailler  the file is cut or grown to ECHEC_TAILLE bytes, as
                           another program would, and reading goes on.
   ECHEC_MODE=permuter replaces the path with ECHEC_REMPLACANT (rename) just
   after the file is opened, as another program could between the opening
   and any later look at the path.
   ECHEC_MODE=tube_fige refuses every change of a pipe's buffer size
   (F_SETPIPE_SZ fails with EPERM, as for a user whose pipes already hold
   all the memory allowed them), and creates the file ECHEC_MARQUE to say
   that one was asked.
   Everything else goes through untouched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

typedef ssize_t (*fonction_read)(int, void*, size_t);
typedef int (*fonction_open)(const char*, int, ...);
typedef int (*fonction_fcntl)(int, int, ...);

static int initialise;
static fonction_read vrai_read;
static fonction_open vrai_open;
static fonction_open vrai_open64;
static fonction_fcntl vrai_fcntl;
static fonction_fcntl vrai_fcntl64;
static const char* fichier;
static const char* mode = "";
static int actif;
static dev_t peripherique;
static ino64_t inode;
static unsigned long long limite;
static unsigned long long livres;
static int deja_fait;

static void initialiser(void)
{
    initialise = 1;
    vrai_read = (fonction_read)dlsym(RTLD_NEXT, "read");
    vrai_open = (fonction_open)dlsym(RTLD_NEXT, "open");
    vrai_open64 = (fonction_open)dlsym(RTLD_NEXT, "open64");
    vrai_fcntl = (fonction_fcntl)dlsym(RTLD_NEXT, "fcntl");
    vrai_fcntl64 = (fonction_fcntl)dlsym(RTLD_NEXT, "fcntl64");
    fichier = getenv("ECHEC_FICHIER");
    const char* apres = getenv("ECHEC_APRES");
    if (getenv("ECHEC_MODE") != NULL) {
        mode = getenv("ECHEC_MODE");
    }
    struct stat64 etat;
    if (fichier != NULL && apres != NULL && stat64(fichier, &etat) == 0) {
        peripherique = etat.st_dev;
        inode = etat.st_ino;
        limite = strtoull(apres, NULL, 10);
        actif = 1;
    }
}

static int est_la_cible(int fd)
{
    struct stat64 etat;
    return actif && fstat64(fd, &etat) == 0 && etat.st_dev == peripherique && etat.st_ino == inode;
}

/* The fault, when the limit is reached: 1 if the read must fail. */
static int faute(void)
{
    int premiere = !deja_fait;
    deja_fait = 1;
    if (strcmp(mode, "retailler") == 0) {
        if (premiere && truncate(fichier, (off_t)strtoll(getenv("ECHEC_TAILLE"), NULL, 10)) != 0) {
            perror("truncate");
            abort();
        }
        return 0;
    }
    return premiere || strcmp(mode, "toujours") == 0;
}

ssize_t read(int fd, void* tampon, size_t taille)
{
    if (!initialise) {
        initialiser();
    }
    if (!est_la_cible(fd) || (deja_fait && strcmp(mode, "toujours") != 0)) {
        return vrai_read(fd, tampon, taille);
    }
    if (livres >= limite) {
        if (faute()) {
            errno = EIO;
            return -1;
        }
        return vrai_read(fd, tampon, taille);
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

/* Built with buffer checks (_FORTIFY_SOURCE) by a compiler that knows the
   buffer's size (link-time optimisation, as distributions build), the tool
   calls __read_chk: the same read, once the size is checked. */
ssize_t __read_chk(int fd, void* tampon, size_t taille, size_t capacite)
{
    if (taille > capacite) {
        abort(); /* as the C library's own check would stop it */
    }
    return read(fd, tampon, taille);
}

/* The tool calls open64 where it reads files of any size on a 32-bit host
   (_FILE_OFFSET_BITS=64), open elsewhere: both are watched. */
static int ouvrir(int large, const char* chemin, int drapeaux, mode_t droits)
{
    if (!initialise) {
        initialiser();
    }
    int fd = (large ? vrai_open64 : vrai_open)(chemin, drapeaux, droits);
    if (fd >= 0 && strcmp(mode, "permuter") == 0 && fichier != NULL && strcmp(chemin, fichier) == 0 &&
        rename(getenv("ECHEC_REMPLACANT"), fichier) != 0) {
        perror("rename");
        abort();
    }
    return fd;
}

/* The mode argument is there only when a file may be created. */
static int cree(int drapeaux)
{
    return (drapeaux & (O_CREAT | O_TMPFILE)) != 0;
}

int open(const char* chemin, int drapeaux, ...)
{
    va_list suite;
    va_start(suite, drapeaux);
    mode_t droits = cree(drapeaux) ? va_arg(suite, mode_t) : 0;
    va_end(suite);
    return ouvrir(0, chemin, drapeaux, droits);
}

int open64(const char* chemin, int drapeaux, ...)
{
    va_list suite;
    va_start(suite, drapeaux);
    mode_t droits = cree(drapeaux) ? va_arg(suite, mode_t) : 0;
    va_end(suite);
    return ouvrir(1, chemin, drapeaux, droits);
}

/* fcntl64 where a 32-bit host reads files of any size, fcntl elsewhere. The
   argument, when there is one, is an int or a pointer: passed on as a
   pointer, as the C library itself takes it. */
static int commander(int large, int fd, int commande, void* argument)
{
    if (!initialise) {
        initialiser();
    }
    if (commande == F_SETPIPE_SZ && strcmp(mode, "tube_fige") == 0) {
        const char* marque = getenv("ECHEC_MARQUE");
        if (marque != NULL) {
            fclose(fopen(marque, "w"));
        }
        errno = EPERM;
        return -1;
    }
    return (large ? vrai_fcntl64 : vrai_fcntl)(fd, commande, argument);
}

int fcntl(int fd, int commande, ...)
{
    va_list suite;
    va_start(suite, commande);
    void* argument = va_arg(suite, void*);
    va_end(suite);
    return commander(0, fd, commande, argument);
}

int fcntl64(int fd, int commande, ...)
{
    va_list suite;
    va_start(suite, commande);
    void* argument = va_arg(suite, void*);
    va_end(suite);
    return commander(1, fd, commande, argument);
}
