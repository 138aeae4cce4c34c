/* The floor: one preallocated buffer the size of the file, filled by read()
   calls, and nothing else. Prints the number of whole pairs so that the work
   cannot be optimised away. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        fprintf(stderr, "usage: plancher file\n");
        return 2;
    }
    int fd = open(argv[1], O_RDONLY);
    struct stat etat;
    if (fd < 0 || fstat(fd, &etat) != 0) {
        perror(argv[1]);
        return 1;
    }
    size_t taille = (size_t)etat.st_size;
    char* tampon = malloc(taille > 0 ? taille : 1);
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
