#include "app/interface_font.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTextStream>
#include <vector>

namespace cw {
namespace {

// The font system gives the face asked for, not a stand-in: Windows' font mapper answers a
// face it lacks with the first face it has (under Wine without its own fonts, a serif math
// face), and fontconfig with its best match.
bool Gives(const QFont& font) {
    return QFontInfo(font).family().compare(font.families().value(0, font.family()),
                                            Qt::CaseInsensitive) == 0;
}

}  // namespace

QFont InterfaceFont(const QFont& asked) {
    if (Gives(asked)) return asked;
    // Windows' interface faces from newest to oldest, then sans faces a Wine prefix or a bare
    // machine borrows from its host.
    static const char* const kFaces[] = {"Segoe UI",  "Tahoma",          "Microsoft Sans Serif",
                                         "Arial",     "Verdana",         "DejaVu Sans",
                                         "Noto Sans", "Liberation Sans", "Cantarell"};
    const QStringList installed = QFontDatabase::families();
    for (const char* face : kFaces) {
        const QString family = QString::fromLatin1(face);
        if (!installed.contains(family, Qt::CaseInsensitive)) continue;
        QFont font = asked;
        font.setFamilies({family});
        font.setStyleHint(QFont::SansSerif);
        if (Gives(font)) return font;
    }
    return asked;
}

void UseInterfaceFont() {
#ifdef Q_OS_WIN
    // Windows gives the menus, status bar, tooltips and message boxes fonts of their own, from
    // its metrics; each keeps its size. Setting the application's font forgets them, so they
    // are read first.
    static const char* const kClasses[] = {"QMenu",       "QMenuBar",         "QStatusBar",
                                           "QTipLabel",   "QMessageBox",      "QDockWidgetTitle",
                                           "QHeaderView", "QAbstractItemView"};
    const QFont asked = QApplication::font();
    std::vector<QFont> own;
    bool changes = !Gives(asked);
    for (const char* widgetClass : kClasses) {
        own.push_back(QApplication::font(widgetClass));
        changes = changes || !Gives(own.back());
    }
    if (!changes) return;
    QApplication::setFont(InterfaceFont(asked));
    for (size_t i = 0; i < own.size(); ++i)
        QApplication::setFont(InterfaceFont(own[i]), kClasses[i]);
#endif
}

bool ReportInterfaceFonts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&file);
    const struct {
        const char* what;
        const char* widgetClass;
    } uses[] = {{"application", nullptr},
                {"menus", "QMenu"},
                {"status bar", "QStatusBar"},
                {"dialogs", "QMessageBox"},
                {"help", "QTextBrowser"}};
    for (const auto& use : uses) {
        const QFont asked =
            use.widgetClass ? QApplication::font(use.widgetClass) : QApplication::font();
        const QFontInfo got(asked);
        out << use.what << ": " << got.family() << ' ' << got.pointSize() << " (asked "
            << asked.families().join(QLatin1Char(',')) << ")\n";
    }
    out << "installed:";
    for (const QString& family : QFontDatabase::families()) out << ' ' << family << ';';
    out << '\n';
    return file.error() == QFile::NoError;
}

}  // namespace cw
