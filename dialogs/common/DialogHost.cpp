// The installed dialog host, the editing flag, and the free functions that
// forward to the host.
#include "dialogs/common/DialogHost.h"

bool g_EditingGraph = false;

namespace {
DialogHost* g_Host = nullptr;
}

void SetDialogHost(DialogHost* host)
{
    g_Host = host;
}

DialogHost* CurrentDialogHost()
{
    return g_Host;
}

int SelectedGraphIndex()
{
    return g_Host ? g_Host->ListIndex() : -1;
}

void SetGraphListText(int index, const QString& text)
{
    if (g_Host)
        g_Host->SetEntryText(index, text);
}

void RedrawScene()
{
    if (!g_Host)
        return;
    g_Host->BuildDisplayLists();
    g_Host->DrawCurrentFrame();
}

void RefreshMainWindow()
{
    if (g_Host)
        g_Host->RepaintWindow();
}

void EnablePlaybackCommands()
{
    if (g_Host)
        g_Host->EnablePlaybackCommands();
}
