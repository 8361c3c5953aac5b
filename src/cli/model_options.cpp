// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/model_options.h"

#include "canvas/glyph_cache.h"
#include "cli/pinyin_options.h"
#include "cli/school_options.h"
#include "cli/stroke_options.h"
#include "core/numbers.h"
#include "sheet_drawing/sheet_model.h"

namespace zige {

QString notAllowed(const QString& value, const QString& allowed) {
    return QStringLiteral("“%1”不行：%2").arg(value, allowed);
}

ModelOption numberOption(const QString& name, const QString& description, int value, int low,
                         int high, std::function<void(SheetModel&, int)> set) {
    return {{name},
            QStringLiteral("数"),
            description,
            QString::number(value),
            [=](SheetModel& model, const QString& text) {
                bool ok = false;
                const int n = text.trimmed().toInt(&ok);
                if (!ok || n < low || n > high)
                    return notAllowed(text,
                                      QStringLiteral("要 %1 到 %2 的整数").arg(low).arg(high));
                set(model, n);
                return QString();
            }};
}

ModelOption flagOption(const QString& name, const QString& description,
                       std::function<void(SheetModel&)> set) {
    return {{name}, QString(), description, QString(), [set](SheetModel& model, const QString&) {
                set(model);
                return QString();
            }};
}

namespace {

// A layout value in sheet units (1/216 of the A4 width) or a count, as the sheet window's list
// of the same name takes it.
ModelOption layout(const char* name, const QString& description, LayoutValue value, int low) {
    constexpr int kHigh = 10000;
    return numberOption(
        QLatin1String(name), description, toInt32(SheetModel().text(value)), low, kHigh,
        [value](SheetModel& model, int n) { model.text(value) = QString::number(n); });
}

}  // namespace

QList<ModelOption> modelOptions() {
    const SheetModel defaults;
    const CopybookSettings& book = defaults.copybook;
    const GlyphPlacement& place = defaults.placement;
    const QRectF box = place.gridBox;
    using enum LayoutValue;
    // A preset first: the options after it change what it set.
    QList<ModelOption> options{
        presetOption(),
        choiceOption<CellGrid>(QStringLiteral("grid"), QStringLiteral("格子"), kCellGrids,
                               book.grid, [](SheetModel& m, CellGrid g) { m.copybook.grid = g; }),
        numberOption(QStringLiteral("models"), QStringLiteral("每行的范字个数"), book.models, 0,
                     kMostCopies, [](SheetModel& m, int n) { m.copybook.models = n; }),
        numberOption(QStringLiteral("traces"), QStringLiteral("每行范字后的描红个数"), book.traces,
                     0, kMostCopies, [](SheetModel& m, int n) { m.copybook.traces = n; }),
        choiceOption<TraceTint>(QStringLiteral("tint"), QStringLiteral("描红颜色"), kTraceTints,
                                book.tint, [](SheetModel& m, TraceTint t) { m.copybook.tint = t; }),
        numberOption(QStringLiteral("lightness"), QStringLiteral("描红的亮度（百分数，越大越浅）"),
                     book.lightness, kDarkestTrace, kLightestTrace,
                     [](SheetModel& m, int n) { m.copybook.lightness = n; }),
        flagOption(QStringLiteral("pinyin"), QStringLiteral("标注拼音，写法见 --pinyin-style"),
                   [](SheetModel& m) { m.copybook.pinyin = true; }),
        {{QStringLiteral("font")},
         QStringLiteral("字体"),
         QStringLiteral("字体名称；默认是已安装的楷体，没有时用宋体（明体）"),
         QString(),
         [](SheetModel& m, const QString& name) {
             if (!GlyphCache().isInstalled(name))
                 return QStringLiteral("没有安装名为“%1”的字体").arg(name);
             m.placement.fontName = name;
             return QString();
         }},
        numberOption(QStringLiteral("size"),
                     QStringLiteral("字的大小（磅），与主窗口的“字 大 小”相同"),
                     int(place.pointSize), 10, 200,
                     [](SheetModel& m, int n) { m.placement.pointSize = float(n); }),
        {{QStringLiteral("grid-box")},
         QStringLiteral("左,上,宽,高"),
         QStringLiteral("主窗口的字格定义（缇，1/1440 英寸）：字在格中的位置照它的比例放"),
         QStringLiteral("%1,%2,%3,%4")
             .arg(box.left())
             .arg(box.top())
             .arg(box.width())
             .arg(box.height()),
         [](SheetModel& m, const QString& text) {
             const QStringList parts = text.split(QLatin1Char(','));
             QList<int> values;
             for (const QString& part : parts) {
                 bool ok = false;
                 values.append(part.trimmed().toInt(&ok));
                 if (!ok || values.last() < 0 || values.last() > 10000) values.clear();
                 if (values.isEmpty()) break;
             }
             if (values.size() != 4 || values[2] < 1 || values[3] < 1)
                 return notAllowed(text, QStringLiteral("要四个 0 到 10000 的整数，宽和高不为 0"));
             m.placement.gridBox = QRectF(values[0], values[1], values[2], values[3]);
             return QString();
         }},
        layout("columns", QStringLiteral("列数"), Columns, 1),
        layout("rows", QStringLiteral("每页的行数"), Rows, 1),
        layout("cell-width", QStringLiteral("字格宽度（相对单位：A4 宽的 1/216）"), CellWidth, 1),
        layout("cell-height", QStringLiteral("字格高度（相对单位）"), CellHeight, 1),
        layout("column-gap", QStringLiteral("字格水平间距（相对单位）"), ColumnGap, 0),
        layout("row-gap", QStringLiteral("字格竖向间距（相对单位）"), RowGap, 0),
        layout("left-margin", QStringLiteral("左边距（相对单位）"), LeftMargin, 0),
        layout("right-margin", QStringLiteral("右边距（相对单位）"), RightMargin, 0),
        layout("top-margin", QStringLiteral("顶边距（相对单位）"), TopMargin, 0),
        layout("bottom-margin", QStringLiteral("底边距（相对单位）"), BottomMargin, 0),
    };
    options += pinyinOptions();
    options += schoolOptions();
    options += strokeOptions();
    return options;
}

}  // namespace zige
