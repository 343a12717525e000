#pragma once
// What text a document can hold: the "@...@" fields of the graph record and
// code page 936. The record writer, the document writer, the clipboard's
// Copy and the dialogs that take a graph's name all ask here, so that a name
// a dialog accepts is one the document can save, and a refusal reads the
// same everywhere.
#include <QString>

// Empty when the text reads back from an "@...@" field: no blank-separated
// word but the last ends with "@" (the reader takes such a word as the
// closing mark), and at most 101 words (the reader looks no further).
// Otherwise the sentence that says why not.
QString QuotedTextProblem(const QString& text);

// Empty when the text comes back unchanged from code page 936; otherwise
// the sentence naming the first character that does not: as itself when it
// shows on its own, otherwise by its code point ("U+E0041"), so the user can
// tell what to remove. The document writer and the clipboard's Copy say this
// of their whole text.
QString UnencodableTextProblem(const QString& text);

// Empty when a document can store `name` as a graph's name; otherwise the
// document writer's own sentence on why not.
QString GraphNameProblem(const QString& name);
