// The price commands of the camera window: the camera price, the two price
// lists, the materials dialog and the price table.
#include <QApplication>
#include <QProgressDialog>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <optional>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "dealercoefficient.h"
#include "editcommands.h"
#include "editmessages.h"
#include "exceloutputdlg.h"
#include "languageentries.h"
#include "messages.h"
#include "pricerun.h"
#include "programservices.h"
#include "reportnotice.h"
#include "sceneimage.h"
#include "textcodec.h"

namespace {

CPriceRunSetup ProgramSetup() {
  CPriceRunSetup setup;
  setup.quotix = Program().pricing;
  setup.priceBlock = &Program().priceBlock;
  return setup;
}

// The wait cursor while a report is priced and written; the user's own
// cursor comes back however the run ends.
class CWaitCursor {
 public:
  CWaitCursor() = default;
  ~CWaitCursor() { Stop(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  void Start() {
    if (on_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    on_ = true;
  }
  void Stop() {
    if (!on_) return;
    QApplication::restoreOverrideCursor();
    on_ = false;
  }

 private:
  bool on_ = false;
};

// The message the window shows for a reason a run stopped for on the
// program's side. What the pricing library refused it has said itself.
struct CRunMessage {
  PriceRunResult result;
  int text;
  int caption;
};

void Tell(PriceRunResult result, std::initializer_list<CRunMessage> messages) {
  for (const CRunMessage& message : messages)
    if (message.result == result) ShowMessage(message.text, message.caption);
}

// The reasons of the report runs and the price dialog. A missing profile is
// an error for the camera price, a price calculation message for the price
// lists: `profilesCaption`.
void TellRunResult(PriceRunResult result, int profilesCaption = Lang::kErrorCaption) {
  Tell(result, {{PriceRunResult::kPricingExportMissing, Lang::kPricingExportMissing, Lang::kPriceCalculationCaption},
                {PriceRunResult::kMaterialsMissing, Lang::kMaterialsModuleMissing, Lang::kPriceCalculationCaption},
                {PriceRunResult::kNoMaterialProfiles, Lang::kNoMaterialProfiles, profilesCaption},
                {PriceRunResult::kNotFullyDivided, Lang::kCameraNotFullyDivided, Lang::kErrorCaption}});
}

void CameraPrice(CChildView& view) {
  // A window whose new-camera dialog was cancelled has nothing to price.
  if (view.Camera().WallCount() == 0) return;
  // A floor strip too narrow for the automatic division would leave the
  // camera unpriceable: the user may have it divided with one panel across.
  CWindowAsker asker(&view);
  FinishEdit(view, edit_commands::DivideNarrowFloorStrips(view.Document(), asker));
  CWaitCursor wait;
  const ReportOptionsChooser choose =
      [&view, &wait](const std::vector<std::string>& profiles) -> std::optional<CReportOptions> {
    CExcelOutputDlg dialog(&view);
    dialog.SetProfileNames(profiles);
    dialog.SetDealerCoefficient(DealerCoefficient());
    if (view.RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
    // The coefficient typed here is the one the next camera starts from.
    SetDealerCoefficient(dialog.DealerCoefficient());
    // A camera the run will refuse gets its message without a wait cursor.
    if (CCameraTallies().Tally(view.Camera())) wait.Start();
    return CReportOptions{dialog.ProfileIndex(), dialog.Euro(), dialog.DetailedEstimate(), dialog.DealerCoefficient(),
                          dialog.EstimatePicture()};
  };
  CPriceRunSetup setup = ProgramSetup();
  QString written;
  setup.savedPath = &written;
  // The estimate's picture lives until the workbook has taken it in.
  const QTemporaryDir pictureFolder;
  const CReportHeading heading{
      Utf16ToUtf8(view.Document().Article()), Utf16ToUtf8(view.Document().Description()),
      pictureFolder.isValid() ? WriteEstimatePicture(view.Camera(), pictureFolder.path().toStdString()) : ""};
  const PriceRunResult result = RunCameraPriceReport(setup, view.Camera(), DealerCoefficient(), choose, heading);
  wait.Stop();
  TellRunResult(result);
  AnnounceReport(written, &view);
}

// A price list prices 360 cameras: a progress dialog keeps the program
// alive on the screen and lets the user stop it, which writes no file.
void PriceList(CChildView& view, bool is80) {
  const QString title = UiText(is80 ? Lang::kMenuPriceList80 : Lang::kMenuPriceList100);
  std::unique_ptr<QProgressDialog> progress;
  const PriceListProgress step = [&](int done, int total, const CChamber& camera) {
    if (!progress) {
      // Made on the first camera: a run refused before it shows only its
      // message.
      progress = std::make_unique<QProgressDialog>(QString(), UiText(Lang::kCancelButtonShort), 0, total, &view);
      progress->setWindowTitle(title);
      progress->setWindowModality(Qt::WindowModal);
      progress->setMinimumDuration(0);
      progress->setAutoClose(false);
      progress->setAutoReset(false);
      progress->setValue(0);
    }
    progress->setLabelText(done < total ? UiText(Lang::kPriceListProgress)
                                              .arg(done)
                                              .arg(total)
                                              .arg(camera.Width() + camera.Thickness())
                                              .arg(camera.Depth() + camera.Thickness())
                                              .arg(camera.Height() + 2 * camera.Thickness())
                                        : UiText(Lang::kPriceListSaving));
    progress->setValue(done);
    return !progress->wasCanceled();
  };
  CPriceRunSetup setup = ProgramSetup();
  QString written;
  setup.savedPath = &written;
  const PriceRunResult result = RunPriceList(setup, is80, step);
  progress.reset();
  TellRunResult(result, Lang::kPriceCalculationCaption);
  AnnounceReport(written, &view);
}

void Materials() {
  Tell(RunMaterialsDialog(),
       {{PriceRunResult::kMaterialsMissing, Lang::kMaterialsModuleLoadFailed, Lang::kErrorCaption},
        {PriceRunResult::kMaterialsDialogMissing, Lang::kMaterialsDialogMissing, Lang::kErrorCaption}});
}

}  // namespace

void RegisterPriceCommands(CCommandTable& table) {
  table.Add(Cmd::kCameraPrice, CameraPrice);
  table.Add(Cmd::kPriceList80, [](CChildView& view) { PriceList(view, true); });
  table.Add(Cmd::kPriceList100, [](CChildView& view) { PriceList(view, false); });
  table.Add(Cmd::kMaterials, [](CChildView&) { Materials(); });
  table.Add(Cmd::kPriceSettings, [](CChildView& view) { TellRunResult(RunPriceDialog(Program().pricing, &view)); });
}
