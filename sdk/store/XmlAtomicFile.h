#pragma once

#include <string>

namespace xmlstore {

// Replaces the file at path with data so that a crash or kill at any moment leaves either the old
// or the new content: a temporary file in the same folder is written, flushed to disk and renamed
// over the old one. The file keeps the permissions of the file it replaces; a new file gets those
// of any new file (0666 less the umask). Temporary files that a killed writer left in the folder
// are removed first. On failure nothing at path changes and error says why.
bool atomicWrite(const std::string &path, const std::string &data, std::string *error);

} // namespace xmlstore
