// Sending a camera: the remembered fields through the real collections
// library, and the mail handed to a recorder standing in for the mail
// program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QThread>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "settings.h"
#include "dialogtestutil.h"
#include "sendcameradlg.h"
#include "testsupport.h"

using namespace Ctl::SendCamera;

namespace {

const QString kFactory = QStringLiteral("orders@factory.example");

// Key clicks take ASCII only; the fields get Cyrillic names.
void Enter(const QWidget& dialog, int id, const QString& text) {
  auto* box = Control<QComboBox>(dialog, id);
  ASSERT_NE(box, nullptr) << "no field " << id;
  box->setEditText(text);
}

class SendCameraDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadEmptyLanguage();
    const std::string script = dir_.File("record-mail");
    WriteFileBytes(script, "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"" + dir_.File("args.tmp") + "\"\nmv \"" +
                               dir_.File("args.tmp") + "\" \"" + dir_.File("args") + "\"\n");
    QFile::setPermissions(QString::fromStdString(script), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("ZAMO_MAIL_PROGRAM", QByteArray::fromStdString(script));
    SetFactoryMailAddress(kFactory);
  }
  void TearDown() override { qunsetenv("ZAMO_MAIL_PROGRAM"); }

  // The arguments the mail program got, once it has run (none after 5 s).
  QStringList MailArguments() const {
    const QString path = QString::fromStdString(dir_.File("args"));
    for (QDeadlineTimer deadline(5000); !QFile::exists(path) && !deadline.hasExpired();) QThread::msleep(20);
    QStringList arguments = QString::fromStdString(ReadFileBytes(dir_.File("args"))).split(QChar(0));
    if (!arguments.isEmpty() && arguments.last().isEmpty()) arguments.removeLast();
    return arguments;
  }

  static QStringList Offered(const QWidget& dialog, int id) {
    QStringList items;
    const auto* box = Control<QComboBox>(dialog, id);
    for (int i = 0; box && i < box->count(); ++i) items << box->itemText(i);
    return items;
  }

  CScratchDir dir_;
  CScopedCurrentDir cwd_{dir_.Path()};
  CMessageRecorder messages_;
};

TEST_F(SendCameraDlgTest, WithoutTheCollectorTheCameraIsStillSent) {
  CSendCameraDlg dialog;
  dialog.SetLibraryNames(QStringLiteral("NoSuchTallyx"), QStringLiteral("mailer"));
  dialog.SetCamera(QStringLiteral("ХКМ-1"), QByteArrayLiteral("camera bytes"));
  dialog.show();
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, QStringLiteral("Коллектор данных недоступен"));
  EXPECT_FALSE(dialog.CollectorAvailable());
  EXPECT_TRUE(Offered(dialog, kFirstName).isEmpty());

  Enter(dialog, kFirstName, QStringLiteral("Иван"));
  Enter(dialog, kEmail, QStringLiteral("ivan@holod.example"));
  Enter(dialog, kCompany, QStringLiteral("Холод"));
  Control<QPlainTextEdit>(dialog, kAdditional)->setPlainText(QStringLiteral("Нужна доставка"));
  ClickControl(dialog, Ctl::kOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  const QStringList arguments = MailArguments();
  ASSERT_EQ(arguments.size(), 8) << arguments.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(arguments[2], QStringLiteral("Камера ХКМ-1"));
  EXPECT_EQ(arguments[4], QStringLiteral("Имя: Иван\nЭл. почта: ivan@holod.example\nОрганизация, Название: Холод\n\n"
                                         "Дополнительная информация:\nНужна доставка"));
  EXPECT_EQ(ReadFileBytes(arguments[6].toStdString()), "camera bytes");
  EXPECT_EQ(arguments[7], kFactory);
  EXPECT_EQ(messages_.Messages().size(), 1u);
}

TEST_F(SendCameraDlgTest, ACollectorWithoutItsEntryPointsIsSwitchedOff) {
  CSendCameraDlg dialog;
  dialog.SetLibraryNames(QStringLiteral("mailer"), QStringLiteral("mailer"));
  dialog.show();
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text,
            QStringLiteral("Коллектор данных поврежден или имеет неподдерживаемую версию. Отключен."));
  EXPECT_FALSE(dialog.CollectorAvailable());
}

TEST_F(SendCameraDlgTest, SentValuesAreOfferedNextTimeAndCancelledOnesAreNot) {
  {
    CSendCameraDlg dialog;
    dialog.show();
    ASSERT_TRUE(dialog.CollectorAvailable());
    Enter(dialog, kFirstName, QStringLiteral("Иван"));
    Enter(dialog, kPhone, QStringLiteral("+7 900 000-00-00"));
    ClickControl(dialog, Ctl::kOk);
  }
  {
    CSendCameraDlg dialog;
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(Offered(dialog, kFirstName), QStringList{QStringLiteral("Иван")});
    EXPECT_EQ(Control<QComboBox>(dialog, kFirstName)->currentText(), QStringLiteral("Иван"));
    EXPECT_EQ(Offered(dialog, kPhone), QStringList{QStringLiteral("+7 900 000-00-00")});
    Enter(dialog, kFirstName, QStringLiteral("Пётр"));
    ClickControl(dialog, Ctl::kCancel);
  }
  {
    CSendCameraDlg dialog;
    dialog.show();
    EXPECT_EQ(Offered(dialog, kFirstName), QStringList{QStringLiteral("Иван")});
  }
  EXPECT_TRUE(messages_.Empty());
}

// Each way the sending can stop: the user is told, the dialog stays open and
// what was typed is still there.
struct SendStop {
  const char* name;
  QString phone;
  QString factory;
  const char* mailer;
  int message;
};

class SendStopTest : public SendCameraDlgTest, public ::testing::WithParamInterface<SendStop> {};

TEST_P(SendStopTest, KeepsTheDialogOpenWithWhatWasTyped) {
  SetFactoryMailAddress(GetParam().factory);
  CSendCameraDlg dialog;
  dialog.SetLibraryNames(QStringLiteral("NoSuchTallyx"), QString::fromLatin1(GetParam().mailer));
  dialog.show();
  messages_.Clear();
  Enter(dialog, kFirstName, QStringLiteral("Иван"));
  Enter(dialog, kPhone, GetParam().phone);
  ClickControl(dialog, Ctl::kOk);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, UiText(GetParam().message));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Control<QComboBox>(dialog, kFirstName)->currentText(), QStringLiteral("Иван"));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, SendStopTest,
    ::testing::Values(SendStop{"NoPhoneOrMail", QString(), kFactory, "mailer", Lang::kSendNeedsContact},
                      SendStop{"NoFactoryAddress", QStringLiteral("123"), QString(), "mailer", Lang::kMailAddressNotSet},
                      SendStop{"NoMailProgram", QStringLiteral("123"), kFactory, "NoSuchMailer", Lang::kMailNotOpened}),
    [](const ::testing::TestParamInfo<SendStop>& param) { return std::string(param.param.name); });

}  // namespace
