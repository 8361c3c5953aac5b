// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/copybook_command.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>

#include "canvas/canvas.h"
#include "canvas/glyph_cache.h"
#include "cli/model_options.h"
#include "cli/school_options.h"
#include "cli/table_options.h"
#include "core/step_failed.h"
#include "core/twips.h"
#include "export/print_image.h"
#include "export/sheet_export.h"
#include "sheet_drawing/paper_fit.h"
#include "sheet_drawing/practice_notes.h"
#include "sheet_drawing/sheet_model.h"
#include "text/practice_text.h"
#include "text/text_file.h"

namespace zige {

namespace {

constexpr int kWritten = 0, kFailed = 1, kUsage = 2, kInterrupted = 130;
// PNG resolutions: from the screen's, as fine as a page of a few hundred megabytes.
constexpr int kLowestDpi = 96, kHighestDpi = 1200;

void printError(const QString& text) {
    std::fputs(qPrintable(QStringLiteral("zige copybook: ") + text + QLatin1Char('\n')), stderr);
}

QString helpText(const QList<ModelOption>& options,
                 const QList<std::pair<QString, QString>>& textOptions) {
    QString text = QStringLiteral(
        "用法：zige copybook [选项] [文字] -o 文件\n"
        "不打开窗口，把字帖写成文件：每个字占一行，先是范字，再是描红，然后是空格。\n"
        "文件格式由扩展名决定：.pdf 是矢量文件，所有页都在一个文件里；.png 和 .bmp 每页一个文件\n"
        "（name.png、name-2.png……），PNG 的分辨率见 --dpi，BMP 是 96 dpi。\n"
        "不给文字时写空白字格。字体里没有的字用别的字体显示，没有字体能显示的字和控制字符\n"
        "略去不写，都在标准错误输出中说明。\n"
        "\n"
        "退出状态：0 已写好；1 无法读写文件或没有中文字体；2 用法错误。\n"
        "\n"
        "文字：\n"
        "  文字                      要练习的字；也可以用 --file 从文件读\n"
        "\n"
        "选项：\n");
    // Names in a column 26 wide, descriptions wrapped at 80, where a hanzi takes two columns.
    const auto width = [](QStringView text) {
        qsizetype columns = 0;
        for (const char32_t c : text.toUcs4()) columns += c >= 0x1100 ? 2 : 1;
        return columns;
    };
    const auto line = [&](const QString& names, const QString& description) {
        constexpr qsizetype kIndent = 28, kWidth = 80;
        QString row = QStringLiteral("  ") + names;
        row += QString(std::max<qsizetype>(1, kIndent - width(row)), QLatin1Char(' '));
        if (width(row) > kIndent) row += QLatin1Char('\n') + QString(kIndent, QLatin1Char(' '));
        // Lines break after punctuation or a space, never inside a name or a number.
        qsizetype used = kIndent;
        for (qsizetype start = 0, end; start < description.size(); start = end) {
            end = start;
            while (end < description.size() &&
                   !QStringLiteral("、，：；。 ").contains(description[end]))
                ++end;
            end = std::min(end + 1, description.size());
            const QStringView piece = QStringView(description).sliced(start, end - start);
            if (used > kIndent && used + width(piece) > kWidth) {
                row += QLatin1Char('\n') + QString(kIndent, QLatin1Char(' '));
                used = kIndent;
            }
            row += piece;
            used += width(piece);
        }
        text += row + QLatin1Char('\n');
    };
    line(QStringLiteral("-o, --output <文件>"), QStringLiteral("写到这个文件（必需）"));
    line(QStringLiteral("--file <文件>"),
         QStringLiteral("从文本文件（UTF-8 或 GB18030）读要练习的字；“-”是标准输入；"
                        "不是汉字的字符略去"));
    for (const auto& [names, description] : textOptions) line(names, description);
    line(QStringLiteral("--dpi <数>"), QStringLiteral("PNG 的分辨率，%1 到 %2，默认 %3")
                                           .arg(kLowestDpi)
                                           .arg(kHighestDpi)
                                           .arg(kPrintDpi));
    line(QStringLiteral("--quiet"), QStringLiteral("在终端上也不显示进度"));
    for (const ModelOption& o : options) {
        QString names = QStringLiteral("--") + o.names.join(QStringLiteral(", --"));
        if (!o.valueName.isEmpty()) names += QStringLiteral(" <%1>").arg(o.valueName);
        line(names, o.defaultValue.isEmpty()
                        ? o.description
                        : QStringLiteral("%1，默认 %2").arg(o.description, o.defaultValue));
    }
    line(QStringLiteral("-h, --help"), QStringLiteral("显示这份帮助"));
    return text;
}

// The practice text from a file, "-" for standard input; nothing when it cannot be read.
std::optional<QString> readText(const QString& path, QString& failure) {
    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        failure = QStringLiteral("无法读取“%1”：%2").arg(path, file.errorString());
        return std::nullopt;
    }
    const std::optional<QString> text = decodeTextFile(file.readAll());
    if (!text) failure = QStringLiteral("“%1”既不是 UTF-8 也不是 GB18030 文本").arg(path);
    return text;
}

volatile std::sig_atomic_t interrupted = 0;

// A progress line on a terminal, redrawn at most ten times a second.
class ProgressLine {
public:
    explicit ProgressLine(bool shown) : shown_(shown && ::isatty(STDERR_FILENO)) { clock_.start(); }
    ~ProgressLine() {
        if (drawn_) std::fputs("\n", stderr);
    }
    bool operator()(int done, int total) {
        if (shown_ && (done == total || clock_.elapsed() >= next_)) {
            next_ = clock_.elapsed() + 100;
            std::fputs(qPrintable(QStringLiteral("\r正在写第 %1/%2 页").arg(done).arg(total)),
                       stderr);
            drawn_ = true;
        }
        return !interrupted;
    }

private:
    bool shown_;
    bool drawn_ = false;
    qint64 next_ = 500;  // a short output shows no line at all
    QElapsedTimer clock_;
};

}  // namespace

int runCopybookCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("file"));
    const QCommandLineOption file(QStringLiteral("file"), QString(), QStringLiteral("file"));
    const QCommandLineOption dpi(QStringLiteral("dpi"), QString(), QStringLiteral("dpi"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QString());
    parser.addOptions({help, output, file, dpi, quiet});
    const TableOptions table;
    parser.addOptions(table.options());
    const QList<ModelOption> options = modelOptions();
    for (const ModelOption& o : options)
        parser.addOption(o.valueName.isEmpty()
                             ? QCommandLineOption(o.names, o.description)
                             : QCommandLineOption(o.names, o.description, o.valueName));
    const auto usage = [](const QString& text) {
        printError(text + QStringLiteral("（zige copybook --help 有说明）"));
        return kUsage;
    };
    if (!parser.parse(arguments)) return usage(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText(options, table.help())), stdout);
        return kWritten;
    }

    SheetModel model;
    for (const ModelOption& o : options) {
        if (!parser.isSet(o.names.first())) continue;
        const QStringList values =
            o.valueName.isEmpty() ? QStringList{QString()} : parser.values(o.names.first());
        for (const QString& value : values)
            if (const QString error = o.apply(model, value); !error.isEmpty())
                return usage(QStringLiteral("--%1 %2").arg(o.names.first(), error));
    }
    if (!parser.isSet(output)) return usage(QStringLiteral("缺少 -o 文件"));
    const QString path = parser.value(output);
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format)
        return usage(
            QStringLiteral("不知道“%1”要写成什么格式：扩展名要 .pdf、.png 或 .bmp").arg(path));
    double pngDpi = kPrintDpi;
    if (parser.isSet(dpi)) {
        bool ok = false;
        const int value = parser.value(dpi).toInt(&ok);
        if (!ok || value < kLowestDpi || value > kHighestDpi)
            return usage(
                QStringLiteral("--dpi %1")
                    .arg(notAllowed(
                        parser.value(dpi),
                        QStringLiteral("要 %1 到 %2 的整数").arg(kLowestDpi).arg(kHighestDpi))));
        pngDpi = value;
    }
    const QStringList words = parser.positionalArguments();
    if (!words.isEmpty() && parser.isSet(file))
        return usage(QStringLiteral("要练习的字只能来自参数或 --file，不能两者都给"));
    model.copybook.text = words.join(QLatin1Char('\n'));
    if (parser.isSet(file)) {
        QString failure;
        const std::optional<QString> text = readText(parser.value(file), failure);
        if (!text) return printError(failure), kFailed;
        const HanziOnly kept = keepHanzi(*text);
        model.copybook.text = kept.text;
        if (!kept.leftOut.isEmpty()) printError(leftOutNote(kept.leftOut));
    }
    QString tableNote;
    if (const QString error = table.apply(parser, model.copybook.text, tableNote); !error.isEmpty())
        return usage(error);
    if (!tableNote.isEmpty()) printError(tableNote);

    // The sheet must be one that can be drawn, and as an image one that fits in memory.
    SheetLayout sheet;
    try {
        sheet = model.layout();
        sheet.across.extentUnits();
        sheet.down.extentUnits();
    } catch (const StepFailed&) {
        return usage(QStringLiteral("字格的尺寸太大"));
    }
    if (sheet.cells() > kMaxSheetCells)
        return usage(QStringLiteral("一页最多 %1 个字格").arg(kMaxSheetCells));
    // A PDF page is cut at the paper's edge; an image holds the whole sheet.
    if (const QString problem = paperProblem(model);
        !problem.isEmpty() && (*format == ExportFormat::Pdf || inMillimetres(model)))
        return usage(problem);
    if (*format != ExportFormat::Pdf) {
        const double pageDpi = imageDpi(*format, pngDpi);
        const auto pixels = [&](const SheetAxis& a) {
            return qint64(a.extentTwips() * pageDpi / kTwipsPerInch + 0.5);
        };
        if (!RasterCanvas::fits(QSize(int(std::min<qint64>(pixels(sheet.across), 1 << 30)),
                                      int(std::min<qint64>(pixels(sheet.down), 1 << 30)))))
            return usage(QStringLiteral("%1 dpi 的图片太大").arg(pageDpi));
    }
    if (GlyphCache().family(model.placement.fontName).isEmpty())
        return printError(QStringLiteral(
                   "没有安装中文字体（Debian：fonts-arphic-ukai、fonts-arphic-uming 或 "
                   "fonts-wqy-zenhei）")),
               kFailed;

    const Copybook book = buildCopybook(model);
    for (const QString& line : book.report.lines()) printError(line);
    const SheetDocument document = sheetDocument(sheet, book, model.colors);
    const auto previous = std::signal(SIGINT, [](int) { interrupted = 1; });
    ExportResult result;
    {
        ProgressLine progress(!parser.isSet(quiet));
        result = exportDocument(document, *format, path, pngDpi, std::ref(progress));
    }
    std::signal(SIGINT, previous);
    if (result.cancelled) return printError(QStringLiteral("已中断，没有写任何文件")), kInterrupted;
    if (!result.written())
        return printError(QStringLiteral("无法写入“%1”：%2").arg(result.failedPath, result.reason)),
               kFailed;
    return kWritten;
}

}  // namespace zige
