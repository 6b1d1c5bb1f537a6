#include "soundplayer.h"

#include <pulse/simple.h>

ThreadSoundPlayer::ThreadSoundPlayer(Output output)
    : m_output(std::move(output)), m_thread([this] { run(); })
{
}

ThreadSoundPlayer::~ThreadSoundPlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_pending.reset();
    }
    m_wake.notify_one();
    m_thread.join();
}

void ThreadSoundPlayer::play(const QByteArray &riff)
{
    std::optional<WaveClip> clip = WaveLesen(riff);
    if (!clip)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(clip);
    }
    m_wake.notify_one();
}

void ThreadSoundPlayer::run()
{
    for (;;) {
        WaveClip clip;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop)
                return;
            clip = std::move(*m_pending);
            m_pending.reset();
        }
        m_output(clip);
    }
}

bool PulseOutput(const WaveClip &clip)
{
    pa_sample_spec format{};
    format.format = clip.bitsProAbtastung == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    format.rate = quint32(clip.abtastrate);
    format.channels = quint8(clip.kanaele);
    if (!pa_sample_spec_valid(&format))
        return false;
    pa_simple *stream = pa_simple_new(nullptr, "Zendaro", PA_STREAM_PLAYBACK, nullptr, "Feldklang",
                                      &format, nullptr, nullptr, nullptr);
    if (!stream)
        return false;
    const bool gespielt = pa_simple_write(stream, clip.daten.constData(), size_t(clip.daten.size()), nullptr) == 0
        && pa_simple_drain(stream, nullptr) == 0;
    pa_simple_free(stream);
    return gespielt;
}
