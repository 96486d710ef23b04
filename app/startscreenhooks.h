#pragma once

class CKryvelStartDlg;

#include <functional>

// The start screen's archive, components, prices and open buttons open the
// same dialogs as the program's commands; the program hands its start
// screen here before showing it, with its command dispatch (the prices
// button runs the price settings command through it).
void InstallStartScreenHooks(CKryvelStartDlg& startScreen, const std::function<void(int)>& dispatch = {});
