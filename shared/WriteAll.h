// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole buffer to a file descriptor, however the system splits it.
#pragma once

#include <string_view>

namespace zorbil {

// Writes every byte, going on after interruptions and short writes. False
// on the first failed write; errno tells why.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace zorbil
