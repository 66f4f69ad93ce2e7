// `korbit encrypt` and `korbit decrypt`: files encrypted or decrypted in
// place through the control, or one file or stream written to another (-o,
// "-"), with a progress line and Ctrl-C as Cancel.
#pragma once

#include <string>
#include <vector>

namespace korbit::cli {

// `words` are the command's arguments after its name. Returns the exit
// status: 0 when every file was done, 1 when one was refused or failed, 2 on
// a usage error or when no password source is available, 130 after Ctrl-C
// (128 + the signal).
int runEncryptCommand(bool encrypting, std::vector<std::string> words);

}  // namespace korbit::cli
