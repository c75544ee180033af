#pragma once
// What a failed write or create really ran into. A full disk and a disk out of
// inodes both say ENOSPC, and a lock class may keep no reason at all: the file
// system of the folder tells which.

#include <string>

namespace wd {

// strerror(error), with "no inodes left" added when ENOSPC came from a file
// system that has free blocks but no free inodes.
std::string write_error_text(int error, const std::string& folder);

// Why a file cannot be created in `folder`: tries to create (and write) a
// file of `probe_name` there and removes it again. 0 when that works.
int create_error(const std::string& folder, const std::string& probe_name);

// create_error(), or when the folder takes new files after all, what its file
// system says: full, out of inodes, read-only; EIO when nothing explains it.
int likely_create_error(const std::string& folder, const std::string& probe_name);

// Under a file-size limit (ulimit -f) a write past it fails with EFBIG, told
// as any failed save, instead of SIGXFSZ ending the program with the save
// half done. Called first thing by every program that saves.
void let_size_limit_fail_writes();

}  // namespace wd
