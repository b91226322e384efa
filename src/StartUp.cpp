#include "StartUp.h"

#include <functional>

namespace korvane {

ProgramWindows::ProgramWindows(std::unique_ptr<Dialogs> dialogs)
    : Form1(std::move(dialogs)),
      Form3(Form1.ControlBar1(), {Form1.ToolBar3(), Form1.ToolBar4(), Form1.ToolBar1()}) {
    Form2.SetMainWindow(&Form1);
    Form1.SetVersionWindow(&Form2);
    Form1.SetToolbarDialog(&Form3, std::bind_front(&TForm3::SetChecks, &Form3));
}

void ProgramWindows::Start() {
    Form2.show();
}

}  // namespace korvane
