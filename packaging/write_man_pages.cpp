// Writes the manual pages korbit.1 and corvane.1 from the programs' own help
// texts; run when the tree is built.
//
//   korbit_write_man_pages OUTPUT_DIR VERSION DATE
#include <fstream>
#include <iostream>
#include <string>

#include "cli/help_page.h"
#include "cli/help_text.h"
#include "corvane/help_text.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: korbit_write_man_pages OUTPUT_DIR VERSION DATE\n";
        return 2;
    }
    const std::string folder = argv[1];
    for (const korbit::help::HelpPage* page : {&korbit::cli::korbitHelp(), &corvane::corvaneHelp()}) {
        const std::string path = folder + "/" + std::string(page->program) + ".1";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << korbit::help::manPage(*page, argv[2], argv[3]);
        out.close();
        if (!out) {
            std::cerr << "korbit_write_man_pages: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
