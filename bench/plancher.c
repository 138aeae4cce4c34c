/* The floors. For a file: one preallocated buffer the size of the file,
   filled by read() calls, and nothing else; with --grandes-pages, the
   buffer's whole 2 MiB pages are first advised for transparent huge pages
   (Linux): the floor for a reader that does the same. For a pipe (--tube),
   whose size nobody knows: the pipe's buffer raised to 1 MiB, then one
   buffer grown by realloc() as the data come (glibc moves a large block
   with mremap(): no copy, and no page faulted twice); --tube-64k keeps the
   pipe's default buffer. Prints the number of whole pairs so that the work
   cannot be optimised away.

     plancher [--grandes-pages] file
     plancher --tube | --tube-64k file */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

static size_t lire_tout(int fd, char* tampon, size_t taille)
{
    size_t lus = 0;
    while (lus < taille) {
        ssize_t n = read(fd, tampon + lus, taille - lus);
        if (n <= 0) {
            break;
        }
        lus += (size_t)n;
    }
    return lus;
}

static size_t tube(int fd, int elargi)
{
    if (elargi && fcntl(fd, F_SETPIPE_SZ, 1 << 20) < 0) {
        perror("F_SETPIPE_SZ");
    }
    size_t capacite = (size_t)1 << 20;
    size_t lus = 0;
    char* tampon = malloc(capacite);
    for (;;) {
        if (tampon == NULL) {
            perror("malloc");
            exit(1);
        }
        size_t n = lire_tout(fd, tampon + lus, capacite - lus);
        lus += n;
        if (lus < capacite) {
            break;
        }
        capacite *= 2;
        char* agrandi = realloc(tampon, capacite);
        if (agrandi == NULL) {
            free(tampon);
            perror("realloc");
            exit(1);
        }
        tampon = agrandi;
    }
    free(tampon);
    return lus;
}

int main(int argc, char* argv[])
{
    const char* mode = argc == 3 ? argv[1] : "";
    int grandes_pages = strcmp(mode, "--grandes-pages") == 0;
    int tube_elargi = strcmp(mode, "--tube") == 0;
    int tube_defaut = strcmp(mode, "--tube-64k") == 0;
    if (argc != 2 && !(grandes_pages || tube_elargi || tube_defaut)) {
        fprintf(stderr, "usage: plancher [--grandes-pages | --tube | --tube-64k] file\n");
        return 2;
    }
    const char* chemin = argv[argc - 1];
    int fd = open(chemin, O_RDONLY);
    struct stat etat;
    if (fd < 0 || fstat(fd, &etat) != 0) {
        perror(chemin);
        if (fd >= 0) {
            close(fd);
        }
        return 1;
    }
    size_t lus = 0;
    if (tube_elargi || tube_defaut) {
        lus = tube(fd, tube_elargi);
    } else {
        size_t taille = (size_t)etat.st_size;
        char* tampon = malloc(taille > 0 ? taille : 1);
        if (tampon == NULL) {
            perror("malloc");
            close(fd);
            return 1;
        }
        if (grandes_pages) {
            const size_t page = (size_t)1 << 21;
            size_t avant = (page - (uintptr_t)tampon % page) % page;
            if (taille >= avant + page && madvise(tampon + avant, (taille - avant) / page * page, MADV_HUGEPAGE) != 0) {
                perror("madvise");
            }
        }
        lus = lire_tout(fd, tampon, taille);
        free(tampon);
    }
    close(fd);
    printf("%zu\n", lus >= 8 ? (lus - 8) / 8 : 0);
    return 0;
}
