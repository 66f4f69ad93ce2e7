// The files the main window works on: one, or several chosen at once, each
// with what the run will do to it, and how the window names them.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvane {

struct SelectedFile {
    QString path;
    QString refusal;         // why this user cannot have it rewritten; empty when they can
    bool encrypted = false;  // a container: the run decrypts it
};

class FileSelection {
    Q_DECLARE_TR_FUNCTIONS(corvane::FileSelection)
public:
    FileSelection() = default;
    explicit FileSelection(std::vector<SelectedFile> files) : files_(std::move(files)) {}

    const std::vector<SelectedFile>& files() const { return files_; }
    bool isEmpty() const { return files_.empty(); }
    bool several() const { return files_.size() > 1; }
    QStringList paths() const;

    // The files the run will encrypt, and those it will decrypt; a refused
    // file is neither.
    int toEncrypt() const;
    int toDecrypt() const;

    // What the file box shows: the path of one file; of several, their
    // count and names: "3 files: a.txt, b.pdf, c.odt".
    QString boxText() const;
    // The file box's tip: every path, one a line.
    QString tipText() const;
    // The action button's caption: "Encrypt" or "Decrypt" for one file; for
    // several "Encrypt 3 files", "Decrypt 3 files" or "Encrypt 2, decrypt 1".
    QString caption() const;
    // About the widest caption there is, for the button's width.
    static QString widestCaption();

private:
    std::vector<SelectedFile> files_;
};

// The last part of `path`, as people read it (bytes that are no UTF-8 as
// "\xE9").
QString shownName(const QString& path);

}  // namespace corvane
