#include "dateispalten.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QSplitter>

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

QFileDialog *DateiDialogAnlegen(QWidget *eltern, QFileDialog::AcceptMode modus, const QStringList &filter)
{
    auto *dialog = new QFileDialog(eltern);
    dialog->setAcceptMode(modus);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filter);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setItemDelegate(new DateiSpalten(dialog));
    dialog->resize(900, 540);
    if (auto *spalten = dialog->findChild<QHeaderView *>()) {
        spalten->setSectionResizeMode(QHeaderView::ResizeToContents);
        spalten->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (auto *teiler = dialog->findChild<QSplitter *>())
        teiler->setSizes({150, 750});
    return dialog;
}
