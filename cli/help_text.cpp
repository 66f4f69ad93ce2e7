#include "cli/help_text.h"

namespace korbit::cli {

namespace {

using help::HelpCommand;
using help::HelpOption;
using help::HelpPage;
using help::HelpSection;

const HelpOption kAnswer{
    "--answer", "ok|yes|no|cancel",
    "the answer every message box of the control gets. Without it, the person at the terminal is asked, and "
    "where there is nobody to ask every box gets the answer that changes nothing."};

HelpPage makePage() {
    HelpPage page;
    page.program = "korbit";
    page.summary = "encrypt and decrypt files with a password, and call the Korbit control library";
    page.usage = "COMMAND [OPTIONS] [ARGUMENT]...";
    page.text =
        "korbit is the command-line host of the Korbit control library, the engine of the Corvane desktop "
        "program. It encrypts and decrypts files in place, in the same format as Corvane, and calls any of the "
        "library's methods by name, printing the result as JSON. 'korbit help METHOD' tells what a method does.";
    page.commands = {
        {"encrypt", "[OPTIONS] FILE...", "encrypt files in place with a password",
         "The password (6 to 26 characters, case sensitive, the same rule as Corvane's) is asked twice at the "
         "terminal, or read as one line from standard input. Each file keeps its name, folder, owner, group and "
         "extended attributes, and is read-only afterwards. Ctrl-C cancels, and a wrong password or any failure "
         "stops the run: the file being worked on stays exactly as it was, permissions included. A file that "
         "another program changes during the run is left as that program made it. An interrupted rewrite of a "
         "file with several names is completed by the next run on it, which says so. A file that cannot be "
         "encrypted (a folder, a device, a kernel interface file, one you may not change) is refused with the "
         "reason before the password is asked for.",
         {{"--password-stdin", "", "read the password from the first line of standard input (also done when "
                                   "standard input is not a terminal)"},
          {"-q, --quiet", "", "no progress bar and no line per finished file"},
          kAnswer}},
        {"decrypt", "[OPTIONS] FILE...", "decrypt files in place",
         "The password (6 characters or more) is asked once. A wrong password is refused before anything is "
         "written. Decryption gives back the file's content and its read-only state: a file that was writable "
         "gets write permission back for those who may read it, within the umask. Ctrl-C cancels and leaves the "
         "file as it was.",
         {{"--password-stdin", "", "read the password from the first line of standard input"},
          {"-q, --quiet", "", "no progress bar and no line per finished file"},
          kAnswer}},
        {"methods", "[--json]", "list every method of the control and of its two classes",
         "One line per member: its dispatch identifier, its name, its arguments with their types and defaults, "
         "and its result, with what it does differently on Linux below it. 'korbit help METHOD' tells all about "
         "one method.",
         {{"--json", "", "print the list as one JSON document instead, with each member's entry of the method "
                         "reference (summary, the meaning of each argument, result, failures, what it does on "
                         "Linux, traps) and every enumeration and record"}}},
        {"call", "[OPTIONS] METHOD [ARGUMENT]...", "call one method late-bound and print the outcome as JSON",
         "Each ARGUMENT is JSON: a number, a string, true or false, null, an array, or an object for a record. A "
         "bare word that is not JSON is taken as text. The output is one JSON object with the result, the "
         "by-reference arguments as the method left them and the message boxes it showed, or an error with its "
         "code and description. Method names are not case sensitive.\n"
         "\n"
         "  korbit call GetFileExt /home/me/report.txt\n"
         "  korbit call --class SHA256 SHA256 abc",
         {{"--class", "KorbitControl|SHA256|BinHexDecCls", "the class whose object is called (default: "
                                                           "KorbitControl)"},
          {"--set", "PROPERTY=VALUE", "set a property of the object before the call; may be repeated"},
          kAnswer}},
        {"script", "[OPTIONS] [FILE|-]", "run one call per line, all on one control",
         "Each line of FILE (or of standard input) is a call as for 'korbit call', its words quoted as in the "
         "shell; blank lines and lines starting with # are skipped. One JSON line is printed per call. Since "
         "the calls share one object, the state a method keeps carries over to the next line.",
         {kAnswer}},
        {"register", "", "record the control library in this user's registry",
         "Writes the library beside this program into $XDG_DATA_HOME/korbit/registry.ini, with the interface "
         "version it was built for, so that other hosts can create its objects. The installed programs do not "
         "need it; a host passes over a registered library of another interface version for the one installed "
         "with it, and likewise a registry or a library that someone other than you or root could have put in "
         "place, naming the file it refused.",
         {}},
        {"unregister", "", "remove that record", "", {}},
        {"help", "[COMMAND|METHOD|ENUMERATION|RECORD]",
         "show the help of a command, or the reference of a method, enumeration or record",
         "For a method of the control or of its two classes: what it does, each argument with its type, "
         "passing, default and meaning, whether the method gives it back, its result, its failures, what it "
         "does on Linux and what is easily got wrong. For an enumeration its members with their values, for a "
         "record its fields with their types. Names are not case sensitive. The whole reference is the manual "
         "page korbit-methods(7).\n"
         "\n"
         "  korbit help GetFileTimes\n"
         "  korbit help MathTypes",
         {}},
    };
    page.options = {
        {"-h, --help", "", "show the help; after a command, that command's help"},
        {"--version", "", "show the version"},
    };
    page.sections = {
        {"EXIT STATUS", "0 success, 1 the call or a file failed, 2 usage error.", true},
        {"ENVIRONMENT",
         "XDG_DATA_HOME: the folder of the registry (default ~/.local/share). XDG_CONFIG_HOME: the control's "
         "application-data folder (default ~/.config)."},
        {"FILES",
         "$XDG_DATA_HOME/korbit/registry.ini: the per-user registry written by 'korbit register'. The control "
         "library itself is found beside the program or in the installation's private folder, "
         "lib/<triplet>/korbit/. The registry and a library are used only when they and every folder above them "
         "belong to you or to root and no one else may write to them; in a folder of root's with the sticky bit, "
         "such as /tmp, an entry of yours or root's counts.\n"
         "\n"
         "FILE may be any name the system allows; bytes of it that are not UTF-8 are shown as \\xE9 in messages."},
        {"EXAMPLES",
         "  korbit encrypt report.pdf\n"
         "  echo \"$PASSWORD\" | korbit decrypt --password-stdin --quiet report.pdf\n"
         "  korbit methods | grep -i date\n"
         "  korbit call IsLeapYear 2024"},
    };
    page.seeAlso = {"korbit-methods(7)", "corvane(1)"};
    return page;
}

}  // namespace

const help::HelpPage& korbitHelp() {
    static const HelpPage page = makePage();
    return page;
}

}  // namespace korbit::cli
