#include "planstatus.h"

#include <QSettings>
#include <QVariant>

#include <cstdlib>
#include <optional>

#include "chamber.h"
#include "editcommands.h"
#include "insidedimensions.h"
#include "languageentries.h"
#include "messages.h"
#include "settings.h"

namespace {

const QString kInsideDimensionsKey = QStringLiteral("InsideDimensions");

int KindEntry(const CWallPanel& panel) {
  if (panel.Kind() == kOpening) return Lang::kPanelKindOpening;
  if (panel.IsDoor()) return Lang::kPanelKindDoor;
  return panel.Kind() == kPanelStandard ? Lang::kPanelKindStandard : Lang::kPanelKindOtherWidth;
}

QString PanelText(const CWallCollection& run, const CWallPanel& panel) {
  return UiText(Lang::kStatusPanelKind)
      .arg(run.IndexOfPanel(&panel) + 1)
      .arg(panel.Width())
      .arg(UiText(KindEntry(panel)));
}

QString WithPanel(QString text, const CWallCollection& run, const CWallPanel* panel) {
  if (panel) text += QStringLiteral(", ") + PanelText(run, *panel);
  return text;
}

std::optional<bool>& InsideChoice() {
  static std::optional<bool> choice;
  return choice;
}

}  // namespace

QString DescribeUnderPointer(CChamber& camera, const CPixelMapping& mapping, QPoint pixel, bool inside) {
  CWallCollection* wall = nullptr;
  CWallPanel* panel = nullptr;
  if (camera.FindWallAt(mapping, pixel.x(), pixel.y(), &wall, &panel)) {
    const int index = camera.IndexOfWall(wall);
    QString text;
    if (inside) {
      text = UiText(Lang::kStatusWallClear).arg(index + 1).arg(InsideLength(camera, index));
    } else {
      const std::optional<WallChainSpan> span = MeasureWallInChain(camera, index);
      text = UiText(Lang::kStatusWall).arg(index + 1).arg(span ? span->value : std::abs(wall->Length()));
    }
    return WithPanel(text, *wall, panel);
  }
  CPartition* partition = nullptr;
  if (camera.FindPartitionAt(mapping, pixel.x(), pixel.y(), &partition, &panel)) {
    const QString text = UiText(Lang::kStatusPartition)
                             .arg(camera.IndexOfPartition(partition) + 1)
                             .arg(std::abs(partition->Length()));
    return WithPanel(text, *partition, panel);
  }
  CFloorStrip* strip = nullptr;
  if (camera.FindFloorStripAt(mapping, pixel.x(), pixel.y(), &strip)) {
    return UiText(Lang::kStatusFloorStripSize).arg(camera.IndexOfFloorStrip(strip) + 1).arg(strip->W()).arg(strip->H());
  }
  return {};
}

bool InsideDimensionsShown() {
  std::optional<bool>& choice = InsideChoice();
  if (!choice) choice = OpenZamoSettings()->value(kInsideDimensionsKey, false).toBool();
  return *choice;
}

void SetInsideDimensionsShown(bool inside) {
  InsideChoice() = inside;
  OpenZamoSettings()->setValue(kInsideDimensionsKey, inside);
}
