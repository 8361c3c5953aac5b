// SPDX-License-Identifier: GPL-3.0-or-later
// The character library view: hz.txt beside the program, in the chosen font and size.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "core/numbers.h"
#include "core/step_failed.h"
#include "main_window/main_window.h"
#include "text/rtf_reader.h"

namespace zige {

QString MainWindow::libraryPath() const {
    if (!libraryPath_.isEmpty()) return libraryPath_;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hz.txt"));
}

void MainWindow::loadLibrary() {
    // What the view says until the file is loaded: one paragraph in 宋体, 9 points.
    QTextDocument* document = RichTextBox1->document();
    document->clear();
    // Hinting every glyph of a CJK face costs the first layout of the library most of a second;
    // unhinted text at library sizes looks the same.
    QFont unhinted = document->defaultFont();
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    document->setDefaultFont(unhinted);
    QTextCharFormat format;
    format.setFontFamilies({kSongTi});
    format.setFontPointSize(9);
    QTextCursor(document).insertText(QStringLiteral("未正常加载汉字库文件\"hz.txt\""), format);
    loadRichTextFile(libraryPath(), *document);
}

// Applies the library size and/or font to the whole text, keeping the caret where it was.
void MainWindow::formatLibrary(bool setSize, bool setFont) {
    QTextCursor caret = RichTextBox1->textCursor();
    const int position = caret.position();
    QTextCursor all(RichTextBox1->document());
    all.select(QTextCursor::Document);
    if (setSize)
        skipOnFailure([&] {
            QTextCharFormat size;
            size.setFontPointSize(toInt32(Combo9->currentText()));
            all.mergeCharFormat(size);
        });
    if (setFont) {
        QTextCharFormat family;
        family.setFontFamilies({Combo1->currentText()});
        all.mergeCharFormat(family);
    }
    caret.setPosition(position);
    RichTextBox1->setTextCursor(caret);
}

void MainWindow::Combo1_Click() {
    formatLibrary(false, true);
    endOnFailure([&] { RefreshViews(); });
}

void MainWindow::Combo9_Click() { formatLibrary(true, false); }

}  // namespace zige
