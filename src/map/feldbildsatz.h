#pragma once

#include "feldkatalog.h"

#include <memory>

class QImage;

// The 44 tile images a map draws its fields with, numbered 0 to 43. Only the
// image code (feldbilder.h) creates and reads them; this declaration needs no
// graphics, so the map record and all that works on its grid alone build on
// Qt Core. Copies share the images until one of them is written to, as
// QImage itself does.
class FeldBildSatz
{
public:
    const QImage &operator[](int nummer) const;
    QImage &operator[](int nummer);

    const QImage *begin() const;
    const QImage *end() const;
    QImage *begin();
    QImage *end();

private:
    struct Bilder;
    // The images, or null while none was ever written.
    std::shared_ptr<Bilder> m_bilder;
};
