#include "shell/language_chooser.h"

#include "settings/file_search.h"
#include "settings/paths.h"
#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr int kWidth = 242;
constexpr int kHeight = 76;
constexpr int kMargin = 6;
constexpr int kCloseSize = 15;
constexpr int kCloseInset = 4;
}  // namespace

TClassChildFormEx_1EF9810::TClassChildFormEx_1EF9810(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner),
      form_(makeForm()),
      label_(makeLabel()),
      list_(makeList()),
      closeButton_(makeCloseButton()),
      languageSetting_(make<THIini>()),
      opening_(make<THIHub>(4)),
      choice_(make<THIHub>(2)) {
    languageSetting_.FileName_ = "lumenrig.ini";
    languageSetting_.Section_ = "localization";
    languageSetting_.Key_ = "language";
    languageSetting_.Type = THIini::ValueType::String;
    linkOpening();
    list_.onSelectText = bind<&THIHub::doEvent>(choice_);
    choice_.outputs[0] = bind<&THIini::doWrite>(languageSetting_);
    choice_.outputs[1] = bind<&TClassChildFormEx_1EF9810::report>(*this);
    closeButton_.onClick = bind<&TClassChildFormEx_1EF9810::hide>(*this);
}

THIMainForm& TClassChildFormEx_1EF9810::makeForm() {
    THIMainForm& f = make<THIMainForm>();
    f.Left_ = 35;
    f.Top_ = 105;
    f.Width_ = kWidth;
    f.Height_ = kHeight;
    f.Font = ui::Font{"MS Sans Serif", 8};
    f.Caption = settings::translate("Language");
    f.Icon = ui::platform().resources().icon("ASMA");
    f.BorderStyle = ui::WindowBorder::None;
    f.Visible = false;
    return f;
}

THILabel& TClassChildFormEx_1EF9810::makeLabel() {
    THILabel& label = make<THILabel>(&form_.control());
    label.Caption = settings::translate("Choose interface language:");
    label.Left_ = kMargin;
    label.Top_ = kMargin;
    label.Width_ = kWidth - 2 * kMargin - kCloseSize - kCloseInset;
    label.Height_ = 16;
    label.init();
    return label;
}

THIComboBox& TClassChildFormEx_1EF9810::makeList() {
    THIComboBox& list = make<THIComboBox>(&form_.control());
    list.Name = "languages";
    list.Left_ = kMargin;
    list.Top_ = 28;
    list.Width_ = kWidth - 2 * kMargin;
    list.Height_ = 21;
    list.init();
    return list;
}

THIImgBtn& TClassChildFormEx_1EF9810::makeCloseButton() {
    THIImgBtn& button = make<THIImgBtn>(&form_.control());
    button.Name = "close languages";
    button.Images.normal = ui::platform().resources().bitmap("BITMAP13");
    button.Left_ = kWidth - kCloseSize - kCloseInset;
    button.Top_ = kCloseInset;
    button.Width_ = kCloseSize;
    button.Height_ = kCloseSize;
    button.init();
    return button;
}

// Opening: show, empty the list, fill it from the files found, select the language in use.
void TClassChildFormEx_1EF9810::linkOpening() {
    opening_.outputs[0] = bind<&TClassChildFormEx_1EF9810::show>(*this);
    opening_.outputs[1] = bind<&THIComboBox::doClear>(list_);
    opening_.outputs[2] = bind<&TClassChildFormEx_1EF9810::listLanguages>(*this);
    opening_.outputs[3] = bind<&THIini::doRead>(languageSetting_);
    languageSetting_.onRead = bind<&THIComboBox::doSelectString>(list_);
}

void TClassChildFormEx_1EF9810::doOpen(TData& data) {
    opening_.doEvent(data, 0);
}

void TClassChildFormEx_1EF9810::show(TData&) {
    fireInteger(bind<&THIMainForm::doVisible>(form_), 1);
}

void TClassChildFormEx_1EF9810::hide(TData&) {
    fireInteger(bind<&THIMainForm::doVisible>(form_), 0);
}

// Relative to the current folder, subfolders included; the program makes its own folder current.
void TClassChildFormEx_1EF9810::listLanguages(TData&) {
    for (const std::string& file : settings::findFiles(".\\localization\\", "*.lng"))
        fireString(bind<&THIComboBox::doAdd>(list_), settings::nameWithoutFolderAndExtension(file));
}

void TClassChildFormEx_1EF9810::report(TData& data) {
    fire(onChosen, data);
}

}  // namespace lr
