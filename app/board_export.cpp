#include "app/board_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <array>
#ifdef CW_HAVE_SVG
#include <QSvgGenerator>
#endif

#include "app/circuit_window.h"
#include "app/file_session.h"

namespace cw {

std::optional<PictureFormat> PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::Png;
    if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("BoardExport", text);
}

}  // namespace

// A board of flat colours has few: its palette picture takes a third of the bytes and is written
// several times faster, since a palette picture's rows need no filtering.
QImage WithOwnPalette(const QImage& rgb) {
    constexpr int kMostColours = 256;
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    QHash<QRgb, uchar> indexOf;
    // Most pixels repeat a colour met a moment ago: a small table in front of the hash.
    struct Recent {
        QRgb colour = 0;
        int index = -1;
    };
    std::array<Recent, 1024> recent{};
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = from[x] | 0xff000000u;
            Recent& r = recent[(c * 2654435761u) >> 22];
            if (r.index < 0 || r.colour != c) {
                auto at = indexOf.constFind(c);
                if (at == indexOf.constEnd()) {
                    if (colours.size() == kMostColours) return rgb;
                    at = indexOf.insert(c, static_cast<uchar>(colours.size()));
                    colours.push_back(c);
                }
                r = {c, *at};
            }
            to[x] = static_cast<uchar>(r.index);
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

namespace {

// Writes what paint produces to the file; the file appears whole or not at all.
QString WriteThrough(const QString& path, const std::function<bool(QIODevice&)>& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Tr(QT_TRANSLATE_NOOP("BoardExport", "Cannot write %1: %2"))
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    if (!paint(file)) {
        file.cancelWriting();
        return Tr(QT_TRANSLATE_NOOP("BoardExport",
                                    "Cannot write %1: the picture could not be made."))
            .arg(QDir::toNativeSeparators(path));
    }
    if (!file.commit()) {
        return Tr(QT_TRANSLATE_NOOP("BoardExport", "Cannot write %1: %2"))
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return {};
}

}  // namespace

QString ExportBoard(const Circuit& circuit, const QString& path, int scale) {
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) {
        return Tr(QT_TRANSLATE_NOOP("BoardExport",
                                    "Cannot write %1: use a name ending in .png, .svg or .pdf."))
            .arg(QDir::toNativeSeparators(path));
    }
    const QSize size = circuit.BoardArea().size();
    switch (*format) {
        case PictureFormat::Png:
            return WriteThrough(path, [&](QIODevice& out) {
                QImage image;
                if (scale <= 1) {
                    image = circuit.BoardImage();
                } else {
                    image = QImage(size * scale, QImage::Format_ARGB32_Premultiplied);
                    QPainter p(&image);
                    p.scale(scale, scale);
                    circuit.PaintBoard(p);
                }
                image.setDevicePixelRatio(1);
                QImageWriter writer(&out, "png");
                return writer.write(WithOwnPalette(image.convertToFormat(QImage::Format_RGB32)));
            });
        case PictureFormat::Svg:
#ifdef CW_HAVE_SVG
            return WriteThrough(path, [&](QIODevice& out) {
                QSvgGenerator svg;
                svg.setOutputDevice(&out);
                svg.setSize(size);
                svg.setViewBox(QRect(QPoint(0, 0), size));
                svg.setTitle(QFileInfo(path).completeBaseName());
                svg.setDescription(
                    Tr(QT_TRANSLATE_NOOP("BoardExport", "A circuit drawn with Circuit Workbench")));
                QPainter p;
                if (!p.begin(&svg)) return false;
                circuit.PaintBoard(p);
                return p.end();
            });
#else
            return Tr(QT_TRANSLATE_NOOP("BoardExport",
                                        "Cannot write %1: this build has no SVG export; use .png "
                                        "or .pdf."))
                .arg(QDir::toNativeSeparators(path));
#endif
        case PictureFormat::Pdf:
            return WriteThrough(path, [&](QIODevice& out) {
                QPdfWriter pdf(&out);
                pdf.setTitle(QFileInfo(path).completeBaseName());
                pdf.setCreator(QStringLiteral("Circuit Workbench"));
                // One page the board's size, a screen pixel being 1/96 inch.
                pdf.setPageLayout(
                    QPageLayout(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point),
                                QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
                pdf.setResolution(300);
                QPainter p;
                if (!p.begin(&pdf)) return false;
                const double k = 300.0 / 96.0;
                p.scale(k, k);
                circuit.PaintBoard(p);
                return p.end();
            });
    }
    return {};
}

void PrintBoard(const Circuit& circuit, QPrinter& printer, const QString& title) {
    QPainter p;
    if (!p.begin(&printer)) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF paper(QPointF(0, 0), page.size());
    QFont font = p.font();
    font.setPointSizeF(10);
    p.setFont(font);
    const double footer = 2 * p.fontMetrics().height();
    const QSize board = circuit.BoardArea().size();
    const QRectF room(paper.topLeft(), QSizeF(paper.width(), paper.height() - footer));
    if (!board.isEmpty() && !room.isEmpty()) {  // a window shrunk to nothing prints the footer
        const double k = std::min(room.width() / board.width(), room.height() / board.height());
        p.save();
        p.translate(room.left() + (room.width() - board.width() * k) / 2, room.top());
        p.scale(k, k);
        circuit.PaintBoard(p);
        p.restore();
    }
    p.setPen(Qt::black);
    //: The printed page's footer: the board's name and the date, as in "series.cwb — 8 December
    //: 2026".
    const QString text =
        Tr(QT_TRANSLATE_NOOP("BoardExport", "%1 — %2"))
            .arg(title, QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    p.drawText(QRectF(paper.left(), paper.bottom() - footer, paper.width(), footer),
               Qt::AlignHCenter | Qt::AlignBottom, text);
    p.end();
}

BoardExport::BoardExport(QWidget& window, Circuit& circuit, const FileSession& files)
    : QObject(&window), window_(window), circuit_(circuit), files_(files) {
    export_ = new QAction(tr("&Export…"), this);
    export_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    export_->setStatusTip(tr("Save a picture of the board as PNG, SVG or PDF, for a worksheet"));
    connect(export_, &QAction::triggered, this, &BoardExport::ExportBoardAs);
    print_ = new QAction(tr("&Print…"), this);
    print_->setShortcuts(QKeySequence::Print);
    print_->setStatusTip(tr("Print the board on one page, with its name and the date"));
    connect(print_, &QAction::triggered, this, &BoardExport::PrintBoardNow);
    copy_ = new QAction(tr("&Copy Board Image"), this);
    copy_->setShortcuts(QKeySequence::Copy);
    copy_->setStatusTip(tr("Put a picture of the board on the clipboard"));
    connect(copy_, &QAction::triggered, this, &BoardExport::CopyBoardImage);
    for (QAction* a : {export_, print_, copy_}) {
        a->setAutoRepeat(false);
        window.addAction(a);
    }

    questions_.exportPath = [this](const QString& suggested, bool* twice) {
        const QString png = tr("PNG picture, as on screen (*.png)");
        const QString png2 = tr("PNG picture, twice as fine for print (*.png)");
        QStringList filters{png, png2};
#ifdef CW_HAVE_SVG
        filters << tr("SVG drawing (*.svg)");
#endif
        filters << tr("PDF document (*.pdf)");
        QString chosen = png;
        const QString path =
            QFileDialog::getSaveFileName(&window_, tr("Export the Board"), suggested,
                                         filters.join(QStringLiteral(";;")), &chosen);
        *twice = chosen == png2;
        return path;
    };
    questions_.print = [this](const std::function<void(QPrinter&)>& paint) {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer, &window_);
        preview.setWindowTitle(tr("Print the Board"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                [&paint](QPrinter* p) { paint(*p); });
        return preview.exec() == QDialog::Accepted;
    };
    questions_.problem = [this](const QString& text) {
        QMessageBox::warning(&window_, tr("Export"), text);
    };
}

QString BoardExport::Title() const {
    return files_.FilePath().isEmpty() ? tr("Untitled circuit")
                                       : QFileInfo(files_.FilePath()).fileName();
}

bool BoardExport::ExportBoardAs() {
    const QString folder = files_.FilePath().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                               : QFileInfo(files_.FilePath()).absolutePath();
    const QString base = files_.FilePath().isEmpty()
                             ? tr("circuit")
                             : QFileInfo(files_.FilePath()).completeBaseName();
    bool twice = false;
    QString path =
        questions_.exportPath(QDir(folder).filePath(base + QStringLiteral(".png")), &twice);
    if (path.isEmpty()) return false;
    if (!PictureFormatOf(path)) path += QStringLiteral(".png");
    const QString problem = ExportBoard(circuit_, path, twice ? 2 : 1);
    if (!problem.isEmpty()) {
        questions_.problem(problem);
        return false;
    }
    return true;
}

bool BoardExport::PrintBoardNow() {
    const QString title = Title();
    return questions_.print(
        [this, title](QPrinter& printer) { PrintBoard(circuit_, printer, title); });
}

void BoardExport::CopyBoardImage() {
    // A window shrunk to its strip has no board to copy: the clipboard keeps what it held.
    const QImage board = circuit_.BoardImage();
    if (!board.isNull()) QGuiApplication::clipboard()->setImage(board);
}

}  // namespace cw
