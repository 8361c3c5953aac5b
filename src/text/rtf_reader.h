// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;
class QTextDocument;

namespace zige {

// Fills `document` (cleared first) from RTF bytes. Returns false, leaving the document
// untouched, when the bytes are not RTF (they do not start with "{\rtf", after an optional
// UTF-8 byte order mark and blanks). Anything past 65536 paragraphs and runs is dropped.
bool readRtf(const QByteArray& rtf, QTextDocument& document);

// Loads a library file into `document`: RTF through readRtf, anything else as plain text in
// code page 936 (UTF-8 only when it starts with a byte order mark), likewise cut at 65536
// paragraphs. Returns false, leaving the document untouched, when the path is not an ordinary
// readable file or is larger than the reader's bound (4 MiB).
bool loadRichTextFile(const QString& path, QTextDocument& document);

}  // namespace zige
