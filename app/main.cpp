#include "info_rle.hpp"

#include <iostream>

int main(int argc, char* argv[])
{
    return info_rle::executer(argc, argv, std::cout, std::cerr);
}
