#pragma once
// TClassChildPanel_2DEABE0: the Visualization page. The "Control" group lists the visual schemes and
// runs, stops and saves the visualization; the "Add/Del Shapes" group adds and clears shapes and keeps
// the three kind lists; the strip test group sits below.
// Inputs: 0 show (any value but Integer 0) or hide; 1 a command of the gated stream, to every shape and
// to the strip test group; 2 start (the scheme list, the saved scheme, the strip test group); 3 Integer 1
// runs, 0 stops; 4 saves the current scheme; 5 closing (the strip test group).
// Output 0: the running state, 1 after Run and 0 after Stop.
// A command that arrives on another thread than the page's is posted to the page's loop, so shapes are
// only ever touched on the thread that adds and deletes them.
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "runtime/container.h"
#include "runtime/elements/global_var.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"
#include "striptest/strips_group.h"
#include "visual/shape_kinds.h"

namespace lr {

// The scheme file of a name: the program's folder, "visualization\", the name and ".vsc".
std::string visualSchemePath(const std::string& name);

// "Add/Del Shapes": the add and clear buttons over the kind managers of circles, rectangles and ladders.
class TClassChildGroupBox_2DEB420 : public TClassMultiBase {
  public:
    TClassChildGroupBox_2DEB420(ui::Control* parent, TClassMultiBase* owner);
    void doCommand(TData& data);  // every circle, then every rectangle, then every ladder
    void doLoad(TData& data);
    void doClear(TData& data);
    // Writes the scheme of that name as a whole (a failed write leaves the old file) and says how it went.
    void doSave(TData& data);

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THIBitBtn& button(const char* caption, const char* bitmap, int left, int top);
    THILabel& hintLabel();
    template <class Kind>
    void link(THIBitBtn& add, Kind& kind);

    std::recursive_mutex guard_;
    THIGroupBox& group_;
    THIBitBtn& addRectangle_;
    THIBitBtn& addCircle_;
    THIBitBtn& addLadder_;
    THIBitBtn& clear_;
    THILabel& hint_;
    TClassMultiElementEx_2DEB580& circles_;
    TClassMultiElementEx_2DEE5A0& rectangles_;
    TClassMultiElementEx_2DF0AC0& ladders_;
};

// "Control": Stop, Run, the scheme list, Save and Refresh.
class TClassChildGroupBox_2DEAC90 : public TClassMultiBase {
  public:
    TClassChildGroupBox_2DEAC90(ui::Control* parent, TClassMultiBase* owner,
                                TClassChildGroupBox_2DEB420& shapes);
    void doStart(TData& data);    // lists the schemes, then selects the saved one
    void doRunStop(TData& data);  // Integer 1 runs, anything else stops
    void doSave(TData& data);
    void setOnRunning(Point point) { onRunning_ = point; }

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THIImgBtn& imageButton(const char* hint, int left, int width, std::initializer_list<const char*> images);
    THIComboBox& schemeList();
    THIBitBtn& button(const char* hint, const char* bitmap, int left);
    void relist(TData& data);
    void picked(TData& data);
    void select(const std::string& name);
    void run(TData& data);
    void stop(TData& data);

    TClassChildGroupBox_2DEB420& shapes_;
    THIGroupBox& group_;
    THIImgBtn& stop_;
    THIImgBtn& run_;
    THIComboBox& list_;
    THIBitBtn& save_;
    THIBitBtn& refresh_;
    THIGlobalVar& schemePath_;
    Point onRunning_;
    std::string name_;
    bool running_ = false;
};

class TClassChildPanel_2DEABE0 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 204;  // down to the strip test group's bottom edge

    TClassChildPanel_2DEABE0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);
    ~TClassChildPanel_2DEABE0() override;

  private:
    THIPanel& totalPanel(ui::Control* parent);
    void linkEdge();
    void show(TData& data);
    void command(TData& data);
    void broadcast(TData& data);
    void start(TData& data);

    THIEditMulti& edge_;
    THIPanel& panel_;
    TClassChildGroupBox_2DEB420& shapes_;
    TClassChildGroupBox_2DEAC90& schemes_;
    TClassChildGroupBox_2DF3AE0& strips_;
    const std::thread::id thread_ = std::this_thread::get_id();
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // read by posted commands
};

}  // namespace lr
