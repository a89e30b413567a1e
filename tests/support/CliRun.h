#pragma once
// Runs the veltra-cli built beside the test program and reads its JSON answer.

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <nlohmann/json.hpp>
#include <string>

struct CliRun {
  int status = -1;     // exit status; -1 when the program did not finish
  nlohmann::json out;  // standard output as JSON (discarded when it is none)
  std::string text;    // standard output as printed
  std::string err;     // standard error
};

inline CliRun runCli(const QStringList& args) {
  QProcess run;
  run.start(QCoreApplication::applicationDirPath() + QStringLiteral("/veltra-cli"), args);
  CliRun r;
  if (!run.waitForFinished(60000)) return r;
  r.status = run.exitCode();
  r.text = run.readAllStandardOutput().toStdString();
  r.err = run.readAllStandardError().toStdString();
  r.out = nlohmann::json::parse(r.text, nullptr, false);
  return r;
}
