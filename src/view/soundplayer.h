#pragma once

#include "wave.h"

#include <QByteArray>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Plays a wave clip held in memory. play() returns at once; painting must not
// wait for a sound.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QByteArray &riff) = 0;
};

// Plays on one small thread of its own. A clip asked for while another plays
// follows it once that has ended; of several asked for meanwhile only the
// newest is kept, so quick presses never pile up a backlog of sounds.
class ThreadSoundPlayer : public SoundPlayer
{
public:
    // The output plays one clip and returns when it has ended.
    using Output = std::function<void(const WaveClip &)>;

    explicit ThreadSoundPlayer(Output output);
    ~ThreadSoundPlayer() override;

    void play(const QByteArray &riff) override;

private:
    void run();

    Output m_output;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<WaveClip> m_pending;
    bool m_stop = false;
    std::thread m_thread;
};

// Output through the PulseAudio simple API (also served by PipeWire). Without
// a sound server it fails within a millisecond and plays nothing, silently.
// True when the clip was played to its end.
bool PulseOutput(const WaveClip &clip);
