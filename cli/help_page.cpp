#include "cli/help_page.h"

#include <algorithm>
#include <cctype>

#include "korbit/base/concat.h"

namespace korbit::help {

namespace {

constexpr std::size_t kWidth = 79;

using korbit::concat;
constexpr std::size_t kOptionColumn = 26;

struct Paragraph {
    bool verbatim = false;
    std::vector<std::string> lines;  // verbatim: as written, less two blanks; else one line of words
};

std::vector<Paragraph> paragraphs(std::string_view text) {
    std::vector<Paragraph> result;
    std::vector<std::string_view> lines;
    auto flush = [&] {
        if (lines.empty()) {
            return;
        }
        Paragraph p;
        p.verbatim = std::all_of(lines.begin(), lines.end(), [](std::string_view l) { return l.starts_with("  "); });
        if (p.verbatim) {
            for (std::string_view l : lines) {
                p.lines.emplace_back(l.substr(2));
            }
        } else {
            std::string joined;
            for (std::string_view l : lines) {
                joined.append(joined.empty() ? "" : " ").append(l);
            }
            p.lines.push_back(joined);
        }
        result.push_back(std::move(p));
        lines.clear();
    };
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.find_first_not_of(' ') == std::string_view::npos) {
            flush();
        } else {
            lines.push_back(line);
        }
    }
    flush();
    return result;
}

void block(std::string& out, std::string_view text, std::size_t indent) {
    bool first = true;
    for (const Paragraph& p : paragraphs(text)) {
        if (!first) {
            out += '\n';
        }
        first = false;
        if (p.verbatim) {
            for (const std::string& line : p.lines) {
                out.append(indent + 2, ' ');
                out += line;
                out += '\n';
            }
        } else {
            fillWords(out, p.lines.front(), indent);
        }
    }
}

void optionList(std::string& out, const std::vector<HelpOption>& options) {
    for (const HelpOption& o : options) {
        std::string head = "  ";
        // Long options line up whether or not a short name comes first.
        if (!o.names.starts_with("--")) {
            head += o.names;
        } else {
            head.append("    ").append(o.names);
        }
        if (!o.argument.empty()) {
            head.append(" ").append(o.argument);
        }
        out += head;
        if (head.size() + 2 > kOptionColumn) {
            out += '\n';
            fillWords(out, o.text, kOptionColumn);
        } else {
            out.append(kOptionColumn - head.size(), ' ');
            fillWords(out, o.text, kOptionColumn, kOptionColumn);
        }
    }
}

// `format` with its %1 replaced by `value`.
std::string filled(std::string_view format, std::string_view value) {
    const std::size_t at = format.find("%1");
    return at == std::string_view::npos ? std::string(format)
                                        : concat(format.substr(0, at), value, format.substr(at + 2));
}

// --- roff ---------------------------------------------------------------

// Escapes `text` for roff. In a literal (an option, a command line) every
// hyphen is a minus sign so that it can be copied and typed; in prose only
// the hyphens of words that start with one are.
std::string roff(std::string_view text, bool literal) {
    std::string out;
    bool wordStart = true;
    bool optionWord = false;
    for (const char c : text) {
        if (wordStart) {
            optionWord = c == '-';
        }
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-' && (literal || optionWord)) {
            out += "\\-";
        } else {
            out += c;
        }
        wordStart = c == ' ' || c == '(' || c == '\'' || c == '"';
    }
    // A control character at the start of a line would be read as a request.
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

void roffBlock(std::string& out, std::string_view text) {
    bool first = true;
    for (const Paragraph& p : paragraphs(text)) {
        if (!first) {
            out += ".PP\n";
        }
        first = false;
        if (p.verbatim) {
            out += ".RS 4\n.nf\n";
            for (const std::string& line : p.lines) {
                out += roff(line, true) + '\n';
            }
            out += ".fi\n.RE\n";
        } else {
            out += roff(p.lines.front(), false) + '\n';
        }
    }
}

std::string roffOptionHead(const HelpOption& o) {
    std::string head;
    std::string_view names = o.names;
    while (!names.empty()) {
        const std::size_t comma = std::min(names.find(", "), names.size());
        head.append(head.empty() ? "" : ", ").append("\\fB").append(roff(names.substr(0, comma), true)).append("\\fR");
        names.remove_prefix(std::min(comma + 2, names.size()));
    }
    if (!o.argument.empty()) {
        head.append(" \\fI").append(roff(o.argument, true)).append("\\fR");
    }
    return head;
}

void roffOptions(std::string& out, const std::vector<HelpOption>& options) {
    for (const HelpOption& o : options) {
        out.append(".TP\n").append(roffOptionHead(o)).append("\n");
        roffBlock(out, o.text);
    }
}

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

}  // namespace

void fillWords(std::string& out, std::string_view text, std::size_t indent, std::size_t used) {
    std::size_t column = used;
    if (column == 0) {
        out.append(indent, ' ');
        column = indent;
    }
    bool lineStart = true;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        i = end;
        // Columns are characters: the bytes of UTF-8 that continue one count for none.
        const std::size_t width = static_cast<std::size_t>(
            std::count_if(word.begin(), word.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
        if (!lineStart && column + 1 + width > kWidth) {
            out += '\n';
            out.append(indent, ' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            out += ' ';
            ++column;
        }
        out += word;
        column += width;
        lineStart = false;
    }
    out += '\n';
}

std::string helpText(const HelpPage& page, const HelpWords& words) {
    std::string out = concat(words.usage, " ", page.program, " ", page.usage, "\n\n");
    fillWords(out, page.summary, 0);
    if (!page.text.empty()) {
        out += '\n';
        block(out, page.text, 0);
    }
    if (!page.commands.empty()) {
        out += concat("\n", words.commands, "\n");
        std::size_t width = 0;
        for (const HelpCommand& c : page.commands) {
            width = std::max(width, c.name.size());
        }
        for (const HelpCommand& c : page.commands) {
            const std::string head = concat("  ", c.name, std::string(width - c.name.size() + 2, ' '));
            out += head;
            fillWords(out, c.summary, head.size(), head.size());
        }
    }
    if (!page.options.empty()) {
        out += concat("\n", words.options, "\n");
        optionList(out, page.options);
    }
    for (const HelpSection& s : page.sections) {
        if (s.inHelp) {
            std::string title(s.title);
            std::transform(title.begin() + 1, title.end(), title.begin() + 1,
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            out += concat("\n", filled(words.section, title), "\n");
            block(out, s.text, 2);
        }
    }
    if (!page.commands.empty()) {
        out += "\n";
        fillWords(out, filled(words.commandHelp, page.program), 0);
    }
    return out;
}

const HelpCommand* findCommand(const HelpPage& page, std::string_view name) {
    for (const HelpCommand& c : page.commands) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

std::string commandHelpText(const HelpPage& page, const HelpCommand& command, const HelpWords& words) {
    std::string out = concat(words.usage, " ", page.program, " ", command.name, command.arguments.empty() ? "" : " ",
                          command.arguments, "\n\n");
    fillWords(out, command.summary, 0);
    if (!command.text.empty()) {
        out += '\n';
        block(out, command.text, 0);
    }
    std::vector<HelpOption> options = command.options;
    options.push_back({"-h, --help", "", words.helpOption});
    out += concat("\n", words.options, "\n");
    optionList(out, options);
    return out;
}

std::string manPage(const HelpPage& page, std::string_view version, std::string_view date) {
    const std::string program(page.program);
    std::string out = ".\\\" Made from the program's own help text when the tree is built.\n";
    out += concat(".TH ", upper(program), " 1 \"", date, "\" \"", program, " ", version, "\" \"User Commands\"\n");
    out += concat(".SH NAME\n", roff(program, true), " \\- ", roff(page.summary, false), "\n");

    out += ".SH SYNOPSIS\n";
    if (page.commands.empty()) {
        out += concat(".B ", roff(program, true), "\n", roff(page.usage, true), "\n");
    } else {
        bool first = true;
        for (const HelpCommand& c : page.commands) {
            out += first ? "" : ".br\n";
            first = false;
            out += concat(".B ", roff(concat(program, " ", c.name), true), "\n");
            if (!c.arguments.empty()) {
                out += concat(roff(c.arguments, true), "\n");
            }
        }
        out += concat(".br\n.B ", roff(program, true), "\n", roff("--help | --version", true), "\n");
    }

    out += ".SH DESCRIPTION\n";
    roffBlock(out, page.text.empty() ? page.summary : page.text);

    if (!page.commands.empty()) {
        out += ".SH COMMANDS\n";
        for (const HelpCommand& c : page.commands) {
            const std::string title = concat(program, " ", c.name, c.arguments.empty() ? "" : " ", c.arguments);
            out += concat(".SS \"", roff(title, true), "\"\n");
            roffBlock(out, c.summary);
            if (!c.text.empty()) {
                out += ".PP\n";
                roffBlock(out, c.text);
            }
            roffOptions(out, c.options);
        }
    }
    if (!page.options.empty()) {
        out += ".SH OPTIONS\n";
        roffOptions(out, page.options);
    }
    for (const HelpSection& s : page.sections) {
        out += concat(".SH ", roff(s.title, false), "\n");
        roffBlock(out, s.text);
    }
    if (!page.seeAlso.empty()) {
        out += ".SH SEE ALSO\n";
        for (std::size_t i = 0; i < page.seeAlso.size(); ++i) {
            const std::string_view ref = page.seeAlso[i];
            const std::size_t paren = ref.find('(');
            out += concat(".BR ", roff(ref.substr(0, paren), true), " ", ref.substr(paren),
                       i + 1 < page.seeAlso.size() ? " ,\n" : "\n");
        }
    }
    return out;
}

}  // namespace korbit::help
