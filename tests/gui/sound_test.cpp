// WAVE parsing and the sound module's one-cue-at-a-time playback. The tests
// of playback need an audio output (scripts/test.sh starts a silent one when
// the machine has none) and say so when there is none.
#include "corvane/sound/sound_module.h"
#include "corvane/sound/wave_data.h"

#include <gtest/gtest.h>

#include <QAudioSink>
#include <QMediaDevices>
#include <QTest>
#include <QtEndian>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using corvane::parseWave;
using corvane::SoundModule;

QByteArray u16(quint16 value) {
    QByteArray out(2, '\0');
    qToLittleEndian(value, out.data());
    return out;
}

QByteArray u32(quint32 value) {
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out;
}

// A chunk with its pad byte when the body is odd-sized; `claimed` lets a test lie.
QByteArray chunk(const char* id, const QByteArray& body, std::optional<quint32> claimed = {}) {
    QByteArray out = QByteArray(id, 4) + u32(claimed.value_or(static_cast<quint32>(body.size()))) + body;
    if (body.size() % 2 != 0) {
        out += '\0';
    }
    return out;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                   std::optional<quint16> blockAlign = {}) {
    const quint16 align = blockAlign.value_or(static_cast<quint16>(channels * bits / 8));
    return u16(tag) + u16(channels) + u32(rate) + u32(rate * align) + u16(align) + u16(bits);
}

const QByteArray kPcmGuid = QByteArray::fromHex("0100000000001000800000aa00389b71");
const QByteArray kFloatGuid = QByteArray::fromHex("0300000000001000800000aa00389b71");

QByteArray extensibleBody(quint16 channels, quint32 rate, quint16 bits, const QByteArray& guid) {
    return fmtBody(0xFFFE, channels, rate, bits) + u16(22) + u16(bits) + u32(channels == 2 ? 3u : 4u) + guid;
}

QByteArray riff(const QByteArray& chunks, std::optional<quint32> claimed = {}) {
    return QByteArray("RIFF") + u32(claimed.value_or(static_cast<quint32>(chunks.size() + 4))) + "WAVE" + chunks;
}

QByteArray samples(qsizetype count) {
    QByteArray out(count, '\0');
    for (qsizetype i = 0; i < count; ++i) {
        out[i] = static_cast<char>(i * 7);
    }
    return out;
}

const QByteArray kFmt16Mono = chunk("fmt ", fmtBody(1, 1, 22050, 16));
const QByteArray kFmt16Stereo = chunk("fmt ", fmtBody(1, 2, 44100, 16));

struct Layout {
    int sampleRate;
    int channels;
    QAudioFormat::SampleFormat sampleFormat;
    qsizetype offset;
    qsizetype length;
};

struct ParseCase {
    std::string name;
    QByteArray image;
    std::optional<Layout> expected;
};

std::vector<ParseCase> parseCases() {
    const QByteArray data100 = chunk("data", samples(100));
    const QByteArray list = chunk("LIST", QByteArray("INFOISFT") + u32(5) + "Corv\0", {});
    const QByteArray plain16 = kFmt16Mono + data100;
    return {
        {"Pcm16Mono", riff(plain16), Layout{22050, 1, QAudioFormat::Int16, 44, 100}},
        {"Pcm8Stereo", riff(chunk("fmt ", fmtBody(1, 2, 11025, 8)) + chunk("data", samples(40))),
         Layout{11025, 2, QAudioFormat::UInt8, 44, 40}},
        {"Pcm32Stereo", riff(chunk("fmt ", fmtBody(1, 2, 48000, 32)) + chunk("data", samples(64))),
         Layout{48000, 2, QAudioFormat::Int32, 44, 64}},
        {"ExtensiblePcm", riff(chunk("fmt ", extensibleBody(2, 44100, 16, kPcmGuid)) + data100),
         Layout{44100, 2, QAudioFormat::Int16, 12 + 8 + 40 + 8, 100}},
        {"ExtensibleFloat", riff(chunk("fmt ", extensibleBody(2, 44100, 32, kFloatGuid)) + data100), {}},
        {"OddChunkPadBeforeFmt", riff(chunk("junk", "abc") + plain16),
         Layout{22050, 1, QAudioFormat::Int16, 12 + 12 + 24 + 8, 100}},
        {"ListBetweenFmtAndData", riff(kFmt16Mono + list + data100),
         Layout{22050, 1, QAudioFormat::Int16, 12 + 24 + list.size() + 8, 100}},
        {"DataBeforeFmt", riff(data100 + kFmt16Mono), Layout{22050, 1, QAudioFormat::Int16, 20, 100}},
        {"OddDataAtEndWithoutPad",
         riff(chunk("fmt ", fmtBody(1, 1, 8000, 8)) + QByteArray("data") + u32(5) + samples(5)),
         Layout{8000, 1, QAudioFormat::UInt8, 44, 5}},
        // Claims 1000 bytes, holds 102: cut to 25 whole four-byte frames.
        {"TruncatedDataWholeFrames", riff(kFmt16Stereo + QByteArray("data") + u32(1000) + samples(102)),
         Layout{44100, 2, QAudioFormat::Int16, 44, 100}},
        {"RiffSizeTooLarge", riff(plain16, 1'000'000), Layout{22050, 1, QAudioFormat::Int16, 44, 100}},
        {"RiffSizeTooSmall", riff(plain16, 4), Layout{22050, 1, QAudioFormat::Int16, 44, 100}},
        {"EmptyInput", QByteArray(), {}},
        {"NotRiff", QByteArray("RIFX") + riff(plain16).mid(4), {}},
        {"NotWave", riff(plain16).replace(8, 4, "AVI "), {}},
        {"MissingFmt", riff(data100), {}},
        {"MissingData", riff(kFmt16Mono + list), {}},
        {"FloatTag", riff(chunk("fmt ", fmtBody(3, 1, 44100, 32)) + data100), {}},
        {"ZeroChannels", riff(chunk("fmt ", fmtBody(1, 0, 44100, 16, 2)) + data100), {}},
        {"ThreeChannels", riff(chunk("fmt ", fmtBody(1, 3, 44100, 16)) + data100), {}},
        {"TwentyFourBit", riff(chunk("fmt ", fmtBody(1, 1, 44100, 24)) + data100), {}},
        {"ZeroSampleRate", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + data100), {}},
        {"BlockAlignLies", riff(chunk("fmt ", fmtBody(1, 2, 44100, 16, 2)) + data100), {}},
        {"FmtTooShort", riff(chunk("fmt ", fmtBody(1, 1, 8000, 16).left(14)) + data100), {}},
        {"FmtCutOff", riff(QByteArray("fmt ") + u32(16) + fmtBody(1, 1, 8000, 16).left(10)), {}},
        {"HugeChunkHidesData", riff(kFmt16Mono + QByteArray("junk") + u32(0xFFFFFFFFu) + data100), {}},
    };
}

void PrintTo(const ParseCase& testCase, std::ostream* out) { *out << testCase.name; }

class ParseWaveTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseWaveTest, ReadsLayoutOrRejects) {
    const ParseCase& testCase = GetParam();
    const auto wave = parseWave(testCase.image);
    ASSERT_EQ(wave.has_value(), testCase.expected.has_value());
    if (!testCase.expected) {
        return;
    }
    EXPECT_EQ(wave->format.sampleRate(), testCase.expected->sampleRate);
    EXPECT_EQ(wave->format.channelCount(), testCase.expected->channels);
    EXPECT_EQ(wave->format.sampleFormat(), testCase.expected->sampleFormat);
    EXPECT_EQ(wave->dataOffset, testCase.expected->offset);
    EXPECT_EQ(wave->dataLength, testCase.expected->length);
}

INSTANTIATE_TEST_SUITE_P(Images, ParseWaveTest, ::testing::ValuesIn(parseCases()),
                         [](const ::testing::TestParamInfo<ParseCase>& param) { return param.param.name; });

// Every prefix of a good image either parses to a slice inside the prefix or
// is refused; the sanitizers catch any read past the end.
TEST(ParseWavePrefixes, NeverReachPastTheEnd) {
    const QByteArray image =
        riff(chunk("junk", "abc") + kFmt16Stereo + chunk("LIST", samples(9)) + chunk("data", samples(64)));
    for (qsizetype cut = 0; cut <= image.size(); ++cut) {
        const QByteArray prefix(image.constData(), cut);  // own allocation, exact size
        const auto wave = parseWave(prefix);
        if (wave) {
            EXPECT_LE(wave->dataOffset + wave->dataLength, cut) << "cut " << cut;
            EXPECT_EQ(wave->dataLength % 4, 0) << "cut " << cut;
        }
    }
}

// A short, valid cue: 20 ms of 16-bit mono silence.
QByteArray shortCue() { return riff(kFmt16Mono + chunk("data", QByteArray(882, '\0'))); }

qsizetype sinkCount(const SoundModule& module) {
    return module.findChildren<QAudioSink*>(Qt::FindDirectChildrenOnly).size();
}

TEST(SoundModuleWithoutDevice, StaysSilent) {
    SoundModule module([] { return QAudioDevice(); });
    ASSERT_TRUE(parseWave(shortCue()).has_value());
    EXPECT_FALSE(module.play(shortCue()));
    EXPECT_FALSE(module.playWaveResource(101));
    EXPECT_FALSE(module.playing());
    EXPECT_EQ(sinkCount(module), 0);
}

// Whether or not there is an output device.
TEST(SoundModuleRefuses, GarbageAndMissingResources) {
    SoundModule module_;
    EXPECT_FALSE(module_.play(QByteArray("RIFF\x10\0\0\0WAVEjunk", 16)));
    EXPECT_FALSE(module_.play(samples(300)));
    EXPECT_FALSE(module_.playWaveResource(987654));
    EXPECT_FALSE(module_.playing());
    EXPECT_EQ(sinkCount(module_), 0);
}

class SoundModuleOnDefaultOutput : public ::testing::Test {
protected:
    void SetUp() override {
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            GTEST_SKIP() << "no audio output here: a cue cannot be played (scripts/test.sh starts a silent one)";
        }
    }
    SoundModule module_;
};


// A new cue cuts the one playing off: one sink at a time.
TEST_F(SoundModuleOnDefaultOutput, NewCueReplacesTheOldOne) {
    ASSERT_TRUE(module_.play(shortCue()));
    EXPECT_TRUE(module_.playing());
    ASSERT_TRUE(module_.play(shortCue()));
    EXPECT_TRUE(module_.playing());
    EXPECT_EQ(sinkCount(module_), 1);
    EXPECT_FALSE(module_.play(QByteArray("not a wave")));  // a bad cue still cuts off the old one
    EXPECT_FALSE(module_.playing());
    EXPECT_EQ(sinkCount(module_), 0);
}

TEST_F(SoundModuleOnDefaultOutput, FinishedCueReleasesItsSink) {
    ASSERT_TRUE(module_.play(shortCue()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !module_.playing(); }, 10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(sinkCount(module_), 0);
}

}  // namespace
