#pragma once
// The expression calculator: the user types or clicks together an
// expression and evaluates it once, trigonometric functions in degrees,
// with evaluation errors shown one by one. Open a fresh one each time:
//     frmFunCal dlg(parent); dlg.exec();
// Child widgets carry their names as objectName ("Text1", "Command18", ...).
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class frmFunCal : public QDialog {
    Q_OBJECT
public:
    explicit frmFunCal(QWidget* parent = nullptr);

    // Inserts s at the caret of Text1 (a selection is kept; its start is the
    // caret) and leaves the caret after the inserted text.
    void InsertAtCaret(const QString& s);

    void Command17_Click(); // 插入: the selected template
    void Command18_Click(); // 计算
    void Command19_Click(); // 重置
    void Command20_Click(); // 取消
    void Command21_Click(); // backspace

private:
    QPushButton* MakeButton(const char* name, const QString& caption, int left, int top, int width,
                            int height);

    QPlainTextEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QListWidget* m_list1 = nullptr;
};
