#pragma once
// The plain window elements: panel, group box, label, edit, memo, check box, combo box.
#include "runtime/elements/visual_win.h"

namespace lr {

class THIPanel : public THIWin {
  public:
    using THIWin::THIWin;

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::Panel}; }
};

class THIGroupBox : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Caption;

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::GroupBox, {}, Caption}; }
};

class THILabel : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Caption;
    ui::TextAlign Alignment_ = ui::TextAlign::Left;
    bool AutoSize = false;
    void doText(TData& data);
    void Text(TData& data);

  protected:
    ui::ControlSpec params() const override;
    void applyOwn() override { fitText(); }

  private:
    void fitText();
};

class THIEdit : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Text_;
    bool ReadOnly = false;
    bool Password = false;
    Point onChange;  // the new text, on every change the user makes
    void doText(TData& data);
    void Text(TData& data);

  protected:
    ui::ControlSpec params() const override;
    void changed() override;
};

class THIMemo : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Strings;  // lines joined by "\r\n"
    bool ReadOnly = false;
    Point onChange;
    void doText(TData& data);  // replaces the whole text
    void doAdd(TData& data);   // appends a line
    void doClear(TData& data);
    void Text(TData& data);
    void Count(TData& data);

  protected:
    ui::ControlSpec params() const override;
    void changed() override;
};

class THICheckBox : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Caption;
    bool Checked_ = false;
    Point onCheck;
    void doCheck(TData& data);
    void doCaption(TData& data);
    void Checked(TData& data);

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::CheckBox, {}, Caption}; }
    void applyOwn() override { control().setChecked(Checked_); }
    void changed() override;
};

class THIComboBox : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Strings;  // one item per line
    int ItemHeight = 0;   // 0 keeps the system's
    Point onChange;       // the index of the new selection
    Point onSelectText;   // the text of the new selection
    void doAdd(TData& data);
    void doClear(TData& data);
    void doSelectString(TData& data);
    void doSelect(TData& data);  // by index
    void String(TData& data);
    void Index(TData& data);
    void Count(TData& data);

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::ComboBox}; }
    void applyOwn() override;
    void changed() override;
};

}  // namespace lr
