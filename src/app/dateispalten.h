#pragma once

#include <QFileDialog>
#include <QStyledItemDelegate>

// Sizes and dates in the file dialogs' details view, written in the program's
// default locale: Qt's file model writes them in the system's.
class DateiSpalten : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

// A file dialog of the editor: the details view, wide enough for names,
// sizes and dates, with the dates in the program's locale; the type list
// shows the names of `filter` only, the patterns stay out of sight.
QFileDialog *DateiDialogAnlegen(QWidget *eltern, QFileDialog::AcceptMode modus, const QStringList &filter);
