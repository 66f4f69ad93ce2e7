#include "cli/help_text.h"

// The texts --help prints are marked for korbit's translations; they stay
// English here, where the manual page is made from them, and korbit shows
// them translated.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace korbit::cli {

namespace {

using help::HelpCommand;
using help::HelpOption;
using help::HelpPage;
using help::HelpSection;

const HelpOption kSecret{
    "--secret", "NAME",
    QT_TRANSLATE_NOOP("korbit::help", "read the method's argument NAME as one line from standard input (or from --secret-fd) instead of the "
    "command line, where every process list shows it; it is never printed back. The ARGUMENTs fill the other "
    "arguments in order. At a terminal it is asked for and not shown as it is typed. May be repeated.")};

const HelpOption kSecretFd{"--secret-fd", "N",
                           QT_TRANSLATE_NOOP("korbit::help", "read what --secret reads from the open file descriptor N instead of standard input")};

const HelpOption kDates{
    "--dates", "iso|days",
    QT_TRANSLATE_NOOP("korbit::help", "how the dates of the output are written: iso as ISO 8601 local time without a zone, 2024-02-29T10:15:00, "
    "or days (the default) as the number of days since 30 December 1899")};

const HelpOption kAnswer{
    "--answer", "ok|yes|no|cancel",
    QT_TRANSLATE_NOOP("korbit::help", "the answer every message box of the control gets. Without it, the person at the terminal is asked, and "
    "where there is nobody to ask every box gets the answer that changes nothing.")};

const HelpOption kOutput{
    "-o, --output", "OUT",
    QT_TRANSLATE_NOOP("korbit::help", "write to OUT (one FILE only) and keep FILE; - writes standard output. OUT is written beside itself and "
    "renamed into place when complete: a failure or Ctrl-C leaves no OUT, and a link at OUT is replaced, "
    "not followed. An existing OUT is refused unless --force is given.")};

const HelpOption kForce{"--force", "", QT_TRANSLATE_NOOP("korbit::help", "with -o, replace an OUT that exists")};

const HelpOption kPasswordStdin{"--password-stdin", "",
                                QT_TRANSLATE_NOOP("korbit::help", "read the password from the first line of standard input (not with FILE -)")};

const HelpOption kPasswordFile{"--password-file", "FILE", QT_TRANSLATE_NOOP("korbit::help", "read the password from the first line of FILE")};

const HelpOption kPasswordFd{"--password-fd", "N", QT_TRANSLATE_NOOP("korbit::help", "read the password from the first line of the open file "
                                                   "descriptor N")};

HelpPage makePage() {
    HelpPage page;
    page.program = "korbit";
    page.summary = QT_TRANSLATE_NOOP("korbit::help", "encrypt and decrypt files with a password, and call the Korbit control library");
    page.usage = "COMMAND [OPTIONS] [ARGUMENT]...";
    page.text =
        QT_TRANSLATE_NOOP("korbit::help", "korbit is the command-line host of the Korbit control library, the engine of the Corvane desktop "
        "program. It encrypts and decrypts files in place, in the same format as Corvane, and calls any of the "
        "library's methods by name, printing the result as JSON. 'korbit help METHOD' tells what a method does.");
    page.commands = {
        {"encrypt", "[OPTIONS] FILE...", QT_TRANSLATE_NOOP("korbit::help", "encrypt files in place with a password"),
         QT_TRANSLATE_NOOP("korbit::help", "The password (6 to 26 characters, case sensitive, the same rule as Corvane's) is asked twice at the "
         "terminal, with a warning when it would be guessed soon; a password too short or too long, or two that "
         "differ, is asked again, three tries in all. Each file keeps its name, folder, owner, group and "
         "extended attributes, and is read-only afterwards. Ctrl-C cancels, and a wrong password or any failure "
         "stops the run: the file being worked on stays exactly as it was, permissions included. A file that "
         "another program changes during the run is left as that program made it. An interrupted rewrite of a "
         "file with several names is completed by the next run on it, which says so. A file that cannot be "
         "encrypted (a folder, a device, a kernel interface file, one you may not change) is refused with the "
         "reason before the password is asked for.\n"
         "\n"
         "With -o OUT the container is written to OUT and FILE is kept as it is. FILE - reads standard input "
         "and -o - (the default for FILE -) writes standard output; the container of standard input stores the "
         "extension \".\" and no attributes, and a stream beyond the format's 64 GiB stops with an error.\n"
         "\n"
         "  korbit encrypt -o report.pdf.xje report.pdf\n"
         "  tar c photos | korbit encrypt -o photos.tar.xje -\n"
         "\n"
         "Exit status: 0 every file done, 1 a file refused or failed, 2 usage error or no password source, 130 "
         "Ctrl-C."),
         {kOutput,
          kForce,
          kPasswordStdin,
          kPasswordFile,
          kPasswordFd,
          {"-q, --quiet", "", QT_TRANSLATE_NOOP("korbit::help", "no progress line and no line per finished file")},
          kAnswer}},
        {"decrypt", "[OPTIONS] FILE...", QT_TRANSLATE_NOOP("korbit::help", "decrypt files in place"),
         QT_TRANSLATE_NOOP("korbit::help", "The password (6 characters or more) is asked once; at the terminal a shorter one is asked again, "
         "three tries in all. A wrong password is refused before anything is written. Decryption gives back "
         "the file's content and its read-only state: a file that was writable gets write permission back for "
         "those who may read it, within the umask. Ctrl-C cancels and leaves the file as it was.\n"
         "\n"
         "With -o OUT the plain file is written to OUT and the container is kept; FILE - reads standard input "
         "and -o - writes standard output.\n"
         "\n"
         "  korbit decrypt -o - photos.tar.xje | tar x\n"
         "\n"
         "Exit status: 0 every file done, 1 a wrong password or a file refused or failed, 2 usage error or no "
         "password source, 130 Ctrl-C."),
         {kOutput,
          kForce,
          kPasswordStdin,
          kPasswordFile,
          kPasswordFd,
          {"-q, --quiet", "", QT_TRANSLATE_NOOP("korbit::help", "no progress line and no line per finished file")},
          kAnswer}},
        {"methods", "[--json]", QT_TRANSLATE_NOOP("korbit::help", "list every method of the control and of its two classes"),
         QT_TRANSLATE_NOOP("korbit::help", "One line per member: its dispatch identifier, its name, its arguments with their types and defaults, "
         "and its result, with what it does differently on Linux below it. 'korbit help METHOD' tells all about "
         "one method."),
         {{"--json", "", QT_TRANSLATE_NOOP("korbit::help", "print the list as one JSON document instead, with each member's entry of the method "
                         "reference (summary, the meaning of each argument, result, failures, what it does on "
                         "Linux, traps) and every enumeration and record")}}},
        {"call", "[OPTIONS] METHOD [ARGUMENT]...", QT_TRANSLATE_NOOP("korbit::help", "call one method late-bound and print the outcome as JSON"),
         QT_TRANSLATE_NOOP("korbit::help", "Each ARGUMENT is read as the method declares it. For a String it is the text as it stands "
         "(4111111111111111 stays those digits); a JSON string in double quotes gives its text with JSON's "
         "escapes. For a Date, an ISO 8601 date, 2024-02-29 or 2024-02-29T10:15:00, is local time; one with a "
         "zone (Z, +01:00) is converted to local time. For an enumeration, a member's name (Math_Decimal) or its "
         "value. Otherwise an ARGUMENT is JSON: a number, a string, true or false, null, an array, or an object "
         "for a record; a bare word that is not JSON is taken as text. An argument the method gives back may be "
         "left out at the end or given as null: it starts empty and comes back under \"byref\".\n"
         "\n"
         "The output is one JSON object: the result, the by-reference arguments as the method left them "
         "(\"byref\"), the message boxes it showed (\"boxes\") and the failures it reported (\"failures\", "
         "each with the method and a description), or an error with its code and description. A call that "
         "reported a failure exits with status 1. Method names are not case sensitive; 'korbit help METHOD' "
         "tells what a method takes and gives.\n"
         "\n"
         "  korbit call GetFileExt /home/me/report.txt\n"
         "  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal\n"
         "  korbit call --dates iso GetFileTimes /etc/hostname\n"
         "  korbit call --secret MyPassword EncryptionRoutine2 report.pdf <password.txt\n"
         "  korbit call --class SHA256 SHA256 abc"),
         {{"--class", "KorbitControl|SHA256|BinHexDecCls", QT_TRANSLATE_NOOP("korbit::help", "the class whose object is called (default: "
                                                           "KorbitControl)")},
          {"--set", "PROPERTY=VALUE", QT_TRANSLATE_NOOP("korbit::help", "set a property of the object before the call; may be repeated")},
          kSecret,
          kSecretFd,
          kDates,
          kAnswer}},
        {"script", "[OPTIONS] [FILE|-]", QT_TRANSLATE_NOOP("korbit::help", "run one call per line, all on one control"),
         QT_TRANSLATE_NOOP("korbit::help", "Each line of FILE (or of standard input) is a call as for 'korbit call', its words quoted as in the "
         "shell, the options of the call (--class, --set, --secret) before the method; blank lines and lines "
         "starting with # are skipped. One JSON line is printed per call, with the failures its method reported. "
         "Since the calls share one object, the state a method keeps carries over to the next line. The exit "
         "status is 1 when a call failed or reported a failure, 2 when a line could not be read as a call.\n"
         "\n"
         "A --secret is read from standard input when the script is a file, and from --secret-fd when standard "
         "input carries the script; each reads the next line."),
         {kSecretFd, kDates, kAnswer}},
        {"register", "", QT_TRANSLATE_NOOP("korbit::help", "record the control library in this user's registry"),
         QT_TRANSLATE_NOOP("korbit::help", "Writes the library beside this program into $XDG_DATA_HOME/korbit/registry.ini, with the interface "
         "version it was built for, so that other hosts can create its objects. The installed programs do not "
         "need it; a host passes over a registered library of another interface version for the one installed "
         "with it, and likewise a registry or a library that someone other than you or root could have put in "
         "place, naming the file it refused."),
         {}},
        {"unregister", "", QT_TRANSLATE_NOOP("korbit::help", "remove that record"), "", {}},
        {"help", "[COMMAND|METHOD|ENUMERATION|RECORD]",
         QT_TRANSLATE_NOOP("korbit::help", "show the help of a command, or the reference of a method, enumeration or record"),
         QT_TRANSLATE_NOOP("korbit::help", "For a method of the control or of its two classes: what it does, each argument with its type, "
         "passing, default and meaning, whether the method gives it back, its result, its failures, what it "
         "does on Linux and what is easily got wrong. For an enumeration its members with their values, for a "
         "record its fields with their types. Names are not case sensitive. The whole reference is the manual "
         "page korbit-methods(7).\n"
         "\n"
         "  korbit help GetFileTimes\n"
         "  korbit help MathTypes"),
         {}},
    };
    page.options = {
        {"-h, --help", "", QT_TRANSLATE_NOOP("korbit::help", "show the help; after a command, that command's help")},
        {"--version", "", QT_TRANSLATE_NOOP("korbit::help", "show the version")},
    };
    page.sections = {
        //: A heading, in capitals like every heading of the manual page; --help shows it with only its first
        //: letter capital.
        {QT_TRANSLATE_NOOP("korbit::help", "EXIT STATUS"),
         QT_TRANSLATE_NOOP("korbit::help", "0 success, 1 failure (the call or a file failed, the method reported a failure, a wrong password), 2 "
         "usage error (also: no password source, when there is no terminal to ask at and none of "
         "--password-stdin, --password-file and --password-fd is given), 130 interrupted by Ctrl-C (143 by "
         "SIGTERM): the file as it was, no OUT written."), true},
        {"ENVIRONMENT",
         "XDG_DATA_HOME: the folder of the registry (default ~/.local/share). XDG_CONFIG_HOME: the control's "
         "application-data folder (default ~/.config). TZ: the time zone of local time, which dates given with "
         "a zone are converted to."},
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
         "  tar c photos | korbit encrypt -o photos.tar.xje -\n"
         "  korbit decrypt --password-file ~/.pw -o - photos.tar.xje | tar x\n"
         "  korbit methods | grep -i date\n"
         "  korbit help DaysBetween2Dates\n"
         "  korbit call DaysBetween2Dates 2024-01-01 2024-12-25\n"
         "  echo \"$PASSWORD\" | korbit call --secret MyPassword EncryptionRoutine2 a.pdf"},
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
