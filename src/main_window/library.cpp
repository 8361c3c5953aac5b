// SPDX-License-Identifier: GPL-3.0-or-later
// The character library view: hz.txt beside the program, in the chosen font and size.
#include "main_window/library.h"

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

void loadLibraryDocument(QTextDocument& document, const QString& path) {
    document.clear();
    // Hinting every glyph of a CJK face costs the first layout of the library most of a second;
    // unhinted text at library sizes looks the same.
    QFont unhinted = document.defaultFont();
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    document.setDefaultFont(unhinted);
    QTextCharFormat format;
    format.setFontFamilies({kSongTi});
    format.setFontPointSize(9);
    QTextCursor(&document).insertText(QStringLiteral("未正常加载汉字库文件\"hz.txt\""), format);
    loadRichTextFile(path, document);
}

void formatLibraryDocument(QTextDocument& document, std::optional<int> pointSize,
                           const std::optional<QString>& family) {
    if (!pointSize && !family) return;
    QTextCharFormat format;
    if (pointSize) format.setFontPointSize(*pointSize);
    if (family) format.setFontFamilies({*family});
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
}

void MainWindow::loadLibrary() { loadLibraryDocument(*RichTextBox1->document(), libraryPath()); }

// Applies the library size and/or font to the whole text, keeping the caret where it was.
void MainWindow::formatLibrary(bool setSize, bool setFont) {
    std::optional<int> size;
    if (setSize) skipOnFailure([&] { size = toInt32(Combo9->currentText()); });
    std::optional<QString> family;
    if (setFont) family = Combo1->currentText();
    QTextCursor caret = RichTextBox1->textCursor();
    const int position = caret.position();
    formatLibraryDocument(*RichTextBox1->document(), size, family);
    caret.setPosition(position);
    RichTextBox1->setTextCursor(caret);
}

void MainWindow::Combo1_Click() {
    formatLibrary(false, true);
    endOnFailure([&] { RefreshViews(); });
}

void MainWindow::Combo9_Click() { formatLibrary(true, false); }

}  // namespace zige
