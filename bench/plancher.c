/* The floor: one preallocated buffer the size of the file, filled by read()
   calls, and nothing else. With --grandes-pages, the buffer's whole 2 MiB
   pages are first advised for transparent huge pages (Linux): the floor for
   a reader that does the same. Prints the number of whole pairs so that the
   work cannot be optimised away.

     plancher [--grandes-pages] file */
#define _DEFAULT_SOURCE
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    int grandes_pages = argc == 3 && strcmp(argv[1], "--grandes-pages") == 0;
    if (argc != 2 + grandes_pages) {
        fprintf(stderr, "usage: plancher [--grandes-pages] file\n");
        return 2;
    }
    const char* chemin = argv[argc - 1];
    int fd = open(chemin, O_RDONLY);
    struct stat etat;
    if (fd < 0 || fstat(fd, &etat) != 0) {
        perror(chemin);
        return 1;
    }
    size_t taille = (size_t)etat.st_size;
    char* tampon = malloc(taille > 0 ? taille : 1);
    if (tampon == NULL) {
        perror("malloc");
        return 1;
    }
    if (grandes_pages) {
        const size_t page = (size_t)1 << 21;
        size_t avant = (page - (uintptr_t)tampon % page) % page;
        if (taille >= avant + page && madvise(tampon + avant, (taille - avant) / page * page, MADV_HUGEPAGE) != 0) {
            perror("madvise");
        }
    }
    size_t lus = 0;
    while (lus < taille) {
        ssize_t n = read(fd, tampon + lus, taille - lus);
        if (n <= 0) {
            break;
        }
        lus += (size_t)n;
    }
    close(fd);
    printf("%zu\n", lus >= 8 ? (lus - 8) / 8 : 0);
    free(tampon);
    return 0;
}
