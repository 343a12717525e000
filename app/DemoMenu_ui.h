#pragma once
// The Demo menu ("演示"): each item opens one demonstration document from
// the samples folder through the same reader as File Open, replacing the
// current drawing after the same save question.
#include <QString>
#include <vector>

class QMenu;
class frmF1;

struct DemoItem {
    const char* control;  // objectName of the menu item
    const char* caption;
    const char* submenu;  // objectName of the submenu it stands in, "" for the top
    const char* document; // below the program folder, '/'-separated
};

// Every item, in menu order.
const std::vector<DemoItem>& DemoItems();

// Builds the whole Demo menu with its submenus and separators.
void AddDemoMenu(frmF1* window, QMenu* demoMenu);

// The full path of a demonstration document ("samples/2D/点.qgd" ...), found
// beside the program or in the source tree.
QString DemoDocumentPath(const char* document);

// Opens one demonstration document, asking first whether to save a drawing
// that has graphs. A missing or unreadable document is reported, and it and
// Cancel leave the current drawing as it is. True when the document was
// loaded.
bool OpenDemo(frmF1* window, const char* document);
