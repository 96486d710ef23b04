#include "clirun.h"

#include <QProcess>
#include <QStringList>

CliRun RunCli(const std::vector<std::string>& args, const std::string& folder, int timeLimitMs) {
  QStringList arguments;
  for (const std::string& arg : args) arguments << QString::fromStdString(arg);
  QProcess cli;
  cli.setWorkingDirectory(QString::fromStdString(folder));
  cli.start(QStringLiteral(ZAMO_BINARY_DIR "/bin/zamo-cli"), arguments);
  CliRun run;
  if (!cli.waitForFinished(timeLimitMs)) {
    cli.kill();
    cli.waitForFinished();
    return run;
  }
  run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
  run.out = cli.readAllStandardOutput().toStdString();
  run.err = cli.readAllStandardError().toStdString();
  return run;
}
