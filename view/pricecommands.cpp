// The price commands of the camera window: the camera price, the two price
// lists, the materials dialog and the price table.
#include <QApplication>
#include <QProgressDialog>

#include <memory>
#include <optional>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "dealercoefficient.h"
#include "exceloutputdlg.h"
#include "paneltally.h"
#include "pricerun.h"
#include "programservices.h"

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

// Whether the run will get past its tallies. A camera that will not is
// refused with a message, which should not stand under a wait cursor.
bool TalliesComplete(const CChamber& camera) {
  std::vector<WallPanelTally> walls;
  std::vector<WallPanelTally> partitions;
  std::vector<FloorPanelTally> ceiling;
  return TallyWallPanels(camera, walls) && TallyPartitionPanels(camera, partitions) &&
         TallyFloorPanels(camera, ceiling);
}

void CameraPrice(CChildView& view) {
  // A window whose new-camera dialog was cancelled has nothing to price.
  if (view.Camera().WallCount() == 0) return;
  CWaitCursor wait;
  const ReportOptionsChooser choose =
      [&view, &wait](const std::vector<std::string>& profiles) -> std::optional<CReportOptions> {
    CExcelOutputDlg dialog(&view);
    dialog.SetProfileNames(profiles);
    if (view.RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
    if (TalliesComplete(view.Camera())) wait.Start();
    return CReportOptions{dialog.ProfileIndex(), dialog.Euro()};
  };
  RunCameraPriceReport(ProgramSetup(), view.Camera(), DealerCoefficient(), choose);
}

// A price list prices 360 cameras: a progress dialog keeps the program
// alive on the screen and lets the user stop it, which writes no file.
void PriceList(CChildView& view, bool is80) {
  const QString title = is80 ? QStringLiteral("Прайс-лист 80") : QStringLiteral("Прайс-лист 100");
  std::unique_ptr<QProgressDialog> progress;
  const PriceListProgress step = [&](int done, int total, const CChamber& camera) {
    if (!progress) {
      // Made on the first camera: a run refused before it shows only its
      // message.
      progress = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Отмена"), 0, total, &view);
      progress->setWindowTitle(title);
      progress->setWindowModality(Qt::WindowModal);
      progress->setMinimumDuration(0);
      progress->setAutoClose(false);
      progress->setAutoReset(false);
      progress->setValue(0);
    }
    progress->setLabelText(done < total ? QStringLiteral("Камера %1 из %2: %3 X %4 X %5")
                                              .arg(done)
                                              .arg(total)
                                              .arg(camera.Width() + camera.Thickness())
                                              .arg(camera.Depth() + camera.Thickness())
                                              .arg(camera.Height() + 2 * camera.Thickness())
                                        : QStringLiteral("Прайс-лист сохраняется..."));
    progress->setValue(done);
    return !progress->wasCanceled();
  };
  RunPriceList(ProgramSetup(), is80, step);
}

}  // namespace

void RegisterPriceCommands(CCommandTable& table) {
  table.Add(Cmd::kCameraPrice, CameraPrice);
  table.Add(Cmd::kPriceList80, [](CChildView& view) { PriceList(view, true); });
  table.Add(Cmd::kPriceList100, [](CChildView& view) { PriceList(view, false); });
  table.Add(Cmd::kMaterials, [](CChildView&) { RunMaterialsDialog(); });
  table.Add(Cmd::kPriceSettings, [](CChildView& view) { RunPriceDialog(Program().pricing, &view); });
}
