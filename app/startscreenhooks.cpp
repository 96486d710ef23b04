#include "startscreenhooks.h"

#include <QDialog>

#include "archivecommands.h"
#include "complcountdlg.h"
#include "dialoghost.h"
#include "commandids.h"
#include "filecommands.h"
#include "kryvelstartdlg.h"
#include "programservices.h"

void InstallStartScreenHooks(CKryvelStartDlg& startScreen, const std::function<void(int)>& dispatch) {
  startScreen.onArchive = [&startScreen] { return ChooseArchiveCamera(&startScreen); };
  startScreen.onPrices = [dispatch] {
    if (dispatch) dispatch(Cmd::kPriceSettings);
  };
  startScreen.onOpenFile = [&startScreen] { return ChooseCameraFile(&startScreen); };
  startScreen.onComponents = [&startScreen] {
    CComplCountDlg::Run(&startScreen, Program().pricing, &Program().priceBlock, QStringLiteral("Material"),
                        [](QDialog& dialog) { return DialogHost().Run(dialog); });
  };
}
