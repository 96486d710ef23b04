#include "archivedlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>

#include "cameradocument.h"
#include "camerafile.h"
#include "controlids.h"
#include "editops.h"
#include "languageentries.h"
#include "messages.h"
#include "sendcameradlg.h"

namespace {

constexpr int kColumnCount = 5;

struct CArchiveRow {
  QString size;
  QString thickness;
  QString article;
  QString description;
};

QString FromUtf16(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// One line in a list cell.
QString OneLine(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text;
}

// The row of a camera file: the outer sizes from its creation record (the
// inner width and depth plus t, the height plus 2t). Files that cannot be
// read or hold no creation record give none.
std::optional<CArchiveRow> ReadRow(const QString& path) {
  CameraFileContents contents;
  if (LoadCameraFile(QFile::encodeName(path).toStdString(), contents)) return std::nullopt;
  const auto record = std::find_if(contents.records.begin(), contents.records.end(),
                                   [](const EditRecord& each) { return each.op == CreateCameraOp::kOp; });
  if (record == contents.records.end()) return std::nullopt;
  const std::optional<CreateCameraOp> create = Decode<CreateCameraOp>(*record);
  if (!create) return std::nullopt;
  // Sums in 64 bits: the values come from a file.
  const int64_t thickness = create->thickness;
  const int64_t length = create->width + thickness;
  const int64_t width = create->depth + thickness;
  const int64_t height = create->height + 2 * thickness;
  return CArchiveRow{QStringLiteral("%1 X %2 X %3").arg(length).arg(width).arg(height), QString::number(thickness),
                     OneLine(FromUtf16(contents.article)), OneLine(FromUtf16(contents.description))};
}

}  // namespace

CArchiveDlg::CArchiveDlg(QWidget* parent) : CZamoDialog(parent) {
  setWindowTitle(UiText(Lang::kArchiveCaption));
  list_ = new QTreeWidget(this);
  SetControlId(list_, Ctl::Archive::kList);
  list_->setColumnCount(kColumnCount);
  list_->setHeaderLabels({UiText(Lang::kArchiveSizeColumn), UiText(Lang::kArchiveThicknessColumn),
                          UiText(Lang::kArchiveStandardColumn), UiText(Lang::kArchiveArticleColumn),
                          UiText(Lang::kArchiveDescriptionColumn)});
  list_->setRootIsDecorated(false);
  list_->setItemsExpandable(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setStretchLastSection(false);
  // Wide enough for every header at its share of the width.
  list_->setMinimumSize(760, 280);

  auto* sendButton = new QPushButton(UiText(Lang::kArchiveSendButton), this);
  sendButton->setAutoDefault(false);
  SetControlId(sendButton, Ctl::Archive::kSend);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(sendButton);
  buttons->addStretch();
  buttons->addWidget(MakeButtons(0, UiText(Lang::kOpenButton), 0, UiText(Lang::kCancelButtonShort)));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  connect(sendButton, &QPushButton::clicked, this, &CArchiveDlg::Send);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
}

void CArchiveDlg::OnInitDialog() { FillList(); }

void CArchiveDlg::showEvent(QShowEvent* event) {
  CZamoDialog::showEvent(event);
  if (columnsSized_) return;
  columnsSized_ = true;
  // The shares of the list's width that the columns have always had.
  const int w = list_->viewport()->width();
  const std::array<int, kColumnCount> widths{w * 3 / 12, w / 6, w / 6, w / 6, w * 3 / 12 - 1};
  for (int i = 0; i < kColumnCount; ++i) list_->setColumnWidth(i, widths[static_cast<size_t>(i)]);
}

void CArchiveDlg::FillList() {
  list_->clear();
  paths_.clear();
  const QDir folder(QString::fromLatin1(kFolder));
  const QStringList names =
      folder.entryList({QStringLiteral("*.kry")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) {
    const QString path = QString::fromLatin1(kFolder) + QLatin1Char('/') + name;
    const std::optional<CArchiveRow> row = ReadRow(path);
    if (!row) continue;
    auto* item = new QTreeWidgetItem(list_, {row->size, row->thickness, UiText(Lang::kArchiveStandardYes), row->article,
                                             row->description});
    item->setToolTip(4, row->description);
    paths_ << path;
  }
}

QString CArchiveDlg::SelectedPath() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return QString();
  const int row = list_->indexOfTopLevelItem(selected.front());
  return row >= 0 && row < paths_.size() ? paths_[row] : QString();
}

void CArchiveDlg::accept() {
  const QString path = SelectedPath();
  if (path.isEmpty()) {
    ShowMessageText(UiText(Lang::kChooseCameraToOpen), UiText(Lang::kWarningCaption), MessageButtons::Ok, this);
    return;
  }
  if (onOpen && !onOpen(path)) return;
  resultPath_ = path;
  CZamoDialog::accept();
}

void CArchiveDlg::Send() {
  const QString path = SelectedPath();
  if (onSend) {
    onSend(path);
    return;
  }
  CSendCameraDlg dialog(this);
  if (!path.isEmpty()) dialog.SetCameraFile(path);
  dialog.exec();
}

bool CArchiveDlg::LoadArchiveCamera(const QString& path, CCameraDocument& document, QWidget* parent) {
  if (document.Load(QFile::encodeName(path).toStdString())) {
    ShowMessage(Lang::kCameraFileCannotOpen, Lang::kLoadCameraFailedCaption, MessageButtons::Ok, parent);
    return false;
  }
  return true;
}
