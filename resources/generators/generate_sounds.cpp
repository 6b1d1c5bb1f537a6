// Writes the three group sounds (sounds/GRAS_SOUND.wav, SAND_SOUND.wav,
// WASSER_SOUND.wav) into the resources folder given as argument: filtered
// noise shaped by envelopes, mono, 11025 Hz, 8-bit PCM.

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rate = 11025;
constexpr double Pi = 3.14159265358979323846;

// Fixed-seed generator so that every run writes the same bytes.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    double next()  // in [-1, 1]
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return (m_state & 0xffff) / 32767.5 - 1.0;
    }

private:
    std::uint32_t m_state;
};

// One-pole low pass; the high pass is the signal minus its low pass.
struct LowPass
{
    double alpha, y = 0;
    double operator()(double x) { return y += alpha * (x - y); }
};

double lowPassAlpha(double cutoffHz)
{
    const double rc = 1.0 / (2 * Pi * cutoffHz);
    return (1.0 / Rate) / (rc + 1.0 / Rate);
}

// Fades the first and last few samples so the clip starts and ends at rest.
void fadeEnds(std::vector<double> &s, int length)
{
    const int n = int(s.size());
    for (int i = 0; i < length && i < n; ++i) {
        const double g = 0.5 - 0.5 * std::cos(Pi * i / length);
        s[i] *= g;
        s[n - 1 - i] *= g;
    }
}

std::vector<double> rustle()
{
    Noise noise(0x6a55);
    LowPass low{lowPassAlpha(1800)};
    std::vector<double> s(189);
    for (int i = 0; i < int(s.size()); ++i) {
        const double t = double(i) / s.size();
        const double x = noise.next();
        const double envelope = std::min(1.0, t * 8) * std::exp(-t * 2.5);
        s[i] = (x - low(x)) * envelope * 0.8;
    }
    fadeEnds(s, 12);
    return s;
}

std::vector<double> crunch()
{
    Noise noise(0x5a4d);
    LowPass low{lowPassAlpha(2600)}, rumble{lowPassAlpha(300)};
    std::vector<double> s(1015);
    // Grains of sand giving way: a train of short bursts of decreasing strength.
    for (int i = 0; i < int(s.size()); ++i) {
        const double t = double(i) / s.size();
        const double x = noise.next();
        const double grainPhase = std::fmod(i, 127.0) / 127.0;
        const double grains = std::exp(-grainPhase * 7) * (0.55 + 0.45 * std::abs(std::sin(i * 0.013)));
        const double envelope = std::min(1.0, t * 20) * std::exp(-t * 2.2);
        const double band = low(x) - rumble(x) * 0.6;
        s[i] = band * grains * envelope * 1.6;
    }
    fadeEnds(s, 40);
    return s;
}

std::vector<double> splash()
{
    Noise noise(0x3a7e);
    LowPass low{lowPassAlpha(3000)}, body{lowPassAlpha(900)};
    std::vector<double> s(Rate / 2);
    double phase = 0;
    for (int i = 0; i < int(s.size()); ++i) {
        const double t = double(i) / s.size();
        const double x = noise.next();
        // A bright burst as the water is hit, then a duller wash ...
        const double burst = low(x) * std::exp(-t * 14) * std::min(1.0, t * 60);
        const double wash = body(x) * 2.2 * std::exp(-std::pow((t - 0.25) / 0.2, 2));
        // ... and a bubble whose pitch rises as it closes.
        phase += 2 * Pi * (380 + 900 * t) / Rate;
        const double bubble = std::sin(phase) * 0.22 * std::exp(-std::pow((t - 0.18) / 0.08, 2));
        s[i] = (burst * 1.3 + wash + bubble);
    }
    fadeEnds(s, 200);
    return s;
}

void put16(QByteArray &b, std::uint16_t v)
{
    b.append(char(v & 0xff)).append(char(v >> 8));
}

void put32(QByteArray &b, std::uint32_t v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

// The clip as 8-bit PCM, its loudest sample at 80 % of full scale.
QByteArray wave(const std::vector<double> &samples)
{
    double peak = 1e-9;
    for (double v : samples)
        peak = std::max(peak, std::abs(v));
    QByteArray data;
    for (double v : samples)
        data.append(char(std::clamp(int(std::lround(128 + v / peak * 0.8 * 127)), 0, 255)));
    QByteArray b("RIFF");
    put32(b, 36 + data.size() + (data.size() % 2));
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);     // PCM
    put16(b, 1);     // mono
    put32(b, Rate);
    put32(b, Rate);  // bytes per second
    put16(b, 1);     // block align
    put16(b, 8);     // bits per sample
    b.append("data");
    put32(b, data.size());
    b.append(data);
    if (data.size() % 2)
        b.append(char(128));  // RIFF chunks are padded to even length
    return b;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <resources-dir>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + "/sounds";
    if (!QDir().mkpath(dir))
        return 1;
    return write(dir + "/GRAS_SOUND.wav", wave(rustle())) && write(dir + "/SAND_SOUND.wav", wave(crunch()))
                   && write(dir + "/WASSER_SOUND.wav", wave(splash()))
               ? 0
               : 1;
}
