// The board out of the window: a PNG that is the window's own pixels, an SVG and a PDF drawn as
// shapes that look the same, the printed page, the clipboard, and nothing left by a failure.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "app/board_export.h"
#include "app/main_window.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// A lit cell-and-bulb loop (the bulb's glass around (320, 120)), a note, and the current's dots.
void LitBoardWithNote(WindowDriver& d) {
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    d.Drag({120, 300}, {400, 330});  // the pencil, chosen at start
    d.window().LinePic_Click();
    d.Drag(d.BesideTerminal(3), d.BesideTerminal(1));
    d.Drag(d.BesideTerminal(2), d.BesideTerminal(4));
    d.window().ShowCurrent(true);
}

// The share of pixels whose colour differs by more than a quarter in some channel.
double Differing(const QImage& a, const QImage& b) {
    EXPECT_EQ(a.size(), b.size());
    int far = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            far += std::abs(p.red() - q.red()) > 64 || std::abs(p.green() - q.green()) > 64 ||
                   std::abs(p.blue() - q.blue()) > 64;
        }
    }
    return static_cast<double>(far) / (a.width() * a.height());
}

QImage WindowBoard(Circuit& w) {
    return w.grab(w.BoardArea()).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(Export, PngIsTheWindowsPixelsAndSvgAndPdfLookTheSame) {
    WindowDriver d;
    Circuit& w = d.window();
    LitBoardWithNote(d);
    const QImage screen = WindowBoard(w);
    d.Key(Qt::Key_Tab);  // the focus marker shows now, and stays out of the pictures
    QTemporaryDir dir;
    for (const char* name : {"board.png", "board.svg", "board.pdf"})
        ASSERT_EQ(ExportBoard(w, dir.filePath(name)), QString()) << name;

    const QImage png(dir.filePath("board.png"));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), screen);

    QSvgRenderer svg(dir.filePath("board.svg"));
    ASSERT_TRUE(svg.isValid());
    QImage drawn(screen.size(), QImage::Format_RGB32);
    QPainter p(&drawn);
    svg.render(&p);
    p.end();
    EXPECT_LT(Differing(drawn, screen), 0.01);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {dir.filePath("board.pdf")});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           1"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                  QStringLiteral("-singlefile"), dir.filePath("board.pdf"), dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished());
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    // The lit bulb's glass at 0.13 A, as the window shows it.
    EXPECT_EQ(page.pixelColor(320, 120), screen.pixelColor(320, 120));
    EXPECT_EQ(screen.pixelColor(320, 120), QColor(210, 210, 128));
}

TEST(Export, APictureOfManyColoursKeepsThemAll) {
    // 256 colours fit a palette; one more keeps the picture as it is.
    for (int n : {256, 257}) {
        QImage rgb(n, 2, QImage::Format_RGB32);
        for (int x = 0; x < n; ++x) {
            rgb.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
            rgb.setPixel(n - 1 - x, 1, qRgb(x % 256, x / 256, 7));
        }
        const QImage written = WithOwnPalette(rgb);
        EXPECT_EQ(written.format(), n == 256 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), rgb);
    }
}

TEST(Export, TwiceAsFineCopyAndPrint) {
    WindowDriver d(true);
    Circuit& w = d.window();
    LitBoardWithNote(d);
    BoardExport& exports = d.main()->Exports();
    QTemporaryDir dir;
    exports.Ask().exportPath = [&](const QString& suggested, bool* twice) {
        EXPECT_TRUE(suggested.endsWith(QStringLiteral(".png")));
        *twice = true;
        return dir.filePath("fine");  // no extension: a PNG
    };
    ASSERT_TRUE(exports.ExportBoardAs());
    const QImage fine(dir.filePath("fine.png"));
    EXPECT_EQ(fine.size(), 2 * w.BoardArea().size());

    exports.CopyBoardImage();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              WindowBoard(w));

    // The page: the board on one sheet, as a PDF printer makes it.
    exports.Ask().print = [&](const std::function<void(QPrinter&)>& paint) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        paint(printer);
        return true;
    };
    ASSERT_TRUE(exports.PrintBoardNow());
    QProcess info;
    info.start(QStringLiteral("pdftotext"), {dir.filePath("printed.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(info.readAllStandardOutput().contains("Untitled circuit"));
}

TEST(Export, NoBoardToCopyCopiesNothingAndWarnsOfNothing) {
    WindowDriver d(true);
    BoardExport& exports = d.main()->Exports();
    d.Resize(300, 30);  // the strip alone
    ASSERT_TRUE(d.window().BoardArea().isEmpty());
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    static int warnings = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            warnings += type != QtDebugMsg;
        });
    exports.CopyBoardImage();
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 0);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST(Export, AFailureSaysSoAndLeavesNothing) {
    WindowDriver d;
    QTemporaryDir dir;
    EXPECT_NE(ExportBoard(d.window(), dir.filePath("board.gif")), QString());
    EXPECT_NE(ExportBoard(d.window(), dir.filePath("missing/board.png")), QString());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace cw::test
