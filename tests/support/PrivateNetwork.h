#pragma once
// Test programs that build the main window may start a connection search, which dials the device's
// default address. They refuse to run unless the process sits in a private network namespace.

namespace testsupport {

// True when no interface but loopback has an address in this process's network namespace.
bool InPrivateNetwork();

// Registers a test environment that ends the program with a clear message outside such a namespace.
void RequirePrivateNetwork();

} // namespace testsupport
