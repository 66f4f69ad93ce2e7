#include "cli/help_translation.h"

#include <deque>
#include <map>
#include <string>

#include <QtGlobal>

#include "cli/translation.h"

namespace korbit::cli {

namespace {

constexpr const char* kContext = "korbit::help";

// Translations live as long as the program, since the page only views them.
std::string_view kept(std::string_view source) {
    static std::deque<std::string> texts;
    if (source.empty()) {
        return source;
    }
    std::string text = translatedIn(kContext, std::string(source).c_str());
    if (text == source) {
        return source;
    }
    return texts.emplace_back(std::move(text));
}

void translateOptions(std::vector<help::HelpOption>& options) {
    for (help::HelpOption& o : options) {
        o.text = kept(o.text);
    }
}

}  // namespace

const help::HelpPage& translatedHelp(const help::HelpPage& page) {
    if (!translationLoaded()) {
        return page;
    }
    static std::map<const help::HelpPage*, help::HelpPage> pages;
    if (const auto found = pages.find(&page); found != pages.end()) {
        return found->second;
    }
    help::HelpPage copy = page;
    copy.summary = kept(copy.summary);
    copy.text = kept(copy.text);
    for (help::HelpCommand& c : copy.commands) {
        c.summary = kept(c.summary);
        c.text = kept(c.text);
        translateOptions(c.options);
    }
    translateOptions(copy.options);
    for (help::HelpSection& s : copy.sections) {
        if (s.inHelp) {
            s.title = kept(s.title);
            s.text = kept(s.text);
        }
    }
    return pages.emplace(&page, std::move(copy)).first->second;
}

help::HelpWords translatedHelpWords() {
    help::HelpWords words;
    if (translationLoaded()) {
        words.usage = kept(QT_TRANSLATE_NOOP("korbit::help", "Usage:"));
        words.commands = kept(QT_TRANSLATE_NOOP("korbit::help", "Commands:"));
        words.options = kept(QT_TRANSLATE_NOOP("korbit::help", "Options:"));
        words.helpOption = kept(QT_TRANSLATE_NOOP("korbit::help", "show this text"));
        words.commandHelp = kept(QT_TRANSLATE_NOOP("korbit::help", "'%1 COMMAND --help' shows the options of a command."));
        //: The heading of a section of --help, such as "Exit status:"; %1 is the section's title.
        words.section = kept(QT_TRANSLATE_NOOP("korbit::help", "%1:"));
    }
    return words;
}

}  // namespace korbit::cli
