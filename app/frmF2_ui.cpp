// frmF2, the About box.
#include "app/frmF2_ui.h"

#include "app/AppIcons_ui.h"
#include "app/HelpMenu_ui.h"

#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>

namespace {
// The box is laid out in twips, 15 to a pixel on a 96 dpi screen.
int Px(int twips)
{
    return twips / 15;
}

void Place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QFont Arial(double points, bool underline = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setUnderline(underline);
    return font;
}
} // namespace

frmF2::frmF2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF2"));
    setWindowTitle(QStringLiteral("关于Curvarium"));
    setWindowIcon(ProgramIcon());
    setModal(true);
    setFixedSize(Px(4470), Px(2055));
    setFont(Arial(8.25));

    lblTitle = new QLabel(QStringLiteral("Curvarium"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont title(QStringLiteral("Times New Roman"));
    title.setPointSizeF(15.75);
    title.setBold(true);
    lblTitle->setFont(title);
    Place(lblTitle, 300, 300, 3285, 360);

    Label2 = new QLabel(QStringLiteral("版本 2.0"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(Arial(9));
    Place(Label2, 2880, 780, 1095, 255);

    // The etched rule: a grey line over a white one.
    auto* white = new QFrame(this);
    white->setObjectName(QStringLiteral("Line1"));
    white->setStyleSheet(QStringLiteral("background-color: #ffffff;"));
    white->setGeometry(Px(60), Px(1320), Px(4380) - Px(60), 2);
    auto* grey = new QFrame(this);
    grey->setObjectName(QStringLiteral("Line1"));
    grey->setStyleSheet(QStringLiteral("background-color: rgb(128, 128, 128);"));
    grey->setGeometry(Px(90), Px(1320), Px(4380) - Px(90), 1);

    // The link shows the home page's name; the whole address is its tip.
    const QUrl home = HomePageUrl();
    Label1 = new QLabel(home.isLocalFile() ? QFileInfo(home.toLocalFile()).fileName()
                                           : home.toString(),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(home.isLocalFile() ? home.toLocalFile() : home.toString());
    Label1->setFont(Arial(8.25, true));
    QPalette link = Label1->palette();
    link.setColor(QPalette::WindowText, palette().color(QPalette::Highlight));
    Label1->setPalette(link);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    Place(Label1, 120, 1440, 1575, 255);

    lblDisclaimer = new QLabel(QStringLiteral("按原样提供，不附带担保。"), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    Place(lblDisclaimer, 120, 1680, 2535, 195);

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    Place(cmdOK, 3060, 1560, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &frmF2::cmdOK_Click);
}

void frmF2::cmdOK_Click()
{
    accept();
}

void frmF2::Label1_Click()
{
    OpenHelpTarget(this, HomePageUrl());
}

bool frmF2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
