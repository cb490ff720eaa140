// The host services of the main window on Qt.
#pragma once

#include "ui/main/host.h"

class QWidget;

namespace corvald::ui::qt {

// A modal QMessageBox without icon: the prompt, the title, one OK button.
class QtMessageBoxes : public MessageBoxes {
public:
    void show(std::string_view prompt, std::string_view title) override;
};

// Ends the event loop; every window closes as the program ends.
class QtProgramLifetime : public ProgramLifetime {
public:
    void endProgram() override;
};

} // namespace corvald::ui::qt
