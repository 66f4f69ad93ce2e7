#include "corvane/sound/wave_data.h"

#include <QByteArrayView>
#include <QtEndian>

#include <algorithm>

namespace corvane {
namespace {

constexpr quint16 kFormatPcm = 0x0001;
constexpr quint16 kFormatExtensible = 0xFFFE;
constexpr int kLowestSampleRate = 1000;
constexpr int kHighestSampleRate = 768000;

// KSDATAFORMAT_SUBTYPE_PCM as it is stored in the file.
constexpr char kPcmSubFormat[16] = {'\x01', '\x00', '\x00', '\x00', '\x00', '\x00', '\x10', '\x00',
                                    '\x80', '\x00', '\x00', '\xAA', '\x00', '\x38', '\x9B', '\x71'};

quint16 readU16(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 readU32(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

std::optional<QAudioFormat> parseFormatChunk(QByteArrayView chunk) {
    if (chunk.size() < 16) {
        return std::nullopt;
    }
    const quint16 tag = readU16(chunk, 0);
    const quint16 channels = readU16(chunk, 2);
    const quint32 sampleRate = readU32(chunk, 4);
    const quint16 blockAlign = readU16(chunk, 12);
    const quint16 bits = readU16(chunk, 14);

    if (tag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the subformat GUID.
        if (chunk.size() < 40 || readU16(chunk, 16) < 22) {
            return std::nullopt;
        }
        if (readU16(chunk, 18) > bits) {
            return std::nullopt;
        }
        if (chunk.sliced(24, 16) != QByteArrayView(kPcmSubFormat, sizeof kPcmSubFormat)) {
            return std::nullopt;
        }
    } else if (tag != kFormatPcm) {
        return std::nullopt;
    }

    if (channels < 1 || channels > 2) {
        return std::nullopt;
    }
    if (sampleRate < kLowestSampleRate || sampleRate > kHighestSampleRate) {
        return std::nullopt;
    }
    QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
    switch (bits) {
    case 8: sampleFormat = QAudioFormat::UInt8; break;
    case 16: sampleFormat = QAudioFormat::Int16; break;
    case 32: sampleFormat = QAudioFormat::Int32; break;
    default: return std::nullopt;
    }
    if (blockAlign != channels * bits / 8) {
        return std::nullopt;
    }

    QAudioFormat format;
    format.setSampleRate(static_cast<int>(sampleRate));
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

}  // namespace

std::optional<WaveData> parseWave(const QByteArray& image) {
    const QByteArrayView bytes(image);
    const qsizetype size = bytes.size();
    if (size < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE") {
        return std::nullopt;
    }
    // The RIFF size is not trusted: writers that stream often leave it 0 or
    // too large. Chunks are walked to the end of the image instead.

    std::optional<QAudioFormat> format;
    qsizetype dataOffset = -1;
    qsizetype dataLength = 0;
    qsizetype pos = 12;
    while (pos <= size - 8 && (!format || dataOffset < 0)) {
        const QByteArrayView id = bytes.sliced(pos, 4);
        const auto chunkSize = static_cast<qsizetype>(readU32(bytes, pos + 4));
        const qsizetype body = pos + 8;
        const qsizetype available = size - body;

        if (id == "fmt " && !format) {
            if (chunkSize > available) {
                return std::nullopt;
            }
            format = parseFormatChunk(bytes.sliced(body, chunkSize));
            if (!format) {
                return std::nullopt;
            }
        } else if (id == "data" && dataOffset < 0) {
            dataOffset = body;
            dataLength = std::min(chunkSize, available);
        }

        if (chunkSize > available) {
            break;  // a cut-off chunk is the last thing in the image
        }
        pos = body + chunkSize + (chunkSize & 1);  // odd chunks carry a pad byte
    }

    if (!format || dataOffset < 0) {
        return std::nullopt;
    }
    const qsizetype frameBytes = format->bytesPerFrame();
    dataLength -= dataLength % frameBytes;
    return WaveData{*format, dataOffset, dataLength};
}

}  // namespace corvane
