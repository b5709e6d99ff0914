#pragma once
// TClassChildFormEx_1EF9810: the small window that lists the shipped languages. Opening it lists the
// ".lng" files under ".\localization\" and selects the language in use; picking one stores it in the
// settings and reports it, so that the main window can restart the program in that language.
#include "runtime/container.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_main_form.h"
#include "settings/ini_element.h"

namespace lr {

class TClassChildFormEx_1EF9810 : public TClassMultiBase {
  public:
    explicit TClassChildFormEx_1EF9810(TClassMultiBase* owner);

    Point onChosen;  // the name of the language the user picked, after it has been stored

    void doOpen(TData& data);

    THIMainForm& form() { return form_; }

  private:
    THIMainForm& makeForm();
    THILabel& makeLabel();
    THIComboBox& makeList();
    THIImgBtn& makeCloseButton();
    void linkOpening();
    void show(TData& data);
    void hide(TData& data);
    void listLanguages(TData& data);
    void report(TData& data);

    THIMainForm& form_;
    THILabel& label_;
    THIComboBox& list_;
    THIImgBtn& closeButton_;
    THIini& languageSetting_;
    THIHub& opening_;
    THIHub& choice_;
};

}  // namespace lr
