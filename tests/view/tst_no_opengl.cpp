// Start-up on a display without OpenGL: the drawing area reports it once,
// and every later drawing call is a harmless no-op.
#include "platform/MessageBox.h"
#include "view/DrawingArea_gl.h"
#include "view/OutlineText.h"

#include <QApplication>
#include <QTest>

class NoOpenGL : public QObject {
    Q_OBJECT
private slots:
    void initializeReportsAndDrawingDoesNothing()
    {
        MessageRecorder messages;
        DrawingArea area;
        area.resize(100, 80);
        QVERIFY(!area.Initialize());
        QCOMPARE(messages.Count(), 1);
        QCOMPARE(messages.Messages()[0].text, QStringLiteral("ChoosePixelFormat failed"));
        QCOMPARE(messages.Messages()[0].icon, MsgIcon::Critical);

        // (Not shown: Qt 6.4 itself cannot show an OpenGL widget on such a
        // display.)
        area.BuildDisplayLists();
        area.Display(1);
        QVERIFY(!area.IsReady());
        QCOMPARE(g_FontListNormal, 0);
        QCOMPARE(g_FontListBold, 0);
        QCOMPARE(messages.Count(), 1); // no font messages: nothing was tried
        QVERIFY(!area.Initialize());   // asking again reports nothing more
        QCOMPARE(messages.Count(), 1);
    }
};

int main(int argc, char** argv)
{
    // The X server stays, but Qt offers no OpenGL on it.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    NoOpenGL test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_no_opengl.moc"
