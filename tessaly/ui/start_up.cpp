#include "start_up.h"

#include "main_window.h"
#include "splash_window.h"

#include <QCheckBox>

namespace tessaly {

StartUp::StartUp(const Services& services) : services_(services) {}

StartUp::~StartUp() = default;

void StartUp::run() {
    main_ = std::make_unique<MainWindow>(services_);
    main_->loadOptions();
    splash_ = std::make_unique<SplashWindow>(services_);
    QObject::connect(splash_.get(), &SplashWindow::finished, main_.get(), [this] {
        main_->show();
        main_->raise();
        main_->activateWindow();
    });
    splash_->runSequence(main_->Check4->isChecked());
    splash_->hide();
}

} // namespace tessaly
