// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <utility>

class QCommandLineParser;

namespace zige {

// --level, --range and --only-new: characters of the common-characters table added after the
// practice text, as the dialog's 从字表选字 adds them.
class TableOptions {
public:
    TableOptions();

    QList<QCommandLineOption> options() const { return {level_, range_, onlyNew_}; }
    // For --help: each option's names and what it does.
    QList<std::pair<QString, QString>> help() const;

    // Adds the characters the options ask for to `text` on a line of their own; when some of
    // the range are left out, `note` says which. Returns why a value is refused, or "".
    QString apply(const QCommandLineParser& parser, QString& text, QString& note) const;

private:
    QCommandLineOption level_, range_, onlyNew_;
};

}  // namespace zige
