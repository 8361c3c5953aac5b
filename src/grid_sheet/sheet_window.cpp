#include "grid_sheet/sheet_window.h"

#include "surface/prompts.h"

namespace zige {

SheetWindow::SheetWindow(std::shared_ptr<Prompts> prompts, QWidget* parent)
    : QWidget(parent), prompts_(std::move(prompts)) {
    setObjectName(QStringLiteral("suchengge"));
    setWindowTitle(QStringLiteral("生成速成宝格"));
}

void SheetWindow::Form_Load() {}

}  // namespace zige
