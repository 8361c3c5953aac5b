// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "canvas/canvas.h"

namespace zige {

class GlyphCache;

// A control that shows a canvas's persistent image. The canvas follows the control's size and
// device pixel ratio; drawing goes through canvas(), and painting only copies the image.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr, std::shared_ptr<GlyphCache> glyphs = nullptr);

    // The canvas, its image sized to the control as it stands now.
    RasterCanvas& canvas();
    const QImage& Image() { return canvas().Image(); }

    // Whether a canvas of this size in twips can be made at the control's device pixel ratio.
    bool fitsTwips(double width, double height) const;
    // Gives the control and its canvas a new size in twips; throws StepFailed, changing
    // nothing, when the canvas cannot be made that large.
    void setSizeTwips(double width, double height);
    double widthTwips() const;
    double heightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize deviceSize(QSize logical) const;

    RasterCanvas canvas_;
};

}  // namespace zige
