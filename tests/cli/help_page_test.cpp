// The help texts as the terminal and the manual page show them, and the
// shell completions that must offer what the help lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "cli/help_page.h"
#include "cli/help_text.h"
#include "cli/method_reference.h"
#include "cli/reference_help.h"
#include "corvane/help_text.h"

namespace {

using korbit::help::HelpPage;

TEST(HelpText, FitsAnEightyColumnTerminal) {
    for (const HelpPage* page : {&korbit::cli::korbitHelp(), &corvane::corvaneHelp()}) {
        std::string texts = korbit::help::helpText(*page);
        for (const auto& command : page->commands) {
            texts += korbit::help::commandHelpText(*page, command);
        }
        std::istringstream lines(texts);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 79U) << page->program << ": " << line;
            EXPECT_FALSE(line.ends_with(' ')) << page->program << ": '" << line << "'";
        }
    }
}

// `korbit help NAME` for every name of the method reference.
TEST(ReferenceHelp, EveryEntryFitsAnEightyColumnTerminal) {
    std::size_t entries = 0;
    for (const char* list : {"methods", "classes", "enumerations", "records"}) {
        for (const auto& entry : korbit::cli::methodReference()[list]) {
            const std::string name = entry["name"].get<std::string>();
            const std::optional<std::string> text = korbit::cli::referenceHelpText(name);
            ASSERT_TRUE(text.has_value()) << name;
            ++entries;
            std::istringstream lines(*text);
            for (std::string line; std::getline(lines, line);) {
                // Characters, not bytes: the reference writes "×" and "É".
                const auto columns = std::count_if(line.begin(), line.end(),
                                                   [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
                EXPECT_LE(columns, 79) << name << ": " << line;
                EXPECT_FALSE(line.ends_with(' ')) << name << ": '" << line << "'";
            }
        }
    }
    EXPECT_EQ(entries, 129U + 4U + 2U + 6U + 4U);  // the control's methods, the classes' members, the classes, ...
}

// What roff would misread: a leading dot or quote starts a request, a
// backslash an escape, and a plain hyphen in an option cannot be copied as
// a minus.
TEST(ManPage, EscapesWhatRoffWouldMisread) {
    HelpPage page;
    page.program = "tool";
    page.summary = "does things";
    page.usage = "[OPTIONS]";
    page.text =
        ".hidden files count too\n"
        "\n"
        "'quoted' at the start, C:\\dir and read-only files; see --dry-run.\n"
        "\n"
        "  tool --dry-run .";
    page.options = {{"-n, --dry-run", "FILE", "nothing is written"}};

    const std::string roff = korbit::help::manPage(page, "1.2", "2026-01-31");
    for (const char* expected : {
             ".TH TOOL 1 \"2026-01-31\" \"tool 1.2\" \"User Commands\"\n",
             "\n\\&.hidden files count too\n",
             "\n\\&'quoted' at the start, C:\\edir and read-only files; see \\-\\-dry\\-run.\n",
             "\n.nf\ntool \\-\\-dry\\-run .\n.fi\n",
             "\n.TP\n\\fB\\-n\\fR, \\fB\\-\\-dry\\-run\\fR \\fIFILE\\fR\nnothing is written\n",
         }) {
        EXPECT_NE(roff.find(expected), std::string::npos) << "missing:\n" << expected << "\nin:\n" << roff;
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A command or option added to the help but not to a completion script would
// never be offered.
TEST(Completion, EveryScriptOffersEveryCommandAndLongOption) {
    const HelpPage& page = korbit::cli::korbitHelp();
    for (const char* script : {"korbit.bash", "_korbit", "korbit.fish"}) {
        const std::string text = readFile(std::string(KORBIT_COMPLETION_DIR "/") + script);
        ASSERT_FALSE(text.empty()) << script;
        for (const auto& command : page.commands) {
            EXPECT_NE(text.find(std::string(command.name)), std::string::npos) << script << ": " << command.name;
            for (const auto& option : command.options) {
                std::string_view names = option.names;
                const std::string longName(names.substr(names.find("--") + 2));
                // fish writes "-l quiet" where the others write "--quiet".
                const bool offered = text.find("--" + longName) != std::string::npos ||
                                     text.find("-l " + longName) != std::string::npos;
                EXPECT_TRUE(offered) << script << ": " << command.name << " --" << longName;
            }
        }
    }
}

}  // namespace
