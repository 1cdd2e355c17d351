#pragma once
// Test programs that build the main window may start a connection search, which dials the device's
// default address; the emulator's tests listen on and dial addresses of their own. Such a program
// moves itself into a private network namespace it makes (unshare -n, loopback up) before any test
// runs, and refuses to run where it cannot.

namespace testsupport {

// True when no interface but loopback has an address in this process's network namespace.
bool InPrivateNetwork();

// Outside a private network namespace, runs this program again inside a new one; where that cannot
// be done, a test environment ends the program with a clear message before any test runs.
void RequirePrivateNetwork();

} // namespace testsupport
