#include "corvane/app/file_selection.h"

#include <algorithm>

#include "corvane/app/file_names.h"

namespace corvane {

QString shownName(const QString& path) { return legible(path.mid(path.lastIndexOf(u'/') + 1)); }

QStringList FileSelection::paths() const {
    QStringList out;
    for (const SelectedFile& f : files_) {
        out << f.path;
    }
    return out;
}

int FileSelection::toEncrypt() const {
    return static_cast<int>(
        std::count_if(files_.begin(), files_.end(), [](const SelectedFile& f) { return f.refusal.isEmpty() && !f.encrypted; }));
}

int FileSelection::toDecrypt() const {
    return static_cast<int>(
        std::count_if(files_.begin(), files_.end(), [](const SelectedFile& f) { return f.refusal.isEmpty() && f.encrypted; }));
}

QString FileSelection::boxText() const {
    if (files_.empty()) {
        return {};
    }
    if (!several()) {
        return files_.front().path;
    }
    QStringList names;
    for (const SelectedFile& f : files_) {
        names << shownName(f.path);
    }
    return tr("%n files: %1", nullptr, static_cast<int>(files_.size())).arg(names.join(QStringLiteral(", ")));
}

QString FileSelection::tipText() const {
    QStringList lines;
    for (const SelectedFile& f : files_) {
        lines << legible(f.path);
    }
    return lines.join(u'\n');
}

QString FileSelection::widestCaption() { return tr("Encrypt %1, decrypt %2").arg(88).arg(88); }

QString FileSelection::caption() const {
    if (!several()) {
        return !files_.empty() && files_.front().encrypted ? tr("Decrypt") : tr("Encrypt");
    }
    const int encrypt = toEncrypt();
    const int decrypt = toDecrypt();
    if (encrypt > 0 && decrypt > 0) {
        return tr("Encrypt %1, decrypt %2").arg(encrypt).arg(decrypt);
    }
    if (decrypt > 0) {
        return decrypt == 1 ? tr("Decrypt 1 file") : tr("Decrypt %n files", nullptr, decrypt);
    }
    if (encrypt > 0) {
        return encrypt == 1 ? tr("Encrypt 1 file") : tr("Encrypt %n files", nullptr, encrypt);
    }
    return tr("Encrypt");
}

}  // namespace corvane
