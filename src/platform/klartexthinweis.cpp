#include "klartexthinweis.h"

QString KlartextHinweis(const QString &text)
{
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}
