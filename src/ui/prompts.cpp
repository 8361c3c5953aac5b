#include "ui/prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace zige {

bool Prompts::print(QWidget*, QPrinter&) { return false; }

void Prompts::printPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) {}

Prompts::Answer DialogPrompts::message(QWidget* parent, const QString& text, const QString& title,
                                       Buttons buttons, Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<QString> DialogPrompts::saveFileName(QWidget* parent, const QString& filter,
                                                   const QString& startName) {
    // "BMP Files(*.BMP)|*.bmp" becomes Qt's "BMP Files(*.BMP) (*.bmp)".
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    const QString qtFilter =
        bar < 0 ? filter : filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
    // The program asks its own overwrite question.
    const QString name = QFileDialog::getSaveFileName(parent, QString(), startName, qtFilter,
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

bool DialogPrompts::print(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DialogPrompts::printPreview(QWidget* parent, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

}  // namespace zige
