#pragma once
// What the document commands need of the main window, handed over once at
// start-up with SetDocumentWindow(). Every hook may be left empty (tests,
// start-up before the window exists).
#include <cstdint>
#include <functional>

class QOpenGLWidget;
class QString;

struct DocumentWindow {
    // The drawing area; captured for Save As (bitmap), Copy as picture, Print.
    QOpenGLWidget* picDraw = nullptr;
    // mnuGraphDelAll_Click: empty both scenes and the graph list, set
    // g_LastGraphID to 0. Opening a valid document calls it before it adds
    // the loaded graphs.
    std::function<void()> deleteAllGraphs;
    // SetCommandStates2D / 25D / 3D for a DocumentKind.
    std::function<void(int32_t kind)> setCommandStates;
    // Appends one unticked entry to the graph list (List1.AddItem).
    std::function<void(const QString& label)> addListEntry;
    // Ticks every list entry, rebuilds the display lists and draws.
    std::function<void()> tickAllEntries;
    // Enables the animation buttons and menu items (after an animated
    // document was opened) and shows g_FrameCount / g_FramesPerSecond in the
    // animation options.
    std::function<void()> enableAnimationControls;
    // Switches off the drawing area's rotate, zoom and pan modes and the
    // trackball rotation (the view then takes the scene's three angles).
    // Called when a document has been read and is about to replace the
    // current one; a cancelled or refused Open leaves the view alone.
    std::function<void()> resetViewModes;
};

void SetDocumentWindow(const DocumentWindow& window);
const DocumentWindow& GetDocumentWindow();
