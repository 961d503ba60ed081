// The board out of the program: a picture file (PNG as the screen shows it or twice as fine,
// SVG and PDF drawn as shapes), a printed page with the file's name and the date, the board on
// the clipboard; File ▸ Export…, File ▸ Print…, Edit ▸ Copy Board Image, and the command line's
// --export.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QPrinter;
class QWidget;

namespace cw {

class Circuit;
class FileSession;

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (any case); none for another.
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// The picture with a palette of its own colours when it has no more than 256 (the same pixels,
// written faster and smaller); otherwise the picture as it is.
QImage WithOwnPalette(const QImage& rgb);

// Writes the board to the file in the format its name asks for: PNG at the screen's pixels (or
// scaled, drawn as shapes, when scale is above 1), SVG or PDF as shapes. Nothing is left at the
// path when writing fails. Gives what went wrong, in the learner's words; empty when written.
QString ExportBoard(const Circuit& circuit, const QString& path, int scale = 1);

// Draws the board on the printer's page, as large as fits with its proportions kept, above a
// footer with the title and today's date.
void PrintBoard(const Circuit& circuit, QPrinter& printer, const QString& title);

// The export, print and copy commands of the main window.
class BoardExport final : public QObject {
    Q_OBJECT
  public:
    BoardExport(QWidget& window, Circuit& circuit, const FileSession& files);

    QAction* Export() const { return export_; }
    QAction* Print() const { return print_; }
    QAction* CopyImage() const { return copy_; }

    // Through dialogs unless a test answers. exportPath: the file chosen (empty: cancelled),
    // with twice set when the learner chose the PNG twice as fine; print: a preview shown and
    // the page printed, false when cancelled.
    struct Questions {
        std::function<QString(const QString& suggested, bool* twice)> exportPath;
        std::function<bool(const std::function<void(QPrinter&)>& paint)> print;
        std::function<void(const QString& text)> problem;
    };
    Questions& Ask() { return questions_; }

    bool ExportBoardAs();
    bool PrintBoardNow();
    void CopyBoardImage();

  private:
    // The board's name for a suggested file and for the printed footer.
    QString Title() const;

    QWidget& window_;
    Circuit& circuit_;
    const FileSession& files_;
    Questions questions_;
    QAction* export_;
    QAction* print_;
    QAction* copy_;
};

}  // namespace cw
