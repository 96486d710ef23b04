// The camera handed to the mail program: which arguments the mail program
// gets, the mailto: URL of desktops without it, and the library's exports
// as the send dialog calls them.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QUrlQuery>

#include <set>

#include "mailhandover.h"
#include "pluginlibrary.h"
#include "testsupport.h"
#include "zamo_abi.h"

namespace {

TEST(MailMessage, ArgumentsFillEveryOptionAndEndWithTheRecipient) {
  CScratchDir dir;
  WriteFileBytes(dir.File("cam.kry"), "x");
  const CMailMessage message{QStringLiteral("orders@example.com"), QStringLiteral("Камера ХКМ-1"),
                             QStringLiteral("-Имя: Иван\nТелефон: 123"), QString::fromStdString(dir.File("cam.kry"))};
  const QStringList expected{QStringLiteral("--utf8"),   QStringLiteral("--subject"),
                             message.subject,            QStringLiteral("--body"),
                             message.body,               QStringLiteral("--attach"),
                             message.attachment,         QStringLiteral("orders@example.com")};
  EXPECT_EQ(MailProgramArguments(message), expected);

  CMailMessage missing = message;
  missing.attachment = QString::fromStdString(dir.File("gone.kry"));
  EXPECT_FALSE(MailProgramArguments(missing).contains(QStringLiteral("--attach")));
}

TEST(MailMessage, OnlyPlainAddressesAreHandedOver) {
  EXPECT_TRUE(IsPlainAddress(QStringLiteral("orders@example.com")));
  for (const char* bad : {"", "-x", "--attach=/etc/passwd", "a b@example.com", "a@example.com\nb@example.com"})
    EXPECT_FALSE(IsPlainAddress(QString::fromUtf8(bad))) << bad;
  EXPECT_FALSE(HandOverMail({QStringLiteral("--help"), {}, {}, {}}));
}

TEST(MailMessage, MailtoUrlCarriesSubjectAndBodyAndNamesTheAttachment) {
  CScratchDir dir;
  WriteFileBytes(dir.File("cam.kry"), "x");
  const CMailMessage message{QStringLiteral("orders@example.com"), QStringLiteral("Камера A&B 1+1"),
                             QStringLiteral("Имя: Иван"), QString::fromStdString(dir.File("cam.kry"))};
  const QUrl url = MailtoUrl(message);
  EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
  EXPECT_EQ(url.path(), QStringLiteral("orders@example.com"));
  const QString encoded = url.toString(QUrl::FullyEncoded);
  EXPECT_FALSE(encoded.contains(QLatin1Char('+'))) << encoded.toStdString();
  EXPECT_FALSE(encoded.contains(QLatin1Char(' ')));
  const QUrlQuery query(url);
  EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), message.subject);
  const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
  EXPECT_TRUE(body.startsWith(message.body));
  EXPECT_TRUE(body.contains(message.attachment));
}

// libmailer with a recorder in place of xdg-email: the recorder writes its
// arguments, NUL-separated, to a file.
class MailerLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string script = dir_.File("record-mail");
    WriteFileBytes(script, "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"" + dir_.File("args.tmp") + "\"\nmv \"" +
                               dir_.File("args.tmp") + "\" \"" + dir_.File("args") + "\"\n");
    QFile::setPermissions(QString::fromStdString(script), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(kMailProgramVariable, QByteArray::fromStdString(script));
    ASSERT_TRUE(library_.Load(QStringLiteral("mailer"))) << library_.ErrorString().toStdString();
  }
  void TearDown() override { qunsetenv(kMailProgramVariable); }

  // The recorded arguments, once the recorder has run.
  QStringList RecordedArguments() {
    const QString path = QString::fromStdString(dir_.File("args"));
    for (QDeadlineTimer deadline(10000); !QFile::exists(path) && !deadline.hasExpired();) QThread::msleep(20);
    QStringList arguments = QString::fromStdString(ReadFileBytes(dir_.File("args"))).split(QChar(0));
    if (!arguments.isEmpty() && arguments.last().isEmpty()) arguments.removeLast();
    return arguments;
  }

  // Both exports of the loaded library; a test of a missing one fails here.
  CMailerApi Api() {
    CMailerApi api;
    EXPECT_EQ(library_.Bind(api), nullptr);
    return api;
  }

  CScratchDir dir_;
  CPluginLibrary library_;
};

TEST_F(MailerLibraryTest, SendCameraStartsTheMailProgramWithTheCamera) {
  const SendCameraFn sendCamera = Api().SendCamera;
  ASSERT_NE(sendCamera, nullptr);
  WriteFileBytes(dir_.File("cam.kry"), "camera");
  EXPECT_EQ(sendCamera("zamo", "orders@example.com", "Камера ХКМ-1", "Имя: Иван\n", dir_.File("cam.kry").c_str()), 1);
  const QStringList arguments = RecordedArguments();
  ASSERT_EQ(arguments.size(), 8) << arguments.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(arguments[2], QStringLiteral("Камера ХКМ-1"));
  EXPECT_EQ(arguments[4], QStringLiteral("Имя: Иван\n"));
  EXPECT_EQ(arguments[6], QString::fromStdString(dir_.File("cam.kry")));
  EXPECT_EQ(arguments[7], QStringLiteral("orders@example.com"));
}

TEST_F(MailerLibraryTest, SendMailAddressesTheRecipient) {
  const SendMailFn sendMail = Api().SendMail;
  ASSERT_NE(sendMail, nullptr);
  EXPECT_EQ(sendMail("zamo", "orders@example.com"), 1);
  EXPECT_EQ(RecordedArguments().last(), QStringLiteral("orders@example.com"));
}

TEST_F(MailerLibraryTest, NothingIsStartedForABadRecipientOrAMissingProgram) {
  const CMailerApi api = Api();
  const SendCameraFn sendCamera = api.SendCamera;
  const SendMailFn sendMail = api.SendMail;
  ASSERT_TRUE(sendCamera && sendMail);
  EXPECT_EQ(sendCamera("zamo", "-x", "s", "b", nullptr), 0);
  EXPECT_EQ(sendMail(nullptr, nullptr), 0);
  qputenv(kMailProgramVariable, QByteArray::fromStdString(dir_.File("no-such-program")));
  EXPECT_EQ(sendMail("zamo", "orders@example.com"), 0);
  QThread::msleep(100);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir_.File("args"))));
}

TEST_F(MailerLibraryTest, OnlyTheTwoEntryPointsAreExported) {
  std::set<std::string> names;
  if (!ExportedSymbols(library_.FileName(), names)) GTEST_SKIP() << "nm is not available";
  EXPECT_EQ(names, ExportNames<CMailerApi>());
}

}  // namespace
