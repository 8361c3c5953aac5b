// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/practice_notes.h"

#include "core/numbers.h"
#include "sheet_drawing/pinyin_band.h"
#include "sheet_drawing/sheet_model.h"
#include "text/hanzi_facts.h"
#include "text/practice_text.h"

namespace zige {

QString leftOutNote(const QStringList& leftOut) {
    QStringList distinct = leftOut;
    distinct.removeDuplicates();
    return QStringLiteral("%1 个不是汉字的字符已略去：%2")
        .arg(leftOut.size())
        .arg(reportSamples(distinct));
}

QString tableNote(int level, int first, int last, const TableChoice& choice) {
    const int size = commonLevelSize(level);
    QString note = QStringLiteral("通用规范汉字表%1级字第 %2–%3 个：加入 %4 个字")
                       .arg(QStringView(u"一二三").mid(level - 1, 1))
                       .arg(std::max(first, 1))
                       .arg(std::min(last, size))
                       .arg(choice.added);
    if (choice.outside)
        note += QStringLiteral("；%1 个不在本程序的字库（GB2312）中").arg(choice.outside);
    if (choice.present)
        note += QStringLiteral("；练习文字里已有的 %1 个未加入").arg(choice.present);
    return note + QStringLiteral("。");
}

QStringList pinyinNotes(const SheetModel& model) {
    const CopybookSettings& s = model.copybook;
    QStringList notes;
    if (hasPinyinBands(s))
        notes.append(
            QStringLiteral("拼音写在每行上方的四线三格里：竖向间距和顶边距不足 %1 个单位时，"
                           "按此加大。")
                .arg(pinyinBandRoom(s, toInt32(model.text(LayoutValue::CellHeight)))));
    if (hasSimplePinyin(s))
        notes.append(QStringLiteral(
            "拼音写在范字上方的间距里；间距不够时写在格内字的上方，仍放不下的就不写。"
            "加大「竖向间距」可以给拼音留出地方。"));
    if (s.dictation)
        notes.append(s.answers ? QStringLiteral("看拼音写汉字：格子留空；答案另起一页，"
                                                "与题目一行对一行。")
                               : QStringLiteral("看拼音写汉字：格子留空，不印范字和描红。"));
    return notes;
}

}  // namespace zige
