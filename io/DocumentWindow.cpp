// The main-window hooks the document commands use, handed over at start-up.
#include "io/DocumentWindow.h"

namespace {
DocumentWindow& Window()
{
    static DocumentWindow window;
    return window;
}
} // namespace

void SetDocumentWindow(const DocumentWindow& window) { Window() = window; }
const DocumentWindow& GetDocumentWindow() { return Window(); }
