// The main window: the board on top, the palette strip along the bottom with the four palette
// copies and the three tool buttons, and the transparent overlay over the board. It owns the
// board model and is the host the gesture handlers and the overlay's events run in.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "analysis/solver.h"
#include "edit/edit_host.h"
#include "model/board.h"
#include "overlay/freehand_overlay.h"
#include "overlay/glasso.h"
#include "overlay/overlay_relay.h"
#include "toolkit/picture_control.h"
#include "toolkit/platform.h"

namespace cw {

inline constexpr Rgb kWindowBackground{0, 128, 0};
inline constexpr Rgb kToolHighlight{128, 255, 128};
inline constexpr Rgb kStripColour{255, 255, 128};
inline constexpr int kDesignClientWidth = 582;
inline constexpr int kDesignClientHeight = 550;
inline constexpr int kToolButtonBorder = 2;

class FocusMarker;
class PointerGrab;
class HelpWindow;
class KeyboardEditing;

// What a control of the window is, for the keyboard, the screen reader, tooltips and pointer
// shapes.
enum class ControlType { None, Palette, Tool, Part, Board };
struct ControlInfo {
    ControlType type = ControlType::None;
    Kind kind = Kind::Cell;  // a palette copy's or a part's
    int index = 0;           // its element index
    int16_t tool = 0;        // a tool button's ToolMode
};

class Circuit final : public QWidget, public EditHost, public GlassoEvents {
    Q_OBJECT
  public:
    explicit Circuit(QWidget* parent = nullptr);
    ~Circuit() override;
    Circuit(const Circuit&) = delete;
    Circuit& operator=(const Circuit&) = delete;

    // Start-up: fresh tables, the first palette copies, the pencil chosen.
    void Form_Load();
    // Lays out board, overlay, strip and palette row from the window's current size.
    void Form_Resize();

    void PencilPic_Click();
    void LinePic_Click();
    void DelPic_Click();
    // Slides the row of palette copies and tool buttons along the strip, centred on x.
    void MenuPic_MouseDown(int button, int shift, float x, float y);

    Board& Model() { return board_; }
    const Board& Model() const { return board_; }
    Platform& Windows() { return platform_; }
    int32_t Handle() const { return handle_; }
    PictureControl& MainPicture() { return *mainPicture_; }
    PictureControl& MenuPic() { return *menuPic_; }
    PictureControl& LinePic() { return *linePic_; }
    PictureControl& PencilPic() { return *pencilPic_; }
    PictureControl& DelPic() { return *delPic_; }
    FreehandOverlay& Glasso1() { return *glasso_; }
    // The control of element i (1..U) of an array; null for the template or an index outside.
    PictureControl* Element(Kind kind, int i) const;

    // Ends a gesture still running when the tool changes: a part drag as its release would end
    // it, a rubber band erased without a wire, a delete-tool press on the board forgotten.
    void EndRunningGesture();

    ControlInfo Identify(const QWidget* control) const;
    // The controls in the order Tab visits them: the palette copies, the tool buttons, the
    // parts on the board by number, the board.
    std::vector<QWidget*> FocusOrder() const;
    // What the screen reader says of a control; the tooltips of parts say the same.
    QString ControlName(const QWidget* control) const;
    QString ControlDescription(const QWidget* control);
    // Does what Space does on the control.
    void ActivateControl(QWidget* control);
    KeyboardEditing& Keyboard() { return *keyboard_; }
    // A mouse gesture is under way (a button is held); the keyboard waits for it to end.
    bool PointerBusy() const;
    // Gives the focus to what follows a control just taken off the board, in the order before.
    void FocusAfterRemoval(const QWidget* removed, const std::vector<QWidget*>& before);
    // Puts the focus marker around the focused control, or on the board's keyboard cursor.
    void UpdateFocusMarker();
    // Tells the screen reader when the control's name or description changed.
    void AnnounceControl(QWidget* control);
    void ShowHelp();

    // EditHost
    float WindowScaleWidth() const override { return static_cast<float>(width()); }
    float WindowScaleHeight() const override { return static_cast<float>(height()); }
    float MenuScaleHeight() const override { return menuPic_->ScaleHeight(); }
    float MenuHeight() const override { return static_cast<float>(menuPic_->height()); }
    void LoadElement(Kind kind) override;
    void UnloadLastElement(Kind kind) override;
    void MoveElement(Kind kind, int i, float left, float top, float width, float height) override;
    void SetElementVisible(Kind kind, int i, bool visible) override;
    void ZOrderElement(Kind kind, int i) override;
    void RefreshElement(Kind kind, int i) override;
    void ZOrderOverlay() override;
    void RefreshBoard() override;
    Surface& BoardSurface() override;
    void ShowBoardStrokes() override;
    void ReleaseCapture() override;
    void CircuitSolving() override { solving_ = true; }
    void CircuitSolved(const std::vector<BulbState>& bulbs) override;

    // GlassoEvents
    void Glasso1_MouseMessage(int32_t message, int32_t wParam, int32_t lParam) override;
    void Glasso1_RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    PictureControl* MakeElementControl(Kind kind, int i);
    void SelectTool(int16_t mode, PictureControl* highlighted, bool penMode);
    void PaintElement(Surface& s, Kind kind, int i) const;
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
    Board board_;
    PictureControl* mainPicture_;
    FreehandOverlay* glasso_;
    PictureControl* delPic_;
    PictureControl* pencilPic_;
    PictureControl* linePic_;
    PictureControl* menuPic_;
    std::optional<OverlayRelay> relay_;
    // Controls of elements 1..U of each array; slot 0 (the template) has none.
    std::array<std::vector<PictureControl*>, 4> elements_;
    // The component a running drag belongs to, and where its last event put the pointer.
    struct HeldPart {
        Kind kind = Kind::Cell;
        int index = 0;
        float x = 0, y = 0;
    };
    HeldPart held_;

    std::unordered_map<const QWidget*, std::pair<Kind, int>> elementOf_;
    // Every bulb's state from the last solve, by element index.
    std::vector<BulbState> bulbStates_;
    bool solving_ = false;
    // The name and description the screen reader last heard of each control.
    std::unordered_map<const QWidget*, std::pair<QString, QString>> announced_;
    PointerGrab* grab_ = nullptr;
    FocusMarker* marker_ = nullptr;
    // The marker shows once the keyboard is used and hides again when the mouse is, so a
    // learner with a mouse never sees it.
    bool keyboardInUse_ = false;
    std::unique_ptr<KeyboardEditing> keyboard_;
    QPointer<HelpWindow> help_;
};

}  // namespace cw
