#include "resources/resource_paths.h"

#include <QFile>

namespace corvane::resources {

QStringList missingResources() {
    QStringList expected;
    for (int id = 101; id <= 107; ++id) {
        expected << bitmap(id) << bitmap2x(id);
    }
    for (int id = kFirstDarkBitmap; id <= kLastDarkBitmap; ++id) {
        expected << darkBitmap(id) << darkBitmap2x(id);
    }
    for (int id = 101; id <= 105; ++id) {
        expected << wave(id);
    }
    expected << cursorImage(101) << cursorImage2x(101) << help(105) << applicationIcon();

    QStringList missing;
    for (const QString& path : expected) {
        if (!QFile::exists(path)) {
            missing << path;
        }
    }
    return missing;
}

}  // namespace corvane::resources
