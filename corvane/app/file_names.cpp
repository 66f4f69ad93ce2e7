#include "corvane/app/file_names.h"

#include <optional>
#include <string>

#include "korbit/platform/host_paths.h"
#include "korbit/platform/text_encoding.h"

namespace corvane {

namespace platform = korbit::platform;

namespace {

std::u16string_view utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

QString fileNameFromOs(const QByteArray& bytes) {
    return QString::fromStdU16String(platform::fromUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

QByteArray osFileName(const QString& name) {
    const std::optional<std::string> bytes = platform::toOsPath(utf16Of(name));
    return bytes ? QByteArray::fromStdString(*bytes) : QByteArray();
}

QString absoluteFileName(const QString& name) {
    const QByteArray bytes = osFileName(name);
    return bytes.isEmpty() ? QString() : fileNameFromOs(QByteArray::fromStdString(platform::absolutePath(bytes.toStdString())));
}

QString fileNameOfUrl(const QUrl& url) {
    if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QStringLiteral("localhost"))) {
        return {};
    }
    return fileNameFromOs(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QUrl urlOfFileName(const QString& name) {
    return QUrl::fromEncoded("file://" + osFileName(name).toPercentEncoding("/"), QUrl::StrictMode);
}

bool isRegularFile(const QString& name) { return platform::isRegularFile(osFileName(name).toStdString()); }

QString legible(const QString& text) { return QString::fromStdU16String(platform::displayText(utf16Of(text))); }

}  // namespace corvane
