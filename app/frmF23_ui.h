#pragma once
// frmF23: the modeless "动画保存为AVI文件" dialog. Its capture button plays the
// animation once while the main window's timer stores every frame as a
// numbered bitmap; its save button writes the chosen frames, in list order,
// into one AVI file and then removes the frame bitmaps.
#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class frmF1;
class cDIB;
struct AviOptions;

class frmF23 : public QDialog {
    Q_OBJECT
public:
    explicit frmF23(frmF1* window);
    ~frmF23() override;

    // The File menu command: shows the one dialog modeless when the shown
    // scene is animated; nothing otherwise. Returns the dialog or null.
    static frmF23* ShowFor(frmF1* window);
    static frmF23* Current();

    void Command1_Click(); // ">"
    void Command2_Click(); // ">>"
    void Command3_Click(); // "删除"
    void Command4_Click(); // "生成动画帧"
    void Command5_Click(); // "保存动画"

    // Frames per second from the speed box: its leading number rounded
    // (halves to even), 1 to 30; no number gives 1.
    static int32_t SpeedFromText(const QString& text);

    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* List2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;

private:
    // Writes the frames of List2 to path, frame 1 giving the stream's size.
    // False after a failed write; *reported tells whether a message has
    // said why already (a frame the reader refused).
    bool WriteVideo(const QString& path, const cDIB& first, const AviOptions& options,
                    bool* reported);
    void ConnectRecorder(bool on);
    frmF1* m_window;
};

// Adds "动画保存为AVI文件" (mnuFileSaveAVI) to a menu of the main window.
void AddAviExportCommand(frmF1* window, QMenu* menu);
