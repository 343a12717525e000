#pragma once
// Coordinate-system settings: whether it is shown, the 2D axes, grid and
// background, and the 3D coordinate box of 2.5D and 3D documents. The values
// and the document record need no display; the drawing operations (Draw,
// Draw2DGrid, DrawBackground) are defined in view/Cls3_gl.cpp and need a current
// OpenGL context.
#include <QString>
#include <cstdint>

// Look of the coordinate system in 3D documents; 2.5D documents always use
// the panel box. Any value other than AxisStylePanels draws three lines.
enum AxisStyle : int32_t {
    AxisStylePanels = 1,
    AxisStyleThreeLines = 2,
};

// Red, green and blue fractions (0..1) of a colour.
struct RgbF {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

class Cls3 {
public:
    // Field order is the order of the document record (AxesRecord) written by
    // Save; AxisStyle is not recorded.
    bool Show = false;  // the main window sets it true right after start-up
    bool ShowXYPanel = false;
    bool ShowXZPanel = false;
    bool ShowYZPanel = false;
    bool ShowXYXGrid = true;
    bool ShowXYYGrid = true;
    bool ShowXZXGrid = true;
    bool ShowXZZGrid = true;
    bool ShowYZYGrid = true;
    bool ShowYZZGrid = true;
    bool BetterFonts = false;  // smoothed 2D tick labels instead of five offset copies
    int32_t LabelNumX = 2;     // divisions of the axes of the 3D box
    int32_t LabelNumY = 2;
    int32_t LabelNumZ = 2;
    int32_t XYPanelColor = 13421772;  // colours are 0x00BBGGRR
    int32_t XZPanelColor = 13421772;
    int32_t YZPanelColor = 13421772;
    int32_t XYGridColor = 10066329;
    int32_t XZGridColor = 10066329;
    int32_t YZGridColor = 10066329;
    int32_t XYPanelMaterial = 4;  // MaterialPreset
    int32_t XZPanelMaterial = 4;
    int32_t YZPanelMaterial = 4;
    int32_t AxisColor = 0;
    int32_t AxisWidth = 1;  // pixels; the 2D dialog offers 1 to 5
    QString TitleX = QStringLiteral("X");  // titles of the 3D box only
    QString TitleY = QStringLiteral("Y");
    QString TitleZ = QStringLiteral("Z");
    bool ShowprimaryGrid = false;  // 2D grid at the label step
    bool ShowSecondaryGrid = false;  // 2D grid at half steps
    bool ShowBackground = false;
    int32_t BackStyle = 2;  // fill type 1 to 19
    int32_t BackColor = 65280;
    int32_t BackColor2 = 16777215;
    int32_t PriGridColor = 65280;
    int32_t SecGridColor = 65280;
    bool ShowSecondaryLabel = true;  // minor ticks on the 2D axes
    bool ShowPI = false;  // 2D x axis in steps of 3.1416 labelled "pi"
    bool ShowShadow = false;  // grey shadow behind the 2D background
    int32_t AxisStyle = AxisStylePanels;

    // The settings of a new 2.5D or 3D document: shown, the 3D box and the 2D
    // axes reset, BetterFonts on; 2D grid, background, shadow, minor ticks, pi
    // labelling and AxisStyle keep their values.
    void SetDefault();

    // The coordinate-system record, last item of a document: "0" when hidden,
    // otherwise 39 tokens each followed by one blank.
    QString Save() const;

    // Splits a 0x00BBGGRR colour into fractions.
    static RgbF ColorToRGB(int32_t color);

    // Drawing; the bounds are the scene box and may be written back by the 3D
    // frame. graphType is not read.
    void Draw2DGrid(float& minX, float& maxX, float& minY, float& maxY, float& minZ, float& maxZ) const;
    void DrawBackground(float& minX, float& maxX, float& minY, float& maxY, float& minZ,
                        float& maxZ) const;
    void Draw(int32_t graphType, float& minX, float& maxX, float& minY, float& maxY, float& minZ,
              float& maxZ) const;

private:
    void DrawAxes2D(float minX, float maxX, float minY, float maxY) const;
    void DrawFrame3D(float& minX, float& maxX, float& minY, float& maxY, float& minZ,
                     float& maxZ) const;
};

// The one coordinate system of the program, created on first use.
Cls3& CoordSystem();
#define g_CoordSystem (CoordSystem())
