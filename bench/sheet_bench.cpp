// SPDX-License-Identifier: GPL-3.0-or-later
// The grid sheet, offscreen: DrawSheet for the default sheet and for 50 x 50 cells of 12 units,
// each next to its floor, a bare QPainter loop drawing the same figures into an image of the
// same size; and saving the default sheet as BMP, next to the same image written by QImageWriter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImageWriter>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <optional>

#include "canvas/colors.h"
#include "canvas/glyph_cache.h"
#include "grid_sheet/copybook_dialog.h"
#include "grid_sheet/sheet_window.h"
#include "page_floor.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"

namespace {

class SaveTo : public zige::Prompts {
public:
    explicit SaveTo(QString file) : file_(std::move(file)) {}
    Answer message(QWidget*, const QString&, const QString&, Buttons, Icon) override {
        return Answer::Yes;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&) override {
        return file_;
    }

private:
    QString file_;
};

struct Sheet {
    int columns, rows;
};

std::unique_ptr<zige::SheetWindow> loadedWindow(Sheet sheet,
                                                std::shared_ptr<zige::Prompts> prompts) {
    auto window = std::make_unique<zige::SheetWindow>(std::move(prompts));
    window->Form_Load();
    window->findChild<QComboBox*>(QStringLiteral("Combo5"))
        ->setEditText(QString::number(sheet.columns));
    window->findChild<QComboBox*>(QStringLiteral("Combo6"))
        ->setEditText(QString::number(sheet.rows));
    window->DrawSheet();
    return window;
}

void drawSheet(benchmark::State& state, Sheet sheet) {
    const auto window = loadedWindow(sheet, std::make_shared<SaveTo>(QString()));
    for (auto _ : state) window->DrawSheet();
}

// The same figures straight into a QImage of the sheet's size: fill, then per cell the filled
// band and its dotted outline, six solid lines, eight dotted ones; end points rounded to pixels
// as the canvas does. With `glyphs`, each row also gets one character: a model in the first cell
// and three pale copies drawn under the lines, each glyph scaled from the 2400-twip grid box
// onto the cell.
QImage floorSheet(Sheet sheet, bool glyphs) {
    const double u = page_floor::kUnit;
    const auto px = [](double twips) { return double(std::lround(twips / 15)); };
    const int width = int(std::lround((sheet.columns * 13 + 34) * u / 15));
    const int height = int(std::lround((sheet.rows * 13 + 32) * u / 15));
    QImage image(width, height, QImage::Format_RGB32);
    const QColor ink(0, 0, 128), band(255, 255, 192), pale(204, 204, 204);
    const QPen solid(ink, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const QPen dotted(ink, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
    static const QFont font = [] {
        QFont f(zige::GlyphCache().family(QString()));
        f.setPointSizeF(120);
        return f;
    }();
    const double ascent = QFontMetricsF(font, &image).ascent();
    image.fill(Qt::white);
    QPainter p(&image);
    for (int i = 0; i < sheet.columns; ++i)
        for (int j = 0; j < sheet.rows; ++j) {
            const double x = (20 + 13 * i) * u, y = (18 + 13 * j) * u, s = 12 * u;
            const auto X = [&](double f) { return px(x + f * s); };
            const auto Y = [&](double f) { return px(y + f * s); };
            const auto glyph = [&](const QColor& color) {
                p.save();
                p.translate(x / 15, y / 15);
                p.scale(s / 2400, s / 2400);
                p.setFont(font);
                p.setPen(color);
                p.drawText(QPointF(0, ascent), QString(QChar(0x6C38 + j)));
                p.restore();
            };
            p.setPen(dotted);
            p.fillRect(QRectF(QPointF(X(1.0 / 3), Y(0)), QPointF(X(2.0 / 3) + 1, Y(1) + 1)), band);
            p.drawRect(QRectF(QPointF(X(1.0 / 3), Y(0)), QPointF(X(2.0 / 3), Y(1))));
            if (glyphs && i >= 1 && i <= 3) glyph(pale);
            p.setPen(solid);
            const double heavy[6][4] = {{0, 0, 1, 0}, {0, 0, 0, 1},   {0, 1, 1, 1},
                                        {1, 0, 1, 1}, {.5, 0, .5, 1}, {0, .5, 1, .5}};
            for (const auto& l : heavy)
                p.drawLine(QPointF(X(l[0]), Y(l[1])), QPointF(X(l[2]), Y(l[3])));
            p.setPen(dotted);
            const double light[8][4] = {{1. / 3, 0, 1. / 3, 1}, {2. / 3, 0, 2. / 3, 1},
                                        {0, 1. / 3, 1, 1. / 3}, {0, 2. / 3, 1, 2. / 3},
                                        {0, .3, .3, 0},         {.7, 0, 1, .3},
                                        {0, .75, .25, 1},       {.75, 1, 1, .75}};
            for (const auto& l : light)
                p.drawLine(QPointF(X(l[0]), Y(l[1])), QPointF(X(l[2]), Y(l[3])));
            if (glyphs && i == 0) glyph(Qt::black);
        }
    p.end();
    return image;
}

void floorLoop(benchmark::State& state, Sheet sheet, bool glyphs) {
    for (auto _ : state) benchmark::DoNotOptimize(floorSheet(sheet, glyphs).constBits());
}

// The default sheet with 21 characters to practise, one a row.
void drawCopybook(benchmark::State& state) {
    const auto window = loadedWindow({14, 21}, std::make_shared<SaveTo>(QString()));
    window->openCopybookDialog();
    QString text;
    for (int j = 0; j < 21; ++j) text += QChar(0x6C38 + j);
    window->findChild<QPlainTextEdit*>(QStringLiteral("practiceText"))->setPlainText(text);
    for (auto _ : state) window->DrawSheet();
}

// One character typed at the end of a practice text of 100 000 characters, and the sheet
// redrawn for it: the copybook built again from the whole text.
void editLongText(benchmark::State& state) {
    const auto window = loadedWindow({14, 21}, std::make_shared<SaveTo>(QString()));
    window->openCopybookDialog();
    QString text;
    for (int j = 0; j < 100000; ++j) text += QChar(0x4E00 + j % 6000);
    auto* edit = window->findChild<QPlainTextEdit*>(QStringLiteral("practiceText"));
    edit->setPlainText(text);
    for (auto _ : state) {
        edit->moveCursor(QTextCursor::End);
        edit->insertPlainText(QStringLiteral("永"));
        window->findChild<zige::CopybookDialog*>()->applyTypedText();
    }
}

void saveDefault(benchmark::State& state) {
    QTemporaryDir folder;
    const auto window = loadedWindow(
        {14, 21}, std::make_shared<SaveTo>(folder.filePath(QStringLiteral("sheet.bmp"))));
    for (auto _ : state) window->Command1_Click();
}

// The same sheet drawn at 96 dpi in print colours, its resolution recorded, written by
// QImageWriter as BMP into a QSaveFile that replaces the file when complete, as the program
// draws and writes it.
void floorSave(benchmark::State& state) {
    QTemporaryDir folder;
    for (auto _ : state) {
        QImage image = floorSheet({14, 21}, false);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        QSaveFile file(folder.filePath(QStringLiteral("sheet.bmp")));
        file.open(QIODevice::WriteOnly);
        QImageWriter(&file, "bmp").write(image);
        file.commit();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Names as bench/table.py pairs them: a measurement and its "[floor]".
    benchmark::RegisterBenchmark("DrawSheet default", drawSheet, Sheet{14, 21})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawSheet default [floor]", floorLoop, Sheet{14, 21}, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawSheet 50x50", drawSheet, Sheet{50, 50})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawSheet 50x50 [floor]", floorLoop, Sheet{50, 50}, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawSheet copybook 21", drawCopybook)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawSheet copybook 21 [floor]", floorLoop, Sheet{14, 21}, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("copybook text of 100 000 characters, one edit", editLongText)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save default sheet", saveDefault)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save default sheet [floor]", floorSave)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
