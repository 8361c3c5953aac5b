// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the stroke table reader as a table file, with the check sum made to
// match so that the index and the records get read: it must not crash or hang, and every point
// it gives must lie in the box. Built with ZIGE_CORPUS_MAIN it instead replays the files of a
// folder, so the corpus runs as an ordinary test with any compiler.
#include <QByteArray>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "text/stroke_table.h"
#include "text/stroke_table_format.h"

namespace {

bool inBox(const QRectF& r) {
    using zige::stroke_format::kBox;
    return r.left() >= 0 && r.top() >= 0 && r.right() <= kBox && r.bottom() <= kBox;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zige::stroke_format;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.size() >= kHeaderSize)
        qToLittleEndian(crc32(bytes.constData() + kCountAt, bytes.size() - kCountAt),
                        bytes.data() + kCrcAt);
    zige::StrokeTable table = zige::StrokeTable::fromBytes(bytes);
    for (const char32_t character : table.characters()) {
        for (const zige::Stroke& stroke : table.strokes(character)) {
            if (!inBox(stroke.outline.controlPointRect()) || !inBox(stroke.median.boundingRect())) {
                std::fprintf(stderr, "a stroke of U+%04X leaves the box\n", unsigned(character));
                std::abort();
            }
        }
    }
    return 0;
}

#ifdef ZIGE_CORPUS_MAIN
#include "corpus_main.h"
#endif
