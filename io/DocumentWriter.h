#pragma once
// Writing documents (.qgd): the key of the document kind, the number of
// graphs of the list, their records and the coordinate-system record, as one line
// of text in code page 936 behind a 4-byte header (tag 8, text length).
//
// Nothing is written that would not read back: text that code page 936
// cannot hold, or a text longer than the 16-bit length allows, is refused
// with a reason, and a file on disk is replaced only once the new one has
// been written completely.
#include "platform/SaveFile.h" // WriteFileReplacing, the writing of the file

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class Cls3;
class Cls8;

// "S81" for 2D, "S83" for 2.5D, "S82" for 3D; the empty text otherwise.
QString DocumentKeyOf(int32_t documentKind);

// Key, count, each graph's record (the caller passes every listed graph) and a blank, the axes record.
std::optional<QString> BuildDocumentText(int32_t documentKind, const Cls8& shownGraphs,
                                         const Cls3& axes, QString* error);

// Header and encoded text.
std::optional<QByteArray> BuildDocumentFile(const QString& text, QString* error);

// The whole document of the current program state (g_DocumentKind,
// every graph of g_AllGraphs, g_CoordSystem) as file bytes.
std::optional<QByteArray> CurrentDocumentFile(QString* error);
