// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "export/sheet_document.h"
#include "export/sheet_export.h"
#include "sheet_drawing/sheet_model.h"
#include "ui/pick_list.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace zige {

class CopybookDialog;
class GlyphCache;
class PictureBox;
class Prompts;

// The grid sheet window 生成速成宝格 (object name "suchengge"): ten parameter lists, a
// scrollable view of the sheet they describe, and saving that sheet as a BMP file. Its menu
// bar also exports the sheet as PDF and as a 300 dpi PNG, and prints it; the controls stand in
// the client area below the menu bar, where the form's positions are measured from.
class SheetWindow : public QWidget {
    Q_OBJECT

public:
    explicit SheetWindow(std::shared_ptr<Prompts> prompts, QWidget* parent = nullptr);

    // Centres the window and fills the ten lists with their defaults; draws nothing.
    void Form_Load();

    // Fits the viewport to the window, redraws the sheet and re-arms the scroll bars. Runs on
    // every resize and on every pick in a list; a failing statement is skipped.
    void Form_Resize();

    // Sizes the canvas from the ten layout values and draws every cell; throws StepFailed at the
    // first failing step (a bad list text, an overflow, a canvas too large to make).
    void DrawSheet();

    // What the window's controls show and the next redraw draws: the ten lists' texts as they
    // stand (typed or picked), the copybook's settings and the main window's glyph placement.
    const SheetModel& model() const { return model_; }

    // Handlers, named after their control and event.
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Click();
    void Combo6_Click();
    void Combo7_Click();
    void Combo8_Click();
    void Combo9_Click();
    void Combo10_Click();
    void Command1_Click();
    void Command2_Click();
    void HScroll1_Scroll();
    void VScroll1_Scroll();

    // The menu's outputs: the sheet as drawn last, at true size.
    void exportPdf();
    void exportPng();
    void printPreview();
    void printSheet();

    // The save dialog's file name: the name chosen last, offered again at the next save.
    QString CommonDialog1;

    // What a copybook takes from the main window at each redraw: where and how it prints its
    // character (throws StepFailed for a bad list text), and its current character.
    struct MainWindowLink {
        std::function<GlyphPlacement()> placement;
        std::function<QString()> currentCharacter;
    };
    void setMainWindowLink(MainWindowLink link);

    // The copybook (字帖): its settings dialog, and the sheet the canvas shows when the text
    // needs several (from 0).
    void openCopybookDialog();
    void showCopybookSheet(int sheet);
    int copybookSheet() const { return copybookSheet_; }
    int copybookSheetCount();
    // The copybook as the next redraw draws it; throws StepFailed where the main window's
    // lists do not read.
    const Copybook& copybook();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    void connectHandlers();
    void setCanvasSize(double width, double height);
    void updateCopybookReport();
    // The copybook's text as typed so far, drawn before an output prints the sheet.
    void applyTypedText();
    void updateCopybookMenu();
    // How the copybook meets its paper, on the dialog's 纸张 page; what is cut or left out goes
    // into `report`. Throws StepFailed for a layout text that is no number.
    void showPaperFit(QStringList& report);
    // Lays the sheet out in `columns` columns, as a pick in 列数 would.
    void useColumns(int columns);
    // Asks for a file name through the save dialog, starting from `name` and keeping the
    // choice there (`suffix` is added to a name that has none), asks once before replacing
    // the files that exist, writes the sheet as drawn last in `format`, all files or none,
    // and tells the user when that failed.
    void saveThroughDialog(const QString& filter, QString& name, const QString& suffix,
                           ExportFormat format);
    // Runs `work` on another thread with a progress dialog after half a second; false when the
    // user cancelled. A close meanwhile waits until it has ended.
    bool runBusy(const QString& label, const std::function<bool(const Progress&)>& work);

    std::shared_ptr<Prompts> prompts_;
    std::shared_ptr<GlyphCache> glyphs_;
    MainWindowLink mainWindow_;
    SheetModel model_;
    // The copybook of the model, built again only when what it is built from changes.
    std::optional<Copybook> copybook_;
    int copybookSheet_ = 0;
    CopybookDialog* copybookDialog_ = nullptr;
    QAction* previousSheet_ = nullptr;
    QAction* nextSheet_ = nullptr;
    // The sheet as drawn last, in print colours, which the menu's outputs print; nothing before
    // the first drawing.
    std::optional<SheetDocument> drawn_;
    // While an output is being written, and whether the window was closed meanwhile.
    bool busy_ = false;
    std::atomic<bool> closeWhenIdle_ = false;  // read by the output's thread
    // The names chosen last in the PDF and PNG dialogs.
    QString pdfFileName_;
    QString pngFileName_;
    // Picture2's Width and Height in twips as last set; the widget itself is whole pixels.
    double canvasWidth_ = 0;
    double canvasHeight_ = 0;

    // The ten parameters, in sheet units (counts excepted).
    PickList* Combo1;   // 宽度: cell width
    PickList* Combo2;   // 高度: cell height
    PickList* Combo3;   // 水平间距: gap between columns
    PickList* Combo4;   // 竖向间距: gap between rows
    PickList* Combo5;   // 列数: columns
    PickList* Combo6;   // 行数: rows
    PickList* Combo7;   // 左边距: left margin
    PickList* Combo8;   // 右边距: right margin
    PickList* Combo9;   // 顶边距: top margin
    PickList* Combo10;  // 底边距: bottom margin
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10;           // the lists' captions
    QLabel* Label11;        // 图布宽高比例
    QLineEdit* Text1;       // the canvas's width:height ratio, written by DrawSheet
    QPushButton* Command1;  // 保存字格: the sheet as BMP
    QPushButton* Command2;  // 退出
    QWidget* Picture1;      // the viewport
    PictureBox* Picture2;   // the canvas, inside the viewport
    QScrollBar* HScroll1;   // slides the canvas across the viewport
    QScrollBar* VScroll1;   // and down
    QMenuBar* menuBar_;
    QWidget* clientArea_;
};

}  // namespace zige
