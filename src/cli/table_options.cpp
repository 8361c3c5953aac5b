// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/table_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "cli/model_options.h"
#include "sheet_drawing/practice_notes.h"
#include "text/hanzi_facts.h"
#include "text/practice_text.h"

namespace zige {

TableOptions::TableOptions()
    : level_(QStringLiteral("level"), QString(), QStringLiteral("level")),
      range_(QStringLiteral("range"), QString(), QStringLiteral("range")),
      onlyNew_(QStringLiteral("only-new"), QString()) {}

QList<std::pair<QString, QString>> TableOptions::help() const {
    return {{QStringLiteral("--level <级>"),
             QStringLiteral("从通用规范汉字表选字：1 一级（3500 字）、2 二级（3000 字）、"
                            "3 三级（1605 字），按表中顺序加在练习文字之后")},
            {QStringLiteral("--range <从-到>"),
             QStringLiteral("只选该级第几个到第几个字，例如 1-100；默认整级")},
            {QStringLiteral("--only-new"), QStringLiteral("练习文字里已有的字不再加入")}};
}

QString TableOptions::apply(const QCommandLineParser& parser, QString& text, QString& note) const {
    if (!parser.isSet(level_)) {
        for (const QCommandLineOption* alone : {&range_, &onlyNew_})
            if (parser.isSet(*alone))
                return QStringLiteral("--%1 要和 --level 一起用").arg(alone->names().first());
        return QString();
    }
    bool ok = false;
    const int level = parser.value(level_).trimmed().toInt(&ok);
    if (!ok || commonLevelSize(level) == 0)
        return QStringLiteral("--level ") +
               notAllowed(parser.value(level_), QStringLiteral("要 1、2 或 3"));
    const int size = commonLevelSize(level);
    int first = 1, last = size;
    if (parser.isSet(range_)) {
        static const QRegularExpression range(
            QStringLiteral("^\\s*(\\d{1,5})\\s*-\\s*(\\d{1,5})\\s*$"));
        const QRegularExpressionMatch m = range.match(parser.value(range_));
        first = m.captured(1).toInt();
        last = m.captured(2).toInt();
        if (!m.hasMatch() || first < 1 || last < first || last > size)
            return QStringLiteral("--range ") +
                   notAllowed(parser.value(range_),
                              QStringLiteral("要“从-到”，1 ≤ 从 ≤ 到 ≤ %1").arg(size));
    }
    const TableChoice choice = tableCharacters(level, first, last, text, parser.isSet(onlyNew_));
    if (!choice.characters.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + choice.characters;
    if (choice.outside || choice.present) note = tableNote(level, first, last, choice);
    return QString();
}

}  // namespace zige
