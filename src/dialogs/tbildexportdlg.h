#pragma once

#include "bildformat.h"

#include <QDialog>

class RadioGroup;

// "Als Bild exportieren": what goes into the picture (the whole map or the
// current page), at which scale and in which file format, as
// `zendaro-map render` offers them. The choices stay for the next export.
class TBildExportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TBildExportDlg(QWidget *parent = nullptr);

    bool ganzeKarte() const;
    double massstab() const;
    BildFormat format() const;
    // ".png" or ".bmp", as the file name should end.
    QString endung() const;

private:
    RadioGroup *m_umfang;
    RadioGroup *m_massstab;
    RadioGroup *m_format;
};
