#include "corvane/sound/sound_module.h"

#include "corvane/sound/wave_data.h"
#include "resources/resource_paths.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QResource>

#include <utility>

namespace corvane {

SoundModule::SoundModule(QObject* parent)
    : SoundModule([] { return QMediaDevices::defaultAudioOutput(); }, parent) {}

SoundModule::SoundModule(OutputDeviceSource outputDevice, QObject* parent)
    : QObject(parent), outputDevice_(std::move(outputDevice)) {}

SoundModule::~SoundModule() { stop(); }

bool SoundModule::playWaveResource(int soundId) {
    const QResource resource(resources::wave(soundId));
    if (!resource.isValid()) {
        stop();
        return false;
    }
    return play(resource.uncompressedData());
}

bool SoundModule::play(const QByteArray& image) {
    // A new cue always cuts off the old one, even when it cannot play itself.
    stop();

    const std::optional<WaveData> wave = parseWave(image);
    if (!wave || wave->dataLength == 0) {
        return false;
    }
    const QAudioDevice device = outputDevice_ ? outputDevice_() : QAudioDevice();
    if (device.isNull() || !device.isFormatSupported(wave->format)) {
        return false;
    }

    auto* sink = new QAudioSink(device, wave->format, this);
    auto* buffer = new QBuffer(sink);
    buffer->setData(image.sliced(wave->dataOffset, wave->dataLength));
    buffer->open(QIODevice::ReadOnly);

    sink_ = sink;
    connect(sink, &QAudioSink::stateChanged, this,
            [this, sink](QAudio::State state) { onSinkStateChanged(sink, state); });
    sink->start(buffer);

    if (sink_ != sink) {
        // Finished or failed while starting; the handler already let it go.
        return sink->error() == QAudio::NoError;
    }
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        stop();
        return false;
    }
    return true;
}

void SoundModule::stop() {
    QAudioSink* sink = std::exchange(sink_, nullptr);
    if (sink == nullptr) {
        return;
    }
    sink->disconnect(this);
    sink->stop();  // the sink lets go of the buffer before the bytes go
    delete sink;
}

bool SoundModule::playing() const { return sink_ != nullptr; }

void SoundModule::onSinkStateChanged(QAudioSink* sink, QAudio::State state) {
    if (sink != sink_) {
        return;
    }
    const bool finished = state == QAudio::IdleState;
    const bool failed = state == QAudio::StoppedState && sink->error() != QAudio::NoError;
    if (!finished && !failed) {
        return;
    }
    // Still inside the sink's own signal: stop it now, delete it later.
    sink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

}  // namespace corvane
