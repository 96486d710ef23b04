#include "startscreenhooks.h"

#include <QDialog>

#include "archivecommands.h"
#include "complcountdlg.h"
#include "dialoghost.h"
#include "kryvelstartdlg.h"
#include "programservices.h"

void InstallStartScreenHooks(CKryvelStartDlg& startScreen) {
  startScreen.onArchive = [&startScreen] { return ChooseArchiveCamera(&startScreen); };
  startScreen.onComponents = [&startScreen] {
    CComplCountDlg::Run(&startScreen, Program().pricing, &Program().priceBlock, QStringLiteral("Material"),
                        [](QDialog& dialog) { return DialogHost().Run(dialog); });
  };
}
