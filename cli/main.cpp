#include "cli/cli.h"
#include "model/fp_environment.h"

#include <iostream>
#include <string_view>
#include <vector>

#include <unistd.h>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
    brenvik::setModelFloatingPointEnvironment();
#if defined(_WIN32)
    // The same bytes as on every other system: no carriage return before each line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const int status = brenvik::cli::run(args, std::cout, std::cerr,
                                         {isatty(STDOUT_FILENO) == 1, isatty(STDERR_FILENO) == 1});
    if (status == 1)
        std::cerr << "brenvik-cli: could not write the output.\n";
    return status;
}
