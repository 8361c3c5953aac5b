#pragma once

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QMessageBox;
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
};

// The real dialogs: QMessageBox and QFileDialog.
class DialogPrompts : public Prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                        const QString& startName) override;
};

// The dialogs DialogPrompts runs, built apart so their texts can be read without a modal loop.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, Prompts::Buttons buttons,
                                            Prompts::Icon icon);
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& filter,
                                            const QString& startName);

}  // namespace zige
