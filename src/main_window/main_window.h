#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "fonts/font_list.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QWindow;

namespace zige {

class PictureBox;
class Prompts;
class SheetWindow;

// The main window 字格 (object name "vorel"): four views of the current character over four
// practice grids, the lists that choose it, the character library and the character listing.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(std::shared_ptr<Prompts> prompts, FontSource fonts = installedFontNames,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs once, before the window is first shown.
    void Form_Load();

    // The character the views draw.
    QString CurrentChar;
    // Set by a click on the listing box; the listing tests it before each character.
    bool StopListing = false;

    // Redraws the four views; throws StepFailed at the first bad value.
    void RefreshViews();

    // Handlers, named after their control and event.
    void Form_Activate();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo9_Click();
    void Text2_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Text1_Click();

    // The library file's path: hz.txt beside the executable.
    static QString libraryPath();

    // The grid sheet window while it is open.
    SheetWindow* sheetWindow() const;

    // The listing box's text as the listing writes it: its lines joined by CR LF.
    QString listingText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void redrawIgnoringFailure();
    void updateInfoLines();
    void loadLibrary();
    void formatLibrary(bool setSize, bool setFont);
    void onFocusWindowChanged(QWindow* now);
    // The character of the zone and position lists' numbers; throws StepFailed.
    QString listsCharacter() const;
    // CurrentChar from the lists, into the input box, then the redraw; throws StepFailed.
    void showListsCharacter();
    void rebuildFonts(QPushButton& button, const QString& caption, FontFilter filter);

    std::shared_ptr<Prompts> prompts_;
    FontSource fonts_;
    QPointer<SheetWindow> sheetWindow_;
    QPointer<QWindow> lastFocusWindow_;
    bool activatedOnce_ = false;
    bool closing_ = false;

    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5, *Combo6, *Combo7, *Combo8, *Combo9;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13;
    QPlainTextEdit* Text1;
    QLineEdit* Text2;
    QTextEdit* RichTextBox1;
    QGroupBox* Frame1;
    QCheckBox* Check1;
    PictureBox *Picture1, *Picture2, *Picture3, *Picture4;
};

}  // namespace zige
