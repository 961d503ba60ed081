#include <QApplication>
#include <QCommandLineParser>
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "app/accessibility.h"
#include "app/board_export.h"
#include "app/circuit_window.h"
#include "app/file_session.h"
#include "app/interface_font.h"
#include "app/main_window.h"
#include "app/part_texts.h"
#include "files/board_file.h"
#include "files/readings_report.h"

namespace {

// Until the application has its display, Qt's messages are held back: when it cannot open one,
// a single line says what to do, and the program ends with a status instead of Qt's abort.
struct HeldMessage {
    QtMsgType type;
    const char* category;
    QString text;
};
bool starting = true;
QList<HeldMessage> held;
QtMessageHandler qtHandler = nullptr;
QByteArray platformAsked;  // -platform's name, or the environment's

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!starting) {
        qtHandler(type, context, text);
    } else if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
    } else {
        const QByteArray display = qgetenv("DISPLAY");
        if (!platformAsked.isEmpty() && platformAsked != "xcb") {
            std::fprintf(stderr,
                         "circuit-workbench: cannot start on the platform \"%s\"; use -platform "
                         "xcb or -platform offscreen\n",
                         platformAsked.constData());
            std::fflush(stderr);
            std::_Exit(2);
        }
        std::fprintf(
            stderr,
            "circuit-workbench: cannot open the display %s; set DISPLAY or use "
            "-platform offscreen\n",
            display.isEmpty() ? "(DISPLAY is not set)" : ("\"" + display + "\"").constData());
        std::fflush(stderr);
        std::_Exit(2);
    }
}

void StartupDone() {
    starting = false;
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category);
        qtHandler(m.type, context, m.text);
    }
    held.clear();
}

// The program's icon in the sizes a window's frame and the task switcher show (launchers take
// the installed icon the desktop file names), each read when the platform first asks for it.
class WindowIconEngine final : public QIconEngine {
  public:
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kSides) sizes.push_back(QSize(side, side));
        return sizes;
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        // The smallest drawn at least as large, else the largest.
        int side = kSides[std::size(kSides) - 1];
        for (int s : kSides) {
            if (s >= std::max(size.width(), size.height())) {
                side = s;
                break;
            }
        }
        QPixmap& picture = read_[side];
        if (picture.isNull())
            picture = QPixmap(QStringLiteral(":/icons/" CW_APP_ID "-%1.png").arg(side));
        QPixmap shown = picture.size() == size
                            ? picture
                            : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
        }
        return shown;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine* clone() const override { return new WindowIconEngine; }

  private:
    static constexpr int kSides[] = {16, 22, 32, 48, 64, 128, 256};
    QHash<int, QPixmap> read_;
};

// Ends the run at once when the window has been shown and painted: what start-up costs, without
// the closing.
void QuitWhenShown(QWidget& window) {
    struct Watcher : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Expose) QTimer::singleShot(0, [] { std::_Exit(0); });
            return false;
        }
    };
    window.windowHandle()->installEventFilter(new Watcher);
}

QCommandLineOption ExportOption() {
    return QCommandLineOption(
        QStringLiteral("export"),
        QCoreApplication::translate(
            "main",
            "Write a picture of the circuit FILE to OUT (.png, .svg or .pdf) and quit, "
            "without a window."),
        QStringLiteral("OUT"));
}

QCommandLineOption ReadingsOption() {
    return QCommandLineOption(
        QStringLiteral("readings"),
        QCoreApplication::translate(
            "main",
            "Print every part of the circuit FILE with its state, current, voltage and meter "
            "display, one tab-separated line each, and quit, without a window."));
}

QCommandLineOption ViewOption() {
    return QCommandLineOption(
        QStringLiteral("view"),
        QCoreApplication::translate("main",
                                    "With --export, draw the board as it looks (pictorial, the "
                                    "default) or as a circuit diagram (diagram)."),
        QStringLiteral("VIEW"));
}

QCommandLineOption SymbolsOption() {
    return QCommandLineOption(
        QStringLiteral("symbols"),
        QCoreApplication::translate("main", "The diagram's symbols: iec (the default) or ansi."),
        QStringLiteral("SET"));
}

// The command line: [FILE], --export OUT FILE [--view diagram] [--symbols iec|ansi],
// --readings FILE, --help and --version.
void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A teaching tool for simple direct-current circuits."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(ExportOption());
    parser.addOption(ReadingsOption());
    parser.addOption(ViewOption());
    parser.addOption(SymbolsOption());
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A circuit to open."),
                                 QStringLiteral("[file]"));
}

// --export OUT FILE: the circuit solved and drawn to OUT; 0 when written, else a line on stderr
// and 1 (the file or OUT) or 2 (the command line). A bad file writes nothing.
int ExportFromCommandLine(const QString& out, const QStringList& files, const QString& view,
                          const QString& symbols) {
    auto fail = [](int status, const QString& text) {
        std::fprintf(stderr, "circuit-workbench: %s\n", qUtf8Printable(text));
        return status;
    };
    if (files.size() != 1) {
        return fail(2, QCoreApplication::translate(
                           "main", "--export needs exactly one circuit file to draw."));
    }
    if (!view.isEmpty() && view != QLatin1String("pictorial") && view != QLatin1String("diagram")) {
        return fail(2, QCoreApplication::translate("main", "--view is pictorial or diagram."));
    }
    if (!symbols.isEmpty() && symbols != QLatin1String("iec") && symbols != QLatin1String("ansi")) {
        return fail(2, QCoreApplication::translate("main", "--symbols is iec or ansi."));
    }
    if (!cw::PictureFormatOf(out)) {
        return fail(2, QCoreApplication::translate(
                           "main", "cannot write %1: use a name ending in .png, .svg or .pdf.")
                           .arg(out));
    }
    const cw::ReadOutcome read = cw::ReadBoardFileAt(files.front());
    if (!read.document) return fail(1, QStringLiteral("%1: %2").arg(files.front(), read.problem));
    cw::Circuit circuit;
    const QSize size(read.document->width, read.document->height);
    circuit.resize(size.isEmpty() ? QSize(cw::kDesignClientWidth, cw::kDesignClientHeight) : size);
    circuit.show();
    circuit.Restore(*read.document);
    if (view == QLatin1String("diagram"))
        circuit.SetDiagram(symbols == QLatin1String("ansi") ? cw::Symbols::Ansi : cw::Symbols::Iec);
    const QString problem = cw::ExportBoard(circuit, out);
    return problem.isEmpty() ? 0 : fail(1, problem);
}

// --readings FILE: the readings on stdout; exit codes as --export's.
int ReadingsFromCommandLine(const QStringList& files) {
    if (files.size() != 1) {
        std::fprintf(stderr, "circuit-workbench: %s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "main", "--readings needs exactly one circuit file to read.")));
        return 2;
    }
    const cw::ReadOutcome read = cw::ReadBoardFileAt(files.front());
    if (!read.document) {
        std::fprintf(stderr, "circuit-workbench: %s: %s\n", qUtf8Printable(files.front()),
                     qUtf8Printable(read.problem));
        return 1;
    }
    const QByteArray report = cw::ReadingsReport(*read.document);
    return std::fwrite(report.constData(), 1, static_cast<size_t>(report.size()), stdout) ==
                   static_cast<size_t>(report.size())
               ? 0
               : 1;
}

void Name() {
    QCoreApplication::setApplicationName(QStringLiteral("Circuit Workbench"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CW_VERSION));
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version" ||
            arg == "-v") {
            QCoreApplication core(argc, argv);
            Name();
            QCommandLineParser parser;
            Describe(parser);
            parser.process(core);
            return 0;
        }
    }
    qtHandler = qInstallMessageHandler(StartupMessages);
    platformAsked = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform") platformAsked = argv[i + 1];
    }
    // An export or the readings need no display: offscreen unless a platform was asked for.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        const bool windowless =
            arg == "--export" || arg.startsWith("--export=") || arg == "--readings";
        if (windowless && platformAsked.isEmpty()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            platformAsked = "offscreen";
        }
    }
    if (platformAsked.contains(':')) {
        platformAsked.truncate(platformAsked.indexOf(':'));  // "xcb:option" is xcb
    }
    QApplication application(argc, argv);
    StartupDone();
    Name();
    // The desktop matches the window to its entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(CW_APP_ID));
    QApplication::setWindowIcon(QIcon(new WindowIconEngine));
    cw::LoadTranslations(application);
    QCommandLineParser parser;
    Describe(parser);
    parser.process(application);
    if (parser.isSet(QStringLiteral("readings")))
        return ReadingsFromCommandLine(parser.positionalArguments());
    if (parser.isSet(QStringLiteral("export")))
        return ExportFromCommandLine(
            parser.value(QStringLiteral("export")), parser.positionalArguments(),
            parser.value(QStringLiteral("view")), parser.value(QStringLiteral("symbols")));
    cw::InstallAccessibility();
    cw::UseInterfaceFont();
    cw::MainWindow window;
    window.show();
    // The Windows check reads which faces the interface got.
    if (const QString report = qEnvironmentVariable("CW_REPORT_FONTS"); !report.isEmpty())
        cw::ReportInterfaceFonts(report);
    // The start-up benchmark measures a run to its first shown window.
    if (qEnvironmentVariableIsSet("CW_QUIT_WHEN_SHOWN")) QuitWhenShown(window);
    // A run that ended without closing left its unsaved changes; then the file asked for.
    window.Files().OfferRecovery();
    if (!parser.positionalArguments().isEmpty())
        window.Files().OpenFile(parser.positionalArguments().front());
    return QApplication::exec();
}
