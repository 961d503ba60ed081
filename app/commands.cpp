#include "app/commands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QIconEngine>
#include <QKeySequence>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QSettings>
#include <QToolTip>
#include <QWidget>

#include "app/part_texts.h"
#include "files/circuit_model.h"

namespace cw {

QString ShortcutText(const QAction* action) {
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

QAction* CircuitCommands::Make(const QString& text, const QString& tip) {
    auto* action = new QAction(text, this);
    action->setToolTip(tip);
    action->setStatusTip(tip);
    // A held key acts once: a tool chosen, a part deleted, the help opened.
    action->setAutoRepeat(false);
    keysIn_.addAction(action);
    return action;
}

CircuitCommands::CircuitCommands(QWidget& keysIn, CircuitModel& model, CommandTargets targets)
    : QObject(&keysIn), keysIn_(keysIn), model_(model), do_(std::move(targets)) {
    tools_ = new QActionGroup(this);
    tools_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const struct {
        QAction** action;
        int16_t tool;
        QString text;
        Qt::Key key;
    } tools[] = {
        {&line_, kToolLine, tr("&Line"), Qt::Key_L},
        {&pencil_, kToolPencil, tr("&Pencil"), Qt::Key_P},
        {&delete_, kToolDelete, tr("&Delete"), Qt::Key_D},
    };
    for (const auto& t : tools) {
        const QKeySequence key(t.key);
        QAction* a =
            Make(t.text, PartTexts::ToolHint(t.tool, key.toString(QKeySequence::NativeText)));
        a->setShortcut(key);
        a->setIconText(PartTexts::ToolName(t.tool));  // what its button is called
        a->setCheckable(true);
        tools_->addAction(a);
        const int16_t tool = t.tool;
        connect(a, &QAction::triggered, this, [this, tool] {
            const EditScope edit(model_);  // a gesture it ends is an edit
            do_.chooseTool(tool);
        });
        *t.action = a;
    }
    // The pencil's other end: the pencil tool chosen, a left drag (a finger's, the pen's) rubs
    // notes out as the right drag always does. The strip keeps its three tools.
    const QKeySequence eraserKey(Qt::Key_E);
    eraser_ =
        Make(tr("&Eraser"), tr("Eraser (%1): the pencil rubs out the notes it is dragged across")
                                .arg(eraserKey.toString(QKeySequence::NativeText)));
    eraser_->setShortcut(eraserKey);
    eraser_->setCheckable(true);
    tools_->addAction(eraser_);
    connect(eraser_, &QAction::triggered, this, [this] {
        const EditScope edit(model_);
        do_.chooseEraser();
    });

    deletePart_ = Make(tr("Delete &Part"), tr("Delete the part that has the keyboard focus"));
    deletePart_->setShortcuts(
        {QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Backspace)});
    connect(deletePart_, &QAction::triggered, this, [this] {
        const EditScope edit(model_);
        do_.deletePart();
    });

    showCurrent_ =
        Make(tr("Show &Current"), tr("Show the current flowing round the circuit as moving dots"));
    showCurrent_->setShortcut(QKeySequence(Qt::Key_C));
    showCurrent_->setCheckable(true);
    connect(showCurrent_, &QAction::toggled, this, [this](bool on) { do_.showCurrent(on); });
    electronFlow_ = Make(tr("&Electron Flow"),
                         tr("Move the dots the way electrons go, from the cell's negative "
                            "terminal round to its positive one"));
    electronFlow_->setCheckable(true);
    connect(electronFlow_, &QAction::toggled, this, [this](bool on) { do_.electronFlow(on); });

    diagram_ = Make(tr("Circuit &Diagram"),
                    tr("Draw the board as a circuit diagram: standard symbols, black on white"));
    diagram_->setShortcut(QKeySequence(Qt::Key_G));
    diagram_->setCheckable(true);
    symbols_ = new QActionGroup(this);
    iec_ = Make(tr("&IEC"), tr("The symbols of IEC 60617, as most textbooks outside America use"));
    ansi_ = Make(tr("&ANSI"), tr("The American symbols: a zigzag resistor"));
    for (QAction* a : {iec_, ansi_}) {
        a->setCheckable(true);
        symbols_->addAction(a);
    }
    QSettings settings;
    const bool ansi =
        settings.value(QStringLiteral("view/symbols")).toString() == QLatin1String("ansi");
    (ansi ? ansi_ : iec_)->setChecked(true);
    auto apply = [this] {
        std::optional<Symbols> shown;
        if (diagram_->isChecked()) shown = ansi_->isChecked() ? Symbols::Ansi : Symbols::Iec;
        do_.view(shown);
    };
    connect(diagram_, &QAction::toggled, this, apply);
    connect(symbols_, &QActionGroup::triggered, this, [this, apply] {
        QSettings().setValue(QStringLiteral("view/symbols"),
                             ansi_->isChecked() ? QStringLiteral("ansi") : QStringLiteral("iec"));
        apply();
    });

    // Ctrl and = (the plus key without Shift) as well as the platform's own zoom keys.
    zoomIn_ = Make(tr("Zoom &In"), tr("Show the board larger: closer to the parts"));
    zoomIn_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence::ZoomIn});
    zoomOut_ = Make(tr("Zoom &Out"), tr("Show the board smaller: more of it in the window"));
    zoomOut_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    actualSize_ = Make(tr("&Actual Size"), tr("Show the board at its own size"));
    actualSize_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fit_ = Make(tr("Fit in &Window"), tr("Zoom so that every part and note shows in the window"));
    const std::pair<QAction*, ZoomTo> zooms[] = {{zoomIn_, ZoomTo::In},
                                                 {zoomOut_, ZoomTo::Out},
                                                 {actualSize_, ZoomTo::ActualSize},
                                                 {fit_, ZoomTo::Fit}};
    for (const auto& [action, to] : zooms) {
        connect(action, &QAction::triggered, this, [this, to = to] { do_.zoom(to); });
    }

    help_ =
        Make(tr("&Help"), tr("How to build circuits, the tools, the keys and why a bulb is dark"));
    help_->setShortcut(QKeySequence::HelpContents);
    connect(help_, &QAction::triggered, this, [this] { do_.help(QString()); });
    keyboardHelp_ = Make(tr("&Keyboard"), tr("Every key, for working without a mouse"));
    connect(keyboardHelp_, &QAction::triggered, this, [this] { do_.help(QStringLiteral("keys")); });
    about_ =
        Make(tr("&About Circuit Workbench"), tr("The version, the licence and the Qt version"));
    connect(about_, &QAction::triggered, this, [this] { do_.help(QStringLiteral("about")); });
}

QAction* CircuitCommands::Tool(int16_t tool) const {
    switch (tool) {
        case kToolLine:
            return line_;
        case kToolPencil:
            return pencil_;
        default:
            return delete_;
    }
}

std::vector<std::pair<QString, QString>> CircuitCommands::KeyTable() const {
    std::vector<std::pair<QString, QString>> rows;
    for (const QAction* a : {line_, pencil_, eraser_, delete_, deletePart_, showCurrent_, zoomIn_,
                             zoomOut_, actualSize_, help_}) {
        rows.emplace_back(ShortcutText(a), a->toolTip());
    }
    return rows;
}

QString FittedTip(const QString& text) {
    // The designed width, less the tooltip's own margins.
    constexpr int kTipRoom = 560;
    if (text.isEmpty() || QFontMetrics(QToolTip::font()).horizontalAdvance(text) <= kTipRoom)
        return text;
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

namespace {

// A bent arrow, pointing back (undo) or forward (redo): nothing is drawn until it shows.
class StepIconEngine final : public QIconEngine {
  public:
    explicit StepIconEngine(bool forward) : forward_(forward) {}
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal s = std::min(rect.width(), rect.height());
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.center() + QPointF(0.5, 0.5));
        p->scale(forward_ ? -s / 16 : s / 16, s / 16);  // drawn on 16 x 16, pointing back
        const QColor ink = mode == QIcon::Disabled ? QColor(150, 150, 150) : QColor(40, 40, 40);
        QPainterPath bend;
        bend.moveTo(-3, -3);
        bend.cubicTo(4, -3, 6, 0, 6, 2);
        bend.cubicTo(6, 5, 3, 6, 0, 6);
        p->setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p->setBrush(Qt::NoBrush);
        p->drawPath(bend);
        p->setPen(Qt::NoPen);
        p->setBrush(ink);
        p->drawPolygon(QPolygonF({QPointF(-7, -3), QPointF(-2, -7.5), QPointF(-2, 1.5)}));
        p->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        paint(&p, QRect(QPoint(), size), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new StepIconEngine(forward_); }

  private:
    bool forward_;
};

}  // namespace

void FitToolTips() {
    // Every widget's tip is set as it reads; it is fitted when it shows, so a window starts
    // without measuring the tips of all its controls.
    struct Fitter : QObject {
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty())
                return false;
            const QString fitted = FittedTip(widget->toolTip());
            if (fitted == widget->toolTip()) return false;
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), fitted, widget,
                               QRect(), widget->toolTipDuration());
            return true;
        }
    };
    static QPointer<QObject> fitter;
    if (!fitter) qApp->installEventFilter(fitter = new Fitter(qApp));
}

QIcon StepIcon(bool forward) {
    return QIcon::fromTheme(forward ? QStringLiteral("edit-redo") : QStringLiteral("edit-undo"),
                            QIcon(new StepIconEngine(forward)));
}

}  // namespace cw
