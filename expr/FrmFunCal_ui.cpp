// FrmFunCal, the expression calculator window.
#include "expr/FrmFunCal_ui.h"

#include "expr/Cls6.h"
#include "expr/ExprError.h"
#include "expr/Globals.h"
#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "platform/MessageBox.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include <exception>

namespace {

// The layout is kept in twips (1/1440 inch): 15 to a pixel at 96 dpi.
int Px(int twips) { return (twips + 7) / 15; }

const char* const kTemplates[] = {
    "abs()",  "int()",   "exp()",   "log()",   "sqr()",  "rnd()",   "sin()",
    "cos()",  "tan()",   "ctan()",  "sec()",   "csec()", "asin()",  "acos()",
    "atan()", "actan()", "asec()",  "acsec()", "sinh()", "cosh()",  "tanh()",
    "ctanh()", "asinh()", "acosh()", "atanh()", "asech()", "acsech()", "actanh()",
};

// The report flag is set only for the length of one evaluation, whichever
// way it ends.
class ReportEvalErrorsScope {
public:
    ReportEvalErrorsScope() { g_ReportEvalErrors = true; }
    ~ReportEvalErrorsScope() { g_ReportEvalErrors = false; }
    ReportEvalErrorsScope(const ReportEvalErrorsScope&) = delete;
    ReportEvalErrorsScope& operator=(const ReportEvalErrorsScope&) = delete;
};

} // namespace

frmFunCal::frmFunCal(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFunCal"));
    setWindowTitle(QStringLiteral("表达式计算器"));
    setModal(true);
    setFixedSize(Px(4845), Px(4290));

    auto label = [this](const char* name, const QString& caption, int l, int t, int w, int h) {
        auto* lb = new QLabel(caption, this);
        lb->setObjectName(QLatin1String(name));
        lb->setGeometry(Px(l), Px(t), Px(w), Px(h));
        return lb;
    };
    label("Label1", QStringLiteral("表达式"), 240, 180, 1215, 255);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(Px(240), Px(480), Px(4335), Px(675));

    const struct {
        const char* name;
        const char* caption;
        int left, top;
    } keys[] = {
        {"Command1", "1", 240, 1320},  {"Command2", "2", 660, 1320},   {"Command3", "3", 1080, 1320},
        {"Command4", "4", 240, 1740},  {"Command5", "5", 660, 1740},   {"Command6", "6", 1080, 1740},
        {"Command7", "7", 240, 2160},  {"Command8", "8", 660, 2160},   {"Command9", "9", 1080, 2160},
        {"Command10", "0", 240, 2580}, {"Command11", ".", 660, 2580},  {"Command22", ",", 1080, 2580},
        {"Command13", "+", 1500, 1320}, {"Command14", "-", 1500, 1740}, {"Command24", "(", 1500, 2160},
        {"Command12", "^", 1500, 2580}, {"Command15", "*", 1920, 1320}, {"Command16", "/", 1920, 1740},
        {"Command23", ")", 1920, 2160},
    };
    for (const auto& k : keys) {
        const QString caption = QString::fromLatin1(k.caption);
        QPushButton* b = MakeButton(k.name, caption, k.left, k.top, 315, 315);
        connect(b, &QPushButton::clicked, this, [this, caption] { InsertAtCaret(caption); });
    }
    QPushButton* back = MakeButton("Command21", QStringLiteral("B"), 1920, 2580, 315, 315);
    back->setToolTip(QStringLiteral("Backspace"));
    connect(back, &QPushButton::clicked, this, &frmFunCal::Command21_Click);

    label("Label2", QStringLiteral("函数"), 2520, 1440, 795, 195);
    connect(MakeButton("Command17", QStringLiteral("插入"), 3540, 1380, 915, 255), &QPushButton::clicked, this,
            &frmFunCal::Command17_Click);

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(Px(2520), Px(1740), Px(2055), Px(960));
    for (const char* t : kTemplates)
        m_list1->addItem(QString::fromLatin1(t));
    m_list1->setCurrentRow(-1);

    label("Label3", QStringLiteral("结果"), 360, 3180, 435, 195);
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setGeometry(Px(840), Px(3120), Px(2235), Px(315));

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Px(60), Px(3600) - 1, Px(4740) - Px(60), 3);

    connect(MakeButton("Command18", QStringLiteral("计算"), 360, 3780, 1155, 315), &QPushButton::clicked, this,
            &frmFunCal::Command18_Click);
    connect(MakeButton("Command19", QStringLiteral("重置"), 1860, 3780, 1155, 315), &QPushButton::clicked, this,
            &frmFunCal::Command19_Click);
    connect(MakeButton("Command20", QStringLiteral("取消"), 3360, 3780, 1095, 315), &QPushButton::clicked, this,
            &frmFunCal::Command20_Click);

    m_text1->setFocus();
}

QPushButton* frmFunCal::MakeButton(const char* name, const QString& caption, int left, int top, int width,
                                   int height)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(Px(left), Px(top), Px(width), Px(height));
    b->setAutoDefault(false); // Enter belongs to the expression box
    return b;
}

void frmFunCal::InsertAtCaret(const QString& s)
{
    const QString text = m_text1->toPlainText();
    const int p = m_text1->textCursor().selectionStart();
    m_text1->setPlainText(text.left(p) + s + text.mid(p));
    QTextCursor c = m_text1->textCursor();
    c.setPosition(p + int(s.size()));
    m_text1->setTextCursor(c);
    m_text1->setFocus();
}

void frmFunCal::Command17_Click()
{
    const QListWidgetItem* item = m_list1->currentRow() >= 0 ? m_list1->currentItem() : nullptr;
    InsertAtCaret(item ? item->text() : QString());
}

void frmFunCal::Command21_Click()
{
    const QString text = m_text1->toPlainText();
    const int p = m_text1->textCursor().position();
    if (p >= 1) {
        m_text1->setPlainText(text.left(p - 1) + text.mid(p));
        QTextCursor c = m_text1->textCursor();
        c.setPosition(p - 1);
        m_text1->setTextCursor(c);
    }
    m_text1->setFocus();
}

void frmFunCal::Command19_Click()
{
    m_text1->clear();
    m_text2->clear();
}

void frmFunCal::Command20_Click() { reject(); }

void frmFunCal::Command18_Click()
{
    ReportEvalErrorsScope reporting;
    try {
        QString filtered;
        if (!Module1::CleanExpressionText(m_text1->toPlainText(), filtered)) {
            ShowMessage(QStringLiteral("存在非法表达式。"), QStringLiteral("出错"), MsgIcon::Warning);
            return;
        }
        m_text1->setPlainText(filtered);

        Cls6 calc;
        QString buffer;
        if (calc.InfixToPostfix(filtered, buffer) != 0)
            return; // the compiler has shown its message

        float result = 0.0f;
        if (calc.DoEvaluate(buffer, true, result, 1, 1, 0, 0, 0, 0, 0, 0, 0))
            m_text2->setText(NumberText(result));
    } catch (const ExprError& e) {
        // An overflow has no value to show; say so rather than leave the
        // previous result standing as if it were this one's.
        ShowMessage(e.Description(), QStringLiteral("出错"), MsgIcon::Critical);
    } catch (const std::exception&) {
        // Anything else ends the evaluation quietly.
    }
}
