// A program's help, written once beside its code: printed by --help and
// rendered as its manual page when the tree is built, so the two always say
// the same.
//
// Texts are paragraphs separated by a blank line; a line break inside a
// paragraph is a space. A paragraph whose every line starts with two blanks
// is shown as it stands (commands to type, say).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korbit::help {

struct HelpOption {
    std::string_view names;     // "-q, --quiet"
    std::string_view argument;  // "A" for "--answer A"; empty when it takes none
    std::string_view text;
};

struct HelpCommand {
    std::string_view name;       // "encrypt"
    std::string_view arguments;  // "[OPTIONS] FILE..."
    std::string_view summary;    // one line, in the program's list of commands
    std::string_view text;       // the command's own help, below its usage line
    std::vector<HelpOption> options;
};

struct HelpSection {
    std::string_view title;  // "EXIT STATUS"
    std::string_view text;
    bool inHelp = false;  // printed by --help too, not only in the manual
};

struct HelpPage {
    std::string_view program;  // "korbit"
    std::string_view summary;  // the manual's NAME line: "program - summary"
    std::string_view usage;    // after the program's name: "COMMAND [OPTIONS]"
    std::string_view text;
    std::vector<HelpCommand> commands;
    std::vector<HelpOption> options;
    std::vector<HelpSection> sections;
    std::vector<std::string_view> seeAlso;  // "corvane(1)"
};

// Appends the words of `text` filled into lines of at most 79 columns, each
// starting with `indent` blanks, and a line break; the first line goes on
// after `used` columns already written on it when that is given.
void fillWords(std::string& out, std::string_view text, std::size_t indent, std::size_t used = 0);

// The words --help puts around a page's own texts; a host that shows its
// help in its user's language passes them translated.
struct HelpWords {
    std::string_view usage = "Usage:";
    std::string_view commands = "Commands:";
    std::string_view options = "Options:";
    std::string_view helpOption = "show this text";  // of -h, --help in a command's options
    std::string_view commandHelp = "'%1 COMMAND --help' shows the options of a command.";  // %1: the program
    std::string_view section = "%1:";  // a section's heading; %1: its title
};

// `program --help`. A section's title is shown with only its first letter
// capital.
std::string helpText(const HelpPage& page, const HelpWords& words = {});

// `program COMMAND --help`; nullptr names no command of the page.
const HelpCommand* findCommand(const HelpPage& page, std::string_view name);
std::string commandHelpText(const HelpPage& page, const HelpCommand& command, const HelpWords& words = {});

// The manual page in roff (man macros), section 1. `date` and `version`
// go into its title line, so a given release always renders the same bytes.
std::string manPage(const HelpPage& page, std::string_view version, std::string_view date);

}  // namespace korbit::help
