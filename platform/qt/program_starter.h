#pragma once

#include <QString>
#include <QStringList>

namespace platform {

enum class WindowState { Normal, Maximized, Minimized };

// Starts another program (the browser, an editor) with an argument list and no shell, so
// paths with blanks work and no text can smuggle in a second command. The window state is
// a hint the started program may ignore. Does not wait for the program.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool start(const QString& program, const QStringList& arguments,
                       WindowState state = WindowState::Normal) = 0;
};

class QtProgramStarter : public ProgramStarter {
public:
    bool start(const QString& program, const QStringList& arguments, WindowState state) override;
};

} // namespace platform
