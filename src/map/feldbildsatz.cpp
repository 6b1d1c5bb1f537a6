#include "feldbildsatz.h"

#include <QImage>

#include <array>

struct FeldBildSatz::Bilder
{
    std::array<QImage, AnzahlFeldBilder> bild;
};

namespace {

const std::array<QImage, AnzahlFeldBilder> &KeineBilder()
{
    static const std::array<QImage, AnzahlFeldBilder> keine;
    return keine;
}

} // namespace

const QImage &FeldBildSatz::operator[](int nummer) const
{
    return *(begin() + nummer);
}

QImage &FeldBildSatz::operator[](int nummer)
{
    return *(begin() + nummer);
}

const QImage *FeldBildSatz::begin() const
{
    return m_bilder ? m_bilder->bild.data() : KeineBilder().data();
}

const QImage *FeldBildSatz::end() const
{
    return begin() + AnzahlFeldBilder;
}

QImage *FeldBildSatz::begin()
{
    // Written to: this copy gets images of its own.
    if (!m_bilder)
        m_bilder = std::make_shared<Bilder>();
    else if (m_bilder.use_count() > 1)
        m_bilder = std::make_shared<Bilder>(*m_bilder);
    return m_bilder->bild.data();
}

QImage *FeldBildSatz::end()
{
    return begin() + AnzahlFeldBilder;
}
