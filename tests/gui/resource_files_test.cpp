// The program's resources as the program finds them: compiled into the
// resource system by id, and the desktop files shipped beside it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "korbit/engine/container.h"
#include "resources/resource_paths.h"

namespace res = corvane::resources;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString sourceFile(const char* relative) {
    return QStringLiteral(CORVANE_RESOURCES_DIR "/") + QString::fromLatin1(relative);
}

// Share of pixels that are not fully transparent.
double coverage(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qsizetype opaque = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            opaque += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return static_cast<double>(opaque) / static_cast<double>(argb.width() * argb.height());
}

// Number of distinct colours, capped: a blank or single-colour placeholder
// has one or two.
int colourCount(const QImage& image, int cap = 64) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> seen;
    for (int y = 0; y < argb.height() && seen.size() < cap; ++y) {
        for (int x = 0; x < argb.width() && seen.size() < cap; ++x) {
            seen.insert(argb.pixel(x, y));
        }
    }
    return static_cast<int>(seen.size());
}

}  // namespace

TEST(ResourceCatalogue, EveryResourceTheProgramUsesIsLinkedIn) {
    EXPECT_TRUE(res::missingResources().isEmpty()) << res::missingResources().join(u' ').toStdString();
}

// ---------------------------------------------------------------- pictures

namespace {

struct PictureCase {
    int id;
    int width;
    int height;
    double minCoverage;  // the share of the picture that must be drawn
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << "bitmap " << c.id; }

}  // namespace

class Bitmaps : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Bitmaps, LoadsAtItsLayoutSizeAndIsDrawn) {
    const PictureCase c = GetParam();
    const QImage image(res::bitmap(c.id));
    ASSERT_FALSE(image.isNull()) << res::bitmap(c.id).toStdString();
    EXPECT_EQ(image.width(), c.width);
    EXPECT_EQ(image.height(), c.height);
    EXPECT_GE(coverage(image), c.minCoverage);
    EXPECT_GE(colourCount(image), 16) << "looks like a flat placeholder";

    // The drawing for high-density screens: twice the size, the same picture.
    const QImage large(res::bitmap2x(c.id));
    ASSERT_FALSE(large.isNull()) << res::bitmap2x(c.id).toStdString();
    EXPECT_EQ(large.size(), image.size() * 2);
    EXPECT_NEAR(coverage(large), coverage(image), 0.05);
}

// The logo, splash and banner fill their rectangles; the 32x32 button images
// have transparent surroundings but must still show something.
INSTANTIATE_TEST_SUITE_P(ById, Bitmaps,
                         ::testing::Values(PictureCase{101, 150, 44, 0.95}, PictureCase{102, 420, 230, 0.99},
                                           PictureCase{103, 440, 64, 0.99}, PictureCase{104, 32, 32, 0.4},
                                           PictureCase{105, 32, 32, 0.2}, PictureCase{106, 32, 32, 0.2},
                                           PictureCase{107, 32, 32, 0.4}));

TEST(Bitmaps, SoundOnAndSoundOffDiffer) {
    const QImage on(res::bitmap(105));
    const QImage off(res::bitmap(106));
    ASSERT_FALSE(on.isNull());
    ASSERT_FALSE(off.isNull());
    EXPECT_NE(on.convertToFormat(QImage::Format_ARGB32), off.convertToFormat(QImage::Format_ARGB32));
}

TEST(HandCursor, HotSpotIsOnTheDrawnFingerTip) {
    const QImage cursor = QImage(res::cursorImage(101)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(cursor.isNull());
    EXPECT_EQ(cursor.size(), QSize(32, 32));
    EXPECT_EQ(QImage(res::cursorImage2x(101)).size(), QSize(64, 64));

    const QPoint hot = res::cursorHotSpot();
    ASSERT_TRUE(cursor.rect().contains(hot)) << hot.x() << "," << hot.y();

    int strongest = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = hot + QPoint(dx, dy);
            if (cursor.rect().contains(p)) {
                strongest = std::max(strongest, qAlpha(cursor.pixel(p)));
            }
        }
    }
    EXPECT_GE(strongest, 128) << "no opaque pixel at or next to the hot spot";

    // Nothing of the hand lies above the finger tip.
    for (int y = 0; y < hot.y(); ++y) {
        for (int x = 0; x < cursor.width(); ++x) {
            EXPECT_LT(qAlpha(cursor.pixel(x, y)), 128) << "pixel " << x << "," << y << " above the tip";
        }
    }
}

TEST(HandCursor, BackgroundIsTransparent) {
    const QImage cursor = QImage(res::cursorImage(101)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(cursor.isNull());
    ASSERT_TRUE(cursor.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(qAlpha(cursor.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    const double drawn = coverage(cursor);
    EXPECT_GT(drawn, 0.15);
    EXPECT_LT(drawn, 0.7);
}

namespace {

struct IconCase {
    std::string name;
    QString path;
    int size;
};

void PrintTo(const IconCase& c, std::ostream* os) { *os << c.name; }

// The window icon, and every size the build renders from the two drawings.
std::vector<IconCase> shippedIcons() {
    std::vector<IconCase> icons{{"window_resource", res::applicationIcon(), 256}};
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral(CORVANE_RENDERED_ICONS_DIR "/%1x%1/").arg(size);
        icons.push_back({"application_" + std::to_string(size),
                         folder + QStringLiteral("apps/" CORVANE_APP_ID ".png"), size});
        icons.push_back({"encrypted_file_" + std::to_string(size),
                         folder + QStringLiteral("mimetypes/application-x-corvane-encrypted.png"), size});
    }
    return icons;
}

}  // namespace

class Icons : public ::testing::TestWithParam<IconCase> {};

// Icons are shown on any background: drawn in the middle, clear at the corners.
TEST_P(Icons, IsASquareOfItsSizeWithTransparentCorners) {
    const int size = GetParam().size;
    const QImage icon = QImage(GetParam().path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull()) << GetParam().path.toStdString();
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    EXPECT_GE(colourCount(icon), 16);
}

INSTANTIATE_TEST_SUITE_P(Shipped, Icons, ::testing::ValuesIn(shippedIcons()));

// ------------------------------------------------------------------ sounds

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

std::uint16_t le16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}

struct Format {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bits = 0;
};

struct Chunks {
    std::optional<Format> format;
    qsizetype dataOffset = -1;
    qsizetype dataSize = -1;
    QString error;
};

// Walks the chunks of a RIFF WAVE file, checking every declared size.
Chunks walkWave(const QByteArray& b) {
    Chunks out;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        out.error = QStringLiteral("no RIFF/WAVE header");
        return out;
    }
    if (le32(b, 4) != static_cast<std::uint32_t>(b.size() - 8)) {
        out.error = QStringLiteral("RIFF size %1 for a file of %2 bytes").arg(le32(b, 4)).arg(b.size());
        return out;
    }
    qsizetype at = 12;
    while (at < b.size()) {
        if (at + 8 > b.size()) {
            out.error = QStringLiteral("chunk header cut at %1").arg(at);
            return out;
        }
        const QByteArray id = b.mid(at, 4);
        const auto size = static_cast<qsizetype>(le32(b, at + 4));
        const qsizetype body = at + 8;
        if (body + size > b.size()) {
            out.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return out;
        }
        if (id == "fmt ") {
            if (size < 16) {
                out.error = QStringLiteral("fmt chunk too short");
                return out;
            }
            out.format = Format{le16(b, body), le16(b, body + 2), le32(b, body + 4),
                                le32(b, body + 8), le16(b, body + 12), le16(b, body + 14)};
        } else if (id == "data") {
            out.dataOffset = body;
            out.dataSize = size;
        }
        at = body + size + (size % 2);  // chunks are padded to even length
    }
    if (at != b.size()) {
        out.error = QStringLiteral("padding runs past the end");
    }
    return out;
}

}  // namespace

namespace {

struct WaveCase {
    int id;
    qsizetype fileBytes;
};

void PrintTo(const WaveCase& c, std::ostream* os) { *os << "wave " << c.id; }

}  // namespace

class Waves : public ::testing::TestWithParam<WaveCase> {
protected:
    void SetUp() override {
        bytes = readAll(res::wave(GetParam().id));
        ASSERT_FALSE(bytes.isEmpty()) << res::wave(GetParam().id).toStdString();
        chunks = walkWave(bytes);
        ASSERT_TRUE(chunks.error.isEmpty()) << chunks.error.toStdString();
        ASSERT_TRUE(chunks.format.has_value()) << "no fmt chunk";
        ASSERT_GE(chunks.dataOffset, 0) << "no data chunk";
    }

    QByteArray bytes;
    Chunks chunks;
};

TEST_P(Waves, HasTheAgreedLength) {
    EXPECT_EQ(bytes.size(), GetParam().fileBytes);
    EXPECT_EQ(chunks.dataOffset + chunks.dataSize, bytes.size()) << "bytes after the samples";
}

TEST_P(Waves, IsConsistentPcm) {
    const Format f = *chunks.format;
    EXPECT_EQ(f.tag, 1) << "not PCM";
    EXPECT_GE(f.channels, 1);
    EXPECT_TRUE(f.bits == 8 || f.bits == 16) << f.bits;
    EXPECT_GE(f.rate, 8000u);
    EXPECT_EQ(f.blockAlign, f.channels * f.bits / 8);
    EXPECT_EQ(f.byteRate, f.rate * f.blockAlign);
    EXPECT_EQ(chunks.dataSize % f.blockAlign, 0);
}

// A cue that starts or stops far from silence is heard as a click.
TEST_P(Waves, StartsAndEndsAtSilence) {
    const Format f = *chunks.format;
    ASSERT_EQ(f.bits, 8) << "checked for 8-bit samples only";
    ASSERT_GT(chunks.dataSize, 0);
    const auto sample = [&](qsizetype i) {
        return static_cast<int>(static_cast<std::uint8_t>(bytes[chunks.dataOffset + i])) - 128;
    };
    EXPECT_LE(std::abs(sample(0)), 2);
    EXPECT_LE(std::abs(sample(chunks.dataSize - 1)), 2);

    int loudest = 0;
    for (qsizetype i = 0; i < chunks.dataSize; ++i) {
        loudest = std::max(loudest, std::abs(sample(i)));
    }
    EXPECT_GE(loudest, 32) << "too quiet to hear";
    EXPECT_LE(loudest, 127);
}

INSTANTIATE_TEST_SUITE_P(ById, Waves,
                         ::testing::Values(WaveCase{101, 20066}, WaveCase{102, 916}, WaveCase{103, 4852},
                                           WaveCase{104, 12004}, WaveCase{105, 2202}));

TEST(WaveWalker, RejectsAFileWhoseDataChunkOverrunsIt) {
    QByteArray b = readAll(res::wave(102));
    ASSERT_FALSE(b.isEmpty());
    ASSERT_TRUE(walkWave(b).error.isEmpty());
    b.chop(10);
    EXPECT_FALSE(walkWave(b).error.isEmpty());
}

// --------------------------------------------------------------- help page

class HelpPage : public ::testing::Test {
protected:
    void SetUp() override {
        raw = readAll(res::help(105));
        ASSERT_FALSE(raw.isEmpty());
        QStringDecoder decode(QStringDecoder::Utf8);
        text = decode(raw);
        ASSERT_FALSE(decode.hasError()) << "not valid UTF-8";
    }

    QByteArray raw;
    QString text;
};

TEST_F(HelpPage, IsAnHtmlPageDeclaringUtf8) {
    EXPECT_TRUE(text.trimmed().startsWith(QStringLiteral("<!DOCTYPE html>"), Qt::CaseInsensitive));
    EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">"), Qt::CaseInsensitive));
    EXPECT_TRUE(text.contains(QStringLiteral("<title>Ardentis Help</title>")));
    EXPECT_TRUE(text.trimmed().endsWith(QStringLiteral("</html>"), Qt::CaseInsensitive));
}

TEST_F(HelpPage, NeedsNothingFromOutside) {
    EXPECT_FALSE(text.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    EXPECT_FALSE(text.contains(QStringLiteral("<link"), Qt::CaseInsensitive));
    EXPECT_FALSE(text.contains(QStringLiteral("@import"), Qt::CaseInsensitive));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral(R"(url\s*\()"),
                                                  QRegularExpression::CaseInsensitiveOption)));
    const QRegularExpression external(QStringLiteral(R"re((src|href)\s*=\s*["']?\s*(https?:|//|file:))re"),
                                      QRegularExpression::CaseInsensitiveOption);
    EXPECT_FALSE(text.contains(external)) << external.match(text).captured(0).toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral(R"(<img\b)"),
                                                  QRegularExpression::CaseInsensitiveOption)))
        << "pictures would need files beside the page";
}

TEST_F(HelpPage, EveryInPageLinkHasATarget) {
    QSet<QString> ids;
    for (const auto& m : QRegularExpression(QStringLiteral(R"re(\bid="([^"]+)")re")).globalMatch(text)) {
        ids.insert(m.captured(1));
    }
    int links = 0;
    for (const auto& m : QRegularExpression(QStringLiteral(R"re(href="#([^"]*)")re")).globalMatch(text)) {
        ++links;
        EXPECT_TRUE(ids.contains(m.captured(1))) << "#" << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 0);
}

TEST_F(HelpPage, CarriesThePasswordRuleAndWarning) {
    EXPECT_TRUE(text.contains(QStringLiteral(
        "WARNING!!! DO NOT lose your password. The technology to restore your file without the password "
        "DOES NOT EXIST.")));
    EXPECT_TRUE(text.contains(QStringLiteral("6 or more characters")));
    EXPECT_TRUE(text.contains(QStringLiteral("at most 26")));
    EXPECT_TRUE(text.contains(QStringLiteral("case sensitive")));
}

TEST_F(HelpPage, StatesWhatTheFormatDoesNotProtect) {
    const qsizetype start = text.indexOf(QStringLiteral("What the format does not protect</h2>"));
    ASSERT_GE(start, 0);
    const QString section = text.mid(start, text.indexOf(QStringLiteral("<h2"), start) - start);
    for (const char* point : {"compatib", "offline", "4 bits", "every 32nd", "tamper", "size", "name",
                              "authenticated"}) {
        EXPECT_TRUE(section.contains(QString::fromLatin1(point), Qt::CaseInsensitive)) << point;
    }
}

TEST_F(HelpPage, NamesTheWorkflowSettingsAndCommandLine) {
    for (const char* word :
         {"Select File", "Encrypt", "Decrypt", "Cancel", "read-only", "SHA-256", "32-byte",
          "~/.config/Velmora Software/Corvane/xjf_app.ini", "INIFILE", "HELPFILE", "SOUNDTOGGLE",
          "korbit encrypt FILE", "korbit decrypt FILE", "--password-stdin"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(word))) << word;
    }
}

// ----------------------------------------------------- desktop integration

namespace {

struct MimeEntry {
    QString type;
    QString comment;
    QString icon;
    int priority = -1;
    QString matchType;
    QString matchValue;
    QString matchOffset;
};

std::optional<MimeEntry> readMimeXml(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return std::nullopt;
    }
    QXmlStreamReader xml(&file);
    std::optional<MimeEntry> entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto a = xml.attributes();
        if (xml.name() == u"mime-info") {
            if (xml.namespaceUri() != u"http://www.freedesktop.org/standards/shared-mime-info") {
                *error = QStringLiteral("wrong namespace");
                return std::nullopt;
            }
        } else if (xml.name() == u"mime-type") {
            entry = MimeEntry{};
            entry->type = a.value(QLatin1StringView("type")).toString();
        } else if (entry && xml.name() == u"comment") {
            entry->comment = xml.readElementText();
        } else if (entry && xml.name() == u"icon") {
            entry->icon = a.value(QLatin1StringView("name")).toString();
        } else if (entry && xml.name() == u"magic") {
            entry->priority = a.value(QLatin1StringView("priority")).toInt();
        } else if (entry && xml.name() == u"match") {
            entry->matchType = a.value(QLatin1StringView("type")).toString();
            entry->matchValue = a.value(QLatin1StringView("value")).toString();
            entry->matchOffset = a.value(QLatin1StringView("offset")).toString();
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return std::nullopt;
    }
    return entry;
}

// Key=value lines of the [Desktop Entry] group.
QHash<QString, QString> readDesktopEntry(const QByteArray& bytes) {
    QHash<QString, QString> keys;
    bool inEntry = false;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inEntry && eq > 0) {
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
        }
    }
    return keys;
}

}  // namespace

TEST(DesktopIntegration, MimeTypeIsRecognisedByTheContainerSignature) {
    QString error;
    const auto entry = readMimeXml(sourceFile("desktop/corvane.xml"), &error);
    ASSERT_TRUE(entry.has_value()) << error.toStdString();
    EXPECT_EQ(entry->type, u"application/x-corvane-encrypted");
    EXPECT_EQ(entry->comment, u"Ardentis encrypted file");
    EXPECT_EQ(entry->icon, u"application-x-corvane-encrypted");
    EXPECT_EQ(entry->priority, 80);
    EXPECT_EQ(entry->matchType, u"string");
    EXPECT_EQ(entry->matchOffset, u"0");

    // The magic is what the engine writes at the start of every container.
    const auto& magic = korbit::engine::kContainerMagic;
    const QByteArray written(reinterpret_cast<const char*>(magic.data()), static_cast<qsizetype>(magic.size()));
    EXPECT_EQ(entry->matchValue.toLatin1(), written);
    EXPECT_EQ(entry->matchValue, u"xjeS");
}

TEST(DesktopIntegration, DesktopEntryStartsTheProgramForItsFiles) {
    const QByteArray bytes = readAll(sourceFile("desktop/" CORVANE_APP_ID ".desktop"));
    ASSERT_FALSE(bytes.isEmpty());
    const auto keys = readDesktopEntry(bytes);
    EXPECT_EQ(keys.value(QStringLiteral("Type")), u"Application");
    EXPECT_EQ(keys.value(QStringLiteral("Name")), u"Ardentis");
    EXPECT_EQ(keys.value(QStringLiteral("Exec")), u"corvane %F");  // every file chosen, in one start
    EXPECT_EQ(keys.value(QStringLiteral("Icon")), QStringLiteral(CORVANE_APP_ID));
    EXPECT_EQ(keys.value(QStringLiteral("Terminal")), u"false");
    EXPECT_FALSE(keys.value(QStringLiteral("Comment")).isEmpty());

    // The entry claims exactly the type the mime package defines.
    QString error;
    const auto entry = readMimeXml(sourceFile("desktop/corvane.xml"), &error);
    ASSERT_TRUE(entry.has_value()) << error.toStdString();
    const QStringList claimed = keys.value(QStringLiteral("MimeType")).split(u';', Qt::SkipEmptyParts);
    EXPECT_EQ(claimed, QStringList{entry->type});
    EXPECT_TRUE(keys.value(QStringLiteral("MimeType")).endsWith(u';'));
    EXPECT_TRUE(keys.value(QStringLiteral("Categories")).endsWith(u';'));
}

// Software centres join the metadata, the desktop entry and the icon by one
// id; the program announces the same id as its Wayland app id.
TEST(DesktopIntegration, MetainfoNamesTheDesktopEntryByTheApplicationId) {
    QXmlStreamReader xml(readAll(sourceFile("desktop/" CORVANE_APP_ID ".metainfo.xml")));
    QString id;
    QString launchable;
    QStringList mediaTypes;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"id") {
            id = xml.readElementText();
        } else if (xml.name() == u"launchable") {
            launchable = xml.readElementText();
        } else if (xml.name() == u"mediatype") {
            mediaTypes << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(id, QStringLiteral(CORVANE_APP_ID));
    EXPECT_EQ(launchable, QStringLiteral(CORVANE_APP_ID ".desktop"));
    EXPECT_EQ(mediaTypes, QStringList{QStringLiteral("application/x-corvane-encrypted")});
}
