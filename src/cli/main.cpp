#include <iostream>
#include <string_view>
#include <vector>

#include "cli/CliRunner.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return korvane::RunCli(args, std::cin, std::cout, std::cerr);
}
