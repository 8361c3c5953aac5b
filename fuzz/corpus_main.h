// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main of a fuzz target built with ZIGE_CORPUS_MAIN: it replays the files of a folder
// through the target, so that a corpus runs as an ordinary test with any compiler.
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    int count = 0;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray data = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.constData()),
                               size_t(data.size()));
        ++count;
    }
    std::printf("%d corpus files read\n", count);
    return count > 0 ? 0 : 1;  // an empty or missing corpus is a broken setup, not a pass
}
