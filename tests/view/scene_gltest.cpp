// The drawing area on real Mesa: its context, the scene lists read back in
// feedback mode and the frame display read back as pixels.
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls4.h"
#include "view/DrawingArea_gl.h"
#include "view/OutlineText.h"
#include "view/Scene.h"
#include "view/ViewState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class SceneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        recorder = new MessageRecorder;
        area = new DrawingArea;
        area->resize(120, 90);
        initialized = area->Initialize();
        area->show();
        QElapsedTimer t;
        t.start();
        while (!area->IsReady() && t.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    static void TearDownTestSuite()
    {
        delete area;
        EXPECT_EQ(g_FontListNormal, 0); // no stale list numbers outlive the context
        EXPECT_EQ(g_FontListBold, 0);
        delete recorder;
    }

    void SetUp() override
    {
        ASSERT_TRUE(area->IsReady());
        g_ShownGraphs.FunSurfs.Clear();
        g_ShownGraphs.RotRoll = g_ShownGraphs.RotPitch = g_ShownGraphs.RotYaw = 0.0f;
        g_View.Reset();
        g_DocumentKind = DocumentKind3D;
        g_FrameCount = 10;
        g_CurFrame = 1;
        g_CoordSystem.Show = false;
        area->makeCurrent();
    }
    void TearDown() override
    {
        g_ShownGraphs.FunSurfs.Clear();
        g_CoordSystem.Show = false;
        g_DocumentKind = DocumentKind2D;
        area->doneCurrent();
    }

    static GraphRef AddPoint(int32_t id, float x, float y, float z)
    {
        GraphRef g = Cls9::Init(id, QStringLiteral("P"), GraphTypePoint, CoordTypeCartesian3D,
                                QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), 1,
                                1, 0, 1, 0, 1, FillStyleSingleColor, 255, 255, 0, 1, 1,
                                ShowModelSurface, SmoothnessSmooth);
        g->Vert3D.Make({0, 0});
        g->Vert3D(0, 0).x = x;
        g->Vert3D(0, 0).y = y;
        g->Vert3D(0, 0).z = z;
        g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
        return g;
    }

    // A sampled 2D curve y = f(x) over [-3, 3], animated over t in [0, 2].
    static GraphRef AddCurve(int32_t id, const QString& y, bool animated = false)
    {
        auto g = std::make_shared<Cls9>();
        g->ID = id;
        g->GraphType = animated ? GraphType2DFunctionAnimation : GraphType2DFunction;
        g->CoordType = CoordTypeCartesian2D;
        g->FunForm = FunFormExplicit;
        g->ExpressX = QStringLiteral("0");
        g->ExpressY = QStringLiteral("x");
        g->ExpressZ = y;
        g->MinV = -3.0f;
        g->MaxV = 3.0f;
        g->StepV = 30;
        g->StepU = 1;
        g->LineWidth = 1;
        g->Show2DCurve = true;
        g->Animation = animated;
        g->MinT = 0.0f;
        g->MaxT = 2.0f;
        EXPECT_TRUE(g->GetPoints());
        g_ShownGraphs.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
        return g;
    }

    // Vertices of every point, line and polygon that a list produces, in object coordinates of a
    // unit view (identity matrices, a 2 x 2 viewport).
    static std::vector<std::array<float, 3>> Feedback(GLuint list)
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1000, 1000, -1000, 1000, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glViewport(0, 0, 2000, 2000);
        std::vector<GLfloat> buf(1 << 22);
        glFeedbackBuffer(static_cast<GLsizei>(buf.size()), GL_3D, buf.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(list);
        const GLint n = glRenderMode(GL_RENDER);
        EXPECT_GE(n, 0) << "feedback buffer overflow";
        std::vector<std::array<float, 3>> verts;
        for (GLint i = 0; i < n;) {
            const GLfloat token = buf[i++];
            int count = 0;
            if (token == GL_POLYGON_TOKEN)
                count = static_cast<int>(buf[i++]);
            else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
                count = 2;
            else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
                     token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN)
                count = 1;
            else if (token == GL_PASS_THROUGH_TOKEN)
                i += 1;
            for (int k = 0; k < count; ++k, i += 3)
                verts.push_back({buf[i] - 1000, buf[i + 1] - 1000, buf[i + 2]});
        }
        return verts;
    }

    // A list that draws one small triangle, to see whether a build touched it.
    static void MarkList(GLuint list)
    {
        glNewList(list, GL_COMPILE);
        glBegin(GL_TRIANGLES);
        glVertex3f(-500, -500, 0);
        glVertex3f(-499, -500, 0);
        glVertex3f(-500, -499, 0);
        glEnd();
        glEndList();
    }

    static inline DrawingArea* area = nullptr;
    static inline MessageRecorder* recorder = nullptr;
    static inline bool initialized = false;
};

} // namespace

TEST_F(SceneTest, ContextHasTheStartStateAndFontsWithoutMessages)
{
    EXPECT_TRUE(initialized);
    EXPECT_EQ(recorder->Count(), 0);
    EXPECT_NE(g_FontListNormal, 0);
    EXPECT_NE(g_FontListBold, 0);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0] + clear[1] + clear[2] + clear[3], 4.0f);
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(depthFunc, GL_LEQUAL);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_DITHER));
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    EXPECT_GE(depthBits, 16);
    // The camera follows the widget's size in device pixels.
    EXPECT_EQ(g_Camera.ViewportWidth(), area->ScaleWidth());
    EXPECT_EQ(g_Camera.ScreenHeight, static_cast<float>(area->ScaleHeight()));
}

TEST_F(SceneTest, EmptySceneListHoldsOnlyTheRotation)
{
    g_ShownGraphs.RotPitch = -15.0f;
    g_ShownGraphs.RotYaw = 45.0f;
    g_CoordSystem.Show = true; // not read for an empty scene
    MarkList(kStillSceneList);
    area->BuildDisplayLists();
    area->makeCurrent();
    EXPECT_TRUE(Feedback(kStillSceneList).empty());

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glCallList(kStillSceneList);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_NEAR(m[4], 0.0f, 1e-4f); // the image of up (0, 1, 0)
    EXPECT_NEAR(m[5], 0.9659f, 1e-4f);
    EXPECT_NEAR(m[6], 0.2588f, 1e-4f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(SceneTest, EmptySceneIsWhite)
{
    area->BuildDisplayLists();
    const QImage image = area->grabFramebuffer();
    ASSERT_FALSE(image.isNull());
    int other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            other += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_EQ(other, 0);
}

TEST_F(SceneTest, PointGraphIsDrawnTwiceInTheStillList)
{
    GraphRef point = AddPoint(1, 1.0f, 2.0f, 3.0f);
    area->BuildDisplayLists();
    area->makeCurrent();
    const size_t inScene = Feedback(kStillSceneList).size();

    const GLuint once = glGenLists(1);
    glNewList(once, GL_COMPILE);
    point->Draw();
    glEndList();
    const size_t single = Feedback(once).size();
    glDeleteLists(once, 1);

    ASSERT_GT(single, 0u);
    EXPECT_EQ(inScene, 2 * single);
}

TEST_F(SceneTest, AnimatedSceneCompilesOneListPerFrameAndLeavesTheStillList)
{
    g_DocumentKind = DocumentKind2D;
    AddCurve(1, QStringLiteral("sin(x+t)"), true);
    AddCurve(2, QStringLiteral("x/2")); // still graphs are in every frame
    MarkList(kStillSceneList);
    glDeleteLists(kFrameListBase + 1, 12);

    area->BuildDisplayLists();
    area->makeCurrent();
    EXPECT_EQ(Feedback(kStillSceneList).size(), 3u); // untouched
    for (int32_t k = 1; k <= g_FrameCount + 1; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(glIsList(static_cast<GLuint>(kFrameListBase + k)));
        EXPECT_FALSE(Feedback(static_cast<GLuint>(kFrameListBase + k)).empty());
    }
    EXPECT_FALSE(glIsList(kFrameListBase + 12));
    // The curve moves with t; the frames are not copies of one another.
    EXPECT_NE(Feedback(kFrameListBase + 1), Feedback(kFrameListBase + 11));
}

TEST_F(SceneTest, FailingGraphIsSkippedAndTheListIsClosed)
{
    g_DocumentKind = DocumentKind2D;
    AddCurve(6, QStringLiteral("x*x/4"));
    area->BuildDisplayLists();
    area->makeCurrent();
    const auto alone = Feedback(kStillSceneList);
    ASSERT_FALSE(alone.empty());

    // A curve that was never sampled has no samples to draw: its drawing
    // fails. The graph after it must still be drawn and the list closed.
    g_ShownGraphs.FunSurfs.Clear();
    auto broken = std::make_shared<Cls9>();
    broken->ID = 5;
    broken->FunForm = FunFormExplicit;
    broken->CoordType = CoordTypeCartesian2D;
    broken->ExpressZ = QStringLiteral("x");
    g_ShownGraphs.FunSurfs.Add(broken, QStringLiteral("5"));
    AddCurve(6, QStringLiteral("x*x/4"));
    area->BuildDisplayLists();
    area->makeCurrent();
    GLint open = -1;
    glGetIntegerv(GL_LIST_INDEX, &open);
    EXPECT_EQ(open, 0);
    EXPECT_EQ(Feedback(kStillSceneList), alone);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(SceneTest, BackgroundOnlyIn2DDocuments)
{
    AddCurve(1, QStringLiteral("x/3"));
    auto verticesWith = [](int32_t kind, bool background) {
        g_DocumentKind = kind;
        g_CoordSystem.ShowBackground = background;
        area->BuildDisplayLists();
        area->makeCurrent();
        return Feedback(kStillSceneList).size();
    };
    EXPECT_GT(verticesWith(DocumentKind2D, true), verticesWith(DocumentKind2D, false));
    EXPECT_EQ(verticesWith(DocumentKind3D, true), verticesWith(DocumentKind3D, false));
    EXPECT_EQ(verticesWith(DocumentKind25D, true), verticesWith(DocumentKind25D, false));
    g_CoordSystem.ShowBackground = false;
}

TEST_F(SceneTest, AxesOnlyWhenShown)
{
    // Read back as pixels of the shown frame: the 2D axes are drawn through
    // the whole frame display.
    g_DocumentKind = DocumentKind2D;
    AddCurve(1, QStringLiteral("x/3"));
    auto inkWith = [](bool axes) {
        g_CoordSystem.Show = axes;
        area->BuildDisplayLists();
        const QImage image = area->grabFramebuffer();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        return ink;
    };
    const int curveOnly = inkWith(false);
    EXPECT_GT(curveOnly, 0);
    EXPECT_GT(inkWith(true), curveOnly);
}

TEST_F(SceneTest, CameraLoadsOrthographicAndPerspectiveVolumes)
{
    Cls4 cam;
    int32_t w = 300, h = 0;
    cam.SetScreen(w, h);
    cam.Projection();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 0);

    GLfloat p[16], mv[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    EXPECT_FLOAT_EQ(p[0], 2.0f / 40); // 40 x 40 volume around the origin
    EXPECT_FLOAT_EQ(p[5], 2.0f / 40);
    EXPECT_FLOAT_EQ(p[14], -(2000.0f + 0.001f) / (2000.0f - 0.001f));
    EXPECT_FLOAT_EQ(mv[14], -1000.0f); // seen from (0, 0, 1000)
    EXPECT_FLOAT_EQ(cam.Volleft, -20.0f);
    EXPECT_FLOAT_EQ(cam.VolTop, 20.0f);

    // Perspective: the near plane sits the scene's largest extent in front
    // of 1000, then the near distance is left at 0.01 for later
    // orthographic frames.
    AddPoint(1, 0.0f, 0.0f, 0.0f);
    const std::shared_ptr<Cls1> box = g_ShownGraphs.GetBox(0);
    ASSERT_TRUE(box);
    const float extent = std::max({box->MaxX - box->MinX, box->MaxY - box->MinY,
                                   box->MaxZ - box->MinZ});
    ASSERT_GT(extent, 0.0f);
    cam.ProjectType = ProjectionPerspective;
    cam.Projection();
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    EXPECT_NEAR(p[0], 2.0f * (1000.0f - extent) / 40, 1e-3f);
    EXPECT_FLOAT_EQ(cam.VolNear, 0.01f);
    cam.ProjectType = ProjectionOrthographic;
    cam.Projection();
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    EXPECT_FLOAT_EQ(p[14], -(2000.0f + 0.01f) / (2000.0f - 0.01f));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // A scene of 1000 units or more: the near plane stays in front of the
    // eye and the frustum is valid.
    for (float far : {1000.0f, 5000.0f}) {
        g_ShownGraphs.FunSurfs.Clear();
        AddPoint(1, 0.0f, 0.0f, 0.0f);
        AddPoint(2, far, 0.0f, 0.0f);
        cam.ProjectType = ProjectionPerspective;
        cam.Projection();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << far;
        glGetFloatv(GL_PROJECTION_MATRIX, p);
        EXPECT_NEAR(p[0], 2.0f * Cls4::MinPerspectiveNear / 40, 1e-4f) << far;
    }
}
