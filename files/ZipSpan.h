// Spanned sets and self-extracting archives of the archive component. A spanned
// set here is a series of numbered part files on one file system
// ("name001.zip", "name002.zip"...); there are no removable disks, so disk
// prompts, volume labels and formatting never arise.
#pragma once

#include <string>

class TZipArchive;

// Joins the set whose last part is lastPart into one ordinary archive written to
// output. Raises EZipArchive on failure (the output is then deleted).
void JoinSpannedSet(TZipArchive& zip, const std::string& lastPart, const std::string& output);

// Writes the ordinary archive source as a spanned set of part files named after
// target (PartFileName). Each part holds at most the component's MaxVolumeSize
// bytes (or the free space of the file system); a local header with its name never
// straddles two parts. Raises EZipArchive on failure.
void WriteSpannedSet(TZipArchive& zip, const std::string& source, const std::string& target);

// Creates the self-extractor target (stub then settings header) before an add to a
// new ".exe" archive. Answers 0 on success, non-zero otherwise (the message is
// already reported).
int MakeSelfExtractor(TZipArchive& zip, const std::string& target);

// A new empty temporary file "zip*.zip" in folder (or the system's temporary
// folder when empty); "" when none can be made.
std::string MakeZipTempFile(const std::string& folder);
