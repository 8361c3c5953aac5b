// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>

#include "canvas/colors.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/school_settings.h"

namespace zige {

inline constexpr Named<PaperSize> kPaperSizes[] = {
    {PaperSize::A4, QLatin1String("A4"), u"A4 纸"},
    {PaperSize::A3, QLatin1String("A3"), u"A3 纸"},
    {PaperSize::A5, QLatin1String("A5"), u"A5 纸"},
    {PaperSize::B5, QLatin1String("B5"), u"B5 纸"},
    {PaperSize::Letter, QLatin1String("Letter"), u"美国信纸"},
};
inline constexpr Named<GridColor> kGridColors[] = {
    {GridColor::Red, QLatin1String("red"), u"红色"},
    {GridColor::Green, QLatin1String("green"), u"绿色"},
    {GridColor::Black, QLatin1String("black"), u"黑色"},
    {GridColor::Grey, QLatin1String("grey"), u"灰色"},
};
inline constexpr Named<TraceStyle> kTraceStyles[] = {
    {TraceStyle::Fill, QLatin1String("fill"), u"描红，浅色实心"},
    {TraceStyle::Outline, QLatin1String("outline"), u"空心，只描轮廓"},
    {TraceStyle::Both, QLatin1String("both"), u"浅色实心加轮廓"},
};
inline constexpr Named<GlyphFit> kGlyphFits[] = {
    {GlyphFit::GridBox, QLatin1String("grid-box"), u"按字格定义"},
    {GlyphFit::Centred, QLatin1String("centre"), u"居中"},
};
inline constexpr Named<Preset> kPresets[] = {
    {Preset::FirstGrade, QLatin1String("grade1"), u"一年级字帖"},
    {Preset::Adult, QLatin1String("adult"), u"成人练字"},
};

// The paper as Qt knows it (B5 is ISO B5, 176 x 250 mm, the B5 of Chinese stationery).
QPageSize pageSize(PaperSize paper);
// The paper's width and height in millimetres, turned as the settings ask.
QSizeF paperMillimetres(const SchoolSettings& s);
// How the paper is named to the user: "A4 纵向".
QString paperName(const SchoolSettings& s);
// The colour value of a grid colour.
ColorValue gridColorValue(GridColor color);
// Sets everything `preset` decides; the practice text and the rest stay.
void applyPreset(Preset preset, CopybookSettings& settings);

}  // namespace zige
