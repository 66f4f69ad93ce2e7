// The program's sound cues: short WAVE images played asynchronously straight
// from memory, one at a time.
#pragma once

#include <QAudio>
#include <QAudioDevice>
#include <QByteArray>
#include <QObject>

#include <functional>

class QAudioSink;

namespace corvane {

// What the main window needs of its sound cues (tests substitute a recorder).
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Starts WAVE resource `soundId` and returns at once; true when it started.
    virtual bool playWaveResource(int soundId) = 0;
};

class SoundModule final : public QObject, public CuePlayer {
    Q_OBJECT

public:
    // Where cues go; a null device means there is nowhere to play them.
    using OutputDeviceSource = std::function<QAudioDevice()>;

    // Plays on the system's default output as it is at the time of each cue.
    explicit SoundModule(QObject* parent = nullptr);
    explicit SoundModule(OutputDeviceSource outputDevice, QObject* parent = nullptr);
    ~SoundModule() override;

    SoundModule(const SoundModule&) = delete;
    SoundModule& operator=(const SoundModule&) = delete;

    // Loads resources::wave(soundId), then play().
    bool playWaveResource(int soundId) override;
    // Cuts off the cue now playing, then starts `image`. False (and silence)
    // when the image is not a playable WAVE, there is no output device, the
    // device refuses the format or the sink fails to start.
    bool play(const QByteArray& image);
    void stop();
    bool playing() const;

private:
    void onSinkStateChanged(QAudioSink* sink, QAudio::State state);

    OutputDeviceSource outputDevice_;
    // The one sink of the module, a child of it. Its QBuffer is its child and
    // holds the samples, so the bytes live exactly as long as the sink that
    // reads them.
    QAudioSink* sink_ = nullptr;
};

}  // namespace corvane
