#pragma once

#include <QColor>
#include <QFontDatabase>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>

#include "ui/prompts.h"

namespace zige::test {

// Answers dialogs from a script and records what was asked, so no test blocks on a modal one.
class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };
    QList<Asked> asked;
    QList<Answer> answers;                // taken in order; Yes/Ok when empty
    QList<std::optional<QString>> files;  // save dialog results; cancel when empty
    QList<QString> offeredNames;
    std::function<void()> duringMessage;  // runs inside a message, as a modal loop would allow

    Answer message(QWidget*, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override {
        asked.append({text, title, buttons, icon});
        if (duringMessage) duringMessage();
        if (!answers.isEmpty()) return answers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&,
                                        const QString& startName) override {
        offeredNames.append(startName);
        return files.isEmpty() ? std::nullopt : files.takeFirst();
    }
};

inline bool isRed(QRgb c) { return qRed(c) == 255 && qGreen(c) == 0 && qBlue(c) == 0; }
inline bool isWhite(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }
inline bool isPaleBlue(QRgb c) { return qRed(c) == 192 && qGreen(c) == 192 && qBlue(c) == 255; }
inline bool isDark(QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }

// The pixel at logical position (x, y) of an image with any device pixel ratio.
inline QRgb at(const QImage& image, int x, int y) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixel(int(x * dpr), int(y * dpr));
}

// The share of logical pixels on a vertical (or horizontal) run that satisfy `test`.
inline double shareOnColumn(const QImage& image, int x, int y0, int y1, bool (*test)(QRgb)) {
    int hits = 0;
    for (int y = y0; y <= y1; ++y) hits += test(at(image, x, y)) ? 1 : 0;
    return double(hits) / (y1 - y0 + 1);
}
inline double shareOnRow(const QImage& image, int y, int x0, int x1, bool (*test)(QRgb)) {
    int hits = 0;
    for (int x = x0; x <= x1; ++x) hits += test(at(image, x, y)) ? 1 : 0;
    return double(hits) / (x1 - x0 + 1);
}

// The share of logical pixels on the slanted run (x0 + k * dx, y0 + k * dy), k = 0 .. steps.
inline double shareOnSlant(const QImage& image, int x0, int y0, int dx, int dy, int steps,
                           bool (*test)(QRgb)) {
    int hits = 0;
    for (int k = 0; k <= steps; ++k) hits += test(at(image, x0 + k * dx, y0 + k * dy)) ? 1 : 0;
    return double(hits) / (steps + 1);
}

inline int countPixels(const QImage& image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// An installed Kai or Song face, or "" when the machine has none.
inline QString installedCjkFamily() {
    for (const QString& family : {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN"),
                                  QStringLiteral("WenQuanYi Zen Hei")})
        if (QFontDatabase::families().contains(family)) return family;
    return {};
}

}  // namespace zige::test
