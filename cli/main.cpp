#include <iostream>

#include "command_line.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return cli::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
