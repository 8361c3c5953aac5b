// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/paper_layout.h"

#include "export/page_painting.h"
#include "sheet_drawing/school_choices.h"

namespace zige {

QPageLayout paperLayout(const Copybook& book) {
    if (book.isEmpty()) return a4FullPage();
    const SchoolSettings& s = book.settings.school;
    QPageLayout layout(pageSize(s.paper),
                       s.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

}  // namespace zige
