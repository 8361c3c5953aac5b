#include "main_window/main_window.h"

namespace zige {

void MainWindow::Command1_Click() {}
void MainWindow::Command2_Click() {}
void MainWindow::Command3_Click() {}
void MainWindow::Command5_Click() {}
void MainWindow::Command6_Click() {}
void MainWindow::Text1_Click() { StopListing = true; }

}  // namespace zige
