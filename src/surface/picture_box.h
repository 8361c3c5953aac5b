#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>
#include <optional>

#include "surface/colors.h"

namespace zige {

// A drawing surface with a persistent image: drawing goes into the image, and the widget only
// shows it. Positions are twips from the top-left corner; the image is kept in device pixels
// so drawing stays crisp on high-density screens.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    enum DrawStyles { Solid = 0, Dot = 2, DashDot = 3 };
    enum FillStyles { FillSolid = 0, FillTransparent = 1 };

    explicit PictureBox(QWidget* parent = nullptr);

    // Pen and text state, read by the next drawing call.
    ColorValue BackColor = rgb(255, 255, 255);
    ColorValue ForeColor = 0;
    int DrawStyle = Solid;
    int DrawWidth = 1;  // logical pixels
    int FillStyle = FillTransparent;
    ColorValue FillColor = 0;
    QString FontName;
    float FontSize = 9;  // points
    bool FontBold = false;
    double CurrentX = 0;
    double CurrentY = 0;

    void Cls();
    void Line(float x1, float y1, float x2, float y2);
    void Line(float x1, float y1, float x2, float y2, ColorValue color);
    // The box form: a rectangle with these opposite corners, filled per FillStyle/FillColor.
    void LineBox(float x1, float y1, float x2, float y2);
    void LineBox(float x1, float y1, float x2, float y2, ColorValue color);
    // Prints `text` with the top-left of its cell at (CurrentX, CurrentY), with no background.
    void Print(const QString& text);
    void Refresh();

    // The drawn picture, with every pending stroke in it.
    const QImage& Image();
    // Gives the box (and its image) a new size in twips; throws StepFailed when the image
    // cannot be made that large. The image keeps what fits and fills the rest with BackColor.
    void setSizeTwips(double width, double height);
    double widthTwips() const;
    double heightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPainter& painter();
    void finishPainting();
    void resizeImage(QSize logicalSize);
    void strokeLine(float x1, float y1, float x2, float y2, ColorValue color);
    void strokeBox(float x1, float y1, float x2, float y2, ColorValue color);
    struct StrokeGrid;
    StrokeGrid strokeGrid() const;
    void applyPen(ColorValue color, int deviceWidth);

    struct PenKey {
        ColorValue color;
        int deviceWidth;
        int style;
        bool operator==(const PenKey&) const = default;
    };

    QImage image_;
    QPainter painter_;
    std::optional<PenKey> penKey_;  // the pen the painter holds
};

}  // namespace zige
