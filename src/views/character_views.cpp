// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/character_views.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

#include "canvas/canvas.h"
#include "core/numbers.h"
#include "views/grid_styles.h"

namespace zige {

namespace {

constexpr ColorValue kGridRed = rgb(255, 0, 0);
constexpr ColorValue kBandBlue = rgb(192, 192, 255);

// The grid box in twips, read from the list texts on first use.
class ViewGridBox {
public:
    explicit ViewGridBox(const ViewInputs& in) : in_(in) {}

    double x(Frac f) { return coordinate(f, &ViewGridBox::left, &ViewGridBox::width); }
    double y(Frac f) { return coordinate(f, &ViewGridBox::top, &ViewGridBox::height); }

private:
    // The near edge needs only the margin; the far edge is an overflow-checked integer sum.
    double coordinate(Frac f, std::int32_t (ViewGridBox::*margin)(),
                      std::int32_t (ViewGridBox::*size)()) {
        if (f == Frac::Zero) return (this->*margin)();
        if (f == Frac::One) return checkedAdd((this->*margin)(), (this->*size)());
        return (this->*margin)() + along((this->*size)(), f);
    }

    std::int32_t left() { return value(left_, in_.leftText); }
    std::int32_t top() { return value(top_, in_.topText); }
    std::int32_t width() { return value(width_, in_.widthText); }
    std::int32_t height() { return value(height_, in_.heightText); }

    static std::int32_t value(std::optional<std::int32_t>& cached, const QString& text) {
        if (!cached) cached = toInt32(text);
        return *cached;
    }

    const ViewInputs& in_;
    std::optional<std::int32_t> left_, top_, width_, height_;
};

void printCharacter(Canvas& view, const ViewInputs& in,
                    Canvas::TextReuse reuse = Canvas::TextReuse::Shared) {
    view.ForeColor = kSystemButtonText;
    view.FontSize = toSingle(in.sizeText);
    view.FontName = in.fontName;
    view.FontBold = false;
    view.CurrentX = kPrintPosition;
    view.CurrentY = kPrintPosition;
    view.Print(in.character, reuse);
    view.Refresh();
}

}  // namespace

void RefreshGridViews(const std::array<Canvas*, 3>& views, const ViewInputs& inputs) {
    ViewGridBox box(inputs);
    const GridStyle* const styles[] = {&kRiceGrid, &kNineSquareGrid, &kEightTrigramGrid};
    for (int i = 0; i < 3; ++i) {
        Canvas& view = *views[i];
        view.Cls();
        view.DrawStyle = Canvas::Solid;
        view.ForeColor = kGridRed;
        drawGrid(view, box, *styles[i]);
        printCharacter(view, inputs);
    }
}

void RefreshQuickView(Canvas& quick, const ViewInputs& inputs, Canvas::TextReuse reuse) {
    ViewGridBox box(inputs);
    // The far edges read all four box values; the font then checks the size.
    box.x(Frac::One);
    box.y(Frac::One);
    quick.FontSize = toSingle(inputs.sizeText);
    quick.printFont();

    const QuickGridPens pens{kGridRed, kBandBlue, 2, Canvas::DashDot};
    if (inputs.overlay) {
        drawQuickGrid(quick, box, pens);
    } else {
        // Cleared, the grid is the same under every character while its box stays.
        const double edges[] = {box.x(Frac::Zero), box.y(Frac::Zero), box.x(Frac::One),
                                box.y(Frac::One)};
        quick.drawRemembered(QByteArray(reinterpret_cast<const char*>(edges), sizeof edges), [&] {
            quick.Cls();
            drawQuickGrid(quick, box, pens);
        });
    }
    printCharacter(quick, inputs, reuse);
}

void RefreshViews(const std::array<Canvas*, 4>& views, const ViewInputs& inputs) {
    RefreshGridViews({views[0], views[1], views[2]}, inputs);
    RefreshQuickView(*views[3], inputs, Canvas::TextReuse::Shared);
}

}  // namespace zige
