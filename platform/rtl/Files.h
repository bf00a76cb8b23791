// Files and folders. Every path the program gives is built by MakePath from the
// names the program writes with '\' (MakePath(ProgramDir(), "texte\\Texte" + lang
// + ".txt")): '\' becomes '/', names keep their spelling.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/DateTime.h"

constexpr char PathDelim = '/';

std::string MakePath(std::string_view folder, std::string_view relative);   // joins, '\' -> '/'
std::string ToNativePath(std::string_view path);                            // '\' -> '/'

bool FileExists(const std::string& fileName);        // a regular file
bool DirectoryExists(const std::string& dir);
bool ForceDirectories(const std::string& dir);       // creates every missing level
bool CreateDir(const std::string& dir);
bool RemoveDir(const std::string& dir);              // an empty folder
bool DeleteFile(const std::string& fileName);
bool RenameFile(const std::string& oldName, const std::string& newName);   // replaces the target
// Copies in full; false (and no partial target left) on any short read or write,
// errno then telling why (EISDIR for a folder on the target's name, ENOSPC
// for a full disk...). The copy is written beside the target and renamed over
// it: an existing target is replaced in one step, never lost.
bool CopyFile(const std::string& source, const std::string& target, bool failIfExists);

// Temporary files beside a file. A writer that replaces a file writes the new
// content first under SiblingTempName(file): "." + name + "." + process id +
// "." + counter + "." + hex digits + ".tmp", a name not in use (not created).
// A library that writes that name may add its own ".XXXXXX" while it writes;
// a copy made under such a name is written under a temporary of it first.
std::string SiblingTempName(const std::string& fileName);
// Removes the temporaries of those forms beside fileName (names made for that
// very name only) whose writing process is no longer running: what an
// interrupted writer left; those named in keep stay. The number removed.
int RemoveStaleTemps(const std::string& fileName, const std::vector<std::string>& keep = {});
// The temporaries of exactly the form SiblingTempName gives, beside fileName,
// that no other running process writes: left by a writer that is gone, or by
// this process (done with them while it does not write fileName). Sorted.
std::vector<std::string> LeftTemps(const std::string& fileName);
// Keeps a copy of a file about to be replaced (a damaged file the program
// could read only in part): the first free name of fileName + ".bak",
// fileName + ".1.bak", ".2.bak"... An earlier copy is never replaced. The
// copy's name; empty when the file could not be copied.
std::string CopyAside(const std::string& fileName);
// The copies of that series that exist beside fileName (regular files), in
// the series' order.
std::vector<std::string> KeptCopies(const std::string& fileName);
// Gives the file source the first free name of the series of CopyAside,
// renamed without replacing anything, or linked there (the source's name
// then removed) where the system cannot rename so. The new name; empty
// when it could be given none.
std::string MoveAside(const std::string& source, const std::string& fileName);
// Where the program starts: a write past the process's file-size limit
// (ulimit -f) then fails with EFBIG, as on a full disk, instead of ending the
// program with SIGXFSZ.
void WritesPastTheSizeLimitFail();
// Syncs the folder holding fileName, so that a rename into it survives a
// power cut; false when the folder cannot be synced.
bool SyncFolderOf(const std::string& fileName);

// '/' and '\' are both taken as separators when extracting.
std::string ExtractFilePath(std::string_view fileName);   // with its trailing separator
std::string ExtractFileDir(std::string_view fileName);    // without
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);    // with its dot, "" when none
std::string ChangeFileExt(std::string_view fileName, std::string_view ext);
std::string IncludeTrailingPathDelimiter(std::string_view dir);
std::string ExcludeTrailingPathDelimiter(std::string_view dir);
std::string ExpandFileName(std::string_view fileName);

int64_t FileSize(const std::string& fileName);    // -1 when absent
TDateTime FileDate(const std::string& fileName);  // last write, 0 when absent
bool FileSetDate(const std::string& fileName, TDateTime date);

struct TSearchRec
{
    std::string Name;   // name only
    int64_t Size = 0;
    TDateTime Time = 0;
    bool Directory = false;
};
// Entries of a folder whose names match the mask ("*.xmc", "stat12_*.txt"; '*' and
// '?', without regard to case), sorted by name. Folders only when asked.
std::vector<TSearchRec> ListFiles(const std::string& dir, std::string_view mask, bool withFolders = false);
bool MatchesMask(std::string_view name, std::string_view mask);

std::string GetTempDir();                 // with a trailing separator
std::string GetTempFileName(std::string_view prefix);   // creates it empty
std::string ProgramFile();                // the running executable
std::string ProgramDir();                 // its folder, with a trailing separator
// Where the program writes: ProgramDir() when writable, else the user's
// configuration folder (~/.config/brivantel/), created on demand; the
// folder SetWritableDir gave instead, once given.
std::string WritableDir();
// Gives the process another folder to write in than its program's (each
// test process its own); empty gives back the program's. Created on demand.
void SetWritableDir(const std::string& dir);
// The same with programDir standing for ProgramDir().
std::string WritableDir(const std::string& programDir);

// Whole files.
bool ReadFileBytes(const std::string& fileName, std::string& data);
// Written to a temporary file beside the target, then renamed over it: a failed
// save never leaves a half-written file.
bool WriteFileAtomic(const std::string& fileName, std::string_view data);
// WriteFileAtomic, after removing what interrupted writes of the file left;
// a file that was read damaged (damaged, and the file there) is first copied
// aside by CopyAside into keptAs, once (a write that fails after the copy
// does not copy again). False when the copy or the write fails; damaged is
// cleared once the file is written.
bool WriteFileKeepingDamaged(const std::string& fileName, std::string_view data, bool& damaged, std::string& keptAs);
