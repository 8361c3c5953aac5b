// SPDX-License-Identifier: GPL-3.0-or-later
// How the sheet window's copybook meets its paper: what the dialog's 纸张 page says about it,
// the columns it offers when the sheet window's layout is wider than the paper, and what the
// report below every page says is cut or left out.
#include <QComboBox>

#include "grid_sheet/copybook_dialog.h"
#include "grid_sheet/copybook_pages_school.h"
#include "grid_sheet/sheet_window.h"
#include "sheet_drawing/paper_fit.h"

namespace zige {

void SheetWindow::showPaperFit(QStringList& report) {
    SchoolPages* pages = copybookDialog_->schoolPages();
    if (!hasPracticeText(model_.copybook.text)) {
        pages->showFit(QStringLiteral("没有练习文字时，\n字格窗口照原样画空白字格，用 A4 纸。"), 0);
        return;
    }
    const PaperFit fit = paperFit(model_);
    const SchoolSettings& s = model_.copybook.school;
    const QString& paper = fit.paper;
    QString text;
    QStringList problems;
    int offer = 0;
    if (fit.millimetres) {
        text = QStringLiteral("按毫米排版：%1，\n每页 %2 列 × %3 行，字格 %4 毫米见方。")
                   .arg(paper)
                   .arg(fit.columns)
                   .arg(fit.rows)
                   .arg(s.cell / 10.0);
        if (fit.columns < 1 || fit.rows < 1)
            problems.append(QStringLiteral("%1的纸上放不下一个字格：减小字格、间距或页边距，"
                                           "或去掉标题和“姓名”一行。")
                                .arg(paper));
    } else {
        text = QStringLiteral("用字格窗口的十项参数排版：\n宽 %1 毫米，%2的纸宽 %3 毫米。")
                   .arg(fit.sheetWidth, 0, 'f', 1)
                   .arg(paper)
                   .arg(fit.paperWidth, 0, 'f', 1);
        if (fit.tooWide()) {
            problems.append(QStringLiteral("版面比纸宽，PDF 和打印会截去右边；这张纸最多放 %1 列。")
                                .arg(fit.columnsFitting));
            offer = fit.columnsFitting;
        }
        if (!fit.headerFits)
            problems.append(
                QStringLiteral("顶边距放不下标题和“姓名”一行，不印；"
                               "加大顶边距或改用毫米排版。"));
        if (!fit.footerFits)
            problems.append(QStringLiteral("底边距放不下页码，不印；加大底边距或改用毫米排版。"));
    }
    pages->showFit(text, offer);
    report.append(problems);
}

void SheetWindow::useColumns(int columns) {
    Combo5->setEditText(QString::number(columns));
    Form_Resize();
}

}  // namespace zige
