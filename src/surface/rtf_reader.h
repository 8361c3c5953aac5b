#pragma once

class QByteArray;
class QString;
class QTextDocument;

namespace zige {

// Fills `document` (cleared first) from RTF bytes. Returns false, leaving the document
// untouched, when the bytes are not RTF (they do not start with "{\rtf").
bool readRtf(const QByteArray& rtf, QTextDocument& document);

// Loads a library file into `document`: RTF through readRtf, anything else as plain text in
// code page 936. Returns false, leaving the document untouched, when the path is not an
// ordinary readable file or is larger than the reader's bound.
bool loadRichTextFile(const QString& path, QTextDocument& document);

}  // namespace zige
