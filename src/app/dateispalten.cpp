#include "dateispalten.h"

#include <QFileSystemModel>

void DateiSpalten::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto *modell = qobject_cast<const QFileSystemModel *>(index.model());
    if (!modell)
        return;
    const QFileInfo info = modell->fileInfo(index);
    const QLocale ort;
    // The model's own columns: name, size, type, date.
    if (index.column() == 1 && info.isFile())
        option->text = ort.formattedDataSize(info.size());
    else if (index.column() == 3)
        option->text = ort.toString(info.lastModified(), QLocale::ShortFormat);
}
