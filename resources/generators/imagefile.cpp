#include "imagefile.h"

#include <cstdio>

namespace art {

bool save(const QImage &image, const QString &path, const char *format)
{
    if (!image.save(path, format)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace art
