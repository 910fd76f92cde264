#pragma once

#include <QObject>

namespace platform {

// Keyboard habits every window of both programs shares, installed once per application:
// Enter (either key) presses the push button that has the focus, as Space does, in main
// windows and dialogs alike; and every window shows the focus frame of its focused control
// from the start, not only after the first Tab.
class ButtonKeys : public QObject {
public:
    ButtonKeys();
    ~ButtonKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace platform
