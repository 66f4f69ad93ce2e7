#include "cli/translation.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace korbit::cli {

namespace {

std::unique_ptr<QTranslator>& translator() {
    static std::unique_ptr<QTranslator> loaded;
    return loaded;
}

// The language of messages as POSIX orders the variables.
std::string messagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

std::string substituted(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            static_cast<std::size_t>(text[i + 1] - '1') < args.size()) {
            out += *(args.begin() + (text[i + 1] - '1'));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

void loadTranslation() {
    const std::string name = messagesLocale();
    if (name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.") || name.starts_with("en")) {
        return;
    }
    const QLocale locale(QString::fromStdString(name));
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) {
        return;
    }
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        return;
    }
    const std::filesystem::path folder = program.parent_path();
    for (const std::filesystem::path& place :
         {folder / "translations", (folder / KORBIT_TRANSLATIONS_FROM_PROGRAM).lexically_normal()}) {
        auto candidate = std::make_unique<QTranslator>();
        if (candidate->load(locale, QStringLiteral("korbit"), QStringLiteral("_"),
                            QString::fromStdString(place.string()))) {
            translator() = std::move(candidate);
            return;
        }
    }
}

std::string translated(const char* source, std::initializer_list<std::string> args) {
    std::string text = source;
    if (const auto& t = translator()) {
        if (const QString found = t->translate("korbit", source); !found.isEmpty()) {
            text = found.toStdString();
        }
    }
    return substituted(text, args);
}

std::string translatedIn(const char* context, const char* source) {
    if (const auto& t = translator()) {
        if (const QString found = t->translate(context, source); !found.isEmpty()) {
            return found.toStdString();
        }
    }
    return source;
}

bool translationLoaded() {
    return translator() != nullptr;
}

std::string translatedCount(const char* source, long count) {
    QString text;
    if (const auto& t = translator()) {
        text = t->translate("korbit", source, nullptr, static_cast<int>(count));
    }
    if (text.isEmpty()) {
        // English: the singular is the plural without its last "s".
        std::string english = source;
        if (count == 1 && english.ends_with('s')) {
            english.pop_back();
        }
        text = QString::fromStdString(english);
    }
    return text.replace(QStringLiteral("%n"), QString::number(count)).toStdString();
}

}  // namespace korbit::cli
