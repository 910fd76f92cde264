#pragma once

#include <QComboBox>

#include <functional>

namespace vmcntrl {

// The editable script selector; before its list drops down the window may ask to save
// changes, and a cancelled question keeps the list closed.
class ScriptSelector : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    std::function<bool()> beforeDropDown;
    void showPopup() override {
        if (!beforeDropDown || beforeDropDown())
            QComboBox::showPopup();
    }
};

} // namespace vmcntrl
