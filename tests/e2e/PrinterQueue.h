//===- PrinterQueue.h - A CUPS queue whose jobs come out as PDF files ----===//
//
// A real printer queue for a test: a CUPS server and a cups-pdf queue on
// it, whose backend writes each job it is sent as a PDF file. The server is
// a private one when it can be (its configuration, spool, logs and socket in
// a scratch folder; cups-pdf runs only under a server started by root),
// else the system's (the one that runs, or started when none does). The
// queue's PDFs go to the folder its cups-pdf configuration names: a file of
// the queue's own (cups-pdf-NAME.conf, which cups-pdf reads for the device
// cups-pdf:/NAME) where the test may write one, the general cups-pdf.conf
// otherwise.
//
//   PrinterQueue queue;
//   if (!queue.Ready()) GTEST_SKIP() << queue.Why();
//   ScopedEnv server("CUPS_SERVER", queue.Server());  // for the programs it starts
//   ...print to queue.Name()...
//   std::vector<std::string> pdfs = queue.WaitForPdfs();
//
//===----------------------------------------------------------------------===//
#pragma once

#include <sys/types.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace kr::e2e {

class PrinterQueue {
 public:
  /// Starts or finds the server and adds the queue; Ready() tells whether it could.
  PrinterQueue();
  /// Deletes the queue and its configuration file, and ends a server it started.
  ~PrinterQueue();
  PrinterQueue(const PrinterQueue&) = delete;
  PrinterQueue& operator=(const PrinterQueue&) = delete;

  bool Ready() const { return Ready_; }
  /// Why the queue is not there.
  const std::string& Why() const { return Why_; }

  /// What CUPS_SERVER must hold for a program to reach the server (a
  /// private one's socket, or the environment's own); nullptr for the
  /// system's default server.
  const char* Server() const { return Server_.empty() ? nullptr : Server_.c_str(); }
  /// The queue's name.
  const std::string& Name() const { return Name_; }
  /// The folder cups-pdf writes the queue's PDFs into.
  const std::string& Output() const { return Output_; }

  /// Waits until the queue has been sent a job and has none left to do,
  /// and answers the PDF files that came out of it since it was added
  /// (none when `deadline` passed first).
  std::vector<std::string> WaitForPdfs(std::chrono::seconds deadline);

  /// The server's and cups-pdf's logs, to tell why a job did not come out.
  std::string Logs() const;

 private:
  bool StartPrivateServer();
  bool UseSystemServer();
  bool AddQueue();
  /// Runs `command` in a shell with CUPS_SERVER set to the server; its
  /// exit status, its standard output and error in `output`.
  int Run(const std::string& command, std::string* output = nullptr) const;
  bool SchedulerRuns() const;
  std::vector<std::string> NewPdfs() const;

  testing::TempFolder Folder_;
  bool Ready_ = false;
  std::string Why_;
  std::string Server_;
  pid_t Scheduler_ = -1;  // a server this queue started
  std::string Name_;
  std::string OwnConfig_;  // cups-pdf-NAME.conf, when written
  std::string Output_;
  std::set<std::string> Before_;  // the PDFs in Output_ before the queue existed
  bool Added_ = false;
};

}  // namespace kr::e2e
