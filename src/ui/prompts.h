// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QMessageBox;
class QPrinter;
class QWidget;

namespace zige {

// Every message box and save dialog goes through this, so tests can script the answers and
// never block on a modal dialog.
class Prompts {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Question, Warning };
    enum class Answer { Ok, Yes, No };

    virtual ~Prompts() = default;
    virtual Answer message(QWidget* parent, const QString& text, const QString& title,
                           Buttons buttons, Icon icon) = 0;
    // The chosen file name, or nothing on cancel. `filter` is "description|pattern".
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                                const QString& startName) = 0;
    // The print dialog for `printer`; false on cancel. One that shows no dialogs declines.
    virtual bool print(QWidget* parent, QPrinter& printer);
    // The print preview of the pages `paint` draws on `printer`, from which the user may print.
    virtual void printPreview(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& paint);
};

// The real dialogs: QMessageBox, QFileDialog, QPrintDialog and QPrintPreviewDialog.
class DialogPrompts : public Prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                        const QString& startName) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    void printPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint) override;
};

// The dialogs DialogPrompts runs, built apart so their texts can be read without a modal loop.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, Prompts::Buttons buttons,
                                            Prompts::Icon icon);
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& filter,
                                            const QString& startName);

}  // namespace zige
