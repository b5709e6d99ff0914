#pragma once
// ShapeForm: what the three shape windows share. A borderless layered window at (80, 80) holding a lamp,
// one letter label per input, the right-click menu, the lock, top and opacity flags, snapping to
// multiples of 10, and the ":" settings string.
// Inputs: 0 doLevel (the ladder's), 2 doCommand, 5 doGetSettings, 6 doSetSettings.
// Outputs: 0 onSettings (the settings string), 1 onDeleteRequest.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/container.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_main_form.h"
#include "runtime/elements/visual_managers.h"
#include "runtime/elements/visual_menu.h"
#include "runtime/multi_element_ex.h"

namespace lr {

namespace shape_point {
inline constexpr std::uint16_t Level = 0;
inline constexpr std::uint16_t Command = 2;
inline constexpr std::uint16_t GetSettings = 5;
inline constexpr std::uint16_t SetSettings = 6;
inline constexpr std::uint16_t Inputs = 7;
inline constexpr std::uint16_t OnSettings = 0;
inline constexpr std::uint16_t OnDeleteRequest = 1;
}  // namespace shape_point

enum class ShapeInput { Red, Green, Blue, Size, Level };

// How one kind of shape looks at creation.
struct ShapeLook {
    const char* caption;
    ui::WindowBorder border;
    ui::Size size;
    ui::Color key;                   // see-through colour of the window
    bool sized;                      // the settings carry width and height
    ui::Color labelBackground;       //
    bool labelsOnLamp;               // the labels lie over the lamp, so they are the lamp's own children
    std::vector<ShapeInput> inputs;  // in menu and settings order
    std::vector<ui::Point> labelPlaces;
};

inline constexpr char kNoChannel = '~';
inline constexpr int kOpaque = 255;

// The menu text with one channel submenu per header ("R=", "G=", ...), then Transparent, Lock, Top,
// Delete and Exit; items are numbered as the menu element numbers them.
std::string shapeMenuText(const std::vector<std::string>& channelHeaders);

class ShapeForm : public TClassMultiBase {
  protected:
    ShapeForm(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer, const ShapeLook& look,
              std::string menuText);
    // The lamp exists: the labels go over it, the mouse and the menu are linked.
    void finish(THIWin& lamp);
    ui::Control& client() { return form_.control(); }
    int value(ShapeInput input) const;
    // A new value reached an input (or an Off reset it): the lamp follows.
    virtual void show(ShapeInput input) = 0;
    // The window was resized (the rectangle's lamp fills it).
    virtual void resized() {}
    virtual void doLevel(TData&) {}
    void setValue(ShapeInput input, int v);

  private:
    // The assignment is kept beside its label, so a command never has to ask a window for its text.
    struct Channel {
        ShapeInput input;
        THILabel* label;
        int value;
        char letter;
    };
    // The letter of each input, "~" for none, as its label shows it.
    std::string letter(std::size_t input);
    static void assign(Channel& channel, char letter);
    THIMainForm& makeForm(const ShapeLook& look);
    THITransparentManager& makeTransparency(const ShapeLook& look);
    ThiPopupMenuEx& makeMenu(std::string text);
    THILabel& makeLabel(ui::Control& parent, ui::Point at, ShapeInput input);
    void linkEdge();
    void doCommand(TData& data);
    void doGetSettings(TData& data);
    void doSetSettings(TData& data);
    void mouseDown(TData& data);
    void menuClick(TData& data);
    void channelItem(std::size_t channel, int item);
    void optionItem(int item);
    void moved(TData& data);
    void applyFields(const std::vector<std::string>& fields);
    void applyPlace(ui::Rect r);
    void setOpacity(int level);
    void setTop(bool on);
    Point output(std::uint16_t index) { return bind<&THIEditMultiEx::output>(edge_, index); }

    const ShapeLook& look_;
    THIEditMultiEx& edge_;
    THIMainForm& form_;
    THITransparentManager& transparency_;
    ThiPopupMenuEx& menu_;
    std::vector<Channel> channels_;
    int opacity_ = kOpaque;
    bool lock_ = false;
    bool top_ = false;
    bool snapping_ = false;
};

}  // namespace lr
