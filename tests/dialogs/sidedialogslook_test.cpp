// The components, archive and send dialogs show their whole texts. With
// ZAMO_DIALOG_SHOTS=<folder> in the environment each is also saved there as
// a picture to look at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>

#include <functional>
#include <memory>

#include "archivedlg.h"
#include "cameradocument.h"
#include "complcountdlg.h"
#include "dialogtestutil.h"
#include "sendcameradlg.h"
#include "testsupport.h"

namespace {

TEST(SideDialogsLook, NoTextIsCut) {
  LoadShippedLanguage();
  CScratchDir dir;
  CScopedCurrentDir cwd(dir.Path());
  CMessageRecorder messages;
  QDir().mkpath(QStringLiteral("CamArch"));
  CCameraDocument camera;
  ASSERT_TRUE(camera.CreateCamera(u"ХКМ-10.66", u"Камера для молочной продукции", 2920, 1920, 2040, 80, false,
                                  false));
  ASSERT_FALSE(camera.Save(dir.File("CamArch/sample.kry")));

  const std::pair<const char*, std::function<std::unique_ptr<QDialog>()>> shots[] = {
      {"components", [] { return std::make_unique<CComplCountDlg>(); }},
      {"archive", [] { return std::make_unique<CArchiveDlg>(); }},
      {"sendcamera",
       [] {
         auto d = std::make_unique<CSendCameraDlg>();
         d->SetLibraryNames(QStringLiteral("NoSuchTallyx"), QStringLiteral("mailer"));
         return d;
       }},
  };
  const QString folder = qEnvironmentVariable("ZAMO_DIALOG_SHOTS");
  if (!folder.isEmpty()) QDir().mkpath(folder);
  for (const auto& [name, make] : shots) {
    std::unique_ptr<QDialog> dialog = make();
    dialog->show();
    for (const QWidget* child : dialog->findChildren<QWidget*>()) {
      if (!child->isVisible()) continue;
      const auto* label = qobject_cast<const QLabel*>(child);
      if (label && (label->wordWrap() || label->text().isEmpty())) continue;
      if (label || qobject_cast<const QAbstractButton*>(child) || qobject_cast<const QGroupBox*>(child)) {
        EXPECT_GE(child->width(), child->minimumSizeHint().width())
            << name << ": control " << child->objectName().toStdString() << " is cut";
      }
    }
    const QPixmap picture = dialog->grab();
    EXPECT_FALSE(picture.isNull()) << name;
    if (!folder.isEmpty()) picture.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
  }
}

}  // namespace
