#pragma once

class CKryvelStartDlg;

// The start screen's archive and components buttons open the same dialogs
// as the camera window's commands; the program hands its start screen here
// before showing it.
void InstallStartScreenHooks(CKryvelStartDlg& startScreen);
