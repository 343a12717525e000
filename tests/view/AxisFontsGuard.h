#pragma once
// The two outline-font blocks the axes write their texts with, built on the
// current context for a GL test suite; the blocks in use before come back on
// Restore.
#include "platform/MessageBox.h"
#include "view/OutlineText.h"

#include <array>
#include <cstdint>

namespace gltest {

class AxisFonts {
public:
    // Builds both blocks (messages kept from the screen); false when either
    // could not be built.
    bool Build()
    {
        m_saved = {g_FontListNormal, g_FontListBold};
        MessageRecorder messages;
        const bool normal =
            Module1::CreateOutlineFont(g_FontListNormal, QStringLiteral("Arial"), -6, 400, 0, 0);
        const bool bold =
            Module1::CreateOutlineFont(g_FontListBold, QStringLiteral("Arial"), -8, 700, 0, 0);
        return normal && bold;
    }

    void Restore()
    {
        g_FontListNormal = m_saved[0];
        g_FontListBold = m_saved[1];
    }

private:
    std::array<int32_t, 2> m_saved{};
};

} // namespace gltest
