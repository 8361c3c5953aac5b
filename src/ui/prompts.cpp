// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zige {

bool Prompts::print(QWidget*, QPrinter&) { return false; }

void Prompts::printPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) {}

namespace {

// Qt's file list writes sizes and dates in the system's locale, whatever the program's; this
// writes them in the default one, which the program sets to Chinese.
class LocalisedFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole) return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
            case 1:
                if (files->isDir(source)) break;
                return QLocale().formattedDataSize(files->size(source));
            case 3:
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// Runs a dialog modally. Its parent may be destroyed meanwhile, taking the dialog with it; then
// it counts as cancelled and is not deleted a second time.
template <typename Dialog>
int runModal(std::unique_ptr<Dialog>& dialog) {
    const QPointer<Dialog> alive = dialog.get();
    const int result = dialog->exec();
    if (alive) return result;
    (void)dialog.release();
    return QDialog::Rejected;
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, Prompts::Buttons buttons,
                                            Prompts::Icon icon) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title);
    box->setText(text);
    switch (icon) {
        case Prompts::Icon::None:
            box->setIcon(QMessageBox::NoIcon);
            break;
        case Prompts::Icon::Information:
            box->setIcon(QMessageBox::Information);
            break;
        case Prompts::Icon::Question:
            box->setIcon(QMessageBox::Question);
            break;
        case Prompts::Icon::Warning:
            box->setIcon(QMessageBox::Warning);
            break;
    }
    if (buttons == Prompts::Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& filter,
                                            const QString& startName) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog speaks the program's Chinese; a desktop's native one would follow the
    // system's language. The program asks its own overwrite question.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                       QFileDialog::HideNameFilterDetails);
    dialog->setProxyModel(new LocalisedFileColumns(dialog.get()));
    // "BMP Files(*.BMP)|*.bmp" becomes Qt's "BMP Files(*.BMP) (*.bmp)"; the pattern part is
    // hidden, so the entry reads as its description alone.
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    dialog->setNameFilter(bar < 0 ? filter
                                  : filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) +
                                        QLatin1Char(')'));
    if (!startName.isEmpty()) {
        const QFileInfo start(startName);
        dialog->setDirectory(start.absolutePath());
        dialog->selectFile(start.fileName());
    }
    return dialog;
}

Prompts::Answer DialogPrompts::message(QWidget* parent, const QString& text, const QString& title,
                                       Buttons buttons, Icon icon) {
    auto box = makeMessageBox(parent, text, title, buttons, icon);
    const int answer = runModal(box);
    if (buttons == Buttons::Ok) return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> DialogPrompts::saveFileName(QWidget* parent, const QString& filter,
                                                   const QString& startName) {
    auto dialog = makeSaveDialog(parent, filter, startName);
    if (runModal(dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

bool DialogPrompts::print(QWidget* parent, QPrinter& printer) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    return runModal(dialog) == QDialog::Accepted;
}

void DialogPrompts::printPreview(QWidget* parent, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [&paint](QPrinter* target) { paint(*target); });
    runModal(dialog);
}

}  // namespace zige
