#pragma once

#include <QDialog>

// "Info": product name, version and the program's icon.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent);
};
