// File names between the window's text and the operating system's bytes.
//
// A Linux name is bytes, not always UTF-8. Qt turns the bytes that do not
// decode into U+FFFD (QFile::decodeName), which names another file, and its
// folder listings leave such names out. The program therefore never lets Qt
// convert a name: every byte that is no UTF-8 travels in the QString as its
// escape U+DC80..U+DCFF (korbit/platform/text_encoding.h), which the control
// takes as it is, and goes back to the same byte whenever the name reaches
// the system.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace corvane {

// The name the system gave as bytes (a command-line argument, say).
QString fileNameFromOs(const QByteArray& bytes);

// The bytes of `name` for the system; empty for a name no file can have.
QByteArray osFileName(const QString& name);

// `name` from the program's current folder when it is relative; "." and
// ".." worked out as written.
QString absoluteFileName(const QString& name);

// The file a local file URL (a drop, the Open dialog) names, from its
// percent-encoded bytes; empty for any other URL.
QString fileNameOfUrl(const QUrl& url);

// The file URL of `name`, its bytes percent-encoded.
QUrl urlOfFileName(const QString& name);

// True when `name` is a regular file (links followed).
bool isRegularFile(const QString& name);

// A name, or a message that holds one, as people read it in a note or a
// box: each byte that is no UTF-8 as "\xE9".
QString legible(const QString& text);

}  // namespace corvane
