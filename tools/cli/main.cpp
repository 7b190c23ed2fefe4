// korvane-cli: Korvane's reading passes and ROM tools from the command line; see --help.

#include "run_cli.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const int exitCode = korvane::cli::RunCli(argc, argv, std::cout, std::cerr);
    std::cout.flush();
    return exitCode;
}
