// Drives the calculator window as a user does: typing, keypad, the template
// list, 计算, 重置, 取消.
#include "expr/Cls6.h"
#include "expr/FrmFunCal_ui.h"
#include "expr/Globals.h"
#include "platform/MessageBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <vector>

class TestCalculator : public QObject {
    Q_OBJECT

    struct Shown {
        MessageRequest request;
        bool reporting; // g_ReportEvalErrors while the box was up
    };

    frmFunCal* dlg = nullptr;
    std::vector<Shown> shown;
    MessageHandler previous;

    QPlainTextEdit* text1() { return dlg->findChild<QPlainTextEdit*>(QStringLiteral("Text1")); }
    QLineEdit* text2() { return dlg->findChild<QLineEdit*>(QStringLiteral("Text2")); }
    QPushButton* button(const char* name) { return dlg->findChild<QPushButton*>(QLatin1String(name)); }
    void click(const char* name)
    {
        QPushButton* b = button(name);
        QVERIFY2(b, name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    int caret() { return text1()->textCursor().position(); }
    void type(const QString& s)
    {
        text1()->setFocus();
        QTest::keyClicks(text1(), s);
    }
    void setCaret(int p, int anchor = -1)
    {
        QTextCursor c = text1()->textCursor();
        c.setPosition(anchor < 0 ? p : anchor);
        if (anchor >= 0)
            c.setPosition(p, QTextCursor::KeepAnchor);
        text1()->setTextCursor(c);
    }
    QString evaluate(const QString& expression)
    {
        // Replace what the box holds, as a user selecting all and typing.
        text1()->setFocus();
        text1()->selectAll();
        QTest::keyClick(text1(), Qt::Key_Delete);
        type(expression);
        click("Command18");
        return text2()->text();
    }

private slots:
    void init()
    {
        shown.clear();
        previous = SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back({r, g_ReportEvalErrors});
            return MsgAnswer::Ok;
        });
        dlg = new frmFunCal;
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg));
        // Focus checks need the dialog active, which comes after exposure.
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg));
    }
    void cleanup()
    {
        delete dlg;
        dlg = nullptr;
        SetMessageHandler(previous);
        QVERIFY(!g_ReportEvalErrors);
    }

    void opensEmptyWithTheTemplates()
    {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("表达式计算器"));
        QVERIFY(text1()->toPlainText().isEmpty());
        QVERIFY(text2()->text().isEmpty());
        auto* list = dlg->findChild<QListWidget*>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 28);
        QCOMPARE(list->item(0)->text(), QStringLiteral("abs()"));
        QCOMPARE(list->item(27)->text(), QStringLiteral("actanh()"));
        QVERIFY(list->findItems(QStringLiteral("sech()"), Qt::MatchExactly).isEmpty());
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(button("Command21")->toolTip(), QStringLiteral("Backspace"));
    }

    void evaluates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filtered");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << "" << "0" << "0";
        QTest::newRow("comma") << "1,5+1" << "1.5+1" << "2.5";
        QTest::newRow("blanks") << "2 * 3" << "2*3" << "6";
        QTest::newRow("degrees") << "sin(90)" << "sin(90)" << "1";
        QTest::newRow("cos 60") << "cos(60)" << "cos(60)" << "0.4999979"; // 3.1416 for pi
        QTest::newRow("atan is a ratio") << "atan(1)" << "atan(1)" << "0.7853982";
        QTest::newRow("u and v") << "u+v" << "u+v" << "2";
        QTest::newRow("x is 0") << "x+1" << "x+1" << "1";
        QTest::newRow("third") << "1/3" << "1/3" << "0.3333333";
        QTest::newRow("root") << "2^0.5" << "2^0.5" << "1.414214";
        QTest::newRow("asec") << "asec(2)" << "asec(2)" << "1.047198";
        QTest::newRow("big") << "10^9" << "10^9" << "1E+09";
    }
    void evaluates()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filtered);
        QFETCH(QString, result);
        QCOMPARE(evaluate(typed), result);
        QCOMPARE(text1()->toPlainText(), filtered);
        QVERIFY(shown.empty());
    }

    void errorsKeepThePreviousResult_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text1After");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("reporting");
        QTest::newRow("refused character") << "x=1" << "x=1" << "存在非法表达式。" << "出错"
                                           << int(MsgIcon::Warning) << true;
        QTest::newRow("syntax") << "2 +" << "2+" << "字符 2:  缺少运算符。" << "语法错误"
                                << int(MsgIcon::Critical) << true;
        QTest::newRow("domain") << "log(0)" << "log(0)" << "ln函数的参数必须大于0。" << "出错"
                                << int(MsgIcon::Critical) << true;
        QTest::newRow("division") << "1/0" << "1/0" << "除数为零。" << "出错" << int(MsgIcon::Critical) << true;
        QTest::newRow("overflow") << "exp(1000)" << "exp(1000)" << "溢出" << "出错" << int(MsgIcon::Critical)
                                  << true;
    }
    void errorsKeepThePreviousResult()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text1After);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(bool, reporting);
        QCOMPARE(evaluate(QStringLiteral("7")), QStringLiteral("7"));
        QCOMPARE(evaluate(typed), QStringLiteral("7"));
        QCOMPARE(text1()->toPlainText(), text1After);
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(shown[0].request.text, message);
        QCOMPARE(shown[0].request.title, title);
        QCOMPARE(int(shown[0].request.icon), icon);
        QCOMPARE(shown[0].reporting, reporting);
        QVERIFY(!g_ReportEvalErrors);
    }

    void silentFunctionsStayQuiet()
    {
        // The hyperbolic group is never reported, even in the calculator.
        QCOMPARE(evaluate(QStringLiteral("atanh(1)")), QStringLiteral("0.12345"));
        QVERIFY(shown.empty());
    }

    void keypadInsertsAtTheCaret()
    {
        type(QStringLiteral("12"));
        setCaret(1);
        click("Command13"); // +
        QCOMPARE(text1()->toPlainText(), QStringLiteral("1+2"));
        QCOMPARE(caret(), 2);
        QVERIFY(text1()->hasFocus());
        click("Command22"); // ,
        click("Command10"); // 0
        QCOMPARE(text1()->toPlainText(), QStringLiteral("1+,02"));
        QCOMPARE(caret(), 4);

        // With a selection the text goes in at its start and the selection stays.
        click("Command19");
        type(QStringLiteral("abcd"));
        setCaret(3, 1); // "bc" selected
        click("Command5");
        QCOMPARE(text1()->toPlainText(), QStringLiteral("a5bcd"));
        QCOMPARE(caret(), 2);

        const char* names[] = {"Command1",  "Command2",  "Command3",  "Command4",  "Command5",
                               "Command6",  "Command7",  "Command8",  "Command9",  "Command10",
                               "Command11", "Command22", "Command13", "Command14", "Command24",
                               "Command12", "Command15", "Command16", "Command23"};
        click("Command19");
        for (const char* n : names)
            click(n);
        QCOMPARE(text1()->toPlainText(), QStringLiteral("1234567890.,+-(^*/)"));
    }

    void templateInsertLeavesTheCaretAfterIt()
    {
        type(QStringLiteral("2*"));
        auto* list = dlg->findChild<QListWidget*>(QStringLiteral("List1"));
        const auto items = list->findItems(QStringLiteral("sin()"), Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
        QCOMPARE(list->currentItem()->text(), QStringLiteral("sin()"));
        setCaret(2);
        click("Command17");
        QCOMPARE(text1()->toPlainText(), QStringLiteral("2*sin()"));
        QCOMPARE(caret(), 7);
        // Typing goes on right there; then evaluate in degrees.
        type(QStringLiteral("+1"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("2*sin()+1"));
    }

    void insertWithNothingSelectedChangesNothing()
    {
        type(QStringLiteral("x"));
        click("Command17");
        QCOMPARE(text1()->toPlainText(), QStringLiteral("x"));
    }

    void backspaceDeletesBeforeTheCaret()
    {
        type(QStringLiteral("sin(9)"));
        setCaret(4);
        click("Command21");
        QCOMPARE(text1()->toPlainText(), QStringLiteral("sin9)"));
        QCOMPARE(caret(), 3);
        setCaret(0);
        click("Command21");
        QCOMPARE(text1()->toPlainText(), QStringLiteral("sin9)"));
        QCOMPARE(caret(), 0);
    }

    void resetClearsBothBoxes()
    {
        QCOMPARE(evaluate(QStringLiteral("1+1")), QStringLiteral("2"));
        click("Command19");
        QVERIFY(text1()->toPlainText().isEmpty());
        QVERIFY(text2()->text().isEmpty());
    }

    void cancelCloses()
    {
        click("Command20");
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
    }

    void afterAnErrorSamplingIsQuietAgain()
    {
        QCOMPARE(evaluate(QStringLiteral("log(0)")), QString());
        QCOMPARE(int(shown.size()), 1);
        Cls6 c;
        QString buffer;
        QCOMPARE(c.InfixToPostfix(QStringLiteral("log(x)"), buffer), 0);
        float out = 0;
        QVERIFY(c.DoEvaluate(buffer, false, out, 0, 0, 0, 0, 0, 0, 0, 0, 0));
        QCOMPARE(out, UndefinedSample);
        QCOMPARE(int(shown.size()), 1);
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
