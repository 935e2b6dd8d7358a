// What the platform the tests run on offers, for the few tests that need
// more than the Env: a POSIX shell to run the programs through a pipe, and a
// file system that tells names of different letter case apart.

#ifndef TESTS_SUPPORT_PLATFORM_H_
#define TESTS_SUPPORT_PLATFORM_H_

#include <string>

namespace testing_support {

// False on Windows, where the programs' pipe runs are scripts of their own.
bool HasPosixShell();

// Runs `command` with the POSIX shell; returns its exit status, or -1 when
// it did not end normally (or there is no shell).
int RunShell(const std::string& command);

// False where "cust.dat" and "CUST.DAT" are one file.
bool CaseSensitiveNames();

}  // namespace testing_support

// Skips the rest of a test that needs a POSIX shell.
#define REQUIRE_POSIX_SHELL() \
  if (!::testing_support::HasPosixShell()) GTEST_SKIP() << "needs a POSIX shell"

// Skips the rest of a test that needs two files whose names differ in case.
#define REQUIRE_CASE_SENSITIVE_NAMES()          \
  if (!::testing_support::CaseSensitiveNames()) \
  GTEST_SKIP() << "names differing in case are one file here"

#endif  // TESTS_SUPPORT_PLATFORM_H_
