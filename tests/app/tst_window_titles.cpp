// Window titles as a window manager reads them: the _NET_WM_NAME and
// WM_NAME properties of the real X windows of the main window, message boxes
// and dialogs, read back from the X server with xprop. The toolkit can add
// to them what windowTitle() never shows.
#include "app/AppStart_ui.h"
#include "app/frmF1_ui.h"
#include "platform/MessageBox.h"

#include "MainWindowFixture.h"

#include <QDialog>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <functional>

using Opener = std::function<void(frmF1*)>;
Q_DECLARE_METATYPE(Opener)

class TestWindowTitles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindow();
    void modalWindows_data();
    void modalWindows();
    void untitledWindow();

private:
    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

namespace {

// The two names of the X window of `w`, as xprop prints them:
// "PROPERTY=text"; a property that is not set is missing.
QStringList XWindowNames(QWidget* w)
{
    QProcess xprop;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Multibyte text (WM_NAME may be compound text) printed as UTF-8.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    xprop.setProcessEnvironment(env);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(w->winId()), QStringLiteral("-notype"),
                 QStringLiteral("_NET_WM_NAME"), QStringLiteral("WM_NAME")});
    QStringList names;
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return {QStringLiteral("xprop failed")};
    static const QRegularExpression line(QStringLiteral("^(\\w+) = \"(.*)\"$"));
    for (const QString& l : QString::fromUtf8(xprop.readAllStandardOutput()).split('\n')) {
        const QRegularExpressionMatch m = line.match(l.trimmed());
        if (m.hasMatch())
            names << m.captured(1) + QLatin1Char('=') + m.captured(2);
    }
    return names;
}

QStringList Both(const QString& title)
{
    return {QStringLiteral("_NET_WM_NAME=") + title, QStringLiteral("WM_NAME=") + title};
}

} // namespace

void TestWindowTitles::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("window properties are read from an X server");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty(),
             "xprop (x11-utils) is needed");
    apptest::UseDataHome(m_dataHome);
    // As main() sets the application up.
    PrepareApplication(*qApp);
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestWindowTitles::cleanupTestCase()
{
    if (m_window) {
        m_window->close();
        delete m_window;
    }
}

void TestWindowTitles::mainWindow()
{
    QCOMPARE(XWindowNames(m_window), Both(QStringLiteral("Curvarium")));
}

void TestWindowTitles::modalWindows_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("title");
    auto box = [](const QString& title) {
        return Opener([title](frmF1*) { ShowMessage(QStringLiteral("文本"), title, MsgIcon::Warning); });
    };
    auto command = [](const char* name) {
        return Opener([name](frmF1* w) { w->findChild<QAction*>(name)->trigger(); });
    };
    QTest::newRow("box 注意") << box(QStringLiteral("注意")) << QStringLiteral("注意");
    QTest::newRow("box 出错") << box(QStringLiteral("出错")) << QStringLiteral("出错");
    // A box given no title reads the application's title, not the
    // executable's name.
    QTest::newRow("box without title") << box(QString()) << QStringLiteral("Curvarium");
    QTest::newRow("calculator") << command("mnuToolCal") << QStringLiteral("表达式计算器");
    QTest::newRow("2D function dialog")
        << command("mnuDraw2DCart") << QStringLiteral("二维函数图形属性");
    QTest::newRow("About box") << command("mnuHelpAbout") << QStringLiteral("关于Curvarium");
}

void TestWindowTitles::modalWindows()
{
    QFETCH(Opener, open);
    QFETCH(QString, title);
    QStringList names;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = QTest::qWaitForWindowExposed(dialog);
        names = XWindowNames(dialog);
        dialog->reject();
    });
    open(m_window);
    QVERIFY(seen);
    QCOMPARE(names, Both(title));
}

void TestWindowTitles::untitledWindow()
{
    // A window the program leaves without a title, like the graph list's
    // pop-up menu, is named after the application, not the executable.
    QMenu* menu = m_window->FunEdit;
    menu->popup(m_window->mapToGlobal(QPoint(40, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QStringList names = XWindowNames(menu);
    menu->hide();
    QVERIFY2(names.contains(QStringLiteral("_NET_WM_NAME=Curvarium")), qPrintable(names.join(", ")));
}

QTEST_MAIN(TestWindowTitles)
#include "tst_window_titles.moc"
