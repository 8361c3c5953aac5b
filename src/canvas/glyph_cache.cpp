// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/glyph_cache.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "core/twips.h"

namespace zige {

namespace {

QString firstFamilyContaining(const QStringList& families, const QStringList& words) {
    for (const QString& word : words)
        for (const QString& family : families)
            if (family.contains(word, Qt::CaseInsensitive)) return family;
    return {};
}

QString installedChineseFamily() {
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    QString family = firstFamilyContaining(
        families, {QStringLiteral("UKai CN"), QStringLiteral("Kai"), QStringLiteral("楷")});
    if (family.isEmpty())
        family =
            firstFamilyContaining(families, {QStringLiteral("UMing CN"), QStringLiteral("Ming"),
                                             QStringLiteral("Song"), QStringLiteral("宋")});
    return family;
}

}  // namespace

QString GlyphCache::family(const QString& fontName) {
    if (!fontName.isEmpty()) return fontName;
    if (!fallbackFamily_) fallbackFamily_ = installedChineseFamily();
    return *fallbackFamily_;
}

bool GlyphCache::isInstalled(const QString& family) {
    if (!installed_ || installed_->first != family)
        installed_.emplace(
            family, QFontInfo(QFont(family)).family().compare(family, Qt::CaseInsensitive) == 0);
    return installed_->second;
}

const QRawFont& GlyphCache::rawFont(const QString& family) {
    // Whether the face itself has a glyph depends on the face, not the size.
    if (family != rawFamily_ || !raw_.isValid()) {
        rawFamily_ = family;
        raw_ = QRawFont::fromFont(QFont(family));
    }
    return raw_;
}

namespace {

// `text` laid out as the platform draws it, each run in the face that has its glyphs.
QList<QGlyphRun> glyphRuns(const QString& family, const QString& text) {
    QTextLayout layout(text, QFont(family));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

}  // namespace

QString GlyphCache::familyDrawing(const QString& family, const QString& character) {
    const QRawFont& raw = rawFont(family);
    const char32_t ucs4 = character.toUcs4().value(0);
    if (raw.isValid() && raw.supportsCharacter(ucs4)) return raw.familyName();
    // The platform falls back to another face: lay the text out to see which.
    const QList<QGlyphRun> runs = glyphRuns(family, character);
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

bool GlyphCache::canDraw(const QString& family, const QString& text) {
    const QList<uint> codes = text.toUcs4();
    const QRawFont& raw = rawFont(family);
    if (codes.size() == 1 && raw.isValid() && raw.supportsCharacter(codes[0])) return true;
    // Glyph 0 is the box a face draws for a character that no face has.
    const QList<QGlyphRun> runs = glyphRuns(family, text);
    return !runs.isEmpty() && std::none_of(runs.begin(), runs.end(), [](const QGlyphRun& run) {
        const QList<quint32> glyphs = run.glyphIndexes();
        return glyphs.isEmpty() || glyphs.contains(0);
    });
}

const TextStamp& GlyphCache::stamp(const TextStamp::Request& request) {
    if (!lastRequest_ || !(*lastRequest_ == request)) {
        lastStamp_.emplace(request);
        lastRequest_ = request;
    }
    return *lastStamp_;
}

void GlyphCache::clear() {
    fallbackFamily_.reset();
    installed_.reset();
    rawFamily_.clear();
    raw_ = QRawFont();
    lastRequest_.reset();
    lastStamp_.reset();
}

TextStamp::TextStamp(const Request& request) {
    const qreal dpr = request.devicePixelRatio;
    // Measure on a device of the same kind and resolution as the views' images.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.setDevicePixelRatio(dpr);
    const QFontMetricsF metrics(request.font, &probe);

    const QPointF baseline(pixelsFromTwips(request.xTwips),
                           pixelsFromTwips(request.yTwips) + metrics.ascent());
    // Glyphs may reach beyond their advance box (italic overhangs, antialiasing): pad generously.
    const QRectF ink = metrics.boundingRect(request.text).translated(baseline);
    const qreal pad = 2 + metrics.height() / 4;
    const QRectF logical = ink.adjusted(-pad, -pad, pad, pad);
    const QRect device(
        QPoint(int(std::floor(logical.left() * dpr)), int(std::floor(logical.top() * dpr))),
        QPoint(int(std::ceil(logical.right() * dpr)), int(std::ceil(logical.bottom() * dpr))));

    deviceOrigin_ = device.topLeft();
    image_ = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
    if (image_.isNull()) return;
    image_.setDevicePixelRatio(dpr);
    image_.fill(Qt::transparent);
    QPainter painter(&image_);
    painter.setFont(request.font);
    painter.setPen(request.color);
    // Shift by whole device pixels through the transform and keep the text's own coordinates,
    // so the glyph outlines land on exactly the same sub-pixel positions as drawn in place.
    painter.translate(-QPointF(deviceOrigin_) / dpr);
    painter.drawText(baseline, request.text);
}

}  // namespace zige
