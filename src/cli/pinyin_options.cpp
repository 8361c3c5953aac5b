// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pinyin_options.h"

#include "sheet_drawing/sheet_model.h"

namespace zige {

QList<ModelOption> pinyinOptions() {
    ModelOption style = choiceOption<PinyinStyle>(
        QStringLiteral("pinyin-style"), QStringLiteral("拼音的写法，给了就标注拼音"), kPinyinStyles,
        CopybookSettings().pinyinStyle, [](SheetModel& m, PinyinStyle style) {
            m.copybook.pinyin = true;
            m.copybook.pinyinStyle = style;
        });
    return {
        style,
        flagOption(
            QStringLiteral("words"),
            QStringLiteral("以词为练习单位：以空格或换行分开的每个词占一行，词的字在相邻的格里"),
            [](SheetModel& m) { m.copybook.words = true; }),
        flagOption(QStringLiteral("dictation"),
                   QStringLiteral("看拼音写汉字：只在四线三格里印拼音，格子留空"),
                   [](SheetModel& m) { m.copybook.dictation = true; }),
        flagOption(QStringLiteral("answers"),
                   QStringLiteral("看拼音写汉字，并在最后附上印出汉字的答案页"),
                   [](SheetModel& m) { m.copybook.dictation = m.copybook.answers = true; }),
    };
}

}  // namespace zige
