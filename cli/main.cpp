// korbit: the command-line host of the control library.
#include <cstring>
#include <iostream>
#include <string_view>

#include "korbit/engine/digest.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: korbit [--help | --version]\n"
    "\n"
    "The command-line host of the Korbit control library.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text and exit\n"
    "      --version  show the version and the digest implementation in use\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << kUsage;
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "korbit " << KORBIT_VERSION << " (SHA-256: " << korbit::engine::sha256::active().name
                  << ")\n";
        return 0;
    }
    std::cerr << "korbit: unknown option '" << argv[1] << "'\n" << kUsage;
    return 2;
}
