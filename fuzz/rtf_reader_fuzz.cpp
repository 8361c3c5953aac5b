// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the RTF reader: it must not crash, hang, or let control characters
// into the document. Built with ZIGE_CORPUS_MAIN it instead replays the files of a folder, so the
// corpus runs as an ordinary test with any compiler.
#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "text/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Fonts in char formats want a QGuiApplication; offscreen needs no display. It lives as long
    // as the process, held by a static so that leak checkers see it as reachable.
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "rtf_reader_fuzz";
        static char* argv[] = {name, nullptr};
        static const QGuiApplication* const app = new QGuiApplication(argc, argv);
        (void)app;
    }

    QTextDocument document;
    const auto bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!zige::readRtf(bytes, document)) return 0;
    for (const QChar c : document.toRawText()) {
        if (c.unicode() < 0x20 && c != u'\t') {
            std::fprintf(stderr, "control character U+%04X in the document\n", c.unicode());
            std::abort();
        }
    }
    return 0;
}

#ifdef ZIGE_CORPUS_MAIN
#include "corpus_main.h"
#endif
