#pragma once

namespace linknode {

// Gives each closed standard descriptor (input, output, error) the null device, read-only,
// before the program opens anything: else the next file or event descriptor opened takes its
// number, and results written to standard output land in it. Read-only, a write there fails
// as it would have on the closed descriptor. First thing in main().
void fillClosedStandardDescriptors();

} // namespace linknode
