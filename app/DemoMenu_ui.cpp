// The Demo menu ("演示"): opens one demonstration document per item.
#include "app/DemoMenu_ui.h"

#include "app/ProgramFolder.h"
#include "app/frmF1_ui.h"
#include "io/DocumentCommands_ui.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <map>

const std::vector<DemoItem>& DemoItems()
{
    static const std::vector<DemoItem> items = {
        {"mnuDemoPoint", "点", "", "samples/2D/点.qgd"},
        {"mnudemoarcsin", "反正弦 & 反余弦", "mnuDemo2DCart", "samples/2D/反正弦反余弦.qgd"},
        {"mnuDemoCompare", "比较", "mnuDemo2DCart", "samples/2D/比较.qgd"},
        {"mnuDemoPara", "三次多项式", "mnuDemo2DCart", "samples/2D/三次多项式曲线.qgd"},
        {"mnuDemoEllipse", "椭圆", "mnuDemo2DCart", "samples/2D/椭圆2.qgd"},
        {"mnuDemoParaLine", "抛物线 & 直线", "mnuDemo2DCart", "samples/2D/一次和二次多项式曲线.qgd"},
        {"mnuDemoProb", "概率曲线", "mnuDemo2DCart", "samples/2D/概率曲线.qgd"},
        {"mnuDemoRational", "有理曲线", "mnuDemo2DCart", "samples/2D/有理函数.qgd"},
        {"mnuDemoSine", "正弦 & 余弦", "mnuDemo2DCart", "samples/2D/正弦余弦.qgd"},
        {"mnuDemoSinSurge", "正弦振荡", "mnuDemo2DCart", "samples/2D/正弦振荡曲线.qgd"},
        {"mnuDemoButterfly", "蝴蝶", "mnuDemo2DPolar", "samples/2D/蝴蝶.qgd"},
        {"mnuDemoCycloid", "摆线", "mnuDemo2DPolar", "samples/2D/摆线.qgd"},
        {"mnuDemoFlower", "花", "mnuDemo2DPolar", "samples/2D/花.qgd"},
        {"mnuDemoLogHelix", "对数螺旋线", "mnuDemo2DPolar", "samples/2D/对数螺线.qgd"},
        {"mnuDemoRoseFour", "四叶玫瑰线", "mnuDemo2DPolar", "samples/2D/四叶玫瑰线.qgd"},
        {"mnuDemoRoseThree", "三叶玫瑰线", "mnuDemo2DPolar", "samples/2D/三叶玫瑰线.qgd"},
        {"mnuDemoStar", "星形线", "mnuDemo2DPolar", "samples/2D/星形线.qgd"},
        {"mnuDemo2DPara", "参数曲线", "mnuDemo2D", "samples/2D/摆线.qgd"},
        {"mnuDemo2DPiece", "分段曲线", "mnuDemo2D", "samples/2D/分段函数2.qgd"},
        {"mnuDemo2DImp", "隐函数", "mnuDemo2D", "samples/2D/隐函数1.qgd"},
        {"mnuDemo2DInequal11", "一元一次不等式", "mnuDemo2DInequal", "samples/2D/一元一次不等式.qgd"},
        {"mnuDemo2DInequal12", "一元二次不等式", "mnuDemo2DInequal", "samples/2D/一元二次不等式.qgd"},
        {"mnuDemo2DInequalAbs", "含绝对值的不等式", "mnuDemo2DInequal", "samples/2D/含绝对值不等式.qgd"},
        {"mnuDemo2DInequal2", "二元不等式", "mnuDemo2DInequal", "samples/2D/二元不等式2.qgd"},
        {"mnuDemo2DInverse", "反函数", "mnuDemo2D", "samples/2D/反函数.qgd"},
        {"mnuDemo2DParity", "奇偶性", "mnuDemo2D", "samples/2D/奇偶性.qgd"},
        {"mnuDemo2DRoot", "根", "mnuDemo2D", "samples/2D/根.qgd"},
        {"mnuDemo2DExtremum", "极值和拐点", "mnuDemo2D", "samples/2D/极值.qgd"},
        {"mnuDemo2DTN", "切线和法线", "mnuDemo2D", "samples/2D/切线和法线.qgd"},
        {"mnuDemo2DInter", "相交", "mnuDemo2D", "samples/2D/相交.qgd"},
        {"mnuDemoLimit", "极限", "mnuDemo2D", "samples/2D/极限.qgd"},
        {"mnuDemo2DDer", "导函数", "mnuDemo2D", "samples/2D/导函数.qgd"},
        {"mnuDemoInt", "积分", "mnuDemo2D", "samples/2D/积分.qgd"},
        {"mnuDemoIntPolar", "积分 - 极坐标", "mnuDemo2D", "samples/2D/积分2.qgd"},
        {"mnuDemoCurvature", "曲率", "mnuDemo2D", "samples/2D/曲率.qgd"},
        {"mnuDemo2DEA", "动画 - 等式", "mnuDemo2D", "samples/animation/2D/正弦振荡.qgd"},
        {"mnuDemo2DIA", "动画 - 不等式", "mnuDemo2D", "samples/animation/2D/不等式.qgd"},
        {"mnuDemo25DCart", "直角坐标", "mnuDemo25D", "samples/25D/正弦.qgd"},
        {"mnuDemo25DPolar", "极坐标", "mnuDemo25D", "samples/25D/心形线.qgd"},
        {"mnuDemo25DAnim", "动画", "mnuDemo25D", "samples/animation/2.5D/正弦.qgd"},
        {"mnuDemoArithProg", "等差数列", "mnuDemoProg", "samples/2D/等差数列.qgd"},
        {"mnuDemoGeomProg", "等比数列", "mnuDemoProg", "samples/2D/等比数列.qgd"},
        {"mnuDemoVec2D", "平面向量", "mnuDemoGeom", "samples/2D/平面向量.qgd"},
        {"mnuDemoVecOp", "平面向量运算", "mnuDemoGeom", "samples/2D/平面向量相加.qgd"},
        {"mnuDemoLines", "不同形式方程的直线", "mnuDemoLine", "samples/2D/直线.qgd"},
        {"mnuDemoLinePointVert", "过线外一点直线的垂线方程", "mnuDemoLine", "samples/2D/直线的垂线.qgd"},
        {"mnuDemoLinePointPara", "过线外一点直线的平行线方程", "mnuDemoLine", "samples/2D/直线的平行线.qgd"},
        {"mnuDemoLineLine", "两条直线的夹角和交点", "mnuDemoLine", "samples/2D/直线相交.qgd"},
        {"mnuDemoCircles", "不同形式方程的圆", "mnuDemoCircle", "samples/2D/圆.qgd"},
        {"mnuDemoCircleTangPoint", "过圆上一点求切线方程", "mnuDemoCircle", "samples/2D/圆的切线1.qgd"},
        {"mnuDemoCircleTangK", "已知斜率求切线方程", "mnuDemoCircle", "samples/2D/圆的切线2.qgd"},
        {"mnuDemoCircleThreePoints", "已知圆上三点求圆的方程", "mnuDemoCircle", "samples/2D/三点绘圆.qgd"},
        {"mnuDemoEllipseStd", "标准方程", "mnuDemoEllip", "samples/2D/标准椭圆.qgd"},
        {"mnuDemoEllipsePara", "参数方程", "mnuDemoEllip", "samples/2D/参数椭圆.qgd"},
        {"mnuDemoHyper", "双曲线", "mnuDemoGeom", "samples/2D/双曲线.qgd"},
        {"mnuDemoPara1", "形式一", "mnuDemoParabola", "samples/2D/抛物线1.qgd"},
        {"mnuDemoPara2", "形式二", "mnuDemoParabola", "samples/2D/抛物线2.qgd"},
        {"mnuDemo3DLine", "空间直线", "mnuDemo3DGeom", "samples/3D/空间直线.qgd"},
        {"mnuDemoLeng", "棱柱、棱锥和棱台", "mnuDemo3DGeom", "samples/3D/棱柱棱锥棱台.qgd"},
        {"mnuDemoYuan", "圆柱、圆锥和圆台", "mnuDemo3DGeom", "samples/3D/圆柱圆锥圆台.qgd"},
        {"mnuDemoSphere", "球", "mnuDemo3DGeom", "samples/3D/球.qgd"},
    };
    return items;
}

QString DemoDocumentPath(const char* document)
{
    return ProgramDataPath(QString::fromUtf8(document));
}

bool OpenDemo(frmF1* window, const char* document)
{
    const QString path = DemoDocumentPath(document);
    if (!QFileInfo::exists(path)) {
        ShowMessage(QStringLiteral("找不到演示文档“%1”。").arg(path), QStringLiteral("注意"),
                    MsgIcon::Warning);
        return false;
    }
    // As Open does: a drawing with graphs, ticked or not, may be saved
    // first; Cancel (or a save that did not happen) keeps it.
    if (!AskSaveIfNeeded(window))
        return false;
    // The reader reports a document it cannot read or refuses and then
    // keeps the drawing.
    return LoadDocument(window, path);
}

void AddDemoMenu(frmF1* window, QMenu* demoMenu)
{
    std::map<QString, QMenu*> menus;
    menus[QString()] = demoMenu;
    auto sub = [&](const char* parent, const char* name, const char* caption) {
        QMenu* menu = menus.at(QString::fromLatin1(parent))->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        menus[QString::fromLatin1(name)] = menu;
    };
    auto add = [&](const DemoItem& item) {
        // "&" in a caption is a character, not a mnemonic marker.
        QString caption = QString::fromUtf8(item.caption);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menus.at(QString::fromLatin1(item.submenu))->addAction(caption);
        action->setObjectName(QString::fromLatin1(item.control));
        const char* document = item.document;
        QObject::connect(action, &QAction::triggered, window,
                         [window, document] { OpenDemo(window, document); });
    };
    auto separator = [&](const char* menu, const char* name) {
        menus.at(QString::fromLatin1(menu))->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    // The submenus stand where their first item falls in the menu order;
    // separators before "反函数", "动画 - 等式" and "直线".
    const std::vector<DemoItem>& items = DemoItems();
    for (const DemoItem& item : items) {
        const QString control = QString::fromLatin1(item.control);
        if (control == QLatin1String("mnudemoarcsin")) {
            sub("", "mnuDemo2D", "二维图形");
            sub("mnuDemo2D", "mnuDemo2DCart", "直角坐标");
        } else if (control == QLatin1String("mnuDemoButterfly")) {
            sub("mnuDemo2D", "mnuDemo2DPolar", "极坐标");
        } else if (control == QLatin1String("mnuDemo2DInequal11")) {
            sub("mnuDemo2D", "mnuDemo2DInequal", "不等式");
        } else if (control == QLatin1String("mnuDemo2DInverse")) {
            separator("mnuDemo2D", "mnuDemo2DSep1");
        } else if (control == QLatin1String("mnuDemo2DEA")) {
            separator("mnuDemo2D", "mnuDemo2DSep2");
        } else if (control == QLatin1String("mnuDemo25DCart")) {
            sub("", "mnuDemo25D", "二维半图形");
        } else if (control == QLatin1String("mnuDemoArithProg")) {
            sub("", "mnuDemoProg", "数列");
        } else if (control == QLatin1String("mnuDemoVec2D")) {
            sub("", "mnuDemoGeom", "平面解析几何");
        } else if (control == QLatin1String("mnuDemoLines")) {
            separator("mnuDemoGeom", "mnuDemoSep2");
            sub("mnuDemoGeom", "mnuDemoLine", "直线");
        } else if (control == QLatin1String("mnuDemoCircles")) {
            sub("mnuDemoGeom", "mnuDemoCircle", "圆");
        } else if (control == QLatin1String("mnuDemoEllipseStd")) {
            sub("mnuDemoGeom", "mnuDemoEllip", "椭圆");
        } else if (control == QLatin1String("mnuDemoPara1")) {
            sub("mnuDemoGeom", "mnuDemoParabola", "抛物线");
        } else if (control == QLatin1String("mnuDemo3DLine")) {
            sub("", "mnuDemo3DGeom", "立体几何");
        }
        add(item);
    }
}
