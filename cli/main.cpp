// korbit: the command-line host of the control library.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QtGlobal>

#include "cli/encrypt_command.h"
#include "cli/help_text.h"
#include "cli/help_translation.h"
#include "cli/interface_listing.h"
#include "cli/late_bound_call.h"
#include "cli/reference_help.h"
#include "cli/secret_input.h"
#include "cli/translation.h"
#include "cli/words.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_library.h"
#include "korbit/hosting/component_loader.h"

namespace {

using namespace korbit::cli;

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int usageError(const std::string& message) {
    std::cerr << "korbit: " << message << '\n'
              << translated(QT_TRANSLATE_NOOP("korbit", "Try 'korbit --help'.")) << '\n';
    return kUsage;
}

// The options of call and script that belong to the command, not to one
// call: --answer, --dates and --secret-fd.
struct CommandOptions {
    std::optional<std::int32_t> answer;
    DateStyle dates = DateStyle::kDays;
    std::optional<int> secretFd;
};

// Takes the command's options from the words: for call (`callOptions`) from
// those before the method only, since later words are the method's
// arguments, leaving the options of one call (--class, --set, --secret) among
// them for parseCallRequest; for script from anywhere.
bool takeCommandOptions(std::vector<std::string>& words, bool callOptions, CommandOptions& options,
                        std::string& error) {
    std::size_t i = 0;
    while (i < words.size()) {
        const std::string& w = words[i];
        if (callOptions && (w == "--class" || w == "--set" || w == "--secret")) {
            i += 2;
            continue;
        }
        if (w != "--answer" && w != "--dates" && w != "--secret-fd") {
            if (callOptions) {
                break;  // the method, or "--"
            }
            ++i;
            continue;
        }
        if (i + 1 == words.size()) {
            error = w == "--answer"
                        ? translated(QT_TRANSLATE_NOOP("korbit", "--answer needs a value: ok, yes, no or cancel"))
                    : w == "--dates" ? translated(QT_TRANSLATE_NOOP("korbit", "--dates needs a value: iso or days"))
                                     : translated(QT_TRANSLATE_NOOP(
                                           "korbit", "--secret-fd needs the number of an open file descriptor"));
            return false;
        }
        const std::string& value = words[i + 1];
        if (w == "--answer" && !(options.answer = parseAnswer(value))) {
            error = translated(QT_TRANSLATE_NOOP("korbit", "--answer takes ok, yes, no or cancel, not '%1'"), {value});
            return false;
        }
        if (w == "--dates") {
            if (value != "iso" && value != "days") {
                error = translated(QT_TRANSLATE_NOOP("korbit", "--dates takes iso or days, not '%1'"), {value});
                return false;
            }
            options.dates = value == "iso" ? DateStyle::kIso : DateStyle::kDays;
        }
        if (w == "--secret-fd" && !(options.secretFd = parseSecretFd(value))) {
            error = translated(
                QT_TRANSLATE_NOOP("korbit", "--secret-fd takes the number of an open file descriptor, not '%1'"),
                {value});
            return false;
        }
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i), words.begin() + static_cast<std::ptrdiff_t>(i + 2));
    }
    return true;
}

// Reads the request's secret arguments, one line each; false with `error`
// set when the input ends first.
bool readSecrets(const SecretInput& input, CallRequest& request, std::string& error) {
    for (const std::string& name : request.secretNames) {
        std::optional<std::string> line = input.readLine("korbit: " + name + ": ");
        if (!line) {
            error = "no line left on " +
                    (input.fd() == STDIN_FILENO ? std::string("standard input")
                                                : "file descriptor " + std::to_string(input.fd())) +
                    " for the argument " + name;
            return false;
        }
        request.secretValues.push_back(std::move(*line));
    }
    return true;
}

nlohmann::json usageJson(const std::string& description) {
    return {{"error", {{"code", korbit::control::status::kBadParamCount}, {"description", description}}}};
}

int commandCall(std::vector<std::string> words) {
    CommandOptions options;
    std::string error;
    CallRequest request;
    if (!takeCommandOptions(words, true, options, error) || !parseCallRequest(words, request, error)) {
        return usageError(error);
    }
    const SecretInput secrets(options.secretFd.value_or(STDIN_FILENO));
    if (!readSecrets(secrets, request, error)) {
        return usageError(error);
    }
    TerminalHost host(options.answer, isatty(STDIN_FILENO) != 0, false);
    ObjectPool pool(host);
    bool ok = false;
    std::cout << runCall(pool, host, request, options.dates, ok).dump() << '\n';
    return ok ? kOk : kFailed;
}

int commandScript(std::vector<std::string> words) {
    CommandOptions options;
    std::string error;
    if (!takeCommandOptions(words, false, options, error)) {
        return usageError(error);
    }
    if (words.size() > 1) {
        return usageError(translated(QT_TRANSLATE_NOOP("korbit", "script takes one file (or - for standard input)")));
    }
    const bool fromStdin = words.empty() || words[0] == "-";
    if (fromStdin && options.secretFd == STDIN_FILENO) {
        return usageError(translated(QT_TRANSLATE_NOOP(
            "korbit", "standard input carries the script: give the secrets another file descriptor")));
    }
    std::ifstream file;
    if (!fromStdin) {
        file.open(words[0]);
        if (!file) {
            std::cerr << "korbit: " << translated(QT_TRANSLATE_NOOP("korbit", "cannot read '%1'"), {words[0]}) << '\n';
            return kFailed;
        }
    }
    std::istream& in = fromStdin ? std::cin : file;
    // Standard input carries the script, so boxes can only be answered by --answer.
    TerminalHost host(options.answer, !fromStdin && isatty(STDIN_FILENO) != 0, false);
    ObjectPool pool(host);
    std::optional<SecretInput> secrets;
    if (options.secretFd || !fromStdin) {
        secrets.emplace(options.secretFd.value_or(STDIN_FILENO));
    }
    int status = kOk;
    std::string line;
    while (std::getline(in, line)) {
        const auto lineWords = splitWords(line);
        if (!lineWords) {
            std::cout << usageJson("unbalanced quotes: " + line).dump() << std::endl;
            status = kUsage;
            continue;
        }
        if (lineWords->empty() || (*lineWords)[0].starts_with("#")) {
            continue;
        }
        CallRequest request;
        if (!parseCallRequest(*lineWords, request, error)) {
            std::cout << usageJson(error).dump() << std::endl;
            status = kUsage;
            continue;
        }
        if (!request.secretNames.empty() && !secrets) {
            std::cout << usageJson("standard input carries the script: give --secret-fd N to read secrets from")
                             .dump()
                      << std::endl;
            status = kUsage;
            continue;
        }
        if (secrets && !readSecrets(*secrets, request, error)) {
            std::cout << usageJson(error).dump() << std::endl;
            status = kUsage;
            continue;
        }
        bool ok = false;
        std::cout << runCall(pool, host, request, options.dates, ok).dump() << std::endl;
        if (!ok) {
            status = std::max(status, kFailed);
        }
    }
    return status;  // 2 when a line could not be read as a call
}

int commandRegistration(bool registering) {
    const std::optional<std::filesystem::path> found = korbit::hosting::bundledLibrary();
    if (!found) {
        std::cerr << "korbit: "
                  << translated(QT_TRANSLATE_NOOP(
                         "korbit", "libkorbit.so was not found beside this program or in its installation"))
                  << '\n';
        return kFailed;
    }
    try {
        const std::filesystem::path& library = *found;
        if (registering) {
            korbit::hosting::registerServer(library);
            std::cout << "Registered interface version "
                      << korbit::hosting::ComponentLibrary::load(library).interfaceVersion() << ": " << library.string()
                      << '\n';
        } else {
            korbit::hosting::unregisterServer(library);
            std::cout << "Unregistered " << library.string() << '\n';
        }
        return kOk;
    } catch (const korbit::hosting::ComponentError& e) {
        std::cerr << "korbit: " << e.what() << '\n';
        return kFailed;
    }
}

}  // namespace

int main(int argc, char** argv) {
    loadTranslation();
    std::vector<std::string> words(argv + 1, argv + argc);
    // The help in the user's language; the manual page, made from the same
    // texts, stays English.
    const korbit::help::HelpPage& help = translatedHelp(korbitHelp());
    const korbit::help::HelpWords helpWords = translatedHelpWords();
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || (words.size() == 1 && words[0] == "help")) {
        std::cout << korbit::help::helpText(help, helpWords);
        return words.empty() ? kUsage : kOk;
    }
    const std::string command = words[0];
    words.erase(words.begin());
    // "korbit COMMAND --help": only as the first word, since later words of
    // call and script are the method's own arguments.
    if (const korbit::help::HelpCommand* topic = korbit::help::findCommand(help, command);
        topic != nullptr && !words.empty() && (words[0] == "--help" || words[0] == "-h")) {
        std::cout << korbit::help::commandHelpText(help, *topic, helpWords);
        return kOk;
    }
    if (command == "help") {
        if (words.size() != 1) {
            return usageError(translated(
                QT_TRANSLATE_NOOP("korbit", "help takes one name: a command, a method, an enumeration or a record")));
        }
        if (const korbit::help::HelpCommand* topic = korbit::help::findCommand(help, words[0])) {
            std::cout << korbit::help::commandHelpText(help, *topic, helpWords);
            return kOk;
        }
        if (const std::optional<std::string> entry = referenceHelpText(words[0])) {
            std::cout << *entry;
            return kOk;
        }
        return usageError(translated(
            QT_TRANSLATE_NOOP("korbit", "no command, method, class, enumeration or record is named '%1'"), {words[0]}));
    }
    if (command == "--version") {
        std::cout << "korbit " << KORBIT_VERSION << '\n';
        return kOk;
    }
    if (command == "methods") {
        if (words.size() > 1 || (words.size() == 1 && words[0] != "--json")) {
            return usageError(translated(QT_TRANSLATE_NOOP("korbit", "methods takes only --json")));
        }
        return listInterfaces(std::cout, !words.empty()) ? kOk : kFailed;
    }
    if (command == "encrypt" || command == "decrypt") {
        return runEncryptCommand(command == "encrypt", std::move(words));
    }
    if (command == "call") {
        return commandCall(std::move(words));
    }
    if (command == "script") {
        return commandScript(std::move(words));
    }
    if (command == "register" || command == "unregister") {
        if (!words.empty()) {
            return usageError(translated(QT_TRANSLATE_NOOP("korbit", "%1 takes no arguments"), {command}));
        }
        return commandRegistration(command == "register");
    }
    return usageError(translated(QT_TRANSLATE_NOOP("korbit", "unknown command '%1'"), {command}));
}
