#include "corvane/help_text.h"

namespace corvane {

namespace {

korbit::help::HelpPage makePage() {
    korbit::help::HelpPage page;
    page.program = "corvane";
    page.summary = "encrypt or decrypt files in place with a password";
    page.usage = "[OPTIONS] [FILE...]";
    page.text =
        "Corvane is a desktop program with one file box, one password box and one button. Choose a file or "
        "several (Select File, or drop them on the window), type a password of 6 to 26 characters (a meter "
        "says how long one graphics card would need to guess it; Suggest fills in a strong one) and press the "
        "button. It reads Encrypt for an ordinary file and Decrypt for a file the program encrypted: Corvane "
        "looks at the content, not the name, since an encrypted file keeps its name. The bar follows the run "
        "and Cancel stops it, leaving the file exactly as it was; the line under the bar says how the run "
        "ended, and a desktop notification too when another window has the keyboard. After encryption the "
        "file is read-only; decryption gives back its content and its read-only state. A wrong password is "
        "refused before anything is written.\n"
        "\n"
        "The FILEs are selected as if they had been chosen with Select File; the file managers' \"Encrypt with "
        "Corvane\" and \"Decrypt with Corvane\" actions start the program this way. Only one copy runs per "
        "user: a later one hands its FILEs to the running copy, which listens only to this user's processes, "
        "and ends.\n"
        "\n"
        "The usual options of Qt programs (-platform, -style, ...) are accepted as well.";
    page.options = {
        {"-h, --help", "", "show the help and end"},
        {"--version", "", "show the version and end"},
    };
    page.sections = {
        {"FILES",
         "~/.config/Velmora Software/Corvane/xjf_app.ini: the settings file, written on the first start; the "
         "help page is put beside it. $XDG_CONFIG_HOME replaces ~/.config when set.\n"
         "$XDG_RUNTIME_DIR/corvane.lock and corvane.socket: the running copy's lock and the socket later copies "
         "hand their file to; in ~/.cache/corvane/ ($XDG_CACHE_HOME/corvane/) when XDG_RUNTIME_DIR is not a "
         "folder of the user's alone with mode 0700. Never in a folder others share."},
        {"SECURITY",
         "The container format is kept as it is so that every file encrypted before can still be decrypted; it "
         "was not designed to modern standards. Anyone with an encrypted file can test passwords quickly, so "
         "only a long, unguessable password protects it. The upper 4 bits of every 32nd byte show through, "
         "nothing detects a changed file, and the file's name and size stay visible."},
    };
    page.seeAlso = {"korbit(1)"};
    return page;
}

}  // namespace

const korbit::help::HelpPage& corvaneHelp() {
    static const korbit::help::HelpPage page = makePage();
    return page;
}

}  // namespace corvane
