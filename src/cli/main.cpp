#include <iostream>
#include <string_view>
#include <vector>

#include "cli/CliRunner.h"
#include "cli/PracticeRunner.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && args.front() == "practice")
        return korvane::RunPractice(std::span(args).subspan(1), std::cin, std::cout, std::cerr);
    return korvane::RunCli(args, std::cin, std::cout, std::cerr);
}
