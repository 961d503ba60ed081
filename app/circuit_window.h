// The main window: the board on top, the palette strip along the bottom with the four palette
// copies and the three tool buttons, and the transparent overlay over the board. It is a view of
// the circuit model (its own, or the one it is given): it builds its controls from the model,
// and the gesture handlers and the overlay's events run in it and edit the model through it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "analysis/solver.h"
#include "app/control_map.h"
#include "app/keyboard_host.h"
#include "app/narrator.h"
#include "app/part_bar.h"
#include "edit/edit_host.h"
#include "files/board_document.h"
#include "files/circuit_model.h"
#include "model/board.h"
#include "overlay/freehand_overlay.h"
#include "overlay/glasso.h"
#include "overlay/overlay_relay.h"
#include "render/board_painter.h"
#include "render/diagram_painter.h"
#include "toolkit/board_view.h"
#include "toolkit/picture_control.h"
#include "toolkit/platform.h"

class QPainter;
class QScrollBar;

namespace cw {

inline constexpr Rgb kWindowBackground{0, 128, 0};
inline constexpr Rgb kToolHighlight{128, 255, 128};
inline constexpr Rgb kStripColour{255, 255, 128};
inline constexpr int kDesignClientWidth = 582;
inline constexpr int kDesignClientHeight = 550;
inline constexpr int kToolButtonBorder = 2;

class CircuitCommands;
class CurrentView;
class FocusMarker;
class PointerGrab;
class HelpWindow;
class KeyboardEditing;

// The gestures see it as their EditHost, the overlay as its GlassoEvents and the bar of extra
// parts as its PartBarHost; others reach those through Edit(), OverlayEvents() and BarHost().
class Circuit final : public QWidget,
                      private EditHost,
                      private GlassoEvents,
                      private PartBarHost,
                      public KeyboardHost {
    Q_OBJECT
  public:
    explicit Circuit(QWidget* parent = nullptr, CircuitModel* model = nullptr);
    ~Circuit() override;
    Circuit(const Circuit&) = delete;
    Circuit& operator=(const Circuit&) = delete;

    void PencilPic_Click();
    // The pencil, rubbing out notes with a left drag (a finger's, a pen's) as with the right.
    void ChooseEraser();
    bool Erasing() const { return eraser_; }
    void LinePic_Click();
    void DelPic_Click();
    // Slides the row of palette copies and tool buttons along the strip, centred on x.
    void MenuPic_MouseDown(int button, int shift, float x, float y);
    // What the bar of extra parts asks of this window.
    PartBarHost& BarHost() { return *this; }

    const Board& Model() const { return board_; }
    CircuitModel& Doc() { return model_; }
    Platform& Windows() { return platform_; }
    PictureControl& MenuPic() { return *menuPic_; }
    // The button of a tool (kToolLine, kToolPencil, kToolDelete).
    PictureControl& ToolButton(int16_t tool) {
        return tool == kToolLine ? *linePic_ : tool == kToolPencil ? *pencilPic_ : *delPic_;
    }
    FreehandOverlay& Glasso1() { return *glasso_; }

    // KeyboardHost (and for the accessibility and the tests)
    Board& Model() override { return board_; }
    EditHost& Edit() override { return *this; }
    PictureControl* Element(Kind kind, int i) const override { return controls_.Element(kind, i); }
    PictureControl& MainPicture() override { return *mainPicture_; }
    ControlInfo Identify(const QWidget* control) const override {
        return controls_.Identify(control);
    }
    std::vector<QWidget*> FocusOrder() const override { return controls_.FocusOrder(); }
    void ChooseTool(int16_t tool) override;
    // Ends a gesture still running when the tool changes: a part drag as its release would end
    // it, a rubber band erased without a wire, a delete-tool press on the board forgotten.
    void EndRunningGesture() override;
    // What the screen reader says of a control; the tooltips of parts say the same.
    QString ControlName(const QWidget* control) const;
    QString ControlDescription(const QWidget* control);
    // Does what Space does on the control.
    void ActivateControl(QWidget* control);
    KeyboardEditing& Keyboard() { return *keyboard_; }
    bool PointerBusy() const override;
    // The current's view: dots moving along the wires and through the parts, over the parts and
    // under the notes; the conventional direction or the electrons' way.
    void ShowCurrent(bool on);
    void SetElectronFlow(bool electrons);
    CurrentView& CurrentLayer() { return *current_; }
    // The board's zoom, 1 at actual size: the board and its parts are drawn at it, as at that
    // many times the screen's pixel ratio, while the strip keeps its size. Kept between
    // BoardView::kMinZoom and kMaxZoom; the window point given (else the middle of the board's
    // part of the window) stays over the same board point.
    double Zoom() const { return view_.zoom; }
    void SetZoom(double zoom, std::optional<QPoint> keep = std::nullopt);
    // A step up or down the zoom's stops, and the zoom that shows every part and note.
    void ZoomIn(std::optional<QPoint> keep = std::nullopt);
    void ZoomOut(std::optional<QPoint> keep = std::nullopt);
    void ZoomToFit();
    const BoardView& View() const { return view_; }
    // Scrolls the zoomed board (window pixels from its origin), within its scroll bars' range.
    void ScrollTo(QPoint scroll);
    // Scrolls a zoomed board as little as brings the area (window pixels) into view, for the
    // keyboard's part or point: true when it scrolled.
    bool ScrollToShow(const QRect& area);
    // The window's pixels that show the board (not the strip or the scroll bars).
    QRect BoardViewport() const;
    // The board as the learner sees it at actual size (wires, parts, the current's dots, the
    // notes; not the strip or the focus marker), in board units from its top-left corner.
    QRect BoardArea() const;
    // Its pixels as the screen shows them at actual size, at the screen's pixel ratio.
    QImage BoardImage() const;
    // Drawn again as shapes, at any scale the painter sets: for SVG, PDF, print and large
    // pictures.
    void PaintBoard(QPainter& painter) const;
    // The board drawn as a circuit diagram in a set of symbols, or pictorially (none). The view
    // only: the board, its file and its undo history stay as they are.
    void SetDiagram(std::optional<Symbols> symbols);
    // Opens the help, at one of its sections ("keys", "about") when one is named.
    void ShowHelp(const QString& section = {});
    CircuitCommands& Commands() { return *commands_; }
    // The board as a file keeps it (the model's snapshot), and back: Restore ends a running
    // gesture, builds every part where the document says (clamped to this window as a drag
    // clamps it) and solves.
    BoardDocument Document() const { return model_.Snapshot(); }
    void Restore(const BoardDocument& document);
    // Brings this board to the document by changing only what differs (an undo or redo): parts
    // this window holds are moved, shown, hidden, restacked; the tables and notes replaced.
    void Apply(const BoardDocument& document);

    // The overlay's two events, as the overlay raises them (tests raise them too).
    GlassoEvents& OverlayEvents() { return *this; }

  signals:
    // A task's allowance of a kind changed what is left: TaskRules::kNoLimit, or how many.
    void PartsLeftChanged(Kind kind, int left);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Start-up: fresh tables, the first palette copies, the pencil chosen.
    void Form_Load();
    // Lays out board, overlay, strip and palette row from the window's current size.
    void Form_Resize();
    // Places every control of the board through the view, after a zoom or a scroll.
    void LayOutBoard();
    // Places the strip's palette copies and tool buttons, their row slid to the left edge
    // given (window pixels).
    void PlaceStripRow(int left);
    // The scroll bars for the zoom and the window's size, and the scroll kept within them.
    void FitScrollBars();
    // Hides what a board control shows beyond the window's part for the board (over the strip or
    // a scroll bar); at actual size nothing is hidden.
    // A control that may have been clipped before and is not to be now (a part become a palette
    // copy) is shown whole again.
    void ClipToViewport(QWidget& control, bool clip = true) const;
    // A board point as the window shows it.
    QPoint ToWindow(QPointF board) const;
    // Which widget is which control, and the order Tab visits them in.
    const ControlMap& Controls() const { return controls_; }
    QWidget* FocusedControl() const override { return focusWidget(); }
    void FocusAfterRemoval(const QWidget* removed, const std::vector<QWidget*>& before) override;
    void UpdateFocusMarker() override;
    void AnnounceControl(QWidget* control) override;

    // EditHost: what the gesture handlers ask of the window.
    // In board units: the window's right and bottom edges as the board shows them (less a
    // scroll bar), the strip's height (with a scroll bar above it) and its copies' side.
    float WindowScaleWidth() const override;
    float WindowScaleHeight() const override;
    float MenuScaleHeight() const override;
    float MenuHeight() const override { return MenuScaleHeight(); }
    float PaletteSide() const override;
    // The board's size in board units: the window's board at actual size, or more when zoomed
    // out.
    QSizeF BoardExtent() const;
    void LoadElement(Kind kind) override;
    void UnloadLastElement(Kind kind) override;
    void MoveElement(Kind kind, int i, float left, float top, float width, float height) override;
    void SetElementVisible(Kind kind, int i, bool visible) override;
    void ZOrderElement(Kind kind, int i) override;
    void RefreshElement(Kind kind, int i) override;
    void ZOrderOverlay() override;
    void RefreshBoard() override;
    void RefreshBoardAlong(const std::vector<WireSpan>& wires) override;
    // Repaints the board where its wires look other than they did.
    void RefreshBoardChanged(const std::vector<WireLook>& before);
    Surface& BoardSurface() override;
    void ShowBoardStrokes() override;
    void ReleaseCapture() override;
    void CircuitSolving() override { solving_ = true; }
    void CircuitSolved(const SolveResult& solved) override;
    void Refused(Kind kind, int number) override { model_.Refuse(kind, number); }
    bool TakesClick(Kind kind, int number) override;
    Reach PointerReach() const override;

    // PartBarHost
    bool BeginPlacing(Kind kind, QPoint globalPos) override;
    void PlacingMove(QPoint globalPos) override;
    void EndPlacing(QPoint globalPos) override;
    void PickUpFromBar(Kind kind) override;
    void SetBarButtons(std::vector<QWidget*> buttons) override {
        controls_.SetBar(std::move(buttons));
    }
    bool TabFrom(QWidget* from, bool next) override;

    // Predict first: the bulbs and meters painted anew (veiled or shown), the current's view
    // hidden while veiled.
    void RepaintResults();
    // Shows on the strip's copies (and tells the bar) how many more parts of each kind a task
    // lets the learner add, where that changed.
    void ShowPartsLeft();

    // GlassoEvents
    void Glasso1_MouseMessage(int32_t message, int32_t wParam, int32_t lParam) override;
    void Glasso1_RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;

    PictureControl* MakeElementControl(Kind kind, int i);
    // Takes the kind's last element off the board and out of the map; its control, or null.
    PictureControl* TakeLastElement(Kind kind);
    void SelectTool(int16_t mode, PictureControl* highlighted, bool penMode, bool eraser = false);
    void PaintElement(Surface& s, Kind kind, int i) const;
    bool InStripLook(Kind kind, int i) const;
    Rgb BackOf(Kind kind, int i) const;
    // Gives the current's view the currents of the last solve, when it shows.
    void FeedCurrentView();
    // Something under the current's view was painted, moved, shown, hidden or restacked inside
    // the area (window coordinates): the view copies it again.
    void ChangedUnderCurrent(const QRegion& area);
    // The palette copy of a kind says what it is and how to use it; a placed part leaves hover
    // to the overlay above it.
    void SetPaletteCopyHints(Kind kind);
    // What a press at a point of the overlay would do, and what the part there is.
    Qt::CursorShape CursorAt(QPoint overlayPoint) const;
    QString ToolTipAt(QPoint overlayPoint);
    // A part's name and what it shows, as its tooltip says them.
    QString PartTip(const QWidget* part);
    // The visible part under a window point, if any.
    std::optional<ControlInfo> PartAt(QPoint windowPoint) const;
    // Why a bulb is dark (or that it is lit), as the last solve found.
    BulbState BulbStateOf(int lightIndex) const;

    Platform platform_;
    int32_t handle_;
    CircuitModel& model_;
    Board& board_;
    PictureControl* mainPicture_;
    CurrentView* current_ = nullptr;
    FreehandOverlay* glasso_;
    PictureControl* delPic_;
    PictureControl* pencilPic_;
    PictureControl* linePic_;
    PictureControl* menuPic_;
    QScrollBar* hBar_;
    QScrollBar* vBar_;
    BoardView view_;
    BoardView laidOut_;  // the view the board's controls were last placed through
    int stripRow_ = 0;   // the palette row's left edge on the strip
    // The board's controls are being placed (a zoom, a scroll, a resize): the keyboard's part
    // is not followed.
    bool layingOut_ = false;
    int wheelZoom_ = 0;       // Ctrl and the wheel's turn not yet a zoom's step
    double pinchFrom_ = 1.0;  // the zoom a two-finger pinch began at
    std::optional<OverlayRelay> relay_;
    ControlMap controls_{board_};
    // The component a running drag belongs to, and where its last event put the pointer.
    struct HeldPart {
        Kind kind = Kind::Cell;
        int index = 0;
        float x = 0, y = 0;
    };
    HeldPart held_;
    bool endingGesture_ = false;
    bool eraser_ = false;      // the pencil rubs out
    bool barPlacing_ = false;  // the running placement began on the bar of extra parts
    bool rebuilding_ = false;  // Restore is putting every part back
    // While a board is rebuilt, the controls it took off, by kind and index, for the parts put
    // back in their places: hundreds of widgets made and destroyed cost more than the drawing.
    std::array<std::vector<PictureControl*>, kKinds.size()> spare_;

    // Every bulb's state from the last solve, by element index.
    std::vector<BulbState> bulbStates_;
    bool solving_ = false;
    // What the screen reader last heard of each control.
    Narrator narrator_{[this](const QWidget* c) { return ControlName(c); },
                       [this](const QWidget* c) { return ControlDescription(c); }};
    PointerGrab* grab_ = nullptr;
    FocusMarker* marker_ = nullptr;
    // The marker shows once the keyboard is used and hides again when the mouse is, so a
    // learner with a mouse never sees it.
    bool keyboardInUse_ = false;
    std::unique_ptr<KeyboardEditing> keyboard_;
    QPointer<HelpWindow> help_;
    CircuitCommands* commands_ = nullptr;
    std::array<int, kKinds.size()> partsLeftShown_ = TaskRules::NoLimits();
    bool currentWanted_ = false;  // the current's view is on, whether or not veiled
};

}  // namespace cw
