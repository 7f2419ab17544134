// A whole file's bytes through the platform layer.
#pragma once

#include <cstddef>
#include <string>

// False when the file cannot be opened. Stops after maxbytes so a huge or
// endless file cannot exhaust memory.
bool readfilebytes(const std::string& path, std::string& out, std::size_t maxbytes);
