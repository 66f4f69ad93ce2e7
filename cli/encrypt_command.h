// `korbit encrypt` and `korbit decrypt`: files encrypted or decrypted in
// place through the control, with a progress bar and Ctrl-C as Cancel.
#pragma once

#include <string>
#include <vector>

namespace korbit::cli {

// `words` are the command's arguments after its name. Returns the exit
// status: 0 when every file was done, 1 when one was refused, failed or
// cancelled, 2 on a usage error.
int runEncryptCommand(bool encrypting, std::vector<std::string> words);

}  // namespace korbit::cli
