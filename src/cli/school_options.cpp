// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/school_options.h"

#include <cmath>

#include "sheet_drawing/paper_fit.h"
#include "sheet_drawing/school_choices.h"
#include "sheet_drawing/sheet_model.h"

namespace zige {

namespace {

QString millimetres(double tenths) { return QString::number(tenths / 10); }

// A length in millimetres, kept in tenths, from `low` to `high` tenths; any of them lays the
// copybook out in millimetres.
ModelOption millimetreOption(const char* name, const QString& description, int low, int high,
                             int SchoolSettings::*field) {
    return {
        {QLatin1String(name)},
        QStringLiteral("毫米"),
        description,
        millimetres(SchoolSettings().*field),
        [=](SheetModel& model, const QString& text) {
            bool ok = false;
            const double value = text.trimmed().toDouble(&ok) * 10;
            if (!ok || !(value >= low - 0.5 && value < high + 0.5))
                return notAllowed(
                    text,
                    QStringLiteral("要 %1 到 %2 毫米").arg(millimetres(low), millimetres(high)));
            model.copybook.school.*field = int(std::lround(value));
            model.copybook.school.millimetres = true;
            return QString();
        }};
}

SchoolSettings& school(SheetModel& model) { return model.copybook.school; }

}  // namespace

ModelOption presetOption() {
    ModelOption preset = choiceOption<Preset>(
        QStringLiteral("preset"),
        QStringLiteral("先照现成的字帖设好一切（毫米排版、格子、描红、页眉），再照其余选项改"),
        kPresets, Preset::FirstGrade, [](SheetModel& m, Preset p) { applyPreset(p, m.copybook); });
    preset.defaultValue.clear();
    return preset;
}

QList<ModelOption> schoolOptions() {
    const SchoolSettings defaults;
    return {
        choiceOption<PaperSize>(QStringLiteral("paper"), QStringLiteral("PDF 和打印用的纸"),
                                kPaperSizes, defaults.paper,
                                [](SheetModel& m, PaperSize p) { school(m).paper = p; }),
        flagOption(QStringLiteral("landscape"), QStringLiteral("纸横着用"),
                   [](SheetModel& m) { school(m).landscape = true; }),
        millimetreOption("cell-mm",
                         QStringLiteral("按毫米排版，不用相对单位：字格边长，列数和行数按纸算出"),
                         kSmallestCell, kLargestCell, &SchoolSettings::cell),
        millimetreOption("column-gap-mm", QStringLiteral("按毫米排版时的字格水平间距"), 0,
                         kWidestGap, &SchoolSettings::columnGap),
        millimetreOption("row-gap-mm", QStringLiteral("按毫米排版时的字格竖向间距"), 0, kWidestGap,
                         &SchoolSettings::rowGap),
        millimetreOption("margin-mm", QStringLiteral("按毫米排版时纸边至少留出的空白"), 0,
                         kWidestMargin, &SchoolSettings::margin),
        choiceOption<GridColor>(QStringLiteral("grid-color"),
                                QStringLiteral("田字格、米字格、回宫格、方格的颜色"), kGridColors,
                                defaults.gridColor,
                                [](SheetModel& m, GridColor c) { school(m).gridColor = c; }),
        choiceOption<TraceStyle>(QStringLiteral("trace-style"), QStringLiteral("描红的字怎样画"),
                                 kTraceStyles, defaults.traceStyle,
                                 [](SheetModel& m, TraceStyle t) { school(m).traceStyle = t; }),
        flagOption(QStringLiteral("whole-rows"),
                   QStringLiteral("每个字一行范字接描红直到行尾，下面再一整行空格"),
                   [](SheetModel& m) { school(m).wholeRows = true; }),
        choiceOption<GlyphFit>(QStringLiteral("placement"), QStringLiteral("字在格中的位置"),
                               kGlyphFits, defaults.fit,
                               [](SheetModel& m, GlyphFit f) { school(m).fit = f; }),
        numberOption(QStringLiteral("share"),
                     QStringLiteral("居中时字的大小，占字格边长的百分之几"), defaults.share,
                     kSmallestShare, kLargestShare,
                     [](SheetModel& m, int n) { school(m).share = n; }),
        {{QStringLiteral("title")},
         QStringLiteral("文字"),
         QStringLiteral("每页顶上的标题，例如课文的名字"),
         QString(),
         [](SheetModel& m, const QString& title) {
             school(m).title = title;
             return QString();
         }},
        flagOption(QStringLiteral("header"), QStringLiteral("每页顶上印“姓名 班级 日期”一行"),
                   [](SheetModel& m) { school(m).nameLine = true; }),
        flagOption(QStringLiteral("page-numbers"),
                   QStringLiteral("每页底下印页码“第 1 页 / 共 N 页”"),
                   [](SheetModel& m) { school(m).pageNumbers = true; }),
    };
}

QString paperProblem(const SheetModel& model) {
    const PaperFit fit = paperFit(model);
    if (fit.millimetres && (fit.columns < 1 || fit.rows < 1))
        return QStringLiteral(
                   "%1的纸上放不下一个 %2 毫米的字格：减小 --cell-mm、--margin-mm，"
                   "或去掉页眉页脚")
            .arg(fit.paper, millimetres(model.copybook.school.cell));
    if (!fit.tooWide()) return QString();
    const QString widest =
        fit.columnsFitting > 0
            ? QStringLiteral("这样的字格最多 %1 列（--columns %1）").arg(fit.columnsFitting)
            : QStringLiteral("一列也放不下，要减小 --cell-width 或左右边距");
    return QStringLiteral(
               "版面宽 %1 毫米，%2的纸只有 %3 毫米宽，PDF 会截去右边；%4，"
               "或用更大的纸（--paper）、横向（--landscape）")
        .arg(fit.sheetWidth, 0, 'f', 1)
        .arg(fit.paper)
        .arg(fit.paperWidth, 0, 'f', 1)
        .arg(widest);
}

}  // namespace zige
