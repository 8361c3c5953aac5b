// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zige {

struct SheetModel;
struct TableChoice;

// What the dialog and the command say about where the practice text came from and how its
// pinyin is laid out, in the same words.

// The characters of a text file that are no hanzi, left out: how many, and a few of them.
QString leftOutNote(const QStringList& leftOut);

// What was added from the common-characters table, level `level`, places first..last.
QString tableNote(int level, int first, int last, const TableChoice& choice);

// How the model's pinyin and dictation are laid out on the sheet; nothing when neither is on.
QStringList pinyinNotes(const SheetModel& model);

}  // namespace zige
