// Whole-file reads and the pending-file write that every data file goes
// through: the new bytes land in "<path>.pending", are flushed, and only then
// replace the target, so a crash or a full disk never leaves a torn file.
#pragma once

#include <string>

bool FileExists(const std::wstring& path);

// Reads every byte; false when the file cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Creates or truncates the file, writes all bytes, flushes and closes it.
// False when any of these steps fails.
bool WriteFlushedFile(const std::wstring& path, const std::string& bytes);

// Moves the pending file over the target, replacing it, with write-through.
bool ReplaceWithPending(const std::wstring& pendingPath, const std::wstring& targetPath);

// True when the target exists and carries the read-only attribute. Wine lets a
// rename replace such a file while Windows refuses, so saves check it first.
bool IsReadOnlyFile(const std::wstring& path);
