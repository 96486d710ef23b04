#pragma once

#include <string>
#include <vector>

// zamo-cli run as a process, as a user runs it.
struct CliRun {
  int exitCode = -1;  // -1: it crashed or ran past the time limit
  std::string out;
  std::string err;
};

// Runs the built zamo-cli with `args` in `folder`.
CliRun RunCli(const std::vector<std::string>& args, const std::string& folder, int timeLimitMs = 60000);
