// CAboutDlg: the About box, with the program's banner and two lines about it.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    enum Id : int { IdOK = 1, IdBanner = 1059 };
    explicit CAboutDlg(QWidget* parent = nullptr);
};
