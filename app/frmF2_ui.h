#pragma once
// The About box: program name, version, a link to the home page, a notice
// line and OK. Modal; made anew at each opening.
#include <QDialog>

class QLabel;
class QPushButton;

class frmF2 : public QDialog {
    Q_OBJECT
public:
    explicit frmF2(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr; // the home page link
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;

    void cmdOK_Click();
    void Label1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
