#pragma once

#include "services.h"

#include <memory>

namespace tessaly {

class MainWindow;
class SplashWindow;

// The program's start: the main window is loaded hidden and given the options, the splash
// runs its sequence, and the main window appears when the splash is done or closed.
class StartUp {
public:
    explicit StartUp(const Services& services);
    ~StartUp();

    void run();

    MainWindow& mainWindow() { return *main_; }
    SplashWindow& splash() { return *splash_; }

private:
    Services services_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<SplashWindow> splash_;
};

} // namespace tessaly
