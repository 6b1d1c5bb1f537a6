#pragma once

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
