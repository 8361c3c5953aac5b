// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "fonts/font_list.h"
#include "sheet_drawing/copybook.h"
#include "ui/pick_list.h"
#include "views/character_views.h"

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

class GlyphCache;
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

    // The library file Form_Load reads: hz.txt beside the executable unless set otherwise first.
    QString libraryPath() const;
    void setLibraryPath(const QString& path) { libraryPath_ = path; }

    // The font, character size and grid box the views print with; throws StepFailed for a
    // list text that is not a number.
    GlyphPlacement glyphPlacement() const;

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
    // What the views draw now: the current character and the lists' texts.
    ViewInputs viewInputs() const;
    void updateInfoLines(const ViewInputs& inputs);
    // A listed character: the quick grid view at once, the rest at the next frame.
    void drawListed();
    // The views and lines a listing left for the next frame, if any, drawn now.
    void drawListedFrame();
    void loadLibrary();
    void formatLibrary(bool setSize, bool setFont);
    void onFocusWindowChanged(QWindow* now);
    // The character of the zone and position lists' numbers; throws StepFailed.
    QString listsCharacter() const;
    // CurrentChar from the lists, into the input box, then the redraw; throws StepFailed.
    void showListsCharacter();
    void rebuildFonts(QPushButton& button, const QString& caption, FontFilter filter);
    // Previous (-1) or next (+1): one code along the position list, crossing zones at its ends.
    void stepCharacter(QPushButton& button, int direction);

    std::shared_ptr<Prompts> prompts_;
    FontSource fonts_;
    // Font answers and the glyph stamp the four views share.
    std::shared_ptr<GlyphCache> glyphs_;
    QString libraryPath_;  // empty: beside the executable
    QPointer<SheetWindow> sheetWindow_;
    QPointer<QWindow> lastFocusWindow_;
    bool activatedOnce_ = false;
    bool closing_ = false;
    // The listed character that the first three views and the information lines still wait for.
    std::optional<ViewInputs> listedFrame_;

    QPushButton* Command1;  // 获取汉字: the listing
    QPushButton* Command2;  // 上一个字
    QPushButton* Command3;  // 下一个字
    QPushButton* Command4;  // 退出
    QPushButton* Command5;  // 过滤: Chinese fonts only
    QPushButton* Command6;  // 恢复: all fonts
    QPushButton* Command7;  // 生成速成宝格: opens the sheet window
    PickList* Combo1;       // 字体: font of the views and the library
    PickList* Combo2;       // 汉字区号: zone 16..87
    PickList* Combo3;       // 汉字位号: position 1..94
    PickList* Combo4;       // 字 大 小: character size in points
    PickList* Combo5;       // 左边距: grid box left, twips
    PickList* Combo6;       // 顶边距: grid box top
    PickList* Combo7;       // 宽度: grid box width
    PickList* Combo8;       // 高度: grid box height
    PickList* Combo9;       // 汉字库字号: library font size
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label13;   // captions of the lists and of Check1
    QLabel* Label11;          // information line: the character and the grid box
    QLabel* Label12;          // information line: the font really drawn
    QPlainTextEdit* Text1;    // the listing box; a click stops a listing
    QLineEdit* Text2;         // 汉字输入: the character typed
    QTextEdit* RichTextBox1;  // the character library hz.txt
    QGroupBox* Frame1;        // 字格定义: holds the grid box lists
    QCheckBox* Check1;        // 速成宝格覆盖显示: overlay in the quick grid view
    PictureBox* Picture1;     // 米字格
    PictureBox* Picture2;     // 九宫格
    PictureBox* Picture3;     // 八卦格
    PictureBox* Picture4;     // 速成宝格
};

}  // namespace zige
