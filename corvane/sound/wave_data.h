// Reading the layout of a RIFF WAVE image held in memory: the sample format
// and where the PCM samples lie. Nothing is copied; the caller slices the image.
#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

namespace corvane {

struct WaveData {
    QAudioFormat format;
    qsizetype dataOffset;  // first sample byte within the image
    qsizetype dataLength;  // whole frames only, never past the end of the image
};

// Accepts PCM (format tag 1, or WAVE_FORMAT_EXTENSIBLE with the PCM
// subformat): 8-bit unsigned, 16- or 32-bit signed, one or two channels.
// Chunks may come in any order; unknown ones are skipped. A "data" chunk that
// claims more than the image holds is cut to what is there. Anything else
// malformed gives nullopt.
std::optional<WaveData> parseWave(const QByteArray& image);

}  // namespace corvane
