// The grid sheet window driven headless: the sheet on the canvas image, refused values, the
// view and its scroll bars, saving as BMP, and opening it from the main window.
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <csignal>

#include "canvas/colors.h"
#include "grid_sheet/sheet_window.h"
#include "main_window/main_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

using namespace zige;
using namespace zige::test;
using Texts = QStringList;                        // list name, text, list name, text, ...
constexpr int Refused = 0, Blank = 1, Drawn = 2;  // what a redraw does to the sheet

namespace {

bool isPen(QRgb c) {
    return (c & 0xFFFFFF) == (resolveColor(kSystemActiveCaption).rgb() & 0xFFFFFF);
}
bool isYellow(QRgb c) { return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 192; }
bool isInk(QRgb c) { return !isWhite(c); }
int px(double twips) { return int(std::lround(twips / 15)); }

// Pen pixels in `region` within a pixel of the segment a-b (in twips), and those elsewhere.
std::pair<int, int> penNearSegment(const QImage& image, QRect region, QPointF a, QPointF b) {
    int on = 0, off = 0;
    a /= 15, b /= 15;
    const QPointF d = b - a;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (isPen(at(image, x, y)))
                ++(std::fabs(d.x() * (y - a.y()) - d.y() * (x - a.x())) /
                               std::hypot(d.x(), d.y()) <=
                           1
                       ? on
                       : off);
    return {on, off};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the save dialog after wandering off to another folder, as a user browsing would.
class WanderingPrompts : public ScriptedPrompts {
public:
    std::function<void()> chosen;  // runs once, as the next dialog returns
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                        const QString& start) override {
        QDir::setCurrent(QDir::tempPath());
        if (chosen) std::exchange(chosen, nullptr)();
        return ScriptedPrompts::saveFileName(parent, filter, start);
    }
};

}  // namespace

class GridSheetTest : public QObject {
    Q_OBJECT

    std::shared_ptr<WanderingPrompts> prompts;
    std::unique_ptr<SheetWindow> window;
    std::unique_ptr<QTemporaryDir> folder;

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return window->findChild<T*>(name);
    }
    PictureBox* canvas() const { return control<PictureBox>("Picture2"); }
    QImage image() const { return canvas()->Image(); }
    QString ratio() const { return control<QLineEdit>("Text1")->text(); }
    QScrollBar* bar(const char* name) const { return control<QScrollBar>(name); }
    // Types into lists, then picks in the last one: the redraw reads every list afresh.
    void typeAndPick(const Texts& texts) {
        for (int i = 0; i < texts.size(); i += 2)
            control<QComboBox>(texts[i])->setEditText(texts[i + 1]);
        QComboBox* picked = control<QComboBox>(texts[texts.size() - 2]);
        emit picked->activated(picked->currentIndex());
    }
    static void drag(QScrollBar* scrollBar, int value) {
        scrollBar->setSliderDown(true);
        scrollBar->setSliderPosition(value);
        scrollBar->setSliderDown(false);
    }
    QString path(const QString& name) const { return folder->filePath(name); }
    void checkHome() const {
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        prompts = std::make_shared<WanderingPrompts>();
        window = std::make_unique<SheetWindow>(prompts);
        window->Form_Load();
        QVERIFY(ratio().isEmpty());  // loading draws nothing; the first resize does
        window->show();
    }
    void cleanup() { window.reset(); }

    void defaultSheet() {
        const QImage sheet = image();
        QCOMPARE(canvas()->size(), QSize(794, 1121));  // 11907 x 16813.125 twips
        QCOMPARE(sheet.size(), QSize(794, 1121));
        QCOMPARE(ratio(), QStringLiteral("0.708"));
        // Cells 661.5 twips square, 716.625 apart, the first at (1102.5, 992.25): solid borders
        // in the pen colour, empty gaps, the last borders at 11080.125 and 15986.25.
        for (int i = 0; i < 14; ++i) {
            const int left = px(1102.5 + 716.625 * i), right = px(1764 + 716.625 * i);
            for (int j = 0; j < 21; ++j) {
                const int top = px(992.25 + 716.625 * j), bottom = px(1653.75 + 716.625 * j);
                for (double share : {shareOnColumn(sheet, left, top, bottom, isPen),
                                     shareOnColumn(sheet, right, top, bottom, isPen),
                                     shareOnRow(sheet, top, left, right, isPen),
                                     shareOnRow(sheet, bottom, left, right, isPen)})
                    QCOMPARE(share, 1.0);
                if (j < 20) QCOMPARE(shareOnRow(sheet, bottom + 2, 0, 793, isInk), 0.0);
            }
            if (i < 13) QCOMPARE(shareOnColumn(sheet, right + 2, 0, 1120, isInk), 0.0);
        }
        for (const QRect& margin : {QRect(0, 0, 74, 1121), QRect(740, 0, 54, 1121),
                                    QRect(0, 0, 794, 66), QRect(0, 1067, 794, 54)})
            QCOMPARE(countPixels(sheet.copy(margin), isInk), 0);
    }

    // The quick-grid pattern inside a cell of any proportions.
    void cellPattern() {
        for (auto [w, h] : {std::pair{12, 12}, {12, 18}, {30, 20}}) {
            typeAndPick({"Combo1", QString::number(w), "Combo2", QString::number(h)});
            const QImage sheet = image();
            const double x = 1102.5, y = 992.25, W = w * 55.125, H = h * 55.125;
            const int x0 = px(x), y0 = px(y), x1 = px(x + W), y1 = px(y + H), xa = px(x + W / 3),
                      xb = px(x + W / 3 * 2);
            QCOMPARE(shareOnColumn(sheet, px(x + W / 2), y0, y1, isPen), 1.0);  // solid cross
            QCOMPARE(shareOnRow(sheet, px(y + H / 2), x0, x1, isPen), 1.0);
            for (double share : {shareOnColumn(sheet, xa, y0 + 1, y1 - 1, isPen),
                                 shareOnColumn(sheet, xb, y0 + 1, y1 - 1, isPen),
                                 shareOnRow(sheet, px(y + H / 3), x0 + 1, x1 - 1, isPen),
                                 shareOnRow(sheet, px(y + H / 3 * 2), x0 + 1, x1 - 1, isPen)})
                QVERIFY2(share > 0.3 && share < 0.75, "dotted thirds");
            // The band between the thirds is light yellow under the lines, and nothing else is.
            const QRect band(QPoint(xa + 1, y0 + 1), QPoint(xb - 1, y1 - 1));
            QVERIFY(countPixels(sheet.copy(band), isYellow) > band.width() * band.height() * 3 / 4);
            QCOMPARE(countPixels(sheet.copy(QRect(QPoint(x0, y0), QPoint(x1, y1))), isYellow),
                     countPixels(sheet.copy(band.adjusted(-1, 0, 1, 0)), isYellow));
            // Dotted corner cuts, the top ones at 3/10 and the bottom ones at 1/4 of each axis.
            const QRect topLeft(QPoint(x0 + 1, y0 + 1), QPoint(xa - 1, px(y + H / 3) - 1));
            const QRect bottomRight(QPoint(xb + 1, px(y + H / 3 * 2) + 1), QPoint(x1 - 1, y1 - 1));
            for (auto [on, off] :
                 {penNearSegment(sheet, topLeft, {x, y + 0.3 * H}, {x + 0.3 * W, y}),
                  penNearSegment(sheet, bottomRight, {x + 0.75 * W, y + H},
                                 {x + W, y + 0.75 * H})}) {
                QCOMPARE(off, 0);
                QVERIFY(on >= 3);
            }
        }
    }

    // Sizes, counts and gaps, including none at all, and what is refused: a failing step leaves
    // the drawing and the ratio, a failing height still takes the new width, and the rest of
    // the resize runs. The bound: 32767 device pixels a side, 64 Mi pixels in all, 40000 cells.
    void redraws_data() {
        QTest::addColumn<Texts>("texts");  // the last list named is the one picked
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("expectedRatio");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QPointF>(
            "cell22");  // top-left of the second cell of the second column, twips
        const QPointF none(-1, -1);
        QTest::newRow("13.5 is 14") << Texts{"Combo1", "13.5"} << QSize(897, 1121) << "0.8" << Drawn
                                    << QPointF(1929.375, 1708.875);
        QTest::newRow("whole ratio") << Texts{"Combo6", "14", "Combo9", "20"} << QSize(794, 794)
                                     << "1." << Drawn << QPointF(1819.125, 1819.125);
        QTest::newRow("no columns") << Texts{"Combo5", "0"} << QSize(125, 1121) << "0.111" << Blank
                                    << none;  // margins less a gap
        QTest::newRow("no rows") << Texts{"Combo6", "0"} << QSize(794, 118) << "6.75" << Blank
                                 << none;
        QTest::newRow("one column")
            << Texts{"Combo5", "1"} << QSize(173, 1121) << "0.154" << Drawn << none;
        QTest::newRow("no gap") << Texts{"Combo3", "0"} << QSize(746, 1121) << "0.666" << Drawn
                                << QPointF(1764, 1708.875);
        QTest::newRow("gaps apart") << Texts{"Combo3", "0", "Combo4", "3"} << QSize(746, 1268)
                                    << "0.588" << Drawn << QPointF(1764, 1819.125);
        QTest::newRow("empty") << Texts{"Combo7", ""} << QSize(794, 1121) << "0.708" << Refused
                               << none;
        QTest::newRow("product overflow") << Texts{"Combo1", "2000000", "Combo5", "2000"}
                                          << QSize(794, 1121) << "0.708" << Refused << none;
        QTest::newRow("negative") << Texts{"Combo8", "-1000"} << QSize(794, 1121) << "0.708"
                                  << Refused << none;
        QTest::newRow("bad height") << Texts{"Combo1", "20", "Combo10", ""} << QSize(1205, 1121)
                                    << "0.708" << Refused << none;
        QTest::newRow("32770 wide") << Texts{"Combo5", "1", "Combo1", "8882"} << QSize(794, 1121)
                                    << "0.708" << Refused << none;
        QTest::newRow("32766 wide") << Texts{"Combo5", "1", "Combo1", "8881"} << QSize(32766, 1121)
                                    << "29.233" << Drawn << none;
        QTest::newRow("over 64 Mi pixels")
            << Texts{"Combo5", "1", "Combo1", "4423", "Combo6", "1", "Combo2", "1082"}
            << QSize(16383, 1121) << "0.708" << Refused << none;
        QTest::newRow("40401 cells")
            << Texts{"Combo1", "1", "Combo2", "1", "Combo5", "201", "Combo6", "201"}
            << QSize(1602, 1121) << "0.708" << Refused << none;
        QTest::newRow("40000 cells")
            << Texts{"Combo1", "1", "Combo2", "1", "Combo5", "200", "Combo6", "200"}
            << QSize(1595, 1588) << "1.005" << Drawn << none;
    }
    void redraws() {
        QFETCH(Texts, texts);
        QFETCH(int, outcome);
        QFETCH(QPointF, cell22);
        drag(bar("HScroll1"), 30);
        const QImage before = image();
        typeAndPick(texts);
        QTEST(canvas()->size(), "size");
        QTEST(ratio(), "expectedRatio");
        QCOMPARE(canvas()->pos(), QPoint(0, 0));
        QCOMPARE(bar("HScroll1")->value(), 0);
        const QImage sheet = image();
        if (outcome == Refused)
            QCOMPARE(sheet.copy(0, 0, 794, 1121), before);
        else
            QCOMPARE(countPixels(sheet, isInk) > 0, outcome == Drawn);
        if (cell22.x() > 0) {
            const int x = px(cell22.x()), y = px(cell22.y());
            QCOMPARE(
                shareOnRow(sheet, y, x, x + 10, isPen) + shareOnColumn(sheet, x, y, y + 10, isPen),
                2.0);
            QCOMPARE(shareOnRow(sheet, y - 2, x + 1, x + 10, isInk) +
                         shareOnColumn(sheet, x - 2, y + 1, y + 10, isInk),
                     0.0);
        }
    }

    void viewport_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("viewport");
        QTest::addColumn<int>("hPage");
        QTest::addColumn<int>("vPage");
        // 9420 x 6660 twips: 100 x 9420 / 2487 and 100 x 6660 / 10153.125.
        QTest::newRow("design") << QSize(653, 521) << QRect(4, 56, 628, 444) << 379 << 66;
        QTest::newRow("wider than the sheet")
            << QSize(1000, 521) << QRect(4, 56, 975, 444) << 32767 << 66;
        QTest::newRow("page above 32767")
            << QSize(653, 1197) << QRect(4, 56, 628, 1120) << 379 << 32767;
        QTest::newRow("too small") << QSize(20, 40) << QRect(4, 56, 628, 444) << 379 << 66;
    }
    void viewport() {
        QFETCH(QSize, client);
        QFETCH(QRect, viewport);
        drag(bar("HScroll1"), 70);
        control<QComboBox>("Combo6")->setEditText(QStringLiteral("20"));
        QCOMPARE(canvas()->height(), 1121);  // typing alone waits for the next redraw
        const QSize menuBar(0, control("clientArea")->y());  // the client area lies below it
        window->resize(client + menuBar + QSize(1, 1));
        window->resize(client + menuBar);
        QCOMPARE(control("Picture1")->geometry(), viewport);
        QCOMPARE(canvas()->size(), QSize(794, 1073));  // redrawn even when the viewport is kept
        QCOMPARE(canvas()->pos(), QPoint(0, 0));
        control<QComboBox>("Combo6")->setEditText(QStringLiteral("21"));
        window->Form_Resize();
        QCOMPARE(bar("VScroll1")->geometry(),
                 QRect(viewport.right() + 1, 56, 17, viewport.height()));
        QCOMPARE(bar("HScroll1")->geometry(),
                 QRect(4, viewport.bottom() + 1, viewport.width(), 17));
        QTEST(bar("HScroll1")->pageStep(), "hPage");
        QTEST(bar("VScroll1")->pageStep(), "vPage");
    }

    // Typed text waits for a pick or a resize, also when editing ends on the text of an entry; a
    // pick from the popup, an arrow key or the wheel redraws at once (from 14 columns to 15).
    void onlyAPickRedraws_data() {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expectedRatio");
        for (const char* end : {"Return", "Tab", "focus elsewhere"})
            QTest::newRow(end) << end << "0.708";
        for (const char* pick : {"Down", "wheel", "popup"}) QTest::newRow(pick) << pick << "0.751";
    }
    void onlyAPickRedraws() {
        QFETCH(QString, after);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* columns = control<QComboBox>("Combo5");
        columns->setFocus();
        columns->lineEdit()->selectAll();
        QTest::keyClicks(columns, "30");
        if (after == "Return") QTest::keyClick(columns, Qt::Key_Return);
        if (after == "Tab") QTest::keyClick(columns, Qt::Key_Tab);
        if (after == "focus elsewhere") control("Combo6")->setFocus();
        if (after == "Down") QTest::keyClick(columns, Qt::Key_Down);
        if (after == "wheel") {
            QWheelEvent wheel({5, 5}, columns->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                              Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(columns, &wheel);
        }
        if (after == "popup") {
            columns->showPopup();
            QTest::keyClick(columns->view(), Qt::Key_Down);
            QTest::keyClick(columns->view(), Qt::Key_Return);
        }
        QTEST(ratio(), "expectedRatio");
    }

    void scrollingFollowsOnlyTheThumb() {
        QScrollBar *h = bar("HScroll1"), *v = bar("VScroll1");
        // Thumbs at 100 put the canvas's far edges on the viewport's; 50 shows the middle.
        for (auto [b, value, position] : {std::tuple{h, 100, QPoint(628 - 794, 0)},
                                          {h, 50, QPoint(-83, 0)},
                                          {v, 100, QPoint(-83, 444 - 1121)},
                                          {v, 50, QPoint(-83, -338)}}) {
            drag(b, value);
            QCOMPARE(canvas()->pos(), position);
        }
        window->Form_Resize();
        QTest::mouseClick(h, Qt::LeftButton, {}, QPoint(h->width() - 5, 8));  // arrow
        QCOMPARE(std::pair(h->value(), canvas()->pos()), std::pair(1, QPoint(0, 0)));
        QTest::keyClick(h, Qt::Key_End);
        QCOMPARE(std::pair(h->value(), canvas()->pos()), std::pair(100, QPoint(0, 0)));
        QTest::mouseClick(h, Qt::LeftButton, {}, QPoint(40, 8));  // track
        QCOMPARE(std::pair(h->value(), canvas()->pos()), std::pair(0, QPoint(0, 0)));
        // A real drag of the thumb from its middle to the far right.
        QTest::mousePress(h, Qt::LeftButton, {}, QPoint(h->width() / 2, 8));
        QTest::mouseMove(h, QPoint(h->width() - 1, 8));
        QTest::mouseRelease(h, Qt::LeftButton, {}, QPoint(h->width() - 1, 8));
        QCOMPARE(canvas()->pos(), QPoint(-166, 0));
    }

    // The whole sheet at 96 dpi, whatever part is in view. Existing files, hidden ones too, are
    // asked about; a failure is told, with its reason in Chinese, and keeps the old file; a
    // cancel saves and asks nothing.
    void saving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("sizeLimit");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("reason");
        const QString question = QStringLiteral("文件已经存在，是否覆盖？"),
                      failed = QStringLiteral("无法保存文件");
        QTest::newRow("new") << "sheet.bmp" << true << false << QStringList{} << "";
        QTest::newRow("no") << "old.bmp" << false << false << QStringList{question} << "";
        QTest::newRow("yes") << "old.bmp" << true << false << QStringList{question} << "";
        QTest::newRow("hidden, no") << ".old.bmp" << false << false << QStringList{question} << "";
        QTest::newRow("full disk")
            << "sheet.bmp" << true << true << QStringList{failed} << "文件超出了允许的大小";
        QTest::newRow("missing folder")
            << "missing/sheet.bmp" << true << false << QStringList{failed} << "文件夹不存在";
        QTest::newRow("a folder of that name")
            << "folder.bmp" << true << false << QStringList{failed} << "这个名称是一个文件夹";
        QTest::newRow("no permission")
            << "locked/sheet.bmp" << true << false << QStringList{failed} << "没有写入权限";
        QTest::newRow("write fails midway")
            << "old.bmp" << true << true << QStringList{question, failed} << "文件超出了允许的大小";
    }
    void saving() {
        QFETCH(QString, name);
        QFETCH(bool, yes);
        QFETCH(bool, sizeLimit);
        QFETCH(QStringList, asked);
        QFETCH(QString, reason);
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder.bmp")));
        // A folder we may not write in. Root may write anywhere, so the save runs as nobody then,
        // from the dialog's answer to the failure message.
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("locked")));
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(folder->path(), readable | QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(path(QStringLiteral("locked")), readable));
        if (name.startsWith(QStringLiteral("locked/")) && geteuid() == 0) {
            prompts->chosen = [] { QVERIFY(seteuid(65534) == 0); };
            prompts->duringMessage = [] { QVERIFY(seteuid(0) == 0); };
        }
        for (const char* old : {"old.bmp", ".old.bmp"}) {
            QFile file(path(QLatin1String(old)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        }
        QStringList entries = QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden);
        drag(bar("HScroll1"), 100);
        drag(bar("VScroll1"), 100);
        prompts->files = {path(name), std::nullopt};
        prompts->answers = {yes ? Prompts::Answer::Yes : Prompts::Answer::No};
        // A file size limit stops the writes short as a full disk does, in this process only.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64 * 1024, limit.rlim_max};
        if (sizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
        }
        window->Command1_Click();
        if (getuid() == 0) QVERIFY(seteuid(0) == 0);
        setrlimit(RLIMIT_FSIZE, &limit);
        checkHome();
        window->Command1_Click();  // cancelled
        checkHome();
        QCOMPARE(prompts->offeredNames, (QList<QString>{QString(), path(name)}));
        QCOMPARE(prompts->asked.size(), asked.size());
        for (int i = 0; i < asked.size(); ++i) {
            const ScriptedPrompts::Asked& a = prompts->asked[i];
            const bool failure = asked[i].startsWith(QStringLiteral("无法"));
            QVERIFY(a.text.startsWith(asked[i]) && a.title == QStringLiteral("提示"));
            QCOMPARE(a.buttons, failure ? Prompts::Buttons::Ok : Prompts::Buttons::YesNo);
            if (failure)
                QCOMPARE(a.text, QStringLiteral("无法保存文件“%1”：%2").arg(path(name), reason));
        }
        const bool written = yes && !asked.contains(QStringLiteral("无法保存文件"));
        if (written) {
            QCOMPARE(QImage(path(name)).convertToFormat(QImage::Format_RGB32),
                     image().convertToFormat(QImage::Format_RGB32));
            const QByteArray bytes = fileBytes(path(name));
            const auto le32 = [&](int offset) {
                return qFromLittleEndian<qint32>(bytes.constData() + offset);
            };
            QCOMPARE(QList<int>({le32(18), le32(22), le32(38), le32(42)}),
                     QList<int>({794, 1121, 3780, 3780}));  // 96 dpi
            if (!entries.contains(name)) entries << name;
            entries.sort();
        }
        QCOMPARE(QImage(path(name)).isNull(), !written);
        for (const char* old : {"old.bmp", ".old.bmp"})
            if (!written || name != QLatin1String(old))
                QCOMPARE(fileBytes(path(QLatin1String(old))), QByteArray("old"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden),
                 entries);  // no leftovers
    }

    // One modeless window at a time, fresh once closed.
    void openedFromTheMainWindow() {
        window.reset();
        MainWindow main(std::make_shared<ScriptedPrompts>());
        main.Form_Load();
        main.show();
        auto* command7 = main.findChild<QPushButton*>(QStringLiteral("Command7"));
        command7->click();
        QPointer<SheetWindow> sheet = main.sheetWindow();
        QVERIFY(sheet && sheet->isVisible() && !sheet->parent() && !sheet->isModal());
        // Centred before the frame is known: off by at most the frame's width.
        const QPoint offCentre =
            sheet->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY(std::abs(offCentre.x()) <= 2 && std::abs(offCentre.y()) <= 2);
        auto* columns = sheet->findChild<QComboBox*>(QStringLiteral("Combo5"));
        columns->setCurrentIndex(29);
        command7->click();  // only brings it forward
        QCOMPARE(main.sheetWindow(), sheet.data());
        QCOMPARE(columns->currentText(), QStringLiteral("30"));
        sheet->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!sheet);
        command7->click();
        sheet = main.sheetWindow();
        QCOMPARE(sheet->findChild<QComboBox*>(QStringLiteral("Combo5"))->currentText(),
                 QStringLiteral("14"));
    }
};

QTEST_MAIN(GridSheetTest)
#include "test_grid_sheet.moc"
