// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test helpers needing Qt Gui at most; the widgets' are in test_support.h.
#include <iconv.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace zige::test {

inline bool isRed(QRgb c) { return qRed(c) == 255 && qGreen(c) == 0 && qBlue(c) == 0; }
inline bool isWhite(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }
inline bool isPaleBlue(QRgb c) { return qRed(c) == 192 && qGreen(c) == 192 && qBlue(c) == 255; }
inline bool isDark(QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }
// The sheet's pen (system colour 2, navy) and its band's light yellow.
inline bool isPen(QRgb c) { return (c & 0xFFFFFF) == 0x000080; }
inline bool isYellow(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFC0; }
inline bool isInk(QRgb c) { return !isWhite(c); }

// The pixel at logical position (x, y) of an image with any device pixel ratio.
inline QRgb at(const QImage& image, int x, int y) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixel(int(x * dpr), int(y * dpr));
}

// The share of logical pixels from (x0, y0), `steps` + 1 by (dx, dy), that satisfy `test`.
inline double shareOnSlant(const QImage& image, int x0, int y0, int dx, int dy, int steps,
                           bool (*test)(QRgb)) {
    int hits = 0;
    for (int k = 0; k <= steps; ++k) hits += test(at(image, x0 + k * dx, y0 + k * dy)) ? 1 : 0;
    return double(hits) / (steps + 1);
}
inline double shareOnColumn(const QImage& image, int x, int y0, int y1, bool (*test)(QRgb)) {
    return shareOnSlant(image, x, y0, 0, 1, y1 - y0, test);
}
inline double shareOnRow(const QImage& image, int y, int x0, int x1, bool (*test)(QRgb)) {
    return shareOnSlant(image, x0, y, 1, 0, x1 - x0, test);
}

inline int countPixels(const QImage& image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Runs [first, last] of columns (Qt::Vertical) or rows with `percent` % or more as many pixels
// passing `test` as the fullest one: straight lines, solid or dotted, not slanted ones.
inline QList<std::pair<int, int>> lineRuns(const QImage& image, Qt::Orientation along,
                                           bool (*test)(QRgb), int percent) {
    const bool columns = along == Qt::Vertical;
    QList<int> counts(columns ? image.width() : image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) counts[columns ? x : y] += test(image.pixel(x, y));
    const int fullest = counts.isEmpty() ? 0 : *std::max_element(counts.begin(), counts.end());
    QList<std::pair<int, int>> runs;
    for (int i = 0; i < counts.size(); ++i) {
        if (fullest == 0 || counts[i] * 100 < percent * fullest) continue;
        if (!runs.isEmpty() && runs.last().second == i - 1)
            runs.last().second = i;
        else
            runs.append({i, i});
    }
    return runs;
}
// Each column or row of the runs at 20 %.
inline QList<int> lines(const QImage& image, Qt::Orientation along, bool (*test)(QRgb)) {
    QList<int> found;
    for (auto [first, last] : lineRuns(image, along, test, 20))
        for (int i = first; i <= last; ++i) found.append(i);
    return found;
}

// The box round the pixels that pass `test`.
inline QRect inkBox(const QImage& image, bool (*test)(QRgb) = isInk) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

// An installed Kai or Song face, or "" when the machine has none.
inline QString installedCjkFamily() {
    for (const QString& family :
         QStringList{"AR PL UKai CN", "AR PL UMing CN", "WenQuanYi Zen Hei"})
        if (QFontDatabase::families().contains(family)) return family;
    return {};
}

// glibc's character for a two-byte code page 936 code, or "".
inline QString iconvCp936(int lead, int trail) {
    static const iconv_t cd = iconv_open("UTF-8", "CP936");
    char in[2] = {char(lead), char(trail)}, out[16] = {};
    char *inPtr = in, *outPtr = out;
    size_t inLeft = 2, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) return {};
    return QString::fromUtf8(out, int(sizeof out - outLeft));
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What `program` writes on its standard output.
inline QString programOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF file rendered by poppler at `dpi`, with pdftoppm's `options` (as "-gray").
inline QList<QImage> pdfPages(const QString& pdf, int dpi, const QStringList& options = {}) {
    QTemporaryDir folder;
    programOutput("pdftoppm", QStringList{"-r", QString::number(dpi), "-png"} + options +
                                  QStringList{pdf, folder.filePath("page")});
    QList<QImage> pages;
    for (const QFileInfo& page :
         QDir(folder.path()).entryInfoList({"*.png"}, QDir::Files, QDir::Name))
        pages.append(QImage(page.filePath()));
    return pages;
}

}  // namespace zige::test
