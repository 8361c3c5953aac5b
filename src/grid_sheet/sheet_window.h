#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

#include "sheet_drawing/sheet_layout.h"
#include "ui/pick_list.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace zige {

class PictureBox;
class Prompts;

// The grid sheet window 生成速成宝格 (object name "suchengge"): ten parameter lists, a
// scrollable view of the sheet they describe, and saving that sheet as a BMP file.
class SheetWindow : public QWidget {
    Q_OBJECT

public:
    explicit SheetWindow(std::shared_ptr<Prompts> prompts, QWidget* parent = nullptr);

    // Centres the window and fills the ten lists with their defaults; draws nothing.
    void Form_Load();

    // Fits the viewport to the window, redraws the sheet and re-arms the scroll bars. Runs on
    // every resize and on every pick in a list; a failing statement is skipped.
    void Form_Resize();

    // Sizes the canvas from the ten lists and draws every cell; throws StepFailed at the first
    // failing step (a bad list text, an overflow, a canvas too large to make).
    void DrawSheet();

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

    // The save dialog's file name: the name chosen last, offered again at the next save.
    QString CommonDialog1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void setCanvasSize(double width, double height);
    // One direction of the sheet from its five lists; throws StepFailed for a bad text.
    static SheetAxis readAxis(const QComboBox* count, const QComboBox* size, const QComboBox* gap,
                              const QComboBox* before, const QComboBox* after);
    QImage sheetImageAt96Dpi();

    std::shared_ptr<Prompts> prompts_;
    // Picture2's Width and Height in twips as last set; the widget itself is whole pixels.
    double canvasWidth_ = 0;
    double canvasHeight_ = 0;

    PickList *Combo1, *Combo2, *Combo3, *Combo4, *Combo5, *Combo6, *Combo7, *Combo8, *Combo9,
        *Combo10;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11;
    QLineEdit* Text1;
    QPushButton *Command1, *Command2;
    QWidget* Picture1;
    PictureBox* Picture2;
    QScrollBar *HScroll1, *VScroll1;
};

}  // namespace zige
